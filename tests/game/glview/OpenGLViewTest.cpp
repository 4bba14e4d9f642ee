// COpenGLView under Xvfb, seen through its hooks, its frame's title and its
// pixels, with a fake clock and a binding whose steps can be made to fail.
#include "game/glview/OpenGLView.h"
#include "platform/gl/Clock.h"
#include "platform/keys/VirtualKey.h"
#include "platform/gl/WxGLBinding.h"
#include "tests/support/WxTestEnvironment.h"

#include <wx/frame.h>

#include <GL/gl.h>

#include <cstdlib>
#include <string>
#include <vector>

// The hooks the view ran and the swaps it asked for, in order.
std::string g_log;

struct CFakeClock : CClock {
    uint32_t Milliseconds() override { return now; }
    uint32_t now = 1000;
};

// The desktop's binding with chosen steps failing, each numbered as the error it records: 1 drawable,
// 2 choose and 3 set the format, 4 create and 5 make the context current, 6 delete it. Swaps are logged.
struct CFaultyBinding : CWxGLBinding {
    using Wx = CWxGLBinding;
    using Request = const GLPixelFormatRequest&;
    wxGLCanvas* GetDrawable(wxGLCanvas& w) override { return Fails(1) ? nullptr : Wx::GetDrawable(w); }
    int ChoosePixelFormat(wxGLCanvas* d, Request r) override { return Fails(2) ? 0 : Wx::ChoosePixelFormat(d, r); }
    bool SetPixelFormat(wxGLCanvas* d, int f, Request r) override { return !Fails(3) && Wx::SetPixelFormat(d, f, r); }
    wxGLContext* CreateContext(wxGLCanvas* d) override { return Fails(4) ? nullptr : Wx::CreateContext(d); }
    bool MakeCurrent(wxGLCanvas* d, wxGLContext* c) override { return !Fails(5) && Wx::MakeCurrent(d, c); }
    // A failing delete still deletes: no context outlives its window.
    bool DeleteContext(wxGLContext* c) override { return Wx::DeleteContext(c) && !Fails(6); }
    bool SwapBuffers(wxGLCanvas* d) override { g_log += "Swap "; return Wx::SwapBuffers(d); }
    bool Fails(int step) const { return (failing >> step & 1) != 0; }
    unsigned failing = 0;  // a bit for each failing step
};

constexpr int kWidth = 400, kHeight = 300;

// The view with its hooks logged, animating from the start if asked as a
// subclass's constructor may.
struct CTestView : COpenGLView {
    CTestView(wxWindow* parent, bool animate) : COpenGLView(parent) { m_animate = animate; }
    // Where the stock camera is, as a subclass reads it to draw.
    bool PrepareFrame() override { cameraX = m_position[0]; return true; }
    void AnimateStep() override { g_log += "Animate "; COpenGLView::AnimateStep(); }
    bool DrawScene() override { g_log += "Scene "; return COpenGLView::DrawScene(); }
    bool ApplyProjection(double ratio) override { lastAspect = ratio; return COpenGLView::ApplyProjection(ratio); }
    void OnDestroy() override { COpenGLView::OnDestroy(); s_errorAtDestroy = GetErrorText(); }
    double lastAspect = 0.0, cameraX = 0.0;
    static inline std::string s_errorAtDestroy;
};

class OpenGLView : public ::testing::Test {
protected:
    void SetUp() override { BRASK_REQUIRE_DISPLAY(); }
    void TearDown() override { if (m_frame != nullptr) Destroy(); }

    // A shown frame holding the view, realized, with its queued events handled; the log starts empty.
    CTestView& Create(bool animate = false, const wxString& title = "Brask")
    {
        m_frame = new wxFrame(nullptr, wxID_ANY, title);
        m_view = new CTestView(m_frame, animate);
        m_view->SetClock(m_clock), m_view->SetBinding(m_binding);
        m_frame->SetClientSize(kWidth, kHeight), m_frame->Show();
        EXPECT_TRUE(PumpUntil([this] { return m_view->IsCreated(); })) << "the view was never realized";
        PumpEvents();
        g_log.clear();
        return *m_view;
    }

    void Destroy() { m_frame->Destroy(), PumpEventsOnce(), m_frame = nullptr; }

    // One paint at the clock reading; whether it drew a frame.
    bool PaintAt(uint32_t now)
    {
        const size_t before = g_log.size();
        m_clock.now = now, m_view->OnDraw(nullptr);
        return g_log.size() != before;
    }

