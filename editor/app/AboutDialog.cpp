#include "editor/app/AboutDialog.h"

#include "BraskVersion.h"
#include "editor/app/BraskitIcon.h"

CAboutDialog::CAboutDialog(wxWindow* parent)
    : CAboutBox(parent, "About Braskit", MakeBraskitBitmap, "Braskit Version 1.0",
                BRASK_EDITOR_DESCRIPTION ", release " BRASK_VERSION_TEXT)
{
}
