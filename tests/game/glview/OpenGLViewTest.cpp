// COpenGLView under Xvfb, seen through its hooks, its frame's title and
// its pixels, with a fake clock and a binding whose steps can be made to fail.
#include "game/glview/OpenGLView.h"
#include "platform/Clock.h"
#include "platform/VirtualKey.h"
#include "platform/WxGLBinding.h"
#include "tests/platform/WxTestEnvironment.h"

#include <wx/app.h>
#include <wx/frame.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

// The hooks the view ran and the swaps it asked for, in order.
std::string g_log;

class CFakeClock : public CClock {
public:
    uint32_t Milliseconds() override { return now; }
    uint32_t now = 1000;
};

// The desktop's binding with chosen steps failing, each step numbered as
// the error it records: 1 drawable, 2 choose and 3 set the format, 4 create
// and 5 make the context current, 6 delete it, 7 swap.
class CFaultyBinding : public CWxGLBinding {
public:
    wxGLCanvas* GetDrawable(wxGLCanvas& w) override { return Fails(1) ? nullptr : CWxGLBinding::GetDrawable(w); }
    int ChoosePixelFormat(wxGLCanvas* d, const GLPixelFormatRequest& r) override
    {
        return Fails(2) ? 0 : CWxGLBinding::ChoosePixelFormat(d, r);
    }
    bool SetPixelFormat(wxGLCanvas* d, int f, const GLPixelFormatRequest& r) override
    {
        return !Fails(3) && CWxGLBinding::SetPixelFormat(d, f, r);
    }
    wxGLContext* CreateContext(wxGLCanvas* d) override { return Fails(4) ? nullptr : CWxGLBinding::CreateContext(d); }
    bool MakeCurrent(wxGLCanvas* d, wxGLContext* c) override { return !Fails(5) && CWxGLBinding::MakeCurrent(d, c); }
    // A failing delete still deletes: no context outlives its window.
    bool DeleteContext(wxGLContext* c) override
    {
        ++deletes;
        return CWxGLBinding::DeleteContext(c) && !Fails(6);
    }
    bool SwapBuffers(wxGLCanvas* d) override
    {
        g_log += "Swap ";
        return !Fails(7) && CWxGLBinding::SwapBuffers(d);
    }

    std::set<int> failing;
    int deletes = 0;

private:
    bool Fails(int step) const { return failing.count(step) != 0; }
};

constexpr int kWidth = 400;
constexpr int kHeight = 300;

// The view with its hooks logged, each frame's picture kept, and the stock
// camera's pose open.
class CTestView : public COpenGLView {
public:
    // Animating from the start, as a subclass's constructor may ask.
    CTestView(wxWindow* parent, bool animate) : COpenGLView(parent) { m_animate = animate; }
    using COpenGLView::m_angles, COpenGLView::m_position;

    void AnimateStep() override
    {
        g_log += "Animate ";
        COpenGLView::AnimateStep();
    }
    bool PrepareFrame() override
    {
        g_log += "Prepare ";
        return COpenGLView::PrepareFrame();
    }
    void DrawStockScene() override
    {
        g_log += "Stock ";
        COpenGLView::DrawStockScene();
    }
    bool DrawScene() override
    {
        g_log += "Scene ";
        const bool drawn = COpenGLView::DrawScene();
        // Read before the swap, after which the back buffer is undefined.
        picture.resize(kWidth * kHeight * 3);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, picture.data());
        return drawn;
    }
    void FinishFrame() override
    {
        g_log += "Finish ";
        COpenGLView::FinishFrame();
    }
    bool ApplyProjection(double aspect) override
    {
        lastAspect = aspect;
        return COpenGLView::ApplyProjection(aspect);
    }
    void OnDestroy() override
    {
        COpenGLView::OnDestroy();
        s_errorAtDestroy = GetErrorText();
    }

    int Count(int r, int g, int b) const
    {
        int n = 0;
        for (size_t i = 0; i < picture.size(); i += 3)
            n += std::abs(picture[i] - r) <= 2 && std::abs(picture[i + 1] - g) <= 2 && std::abs(picture[i + 2] - b) <= 2;
        return n;
    }

    std::vector<unsigned char> picture;
    double lastAspect = 0.0;
    static inline std::string s_errorAtDestroy;
};

using Pose = std::vector<double>;