    CFakeClock m_clock;
    CFaultyBinding m_binding;
    wxFrame* m_frame = nullptr;
    CTestView* m_view = nullptr;
};

TEST_F(OpenGLView, AFailedSetUpStepIsTheErrorForGoodAndIsToldInTheDesktopsWords)
{
    // What failed, then what to do.
    const struct { int step; std::string text, what; } cases[] = {
        {1, "Unable to get a DC", "the window has nothing on the display to draw in.\nRun"},
        {2, "ChoosePixelFormat failed", "this display has no OpenGL visual with double buffering and a depth buffer"},
        {3, "SelectPixelFormat failed", "the window did not get an OpenGL visual with double buffering"},
        {4, "wglCreateContext failed", "the OpenGL driver refused to make a rendering context.\nInstall"},
        {5, "wglMakeCurrent failed", "the OpenGL driver could not draw into the window.\nInstall"},
        {6, "wglDeleteContext failed", ""},  // after a sound set-up
    };
    for (const auto& c : cases) {
        m_binding.failing = 1u << c.step | 1u << 6;  // without a context the swap fails too
        Create().OnDraw(nullptr);
        EXPECT_EQ(m_view->IsContextReady(), c.what.empty());
        EXPECT_EQ(m_view->GetErrorText(), c.what.empty() ? "No Error" : c.text);
        EXPECT_EQ(m_view->SetupFailureMessage().rfind("Cannot start the 3-D view: " + c.what, 0), 0u) << c.step;
        Destroy();
        EXPECT_EQ(CTestView::s_errorAtDestroy, c.text);
    }
}

TEST_F(OpenGLView, AnimatedFramesComeWhenDueWithTheRateInTheTitleAndOtherwiseOnEveryPaint)
{
    const wxString base(wxS('T'), 185);  // titles are cut at 200 characters
    Create(true, base);  // the loop's clock starts with the window: nothing is due yet
    m_view->OnKeyDown(VK_LEFT, 1, 0);  // the stock camera: 1 unit a second along x
    const uint32_t start = m_clock.now;
    EXPECT_TRUE(!PaintAt(start + 29) && PaintAt(start + 40));
    EXPECT_EQ(g_log, "Animate Scene Swap ");
    EXPECT_DOUBLE_EQ(m_view->cameraX, 0.04);
    EXPECT_EQ(m_frame->GetTitle(), base + " ( 25 Frames/se") << "the program's first animated frame shows the rate";
    m_view->OnToggleAnimation();
    EXPECT_EQ(m_frame->GetTitle(), base) << "switched off, the plain title is back";

    // Switched off, every paint draws the sphere and cube on the checkerboard.
    g_log.clear();
    EXPECT_TRUE(PaintAt(start + 41) && PaintAt(start + 41));
    EXPECT_EQ(g_log, "Scene Swap Scene Swap ");
    EXPECT_EQ(m_frame->GetTitle(), base);
    // The frame again, without the swap that leaves the back buffer undefined.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    m_view->DrawStockScene(), m_view->DrawScene();
    std::vector<unsigned char> p(kWidth * kHeight * 3);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, p.data());
    const auto count = [&p](int r, int g, int b) {
        int n = 0;
        for (size_t i = 0; i < p.size(); i += 3)
            n += std::abs(p[i] - r) + std::abs(p[i + 1] - g) + std::abs(p[i + 2] - b) <= 6;
        return n;
    };
    EXPECT_GT(count(13, 13, 13), 2000) << "dark squares";
    EXPECT_GT(count(230, 230, 230), 2000) << "light squares";
    EXPECT_GT(count(255, 0, 0), 100) << "the red sphere";
    EXPECT_GT(count(128, 128, 255), 100) << "the light blue cube";

    // An empty size changes nothing; the frame's new size reaches viewport and projection.
    m_view->OnSize(0, 800, 0), m_view->OnSize(0, -1, 600);
    EXPECT_DOUBLE_EQ(m_view->lastAspect, double(kWidth) / kHeight);
    m_frame->SetClientSize(300, 200);
    EXPECT_TRUE(PumpUntil([this] { return m_view->lastAspect == 1.5; }));
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(std::vector<GLint>(viewport, viewport + 4), (std::vector<GLint>{0, 0, 300, 200}));
}
