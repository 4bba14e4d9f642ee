#include "platform/shell/PathText.h"

#include <wx/strconv.h>

wxString PathToText(const std::string& path)
{
    wxString text(path.c_str(), *wxConvFileName);
    // Bytes that are not valid in the file-name encoding: show them rather
    // than an empty name.
    if (text.empty() && !path.empty())
        text = wxString::From8BitData(path.c_str());
    return text;
}

std::string PathFromText(const wxString& text)
{
    const wxCharBuffer bytes = text.mb_str(*wxConvFileName);
    if (bytes.length() == 0 && !text.empty())
        return std::string(text.To8BitData().data());
    return std::string(bytes.data(), bytes.length());
}
