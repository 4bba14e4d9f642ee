#pragma once

#include <string>

struct FontRequest;

// An installed font file chosen for a request.
struct FontFace {
    std::string file;
    std::string family;         // the matched face's family name
    int index = 0;              // face within a font collection
    double pixelSize = 0.0;     // em height in pixels for bitmap glyphs
    bool outline = false;       // scalable outlines (not a bitmap-only face)
};

// Picks the installed face closest to the request, the way the desktop's
// font matching does: an unknown family name such as "Ariel" falls back to
// the closest installed face. A null request means the desktop's default
// face at its default size. False only when no font is installed at all,
// or when the request admits only outline faces and none is found.
bool MatchFontFace(const FontRequest* request, FontFace& face);
