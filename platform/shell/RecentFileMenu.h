#pragma once

#include <cstddef>
#include <string>

#include <wx/filehistory.h>
#include <wx/string.h>

class wxConfigBase;
class wxMenu;

// The recent-file list: kept in the settings, shown in the File menu in the
// slot of the "Recent File" item (command ID_FILE_MRU_FILE1). While the list
// is empty the slot shows that item greyed; otherwise one item per file,
// newest first, with the commands ID_FILE_MRU_FILE1 onward.
class CRecentFileMenu {
public:
    explicit CRecentFileMenu(std::size_t maxFiles);

    // Takes over the slot of the menu's "Recent File" item.
    void Attach(wxMenu* menu);

    // Reads and writes the list under "/Recent File List" of the settings.
    void Load(wxConfigBase& config);
    void Save(wxConfigBase& config);

    void Add(const std::string& path);
    void Remove(const std::string& path);

    std::size_t GetCount() const;
    std::string GetFile(std::size_t index) const;
    // The list index that a menu command opens, or -1.
    int IndexOfCommand(int commandId) const;

    // "&1 ~/courses/hill.hfd": the number is the mnemonic, the home folder
    // reads as "~", long paths keep only their last folders, '&' is doubled.
    static wxString MenuLabel(std::size_t index, const std::string& path, const std::string& home);

private:
    void Rebuild();

    wxFileHistory m_history;
    wxMenu* m_menu = nullptr;
    std::size_t m_position = 0;
};
