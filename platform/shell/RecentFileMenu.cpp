#include "platform/shell/RecentFileMenu.h"

#include "platform/shell/CommandIds.h"
#include "platform/shell/PathText.h"

#include <wx/config.h>
#include <wx/menu.h>

#include <cstdlib>

namespace {

constexpr const char* kConfigGroup = "/Recent File List";
constexpr const char* kPlaceholderText = "Recent File";
// Longer paths lose their leading folders, so the menu stays narrow.
constexpr std::size_t kMaxLabelPathChars = 48;

std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    return home != nullptr ? home : "";
}

// The path as shown: the home folder as "~", and when too long only its
// last components, with `cut` set to tell that the front was left off.
std::string ShortenedPath(std::string path, const std::string& home, bool& cut)
{
    cut = false;
    if (!home.empty() && home != "/" && path.size() > home.size() && path.compare(0, home.size(), home) == 0
        && path[home.size()] == '/')
        path = "~" + path.substr(home.size());
    if (path.size() <= kMaxLabelPathChars)
        return path;
    cut = true;
    // Keep whole trailing components while they fit.
    std::size_t start = path.size();
    for (;;) {
        const std::size_t slash = start == 0 ? std::string::npos : path.rfind('/', start - 1);
        if (slash == std::string::npos || path.size() - slash > kMaxLabelPathChars)
            break;
        start = slash;
    }
    // Even the file name alone is too long: keep its end.
    if (start == path.size())
        start = path.size() - kMaxLabelPathChars;
    return path.substr(start);
}

}  // namespace

CRecentFileMenu::CRecentFileMenu(std::size_t maxFiles)
    : m_history(maxFiles, ID_FILE_MRU_FILE1)
{
}

void CRecentFileMenu::Attach(wxMenu* menu)
{
    m_menu = menu;
    if (m_menu == nullptr)
        return;
    size_t position = 0;
    if (m_menu->FindChildItem(ID_FILE_MRU_FILE1, &position) == nullptr) {
        m_menu = nullptr;
        return;
    }
    m_position = position;
    Rebuild();
}

void CRecentFileMenu::Load(wxConfigBase& config)
{
    const wxString oldPath = config.GetPath();
    config.SetPath(kConfigGroup);
    m_history.Load(config);
    config.SetPath(oldPath);
    Rebuild();
}

void CRecentFileMenu::Save(wxConfigBase& config)
{
    const wxString oldPath = config.GetPath();
    // Cleared first: a shorter list must not leave old entries behind.
    config.DeleteGroup(kConfigGroup);
    config.SetPath(kConfigGroup);
    m_history.Save(config);
    config.SetPath(oldPath);
}

void CRecentFileMenu::Add(const std::string& path)
{
    m_history.AddFileToHistory(PathToText(path));
    Rebuild();
}

void CRecentFileMenu::Remove(const std::string& path)
{
    const wxString text = PathToText(path);
    for (size_t i = 0; i < m_history.GetCount(); ++i) {
        if (m_history.GetHistoryFile(i) == text) {
            m_history.RemoveFileFromHistory(i);
            break;
        }
    }
    Rebuild();
}

std::size_t CRecentFileMenu::GetCount() const
{
    return m_history.GetCount();
}

std::string CRecentFileMenu::GetFile(std::size_t index) const
{
    return index < m_history.GetCount() ? PathFromText(m_history.GetHistoryFile(index)) : std::string();
}

int CRecentFileMenu::IndexOfCommand(int commandId) const
{
    const int index = commandId - ID_FILE_MRU_FILE1;
    if (index < 0 || static_cast<std::size_t>(index) >= m_history.GetCount())
        return -1;
    return index;
}

wxString CRecentFileMenu::MenuLabel(std::size_t index, const std::string& path, const std::string& home)
{
    bool cut = false;
    wxString shown = PathToText(ShortenedPath(path, home, cut));
    if (cut)
        shown.Prepend(L"\u2026");
    shown.Replace("&", "&&");
    return wxString::Format("&%zu %s", index + 1, shown);
}

void CRecentFileMenu::Rebuild()
{
    if (m_menu == nullptr)
        return;
    for (int id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_LAST; ++id) {
        while (wxMenuItem* item = m_menu->FindChildItem(id))
            m_menu->Destroy(item);
    }
    const std::size_t count = m_history.GetCount();
    if (count == 0) {
        m_menu->Insert(m_position, ID_FILE_MRU_FILE1, kPlaceholderText);
        m_menu->Enable(ID_FILE_MRU_FILE1, false);
        return;
    }
    const std::string home = HomeFolder();
    for (std::size_t i = 0; i < count; ++i)
        m_menu->Insert(m_position + i, ID_FILE_MRU_FILE1 + static_cast<int>(i), MenuLabel(i, GetFile(i), home));
}
