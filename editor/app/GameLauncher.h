#pragma once

#include <string>

class CDocument;

// File > "Play in Brask": starts the game on the course as it is in the
// editor. A course with unsaved changes, or never saved, reaches the game
// through a copy in a temporary folder of the editor's own, removed when
// the launcher goes; the user's file and the modified mark are left alone.
class CGameLauncher {
public:
    CGameLauncher() = default;
    ~CGameLauncher();
    CGameLauncher(const CGameLauncher&) = delete;
    CGameLauncher& operator=(const CGameLauncher&) = delete;

    // `name` is the document's file name ("Untitled" without one). False,
    // with a message in plain words, when the course cannot be written or
    // the game cannot be found or started.
    bool Play(CDocument& document, const std::string& name, std::string& message);

    // The game's program: beside `program` (the editor's own) first, then
    // in the folders of `searchPath`; empty when it is nowhere.
    static std::string FindGame(const std::string& program, const std::string& searchPath);

private:
    // The course as it is, in the temporary folder; empty on failure.
    std::string WriteCopy(CDocument& document, const std::string& name, std::string& message);

    std::string m_folder;
    std::string m_copy;
};
