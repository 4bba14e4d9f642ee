#include "tests/game/glview/ViewTestSupport.h"

#include <wx/app.h>

#include <string>
#include <vector>

namespace {

// A display that has no OpenGL at all.
class CNoOpenGLBinding : public CFaultyBinding {
public:
    bool HasOpenGL() override { return false; }
};

// What the frame and the application hear of a failed set-up.
class SetupFailure : public CViewTest {
protected:
    void SetUp() override
    {
        CViewTest::SetUp();
        if (HaveGLDisplay())
            wxTheApp->Bind(EVT_OPENGL_SETUP_FAILED, &SetupFailure::OnAppHeard, this);
    }

    void TearDown() override
    {
        if (HaveGLDisplay())
            wxTheApp->Unbind(EVT_OPENGL_SETUP_FAILED, &SetupFailure::OnAppHeard, this);
        CViewTest::TearDown();
    }

    CTestView* CreateHeardView()
    {
        m_frameHeard.clear();
        m_appHeard.clear();
        CreateView([this](CTestView&) {
            m_frame->Bind(EVT_OPENGL_SETUP_FAILED, [this](wxCommandEvent& event) {
                m_frameHeard.push_back(event.GetString().utf8_string());
                event.Skip();
            });
        });
        // Whatever else is queued, so that a second notice would show.
        PumpEvents();
        return m_view;
    }

    void OnAppHeard(wxCommandEvent& event) { m_appHeard.push_back(event.GetString().utf8_string()); }

    std::vector<std::string> m_frameHeard;
    std::vector<std::string> m_appHeard;
};

TEST_F(SetupFailure, EachFailedStepIsToldOnceInWords)
{
    struct Case {
        CFaultyBinding::Step step;
        const char* message;
    };
    const Case cases[] = {
        {CFaultyBinding::StepDrawable,
         "Cannot start the 3-D view: its window has nothing on the display to draw in (Unable to get a DC)."},
        {CFaultyBinding::StepChoose,
         "Cannot start the 3-D view: the display offers no double-buffered RGBA visual with a depth buffer "
         "(ChoosePixelFormat failed)."},
        {CFaultyBinding::StepSet,
         "Cannot start the 3-D view: its window did not get a double-buffered RGBA visual with a depth buffer "
         "(SelectPixelFormat failed)."},
        {CFaultyBinding::StepCreate,
         "Cannot start the 3-D view: the OpenGL driver could not make a rendering context "
         "(wglCreateContext failed)."},
        {CFaultyBinding::StepMakeCurrent,
         "Cannot start the 3-D view: the OpenGL driver could not make the rendering context current "
         "(wglMakeCurrent failed)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        m_binding.failing = {c.step};
        CTestView* view = CreateHeardView();
        EXPECT_FALSE(view->IsContextReady());
        EXPECT_EQ(view->SetupFailureMessage(), c.message);
        ASSERT_EQ(m_frameHeard.size(), 1u);
        EXPECT_EQ(m_frameHeard[0], c.message);
        // The frame let it pass: the application hears it too.
        EXPECT_EQ(m_appHeard, m_frameHeard);
        // Frames drawn without a context change neither the error nor the
        // message, and tell nobody again.
        view->OnDraw(nullptr);
        view->OnDraw(nullptr);
        PumpEvents();
        EXPECT_EQ(view->SetupFailureMessage(), c.message);
        EXPECT_EQ(m_frameHeard.size(), 1u);
        DestroyFrame();
    }
}

TEST_F(SetupFailure, ASoundSetUpTellsNothingEvenWhenLaterStepsFail)
{
    CTestView* view = CreateHeardView();
    EXPECT_TRUE(view->IsContextReady());
    EXPECT_STREQ(view->GetErrorText(), "No Error");
    m_binding.failing = {CFaultyBinding::StepSwap};
    view->OnDraw(nullptr);
    PumpEvents();
    EXPECT_STREQ(view->GetErrorText(), "SwapBuffers failed");
    EXPECT_TRUE(m_frameHeard.empty());
    EXPECT_TRUE(m_appHeard.empty());
    DestroyFrame();
}

TEST_F(SetupFailure, AViewIsOnlyMadeOnADisplayWithOpenGL)
{
    std::string message = "left over";
    EXPECT_TRUE(COpenGLView::CanCreateOn(CWxGLBinding::Instance(), message));
    EXPECT_EQ(message, "");
    CNoOpenGLBinding none;
    EXPECT_FALSE(COpenGLView::CanCreateOn(none, message));
    EXPECT_EQ(message, "Cannot start the 3-D view: the display has no OpenGL support.");
}

} // namespace
