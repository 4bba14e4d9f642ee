#pragma once

#include "platform/shell/AboutBox.h"

// "About Braskit": the program icon, its name and version, one line on what
// it is, and OK.
class CAboutDialog : public CAboutBox {
public:
    explicit CAboutDialog(wxWindow* parent);
};
