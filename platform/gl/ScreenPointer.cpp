#include "platform/gl/ScreenPointer.h"

#include <wx/app.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

namespace {

// A shown top-level window of ours: the toolkit warps the pointer relative
// to a window, so one is needed even for an absolute screen point.
wxWindow* WarpWindow()
{
    if (wxTheApp) {
        wxWindow* top = wxTheApp->GetTopWindow();
        if (top && top->IsShown() && top->GetHandle())
            return top;
    }
    for (wxWindow* window : wxTopLevelWindows) {
        if (window->IsShown() && window->GetHandle())
            return window;
    }
    return nullptr;
}

} // namespace

bool CScreenPointer::GetPosition(int& x, int& y)
{
    if (!wxTheApp)
        return false;
    const wxPoint position = wxGetMousePosition();
    x = position.x;
    y = position.y;
    return true;
}

bool CScreenPointer::WarpTo(int x, int y)
{
    if (!wxTheApp || wxGetDisplayInfo().type != wxDisplayX11)
        return false;
    wxWindow* window = WarpWindow();
    if (!window)
        return false;
    const wxPoint client = window->ScreenToClient(wxPoint(x, y));
    window->WarpPointer(client.x, client.y);
    return true;
}

CScreenPointer& CScreenPointer::Instance()
{
    static CScreenPointer pointer;
    return pointer;
}
