#pragma once

#include <string>

#include <wx/string.h>

// File names travel through our code as the bytes the file system uses;
// the toolkit shows and returns them as text.
wxString PathToText(const std::string& path);
std::string PathFromText(const wxString& text);
