#pragma once

#include "game/glview/OpenGLView.h"
#include "platform/Clock.h"
#include "platform/WxGLBinding.h"
#include "tests/platform/GLTestApp.h"

#include <wx/frame.h>

#include <functional>
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
    enum Step { StepDrawable, StepChoose, StepSet, StepCreate, StepMakeCurrent, StepDelete, StepSwap, StepFonts };

    wxGLCanvas* GetDrawable(wxGLCanvas& w) override { return Fails(StepDrawable) ? nullptr : Real().GetDrawable(w); }
    void ReleaseDrawable(wxGLCanvas* d) override { Real().ReleaseDrawable(d); }
    int ChoosePixelFormat(wxGLCanvas* d, const GLPixelFormatRequest& r) override
    {
        return Fails(StepChoose) ? 0 : Real().ChoosePixelFormat(d, r);
    }
    bool SetPixelFormat(wxGLCanvas* d, int f, const GLPixelFormatRequest& r) override
    {
        return !Fails(StepSet) && Real().SetPixelFormat(d, f, r);
    }
    unsigned DescribePixelFormat(wxGLCanvas* d, int f) override { return Real().DescribePixelFormat(d, f); }
    wxGLContext* CreateContext(wxGLCanvas* d) override { return Fails(StepCreate) ? nullptr : Real().CreateContext(d); }
    bool MakeCurrent(wxGLCanvas* d, wxGLContext* c) override
    {
        return !Fails(StepMakeCurrent) && Real().MakeCurrent(d, c);
    }
    bool DeleteContext(wxGLContext* c) override
    {
        ++deletes;
        return Real().DeleteContext(c) && !Fails(StepDelete);
    }
    bool SwapBuffers(wxGLCanvas* d) override
    {
        ++swaps;
        if (log)
            log->push_back("Swap");
        return !Fails(StepSwap) && Real().SwapBuffers(d);
    }
    bool UseFontOutlines(wxGLCanvas* d, const FontRequest& font, unsigned first, unsigned count, unsigned base,
                         float deviation, float extrusion) override
    {
        return !Fails(StepFonts) && Real().UseFontOutlines(d, font, first, count, base, deviation, extrusion);
    }
    bool UseFontBitmaps(wxGLCanvas* d, const FontRequest* font, unsigned first, unsigned count, unsigned base) override
    {
        return !Fails(StepFonts) && Real().UseFontBitmaps(d, font, first, count, base);
    }

    std::set<Step> failing;
    int swaps = 0;
    int deletes = 0;
    std::vector<std::string>* log = nullptr;

private:
    bool Fails(Step step) const { return failing.count(step) != 0; }
    static CGLBinding& Real() { return CWxGLBinding::Instance(); }
};

// Back-buffer pixels as RGB bytes, bottom row first.
std::vector<unsigned char> ReadBackBuffer(int width, int height);
// Back-buffer pixels within 2 of the colour.
int CountBackBufferPixels(int width, int height, unsigned char r, unsigned char g, unsigned char b);

// A frame of kWidth x kHeight client pixels holding one view of type View,
// destroyed after the test. Skipped without a display.
template <class View>
class CViewFrameTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;

    void SetUp() override { BRASK_GL_REQUIRE_DISPLAY(); }
    void TearDown() override
    {
        if (m_frame)
            DestroyFrame();
    }

    // Shows the frame and waits until the view is realized and has drawn.
    void ShowAndRealize()
    {
        m_frame->SetClientSize(kWidth, kHeight);
        m_frame->Show();
        EXPECT_TRUE(PumpUntil([this] { return m_view->IsCreated(); })) << "the view was never realized";
        PumpGLEvents();
        PumpGLEvents();
    }

    void DestroyFrame()
    {
        m_frame->Destroy();
        PumpGLEvents();
        m_frame = nullptr;
        m_view = nullptr;
    }

    static int CountPixels(unsigned char r, unsigned char g, unsigned char b)
    {
        return CountBackBufferPixels(kWidth, kHeight, r, g, b);
    }

    CFakeClock m_clock;
    wxFrame* m_frame = nullptr;
    View* m_view = nullptr;
};

// The view with its state open to the tests and its hooks logged.
class CTestView : public COpenGLView {
public:
    explicit CTestView(wxWindow* parent) : COpenGLView(parent) {}

    using COpenGLView::m_acceleration, COpenGLView::m_errorText, COpenGLView::m_hRC, COpenGLView::m_pDC;
    using COpenGLView::m_glExtensions, COpenGLView::m_glRenderer, COpenGLView::m_glVendor;
    using COpenGLView::m_bitmapFontBase, COpenGLView::m_outlineFontBase;
    using COpenGLView::m_angles, COpenGLView::m_homeAngles, COpenGLView::m_angularVelocity;
    using COpenGLView::m_position, COpenGLView::m_velocity;
    using COpenGLView::m_animate, COpenGLView::m_frameTime, COpenGLView::m_lastFrameTime, COpenGLView::m_startTime;
    using COpenGLView::m_stockSceneList, COpenGLView::m_stockSceneType;
    using COpenGLView::m_titleBase, COpenGLView::s_frameCounter;

    int OnCreate() override { return createResult = COpenGLView::OnCreate(); }
    void OnDestroy() override;
    bool ApplyProjection(double aspect) override;
    bool PrepareFrame() override { log.push_back("PrepareFrame"); return COpenGLView::PrepareFrame(); }
    void DrawStockScene() override { log.push_back("DrawStockScene"); COpenGLView::DrawStockScene(); }
    bool DrawScene() override { log.push_back("DrawScene"); return COpenGLView::DrawScene(); }
    void FinishFrame() override { log.push_back("FinishFrame"); COpenGLView::FinishFrame(); }
    void AnimateStep() override { ++animateSteps; log.push_back("AnimateStep"); COpenGLView::AnimateStep(); }
    void BuildUserStockScene() override;

    std::vector<std::string> log;
    int createResult = -2;
    int animateSteps = 0;
    int projections = 0;
    double lastAspect = 0.0;
    bool drawUserTriangle = false;

    // What the last destroyed view held, read after it is gone.
    static const char* s_errorTextAtDestroy;
    static int s_destroyCount;
};

// A frame titled kFrameTitle holding one CTestView with a fake clock and
// the faulty binding.
class CViewTest : public CViewFrameTest<CTestView> {
protected:
    static const char* const kFrameTitle;

    // configure runs before the window is realized (a subclass
    // constructor's work: animation, initial pose). The paints of the
    // realization are forgotten.
    CTestView* CreateView(const std::function<void(CTestView&)>& configure = {});
    CTestView* CreateAnimatingView();
    // A projection in which x and y are pixels of the viewport.
    static void UsePixelProjection();
    std::string FrameTitle() const { return m_frame->GetTitle().utf8_string(); }

    CFaultyBinding m_binding;
};
