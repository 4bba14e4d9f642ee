// The view with the real binding when the display's OpenGL driver cannot
// be loaded (the display offers OpenGL, but no context can be made).
#include "tests/game/glview/ViewTestSupport.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Before the toolkit and OpenGL start: Mesa looks for its driver when it
// first meets the display.
const bool g_driverHidden = ::setenv("LIBGL_DRIVERS_PATH", "/nonexistent", 1) == 0;

using BrokenDriverView = CViewFrameTest<CTestView>;

TEST_F(BrokenDriverView, RecordsTheFailedContextAndSaysWhy)
{
    ASSERT_TRUE(g_driverHidden);
    std::string message;
    ASSERT_TRUE(COpenGLView::CanCreateOn(CWxGLBinding::Instance(), message)) << message;
    std::vector<std::string> heard;
    m_frame = new wxFrame(nullptr, wxID_ANY, wxS("Brask"));
    m_frame->Bind(EVT_OPENGL_SETUP_FAILED,
                  [&heard](wxCommandEvent& event) { heard.push_back(event.GetString().utf8_string()); });
    m_view = new CTestView(m_frame);
    m_view->SetClock(m_clock);
    ShowAndRealize();
    PumpEvents();
    if (m_view->IsContextReady())
        GTEST_SKIP() << "this X server accepts indirect contexts";

    EXPECT_STREQ(m_view->m_errorText, "wglCreateContext failed");
    EXPECT_EQ(m_view->m_hRC, nullptr);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0],
              "Cannot start the 3-D view: the OpenGL driver could not make a rendering context "
              "(wglCreateContext failed).");
    // The render loop goes on without a context, and the window can go.
    m_view->m_animate = true;
    for (int i = 0; i < 3; ++i) {
        m_clock.now += 40;
        m_view->OnDraw(nullptr);
    }
    EXPECT_STREQ(m_view->m_errorText, "wglCreateContext failed");
    DestroyFrame();
    EXPECT_STREQ(CTestView::s_errorTextAtDestroy, "wglCreateContext failed");
}

} // namespace
