#include "platform/shell/DocumentDropTarget.h"

#include "platform/shell/PathText.h"

#include <utility>

CDocumentDropTarget::CDocumentDropTarget(wxEvtHandler* owner, std::function<void(const std::string&)> open)
    : m_owner(owner), m_open(std::move(open))
{
}

bool CDocumentDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& files)
{
    // One document at a time: of several dropped files the first is opened.
    if (files.empty() || !m_open)
        return false;
    const std::string path = PathFromText(files[0]);
    std::function<void(const std::string&)> open = m_open;
    m_owner->CallAfter([open, path]() { open(path); });
    return true;
}
