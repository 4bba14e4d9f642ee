#include "editor/app/GameLauncher.h"

#include "document/Document.h"
#include "document/FileBytes.h"
#include "platform/shell/PathText.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The game as built beside the editor, and as installed.
const char* const kGameNames[] = {"Brask", "brask"};

std::string Quoted(const std::string& text)
{
    return "\xE2\x80\x9C" + text + "\xE2\x80\x9D";
}

}  // namespace

CGameLauncher::~CGameLauncher()
{
    // The game read its course when it started; nothing needs the copy now.
    if (!m_copy.empty())
        std::remove(m_copy.c_str());
    if (!m_folder.empty())
        ::rmdir(m_folder.c_str());
}

std::string CGameLauncher::FindGame(const std::string& program, const std::string& searchPath)
{
    const std::size_t slash = program.rfind('/');
    std::vector<std::string> folders{slash == std::string::npos ? std::string() : program.substr(0, slash)};
    for (std::size_t from = 0, colon = 0; colon != std::string::npos; from = colon + 1) {
        colon = searchPath.find(':', from);
        folders.push_back(searchPath.substr(from, colon == std::string::npos ? colon : colon - from));
    }
    for (const std::string& folder : folders) {
        for (const char* name : kGameNames) {
            const std::string game = folder + "/" + name;
            struct stat st;
            if (!folder.empty() && ::stat(game.c_str(), &st) == 0 && S_ISREG(st.st_mode)
                && ::access(game.c_str(), X_OK) == 0)
                return game;
        }
    }
    return std::string();
}

std::string CGameLauncher::WriteCopy(CDocument& document, const std::string& name, std::string& message)
{
    std::string reason;
    std::vector<std::uint8_t> bytes;
    if (!document.SaveToBytes(bytes, reason)) {
        message = "Cannot play " + Quoted(name) + ": " + reason + ".";
        return std::string();
    }
    if (m_folder.empty()) {
        std::string pattern = PathFromText(wxFileName::GetTempDir()) + "/braskit-play.XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr)
            m_folder = pattern;
    }
    const bool hasExtension = name.size() > 4 && name.compare(name.size() - 4, 4, ".hfd") == 0;
    const std::string copy = m_folder + "/" + name + (hasExtension ? "" : ".hfd");
    if (m_folder.empty() || !WriteFileAtomically(copy, bytes, reason)) {
        message = "Cannot write the course for Brask to " + Quoted(copy) + ": "
                  + (m_folder.empty() ? std::string("no temporary folder can be made") : reason) + ".";
        return std::string();
    }
    if (!m_copy.empty() && m_copy != copy)
        std::remove(m_copy.c_str());
    m_copy = copy;
    return copy;
}

bool CGameLauncher::Play(CDocument& document, const std::string& name, std::string& message)
{
    const std::string program = PathFromText(wxStandardPaths::Get().GetExecutablePath());
    const char* path = std::getenv("PATH");
    const std::string game = FindGame(program, path != nullptr ? path : "");
    if (game.empty()) {
        message = "Brask cannot be found: it is neither beside Braskit in "
                  + Quoted(program.substr(0, program.rfind('/'))) + " nor on the path.";
        return false;
    }
    const bool saved = !document.IsModified() && !document.GetPathName().empty();
    const std::string course = saved ? document.GetPathName() : WriteCopy(document, name, message);
    if (course.empty())
        return false;
    const char* const argv[] = {game.c_str(), course.c_str(), nullptr};
    if (wxExecute(argv, wxEXEC_ASYNC) <= 0) {
        message = "Brask cannot be started from " + Quoted(game) + ".";
        return false;
    }
    return true;
}
