#include "tests/game/glview/ViewTestSupport.h"

#include "platform/WxGLBinding.h"

#include <GL/gl.h>

namespace {

CGLBinding& Real()
{
    return CWxGLBinding::Instance();
}

} // namespace

wxGLCanvas* CFaultyBinding::GetDrawable(wxGLCanvas& window)
{
    return Fails(StepDrawable) ? nullptr : Real().GetDrawable(window);
}

void CFaultyBinding::ReleaseDrawable(wxGLCanvas* drawable)
{
    Real().ReleaseDrawable(drawable);
}

int CFaultyBinding::ChoosePixelFormat(wxGLCanvas* drawable, const GLPixelFormatRequest& request)
{
    return Fails(StepChoose) ? 0 : Real().ChoosePixelFormat(drawable, request);
}

bool CFaultyBinding::SetPixelFormat(wxGLCanvas* drawable, int format, const GLPixelFormatRequest& request)
{
    return !Fails(StepSet) && Real().SetPixelFormat(drawable, format, request);
}

unsigned CFaultyBinding::DescribePixelFormat(wxGLCanvas* drawable, int format)
{
    return overrideFlags ? flags : Real().DescribePixelFormat(drawable, format);
}

wxGLContext* CFaultyBinding::CreateContext(wxGLCanvas* drawable)
{
    return Fails(StepCreate) ? nullptr : Real().CreateContext(drawable);
}

bool CFaultyBinding::MakeCurrent(wxGLCanvas* drawable, wxGLContext* context)
{
    return !Fails(StepMakeCurrent) && Real().MakeCurrent(drawable, context);
}

bool CFaultyBinding::DeleteContext(wxGLContext* context)
{
    ++deletes;
    const bool deleted = Real().DeleteContext(context);
    return deleted && !Fails(StepDelete);
}

bool CFaultyBinding::SwapBuffers(wxGLCanvas* drawable)
{
    ++swaps;
    if (log)
        log->push_back("Swap");
    return !Fails(StepSwap) && Real().SwapBuffers(drawable);
}

bool CFaultyBinding::UseFontOutlines(wxGLCanvas* drawable, const FontRequest& font, unsigned first, unsigned count,
                                     unsigned listBase, float deviation, float extrusion)
{
    return !Fails(StepFontOutlines)
           && Real().UseFontOutlines(drawable, font, first, count, listBase, deviation, extrusion);
}

bool CFaultyBinding::UseFontBitmaps(wxGLCanvas* drawable, const FontRequest* font, unsigned first, unsigned count,
                                    unsigned listBase)
{
    return !Fails(StepFontBitmaps) && Real().UseFontBitmaps(drawable, font, first, count, listBase);
}

const char* CTestView::s_errorTextAtDestroy = nullptr;
int CTestView::s_destroyCount = 0;

int CTestView::OnCreate()
{
    createResult = COpenGLView::OnCreate();
    return createResult;
}

void CTestView::OnDestroy()
{
    COpenGLView::OnDestroy();
    s_errorTextAtDestroy = m_errorText;
    ++s_destroyCount;
}

void CTestView::OnKeyDown(unsigned key, unsigned repeat, unsigned flags)
{
    lastKey = key;
    lastFlags = flags;
    COpenGLView::OnKeyDown(key, repeat, flags);
}

bool CTestView::ApplyProjection(double aspect)
{
    ++projections;
    lastAspect = aspect;
    return COpenGLView::ApplyProjection(aspect);
}

bool CTestView::PrepareFrame()
{
    log.push_back("PrepareFrame");
    return COpenGLView::PrepareFrame();
}

void CTestView::DrawStockScene()
{
    log.push_back("DrawStockScene");
    COpenGLView::DrawStockScene();
}

bool CTestView::DrawScene()
{
    log.push_back("DrawScene");
    return COpenGLView::DrawScene();
}

void CTestView::FinishFrame()
{
    log.push_back("FinishFrame");
    COpenGLView::FinishFrame();
}

void CTestView::BuildUserStockScene()
{
    if (!drawUserTriangle)
        return;
    glBegin(GL_TRIANGLES);
    glColor3d(0.0, 1.0, 0.0);
    glVertex3d(0.0, 0.0, 0.0);
    glVertex3d(1.0, 0.0, 0.0);
    glVertex3d(0.0, 0.0, 1.0);
    glEnd();
}

void CTestView::AnimateStep()
{
    ++animateSteps;
    log.push_back("AnimateStep");
    COpenGLView::AnimateStep();
}

const char* const CViewTest::kFrameTitle = "Course 1 - Brask";

void CViewTest::SetUp()
{
    BRASK_GL_REQUIRE_DISPLAY();
    m_binding.log = nullptr;
}

void CViewTest::TearDown()
{
    if (m_frame)
        DestroyFrame();
}

CTestView* CViewTest::CreateView(const std::function<void(CTestView&)>& configure)
{
    m_frame = new wxFrame(nullptr, wxID_ANY, wxString::FromUTF8(kFrameTitle));
    m_view = new CTestView(m_frame);
    m_view->SetClock(m_clock);
    m_view->SetBinding(m_binding);
    if (configure)
        configure(*m_view);
    m_frame->SetClientSize(400, 300);
    m_frame->Show();
    EXPECT_TRUE(PumpUntil([this] { return m_view->IsCreated(); })) << "the view was never realized";
    Settle();
    return m_view;
}

void CViewTest::DestroyFrame()
{
    m_frame->Destroy();
    PumpGLEvents();
    m_frame = nullptr;
    m_view = nullptr;
}

void CViewTest::Settle()
{
    PumpGLEvents();
    PumpGLEvents();
    m_view->log.clear();
    m_view->animateSteps = 0;
    m_binding.swaps = 0;
}

void CViewTest::UsePixelProjection(int width, int height)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, 0, height, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

std::string CViewTest::FrameTitle() const
{
    return m_frame->GetTitle().utf8_string();
}
