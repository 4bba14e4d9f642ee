#pragma once

#include <string>

// The answers to the save-changes question.
enum class SaveChoice {
    Save,
    DontSave,
    Cancel,
};

// Everything the document shell asks of the user or tells the window. The
// frame answers with real dialogs; tests answer from a script.
class CShellPrompter {
public:
    virtual ~CShellPrompter() = default;

    // "Save the changes to <documentName>?" with Save, Don't Save, Cancel.
    virtual SaveChoice AskSaveChanges(const std::string& documentName) = 0;
    // A course file to open; false when the user cancels.
    virtual bool AskOpenPath(std::string& path) = 0;
    // A file to save to, starting from `suggested`; false when cancelled.
    virtual bool AskSavePath(const std::string& suggested, std::string& path) = 0;
    // Whether an existing file may be replaced (asked only when the shell
    // itself added the extension, since the file dialog asked about the name
    // as typed).
    virtual bool AskReplaceFile(const std::string& path) = 0;
    // One message about a failure; it names the file and the reason.
    virtual void ShowError(const std::string& message) = 0;

    // A file was opened or saved under a name: the recent-file list hears of it.
    virtual void OnDocumentPathUsed(const std::string& /*path*/) {}
    // Opening a file the user picked from the recent-file list failed.
    virtual void OnRecentFileFailed(const std::string& /*path*/) {}
    // Reading, checking or saving a document begins (true) or ends (false):
    // a course of millions of cells takes seconds, and the pointer says so.
    virtual void SetBusy(bool /*busy*/) {}
};
