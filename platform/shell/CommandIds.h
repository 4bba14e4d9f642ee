#pragma once

#include <wx/defs.h>

// Command ids of the menus and accelerators of both programs. The toolkit
// takes menu ids only below 32768, so the commands use its stock ids where
// it has them and ids just above its reserved range otherwise.
constexpr int ID_FILE_NEW = wxID_NEW;
constexpr int ID_FILE_OPEN = wxID_OPEN;
constexpr int ID_FILE_CLOSE = wxID_CLOSE;
constexpr int ID_FILE_SAVE = wxID_SAVE;
constexpr int ID_FILE_SAVE_AS = wxID_SAVEAS;
constexpr int ID_FILE_MRU_FILE1 = wxID_FILE1;  // recent-file slots, up to nine
constexpr int ID_FILE_MRU_LAST = wxID_FILE9;
constexpr int ID_EDIT_COPY = wxID_COPY;
constexpr int ID_EDIT_CUT = wxID_CUT;
constexpr int ID_EDIT_PASTE = wxID_PASTE;
constexpr int ID_EDIT_UNDO = wxID_UNDO;
constexpr int ID_EDIT_REDO = wxID_REDO;
constexpr int ID_APP_ABOUT = wxID_ABOUT;
// Not the stock exit id: the toolkit would give it a shortcut of its own.
constexpr int ID_APP_EXIT = wxID_HIGHEST + 7;
constexpr int ID_NEXT_PANE = wxID_HIGHEST + 1;
constexpr int ID_PREV_PANE = wxID_HIGHEST + 2;
constexpr int ID_VIEW_STATUS_BAR = wxID_HIGHEST + 3;
// Status bar panes.
constexpr int ID_INDICATOR_CAPS = wxID_HIGHEST + 4;
constexpr int ID_INDICATOR_NUM = wxID_HIGHEST + 5;
constexpr int ID_INDICATOR_SCRL = wxID_HIGHEST + 6;
