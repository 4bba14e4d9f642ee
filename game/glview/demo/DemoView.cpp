#include "game/glview/demo/DemoView.h"

#include <wx/frame.h>

#include <GL/gl.h>

namespace {

// A slow turn about the vertical axis, so that an animating view moves
// before any key is pressed: one key step of angular velocity.
constexpr double kInitialTurnDegreesPerSecond = 18.0;
const char* const kBanner = "glview";

} // namespace

CDemoView::CDemoView(wxWindow* parent, bool animate)
    : COpenGLView(parent)
{
    m_animate = animate;
    m_angularVelocity[1] = kInitialTurnDegreesPerSecond;
}

int CDemoView::OnCreate()
{
    const int result = COpenGLView::OnCreate();
    // The driver and the first recorded error, for whoever looks.
    if (auto* frame = dynamic_cast<wxFrame*>(GetParent())) {
        frame->SetStatusText(wxString::FromUTF8(m_glRenderer ? m_glRenderer : "no driver"), 0);
        frame->SetStatusText(wxString::FromUTF8(m_errorText), 1);
    }
    return result;
}

void CDemoView::SetStockScene(int type)
{
    m_stockSceneType = type;
    Refresh(false);
}

bool CDemoView::PrepareFrame()
{
    // The base transform set by OnSize, then the stock camera's pose.
    glLoadIdentity();
    ApplyViewTransform();
    glRotated(m_angles[0], 1.0, 0.0, 0.0);
    glRotated(m_angles[1], 0.0, 1.0, 0.0);
    glRotated(m_angles[2], 0.0, 0.0, 1.0);
    glTranslated(m_position[0], m_position[1], m_position[2]);
    return true;
}

bool CDemoView::DrawScene()
{
    glPushMatrix();
    COpenGLView::DrawScene();
    glPopMatrix();

    glColor3d(1.0, 0.75, 0.2);
    glPushMatrix();
    glTranslated(-1.9, 0.9, 0.0);
    glScaled(0.6, 0.6, 0.6);
    RenderText(m_outlineFontBase, kBanner);
    glPopMatrix();

    return true;
}
