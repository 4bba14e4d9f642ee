#include "editor/app/BraskitDoc.h"

#include "editor/app/NewHeightfieldDialog.h"
#include "editor/core/KeyEdit.h"
#include "document/Archive.h"

#include <wx/msgdlg.h>
#include <wx/utils.h>

#include <cstdint>

bool CBraskitDoc::OnNewDocument()
{
    int width = 0;
    int height = 0;
    if (!AskCourseSize(width, height))
        return false;
    // Made aside, so that a course that cannot be had leaves the open one.
    CHeightField fresh;
    {
        const wxBusyCursor busy;  // millions of cells take a moment
        fresh.Create(width, height);
    }
    if (fresh.GetWidth() == 0 && static_cast<std::int64_t>(width) * height > 0) {
        ReportNoMemory(width, height);
        return false;
    }
    if (!CDocument::OnNewDocument())
        return false;
    m_heightField.Swap(fresh);
    m_history.Clear();
    return true;
}

void CBraskitDoc::Serialize(CArchive& ar)
{
    if (ar.IsLoading()) {
        // A course that could not be read throws and leaves course and history.
        if (m_heightField.Load(ar))
            m_history.Clear();
    } else {
        m_heightField.StoreForSave(ar);
    }
}

bool CBraskitDoc::OnSaveDocument(const std::string& path, std::string& reason)
{
    if (!CDocument::OnSaveDocument(path, reason))
        return false;
    m_history.MarkSaved();
    return true;
}

bool CBraskitDoc::ApplyKey(const CGridSelection& selection, const KeyMessage& key)
{
    if (!ApplyKeyToSelection(m_heightField, selection, key, &m_history))
        return false;
    FollowHistory();
    return true;
}

bool CBraskitDoc::Undo()
{
    if (!m_history.Undo(m_heightField))
        return false;
    FollowHistory();
    return true;
}

bool CBraskitDoc::Redo()
{
    if (!m_history.Redo(m_heightField))
        return false;
    FollowHistory();
    return true;
}

bool CBraskitDoc::AskCourseSize(int& width, int& height)
{
    CNewHeightfieldDialog dialog;
    if (dialog.ShowModal() != wxID_OK)
        return false;
    width = dialog.m_nWidth;
    height = dialog.m_nHeight;
    return true;
}

void CBraskitDoc::ReportNoMemory(int width, int height)
{
    wxMessageBox(wxString::Format(L"There is not enough memory for a course of %d \u00D7 %d cells.", width, height),
                 "Braskit", wxOK | wxICON_ERROR);
}
