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
#include <set>
#include <string>
#include <vector>

namespace {

// The hooks the view ran and the swaps it asked for, in order.
std::string g_log;

struct CFakeClock : CClock {
    uint32_t Milliseconds() override { return now; }
    uint32_t now = 1000;
};

// The desktop's binding with chosen steps failing, each numbered as the
// error it records: 1 drawable, 2 choose and 3 set the format, 4 create and
// 5 make the context current, 6 delete it. Its swaps are logged.
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

    bool Fails(int step) const { return failing.count(step) != 0; }
    std::set<int> failing;
};

constexpr int kWidth = 400, kHeight = 300;

// The view with its hooks logged and the stock camera's pose open.
struct CTestView : COpenGLView {
    // Animating from the start, as a subclass's constructor may ask.
    CTestView(wxWindow* parent, bool animate) : COpenGLView(parent) { m_animate = animate; }
    using COpenGLView::m_angles, COpenGLView::m_position;

    void AnimateStep() override { g_log += "Animate "; COpenGLView::AnimateStep(); }
    bool DrawScene() override { g_log += "Scene "; return COpenGLView::DrawScene(); }
    bool ApplyProjection(double ratio) override { lastAspect = ratio; return COpenGLView::ApplyProjection(ratio); }
    void OnDestroy() override { COpenGLView::OnDestroy(); s_errorAtDestroy = GetErrorText(); }

    double lastAspect = 0.0;
    static inline std::string s_errorAtDestroy;
};

// The stock camera's position and angles.
using Pose = std::vector<double>;

class OpenGLView : public ::testing::Test {
protected:
    void SetUp() override { BRASK_REQUIRE_DISPLAY(); }
    void TearDown() override { if (m_frame != nullptr) Destroy(); }

    // A shown frame holding the view, realized, with its queued events
    // handled; the log starts empty.
    CTestView& Create(bool animate = false, const wxString& title = "Brask")
    {
        m_frame = new wxFrame(nullptr, wxID_ANY, title);
        m_frame->Bind(EVT_OPENGL_SETUP_FAILED, [this](wxCommandEvent& event) {
            m_heard += event.GetString().utf8_string();
            event.Skip();  // on to the application
        });
        m_view = new CTestView(m_frame, animate);
        m_view->SetClock(m_clock);
        m_view->SetBinding(m_binding);
        m_frame->SetClientSize(kWidth, kHeight);
        m_frame->Show();
        EXPECT_TRUE(PumpUntil([this] { return m_view->IsCreated(); })) << "the view was never realized";
        PumpEvents();
        g_log.clear();
        return *m_view;
    }

    void Destroy()
    {
        m_frame->Destroy();
        PumpEventsOnce();
        m_frame = nullptr;
    }

    // One paint at the clock reading; whether it drew a frame.
    bool PaintAt(uint32_t now)
    {
        m_clock.now = now;
        const size_t before = g_log.size();
        m_view->OnDraw(nullptr);
        return g_log.size() != before;
    }

    CFakeClock m_clock;
    CFaultyBinding m_binding;
    wxFrame* m_frame = nullptr;
    CTestView* m_view = nullptr;
    std::string m_heard;  // what the set-up failure event told, one after another
};

TEST_F(OpenGLView, AFailedSetUpStepIsTheErrorForGoodAndIsToldOnceInWords)
{
    const struct { int step; std::string text, why; } cases[] = {
        {1, "Unable to get a DC", "its window has nothing on the display to draw in"},
        {2, "ChoosePixelFormat failed", "the display offers no double-buffered RGBA visual with a depth buffer"},
        {3, "SelectPixelFormat failed", "its window did not get a double-buffered RGBA visual with a depth buffer"},
        {4, "wglCreateContext failed", "the OpenGL driver could not make a rendering context"},
        {5, "wglMakeCurrent failed", "the OpenGL driver could not make the rendering context current"},
        {6, "wglDeleteContext failed", ""},  // after a sound set-up: recorded, never told
    };
    for (const auto& c : cases) {
        m_heard.clear();
        m_binding.failing = {c.step, 6};  // without a context the swap fails too
        Create().OnDraw(nullptr);
        PumpEvents();
        const bool sound = c.why.empty();
        EXPECT_EQ(m_view->IsContextReady(), sound);
        EXPECT_EQ(m_view->GetErrorText(), sound ? "No Error" : c.text);
        EXPECT_EQ(m_heard, sound ? "" : "Cannot start the 3-D view: " + c.why + " (" + c.text + ").");
        Destroy();
        EXPECT_EQ(CTestView::s_errorAtDestroy, c.text);
    }
}

