#pragma once

#include "game/glview/OpenGLView.h"

// The plain view with its stock scene and default scene, seen through the
// stock camera, plus a line of 3-D text: the framework on its own. The
// driver's name and the recorded error go to the frame's status bar.
class CDemoView : public COpenGLView {
public:
    CDemoView(wxWindow* parent, bool animate);

    void SetStockScene(int type);

    int OnCreate() override;
    bool PrepareFrame() override;
    bool DrawScene() override;
};
