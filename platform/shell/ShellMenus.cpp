#include "platform/shell/ShellMenus.h"

#include "platform/shell/CommandIds.h"

#include <wx/menu.h>

void AppendOpenSaveItems(wxMenu& menu)
{
    menu.Append(ID_FILE_OPEN, "&Open...\tCtrl+O", "Open an existing document");
    menu.Append(ID_FILE_SAVE, "&Save\tCtrl+S", "Save the active document");
    menu.Append(ID_FILE_SAVE_AS, "Save &As...", "Save the active document with a new name");
}

void AppendExitItem(wxMenu& menu)
{
    menu.Append(ID_APP_EXIT, "E&xit", "Quit the application; prompts to save documents");
}

wxMenu* MakeDisabledEditMenu()
{
    auto* edit = new wxMenu;
    edit->Append(ID_EDIT_UNDO, "&Undo\tCtrl+Z", "Undo the last action");
    edit->AppendSeparator();
    edit->Append(ID_EDIT_CUT, "Cu&t\tCtrl+X", "Cut the selection and put it on the Clipboard");
    edit->Append(ID_EDIT_COPY, "&Copy\tCtrl+C", "Copy the selection and put it on the Clipboard");
    edit->Append(ID_EDIT_PASTE, "&Paste\tCtrl+V", "Insert Clipboard contents");
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        edit->Enable(id, false);
    return edit;
}

wxMenu* MakeHelpMenu(const wxString& appTitle)
{
    auto* help = new wxMenu;
    help->Append(ID_APP_ABOUT, "&About " + appTitle + "...",
                 "Display program information, version number and copyright");
    return help;
}

wxAcceleratorTable MakeShellAccelerators(const std::vector<wxAcceleratorEntry>& extra)
{
    std::vector<wxAcceleratorEntry> entries = {
        {wxACCEL_ALT, WXK_BACK, ID_EDIT_UNDO},
        {wxACCEL_SHIFT, WXK_DELETE, ID_EDIT_CUT},
        {wxACCEL_CTRL, WXK_INSERT, ID_EDIT_COPY},
        {wxACCEL_SHIFT, WXK_INSERT, ID_EDIT_PASTE},
        {wxACCEL_NORMAL, WXK_F6, ID_NEXT_PANE},
        {wxACCEL_SHIFT, WXK_F6, ID_PREV_PANE},
    };
    entries.insert(entries.end(), extra.begin(), extra.end());
    return wxAcceleratorTable(static_cast<int>(entries.size()), entries.data());
}
