#pragma once

#include "game/glview/OpenGLView.h"
#include "platform/Clock.h"
#include "platform/GLBinding.h"
#include "tests/platform/GLTestApp.h"

#include <wx/frame.h>

#include <set>
#include <string>
#include <vector>

// A clock that reads what the test sets.
class CFakeClock : public CClock {
public:
    uint32_t Milliseconds() override { return now; }
    uint32_t now = 1000;
};

// The real binding with faults injected at chosen steps. A failing delete
// still deletes the real context, so that no context outlives its window.
class CFaultyBinding : public CGLBinding {
public:
    enum Step {
        StepDrawable,
        StepChoose,
        StepSet,
        StepCreate,
        StepMakeCurrent,
        StepDelete,
        StepSwap,
        StepFontOutlines,
        StepFontBitmaps,
    };

    std::set<Step> failing;
    bool overrideFlags = false;
    unsigned flags = 0;
    int swaps = 0;
    int deletes = 0;
    std::vector<std::string>* log = nullptr;

    wxGLCanvas* GetDrawable(wxGLCanvas& window) override;
    void ReleaseDrawable(wxGLCanvas* drawable) override;
    int ChoosePixelFormat(wxGLCanvas* drawable, const GLPixelFormatRequest& request) override;
    bool SetPixelFormat(wxGLCanvas* drawable, int format, const GLPixelFormatRequest& request) override;
    unsigned DescribePixelFormat(wxGLCanvas* drawable, int format) override;
    wxGLContext* CreateContext(wxGLCanvas* drawable) override;
    bool MakeCurrent(wxGLCanvas* drawable, wxGLContext* context) override;
    bool DeleteContext(wxGLContext* context) override;
    bool SwapBuffers(wxGLCanvas* drawable) override;
    bool UseFontOutlines(wxGLCanvas* drawable, const FontRequest& font, unsigned first, unsigned count,
                         unsigned listBase, float deviation, float extrusion) override;
    bool UseFontBitmaps(wxGLCanvas* drawable, const FontRequest* font, unsigned first, unsigned count,
                        unsigned listBase) override;

private:
    bool Fails(Step step) const { return failing.count(step) != 0; }
};

// The view with its state open to the tests and its hooks logged.
class CTestView : public COpenGLView {
public:
    explicit CTestView(wxWindow* parent) : COpenGLView(parent) {}

    using COpenGLView::m_acceleration;
    using COpenGLView::m_angles;
    using COpenGLView::m_angularVelocity;
    using COpenGLView::m_animate;
    using COpenGLView::m_bitmapFontBase;
    using COpenGLView::m_errorText;
    using COpenGLView::m_frameTime;
    using COpenGLView::m_glExtensions;
    using COpenGLView::m_glRenderer;
    using COpenGLView::m_glVendor;
    using COpenGLView::m_glVersion;
    using COpenGLView::m_hRC;
    using COpenGLView::m_homeAngles;
    using COpenGLView::m_homePosition;
    using COpenGLView::m_lastFrameTime;
    using COpenGLView::m_outlineFontBase;
    using COpenGLView::m_pDC;
    using COpenGLView::m_position;
    using COpenGLView::m_startTime;
    using COpenGLView::m_stockSceneList;
    using COpenGLView::m_stockSceneType;
    using COpenGLView::m_titleBase;
    using COpenGLView::m_velocity;
    using COpenGLView::s_frameCounter;

    int OnCreate() override;
    void OnDestroy() override;
    void OnKeyDown(unsigned key, unsigned repeat, unsigned flags) override;
    bool ApplyProjection(double aspect) override;
    bool PrepareFrame() override;
    void DrawStockScene() override;
    bool DrawScene() override;
    void FinishFrame() override;
    void BuildUserStockScene() override;
    void AnimateStep() override;

    std::vector<std::string> log;
    int createResult = -2;
    int animateSteps = 0;
    int projections = 0;
    double lastAspect = 0.0;
    unsigned lastKey = 0;
    unsigned lastFlags = 0;
    bool drawUserTriangle = false;

    // What the last destroyed view held, read after it is gone.
    static const char* s_errorTextAtDestroy;
    static int s_destroyCount;
};

// A frame titled kFrameTitle holding one CTestView with a fake clock and
// the faulty binding, shown and realized.
class CViewTest : public ::testing::Test {
protected:
    static const char* const kFrameTitle;

    void SetUp() override;
    void TearDown() override;

    // configure runs before the window is realized (a subclass
    // constructor's work: animation, initial pose).
    CTestView* CreateView(const std::function<void(CTestView&)>& configure = {});
    void DestroyFrame();
    // Lets the toolkit's own paints run, then forgets what they logged.
    void Settle();
    // A projection in which x and y are pixels of the viewport.
    void UsePixelProjection(int width, int height);
    std::string FrameTitle() const;

    CFakeClock m_clock;
    CFaultyBinding m_binding;
    wxFrame* m_frame = nullptr;
    CTestView* m_view = nullptr;
};