class OpenGLView : public ::testing::Test {
protected:
    const wxString kTitle = "Course 1 - Brask";

    void SetUp() override
    {
        BRASK_REQUIRE_DISPLAY();
        // A failed set-up's notice travels up past the frame to the application.
        wxTheApp->Bind(EVT_OPENGL_SETUP_FAILED, &OpenGLView::OnHeard, this);
    }
    void TearDown() override
    {
        if (HaveDisplay())
            wxTheApp->Unbind(EVT_OPENGL_SETUP_FAILED, &OpenGLView::OnHeard, this);
        Destroy();
    }

    // A shown frame holding the view, realized; its queued events are
    // handled and the log starts empty.
    CTestView& Create(bool animate = false, const wxString& title = "Course 1 - Brask")
    {
        m_frame = new wxFrame(nullptr, wxID_ANY, title);
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
        if (m_frame == nullptr)
            return;
        m_frame->Destroy();
        PumpEventsOnce();
        m_frame = nullptr;
        m_view = nullptr;
    }

    // One paint at the clock reading; whether it drew a frame.
    bool PaintAt(uint32_t now)
    {
        m_clock.now = now;
        const std::string before = g_log;
        m_view->OnDraw(nullptr);
        return g_log != before;
    }

    void Press(unsigned key, bool shift = false, int times = 1)
    {
        m_view->SetShiftDown(shift);
        for (int i = 0; i < times; ++i)
            m_view->OnKeyDown(key, 1, 0);
    }

    Pose Position() const { return Pose(m_view->m_position, m_view->m_position + 3); }
    Pose Angles() const { return Pose(m_view->m_angles, m_view->m_angles + 3); }
    wxString Title() const { return m_frame->GetTitle(); }
    void OnHeard(wxCommandEvent& event) { m_heard.push_back(event.GetString().utf8_string()); }

    CFakeClock m_clock;
    CFaultyBinding m_binding;
    wxFrame* m_frame = nullptr;
    CTestView* m_view = nullptr;
    std::vector<std::string> m_heard;
};

