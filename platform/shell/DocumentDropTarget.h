#pragma once

#include <functional>
#include <string>

#include <wx/dnd.h>
#include <wx/event.h>

// Accepts files dropped on a window and hands the first one to `open`,
// after the drop has finished: the save question and any error message
// must not run inside the toolkit's drag-and-drop handling.
class CDocumentDropTarget : public wxFileDropTarget {
public:
    CDocumentDropTarget(wxEvtHandler* owner, std::function<void(const std::string&)> open);

    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& files) override;

private:
    wxEvtHandler* m_owner;
    std::function<void(const std::string&)> m_open;
};
