#pragma once

#include "game/glview/OpenGLView.h"

// The plain view with its stock scene and default scene, seen through the
// stock camera, plus a line of 3-D text: the framework on its own. The
// driver's name and the recorded error go to the frame's status bar.
class CDemoView : public COpenGLView {
public:
    CDemoView(wxWindow* parent, bool animate);

    void SetStockScene(int type);
    bool IsAnimating() const { return m_animate; }
    long FramesDrawn() const { return m_framesDrawn; }
    // Frames per second from the first drawn frame until now.
    double AverageFrameRate() const;

    int OnCreate() override;
    bool PrepareFrame() override;
    bool DrawScene() override;
    void FinishFrame() override;

private:
    long m_framesDrawn = 0;
    uint32_t m_firstFrameTime = 0;
};