TEST_F(OpenGLView, AFailedSetUpStepIsTheErrorForGoodAndIsToldOnceInWords)
{
    const struct {
        int step;
        std::string text, why;
    } cases[] = {
        {1, "Unable to get a DC", "its window has nothing on the display to draw in"},
        {2, "ChoosePixelFormat failed", "the display offers no double-buffered RGBA visual with a depth buffer"},
        {3, "SelectPixelFormat failed", "its window did not get a double-buffered RGBA visual with a depth buffer"},
        {4, "wglCreateContext failed", "the OpenGL driver could not make a rendering context"},
        {5, "wglMakeCurrent failed", "the OpenGL driver could not make the rendering context current"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        m_heard.clear();
        m_binding.failing = {c.step, 6, 7};  // later swaps and the delete fail too
        Create();
        m_view->OnDraw(nullptr);
        PumpEvents();
        EXPECT_FALSE(m_view->IsContextReady());
        EXPECT_EQ(m_view->GetErrorText(), c.text);
        EXPECT_EQ(m_heard, std::vector<std::string>{"Cannot start the 3-D view: " + c.why + " (" + c.text + ")."});
        Destroy();
        EXPECT_EQ(CTestView::s_errorAtDestroy, c.text);
    }

    // A sound set-up tells nothing; the first later failure is recorded.
    m_heard.clear();
    m_binding.failing = {};
    Create();
    EXPECT_TRUE(m_view->IsContextReady());
    EXPECT_STREQ(m_view->GetErrorText(), "No Error");
    m_binding.failing = {6};
    Destroy();
    EXPECT_EQ(CTestView::s_errorAtDestroy, "wglDeleteContext failed");
    EXPECT_TRUE(m_heard.empty());
}

TEST_F(OpenGLView, TheContextGoesOnceHoweverTheViewGoes)
{
    Create();
    Destroy();
    EXPECT_EQ(m_binding.deletes, 1);
    delete &Create();  // without the toolkit's destroy event
    m_view = nullptr;
    EXPECT_EQ(m_binding.deletes, 2);

    // A view added to a frame already shown is set up all the same.
    m_frame->Show();
    ASSERT_TRUE(PumpUntil([this] { return m_frame->IsShownOnScreen(); }));
    m_view = new CTestView(m_frame, false);
    m_view->SetBinding(m_binding);
    m_frame->SendSizeEvent();
    ASSERT_TRUE(PumpUntil([this] { return m_view->IsCreated(); }));
    EXPECT_TRUE(m_view->IsContextReady());
}

TEST_F(OpenGLView, AnimatedFramesComeAtLeast30MillisecondsApartAcrossTheClocksWrap)
{
    const uint32_t start = 0xFFFFFFE0u;
    m_clock.now = start;
    Create(true);
    // The loop's clock starts with the window: nothing was due yet.
    EXPECT_FALSE(PaintAt(start + 29));
    EXPECT_TRUE(PaintAt(start + 30));
    EXPECT_EQ(g_log, "Animate Prepare Stock Scene Swap Finish ");
    EXPECT_FALSE(PaintAt(start + 59));
    EXPECT_TRUE(PaintAt(start + 60));

    // However long a frame took, the next is asked for no sooner than the
    // interval allows, and never at once: the event loop must get to its
    // idle work (deferred calls, closing windows) between slow frames.
    for (uint32_t took : {0u, 10u, 25u, 26u, 110u, 0xFFFFFFF0u})
        EXPECT_EQ(COpenGLView::NextFrameDelay(took), took <= 25 ? 30 - took : 5u) << took;
}

TEST_F(OpenGLView, WithoutAnimationEveryPaintDrawsAndTheTitleStays)
{
    Create();
    EXPECT_TRUE(PaintAt(m_clock.now));
    EXPECT_TRUE(PaintAt(m_clock.now));
    EXPECT_EQ(g_log, "Prepare Stock Scene Swap Finish Prepare Stock Scene Swap Finish ");
    EXPECT_EQ(Title(), kTitle);
}

TEST_F(OpenGLView, TheTitleShowsTheRateOnEvery16thAnimatedFrameCutAt200Characters)
{
    const wxString base(wxS('T'), 185);
    Create(true, base);
    uint32_t now = m_clock.now;
    // The frame count is the process's: go to the next title first.
    for (int frame = 0; frame < 16 && Title() == base; ++frame)
        ASSERT_TRUE(PaintAt(now += 40));
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(Title(), base + " ( 25 Frames/se");
        m_frame->SetTitle("marker");
        for (int frame = 1; frame < 16; ++frame) {
            ASSERT_TRUE(PaintAt(now += 40));
            ASSERT_EQ(Title(), "marker") << "frame " << frame;
        }
        ASSERT_TRUE(PaintAt(now += 40));
    }
    // Switched off, the plain title is back and the menu item unchecked.
    m_view->OnToggleAnimation();
    EXPECT_EQ(Title(), base);
    wxUpdateUIEvent ui;
    m_view->OnUpdateToggleAnimation(ui);
    EXPECT_TRUE(ui.GetSetChecked() && !ui.GetChecked());
}

TEST_F(OpenGLView, EachCameraKeyStepsOneVelocityByAFifthOfItsBound)
{
    struct Keys {
        unsigned key;
        int times;
        bool shift;
    };
    const struct {
        std::vector<Keys> keys;
        Pose position, angles;
    } cases[] = {
        {{{VK_LEFT, 6, false}}, {5, 0, 0}, {0, 0, 0}},  // five presses reach the bound
        {{{VK_LEFT, 6, false}, {VK_RIGHT, 1, false}}, {4, 0, 0}, {0, 0, 0}},
        {{{VK_DOWN, 7, false}}, {0, 0, -5}, {0, 0, 0}},
        {{{VK_SUBTRACT, 1, false}}, {0, 1, 0}, {0, 0, 0}},
        {{{VK_ADD, 1, false}}, {0, -1, 0}, {0, 0, 0}},
        {{{VK_UP, 6, true}}, {0, 0, 0}, {0, 0, 90}},
        {{{VK_ADD, 1, true}}, {0, 0, 0}, {0, -18, 0}},
        {{{VK_LEFT, 2, true}, {VK_RIGHT, 1, true}}, {0, 0, 0}, {18, 0, 0}},
        {{{VK_LEFT, 1, false}, {VK_UP, 1, true}, {VK_CLEAR, 1, false}}, {0, 0, 0}, {0, 0, 0}},
        {{{VK_SPACE, 1, false}, {'A', 1, true}}, {0, 0, 0}, {0, 0, 0}},
    };
    Create(true);
    uint32_t now = m_clock.now;
    for (const auto& c : cases) {
        SCOPED_TRACE("case " + std::to_string(&c - cases));
        // Shift+Home: back at the start pose, and at rest.
        Press(VK_HOME, true);
        ASSERT_TRUE(PaintAt(now += 1000));
        for (const Keys& keys : c.keys)
            Press(keys.key, keys.shift, keys.times);
        // A frame one second later: the pose moved by the velocities.
        ASSERT_TRUE(PaintAt(now += 1000));
        EXPECT_EQ(Position(), c.position);
        EXPECT_EQ(Angles(), c.angles);
    }
    // Home alone restores the pose and leaves the camera moving.
    Press(VK_SUBTRACT);
    PaintAt(now += 500);
    Press(VK_HOME);
    EXPECT_EQ(Position(), (Pose{0, 0, 0}));
    PaintAt(now += 500);
    EXPECT_EQ(Position(), (Pose{0, 0.5, 0}));
}