TEST_F(OpenGLView, AnimatedFramesComeAtLeast30MsApartWithTheRateInEvery16thTitle)
{
    const uint32_t start = 0xFFFFFFE0u;  // the clock wraps on the way
    const wxString base(wxS('T'), 185);  // titles are cut at 200 characters
    m_clock.now = start;
    Create(true, base);  // the loop's clock starts with the window: nothing is due yet
    EXPECT_TRUE(!PaintAt(start + 29) && PaintAt(start + 30));
    EXPECT_EQ(g_log, "Animate Scene Swap ");
    // The program's first animated frame already shows the rate.
    EXPECT_EQ(m_frame->GetTitle(), base + " ( 33 Frames/se");
    EXPECT_TRUE(!PaintAt(start + 59) && PaintAt(start + 60));
    // Then every 16th frame.
    uint32_t now = start + 60;
    m_frame->SetTitle("marker");
    for (int frame = 2; frame <= 16; ++frame) {
        ASSERT_TRUE(PaintAt(now += 40));
        ASSERT_EQ(m_frame->GetTitle(), frame < 16 ? wxString("marker") : base + " ( 25 Frames/se") << "frame " << frame;
    }
    m_view->OnToggleAnimation();
    EXPECT_EQ(m_frame->GetTitle(), base) << "switched off, the plain title is back";
}

TEST_F(OpenGLView, EachCameraKeyStepsOneVelocityByAFifthOfItsBound)
{
    struct Keys { unsigned key; int times; bool shift; };
    // The position and angles a second after the keys: the velocities they set.
    const struct { std::vector<Keys> keys; Pose pose; } cases[] = {
        {{{VK_LEFT, 6, false}, {VK_RIGHT, 1, false}}, {4, 0, 0, 0, 0, 0}},  // five presses reach the bound
        {{{VK_DOWN, 7, false}, {VK_SUBTRACT, 2, false}, {VK_ADD, 1, false}}, {0, 1, -5, 0, 0, 0}},
        // With Shift the angular velocities, up to 90 degrees a second.
        {{{VK_UP, 6, true}, {VK_ADD, 1, true}, {VK_LEFT, 2, true}, {VK_RIGHT, 1, true}}, {0, 0, 0, 18, -18, 90}},
        // Clear stops both, leaving the start pose; other keys do nothing.
        {{{VK_LEFT, 1, false}, {VK_UP, 1, true}, {VK_CLEAR, 1, false}, {VK_SPACE, 1, false}, {'A', 1, true}}, Pose(6)},
    };
    Create(true);
    uint32_t now = m_clock.now;
    for (const auto& c : cases) {
        m_view->SetShiftDown(true);
        m_view->OnKeyDown(VK_HOME, 1, 0);  // Shift+Home: back at the start pose, and at rest
        for (const Keys& keys : c.keys) {
            m_view->SetShiftDown(keys.shift);
            for (int i = 0; i < keys.times; ++i)
                m_view->OnKeyDown(keys.key, 1, 0);
        }
        ASSERT_TRUE(PaintAt(now += 1000));
        const double *p = m_view->m_position, *a = m_view->m_angles;
        EXPECT_EQ(Pose({p[0], p[1], p[2], a[0], a[1], a[2]}), c.pose) << "case " << &c - cases;
    }
}

TEST_F(OpenGLView, WithoutAnimationEveryPaintDrawsTheSphereAndCubeOnTheCheckerboardInTheFramesSize)
{
    Create();
    EXPECT_TRUE(PaintAt(m_clock.now) && PaintAt(m_clock.now));
    EXPECT_EQ(g_log, "Scene Swap Scene Swap ");
    EXPECT_EQ(m_frame->GetTitle(), "Brask");
    // The frame again, without the swap that leaves the back buffer undefined.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    m_view->DrawStockScene();
    m_view->DrawScene();
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
    m_view->OnSize(0, 800, 0);
    m_view->OnSize(0, -1, 600);
    EXPECT_DOUBLE_EQ(m_view->lastAspect, double(kWidth) / kHeight);
    m_frame->SetClientSize(300, 200);
    EXPECT_TRUE(PumpUntil([this] { return m_view->lastAspect == 1.5; }));
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(Pose(viewport, viewport + 4), (Pose{0, 0, 300, 200}));
}

} // namespace
