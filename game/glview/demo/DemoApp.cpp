#include "game/glview/demo/DemoApp.h"

#include "game/glview/OpenGLView.h"
#include "game/glview/demo/DemoFrame.h"
#include "platform/gl/WxGLBinding.h"

#include <wx/cmdline.h>

#include <cstdio>

wxIMPLEMENT_APP(CDemoApp);

bool CDemoApp::OnInit()
{
    if (!wxApp::OnInit())
        return false;
    // A later set-up failure shows in the status bar; a display without
    // OpenGL cannot have the view's window at all.
    std::string message;
    if (!COpenGLView::CanCreateOn(CWxGLBinding::Instance(), message)) {
        std::fprintf(stderr, "glview-demo: %s\n", message.c_str());
        return false;
    }
    (new CDemoFrame(m_animate))->Show();
    return true;
}

void CDemoApp::OnInitCmdLine(wxCmdLineParser& parser)
{
    wxApp::OnInitCmdLine(parser);
    parser.AddSwitch(wxS(""), wxS("animate"), wxS("start with the animation on"));
}

bool CDemoApp::OnCmdLineParsed(wxCmdLineParser& parser)
{
    if (!wxApp::OnCmdLineParsed(parser))
        return false;
    m_animate = parser.Found(wxS("animate"));
    return true;
}