TEST_F(OpenGLView, WithoutAnimationOnlyEscapeActsAndItClosesTheFrameFromTheQueue)
{
    Create();
    int closes = 0;
    m_frame->Bind(wxEVT_CLOSE_WINDOW, [&closes](wxCloseEvent& event) { ++closes, event.Veto(); });
    Press(VK_LEFT);
    Press(VK_UP, true);
    m_view->OnToggleAnimation();
    PaintAt(m_clock.now + 1000);
    EXPECT_EQ(Position(), (Pose{0, 0, 0}));
    EXPECT_EQ(Angles(), (Pose{0, 0, 0}));
    m_view->OnToggleAnimation();

    Press(VK_ESCAPE);
    EXPECT_EQ(closes, 0) << "closed inside the key handler";
    EXPECT_TRUE(PumpUntil([&closes] { return closes == 1; }));
}

TEST_F(OpenGLView, TheDefaultFrameIsTheSphereAndCubeOnTheCheckerboard)
{
    Create();
    ASSERT_TRUE(PaintAt(m_clock.now));
    EXPECT_GT(m_view->Count(13, 13, 13), 2000) << "dark squares";
    EXPECT_GT(m_view->Count(230, 230, 230), 2000) << "light squares";
    EXPECT_GT(m_view->Count(255, 0, 0), 100) << "the red sphere";
    EXPECT_GT(m_view->Count(128, 128, 255), 100) << "the light blue cube";
}

TEST_F(OpenGLView, ASizeSetsViewportProjectionAndCameraAndAnEmptyOneNothing)
{
    Create();
    m_view->OnSize(0, 800, 600);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(Pose(viewport, viewport + 4), (Pose{0, 0, 800, 600}));
    EXPECT_DOUBLE_EQ(m_view->lastAspect, 800.0 / 600.0);
    // 40 degrees high; the camera 5 back, looking 20 degrees down.
    GLdouble m[16];
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    EXPECT_NEAR(m[5], 1.0 / std::tan(20.0 * M_PI / 180.0), 1e-5);
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    EXPECT_NEAR(m[14], -5.0, 1e-6);
    EXPECT_NEAR(m[6], std::sin(20.0 * M_PI / 180.0), 1e-6);

    m_view->OnSize(0, 800, 0);
    m_view->OnSize(0, -1, 600);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[3], 600);
    // The frame's new client size reaches the view.
    m_frame->SetClientSize(300, 300);
    EXPECT_TRUE(PumpUntil([this] { return m_view->lastAspect == 1.0; }));
}

TEST_F(OpenGLView, DriverQueriesAndAccelerationClasses)
{
    Create();
    // A failing query gives the fixed text; an earlier error is not taken
    // for the query's own.
    EXPECT_STREQ(m_view->QueryGLString(0x1234), "no-information-available");
    glEnable(0x1234);
    EXPECT_STREQ(m_view->QueryGLString(GL_VENDOR), reinterpret_cast<const char*>(glGetString(GL_VENDOR)));
    // The driver's own, generic with acceleration, generic software.
    EXPECT_EQ(COpenGLView::AccelerationClass(0x25), 2);
    EXPECT_EQ(COpenGLView::AccelerationClass(kPfdGenericFormat | kPfdGenericAccelerated), 1);
    EXPECT_EQ(COpenGLView::AccelerationClass(kPfdGenericFormat | 0x25), 0);
}

} // namespace
