#include "tests/game/glview/ViewTestSupport.h"

#include <GL/gl.h>

#include <cstring>

namespace {

using Lifecycle = CViewTest;

TEST_F(Lifecycle, FailuresAreRecordedAndTheFirstOneSticks)
{
    struct Case {
        CFaultyBinding::Step step;
        const char* text;
        bool contextCreated;
    };
    const Case cases[] = {
        {CFaultyBinding::StepDrawable, "Unable to get a DC", false},
        {CFaultyBinding::StepChoose, "ChoosePixelFormat failed", false},
        {CFaultyBinding::StepSet, "SelectPixelFormat failed", false},
        {CFaultyBinding::StepCreate, "wglCreateContext failed", false},
        {CFaultyBinding::StepMakeCurrent, "wglMakeCurrent failed", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        m_binding.failing = {c.step};
        CTestView* view = CreateView();
        // The window exists and creation reports success anyway; the steps
        // after the failure were not done.
        EXPECT_EQ(view->createResult, 0);
        EXPECT_STREQ(view->m_errorText, c.text);
        EXPECT_EQ(view->m_hRC != nullptr, c.contextCreated);
        EXPECT_EQ(view->m_glVendor, nullptr);
        EXPECT_EQ(view->m_outlineFontBase, 0u);
        EXPECT_EQ(view->m_bitmapFontBase, 0u);
        // Later failures of swapping and deleting do not replace it.
        m_binding.failing.insert({CFaultyBinding::StepSwap, CFaultyBinding::StepDelete});
        view->OnDraw(nullptr);
        DestroyFrame();
        EXPECT_STREQ(CTestView::s_errorTextAtDestroy, c.text);
    }

    // Failures after a sound set-up are recorded when they are the first.
    m_binding.failing = {CFaultyBinding::StepSwap};
    CreateView()->OnDraw(nullptr);
    EXPECT_STREQ(m_view->m_errorText, "SwapBuffers failed");
    EXPECT_NE(m_view->m_outlineFontBase, 0u);
    DestroyFrame();
    m_binding.failing = {CFaultyBinding::StepDelete};
    CreateView();
    DestroyFrame();
    EXPECT_STREQ(CTestView::s_errorTextAtDestroy, "wglDeleteContext failed");
}

TEST_F(Lifecycle, ASoundSetUpReadsTheDriverAndTheStartAndRecordsNoError)
{
    m_clock.now = 4242;
    CTestView* view = CreateView([](CTestView& v) {
        v.m_animate = true;
        v.m_angles[2] = 45;
    });
    EXPECT_EQ(view->createResult, 0);
    EXPECT_EQ(view->m_titleBase, wxString::FromUTF8(kFrameTitle));
    EXPECT_EQ(view->m_homeAngles[2], 45.0);
    EXPECT_EQ(view->m_startTime, 4242u);
    EXPECT_EQ(view->m_lastFrameTime, 4242u) << "with animation already on, the loop's clock starts now";
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(view->OnEraseBkgnd(nullptr));

    EXPECT_STREQ(view->m_glVendor, reinterpret_cast<const char*>(glGetString(GL_VENDOR)));
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    ASSERT_NE(view->m_glExtensions, nullptr);
    EXPECT_STREQ(view->m_glExtensions, extensions);
    EXPECT_NE(static_cast<const char*>(view->m_glExtensions), extensions);  // a copy of its own
    // Hardware, a software renderer, the generic library with acceleration.
    EXPECT_EQ(COpenGLView::AccelerationClass(0x25), 2);
    EXPECT_EQ(COpenGLView::AccelerationClass(kPfdGenericFormat | 0x25), 0);
    EXPECT_EQ(COpenGLView::AccelerationClass(kPfdGenericFormat | kPfdGenericAccelerated), 1);
    if (std::strstr(view->m_glRenderer, "llvmpipe")) {
        EXPECT_EQ(view->m_acceleration, 0);
    }

    // A failing query gives the fixed text; an earlier error is not taken
    // for the query's own.
    EXPECT_STREQ(view->QueryGLString(0x1234), "no-information-available");
    glEnable(0x1234);
    EXPECT_STREQ(view->QueryGLString(GL_VENDOR), view->m_glVendor);

    view->OnDraw(nullptr);
    DestroyFrame();
    EXPECT_STREQ(CTestView::s_errorTextAtDestroy, "No Error");
}

TEST_F(Lifecycle, AViewAddedToAShownFrameIsStillSetUp)
{
    m_frame = new wxFrame(nullptr, wxID_ANY, wxS("shown first"));
    m_frame->Show();
    ASSERT_TRUE(PumpUntil([this] { return m_frame->IsShownOnScreen(); }));
    m_view = new CTestView(m_frame);
    m_view->SetBinding(m_binding);
    m_frame->SendSizeEvent();
    ASSERT_TRUE(PumpUntil([this] { return m_view->IsCreated(); }));
    EXPECT_STREQ(m_view->m_errorText, "No Error");
    EXPECT_NE(m_view->m_outlineFontBase, 0u);
    EXPECT_EQ(m_view->m_titleBase, wxS("shown first"));
}

TEST_F(Lifecycle, TheContextIsDeletedOnceHoweverTheViewGoes)
{
    const int destroyedBefore = CTestView::s_destroyCount;
    CreateView();
    DestroyFrame();
    EXPECT_EQ(CTestView::s_destroyCount, destroyedBefore + 1);
    EXPECT_EQ(m_binding.deletes, 1);

    // Deleted directly, without the toolkit's destroy event.
    delete CreateView();
    m_view = nullptr;
    EXPECT_EQ(m_binding.deletes, 2);
}

} // namespace
