#include "game/app/AboutDialog.h"

#include "BraskVersion.h"
#include "game/app/BraskIcon.h"

CAboutDialog::CAboutDialog(wxWindow* parent)
    : CAboutBox(parent, "About Brask", MakeBraskBitmap, "Brask Version 1.0",
                BRASK_GAME_DESCRIPTION ", release " BRASK_VERSION_TEXT)
{
}
