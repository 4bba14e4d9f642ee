#pragma once

#include <wx/app.h>

// glview-demo [--animate]
class CDemoApp : public wxApp {
public:
    bool OnInit() override;
    void OnInitCmdLine(wxCmdLineParser& parser) override;
    bool OnCmdLineParsed(wxCmdLineParser& parser) override;

private:
    bool m_animate = false;
};
