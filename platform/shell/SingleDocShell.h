#pragma once

#include <string>

class CCommandLineInfo;
class CDocument;
class CShellPrompter;

// The document commands of a single-document program, without any window:
// one document for the program's life, reused by New and Open, reached only
// through CDocument's OnNewDocument, OnOpenDocument and OnSaveDocument.
// Every command that would replace the document first asks to save changes
// when the document is modified.
class CSingleDocShell {
public:
    CSingleDocShell(CDocument& document, CShellPrompter& prompter);

    // The file extension added to a saved name that has none (".hfd").
    void SetDefaultExtension(const std::string& extension) { m_defaultExtension = extension; }

    // File New: save prompt, then the document's OnNewDocument. True when
    // the document was renewed; false when the user cancelled anywhere.
    bool FileNew();
    // File Open: the file dialog, then OpenDocumentFile.
    bool FileOpen();
    // Opens a named file (command line, recent file, dropped file) after the
    // save prompt. A failure shows one message naming the file and the
    // reason, and leaves the document and its views as they were.
    bool OpenDocumentFile(const std::string& path);
    // The same for an entry of the recent-file list, which the prompter is
    // told to drop when it cannot be opened.
    bool OpenRecentFile(const std::string& path);
    // File Save: to the document's file, or through Save As when it has none.
    bool FileSave();
    // File Save As: asks for a name and saves there.
    bool FileSaveAs();

    // The save-changes question. True when the caller may go on: the
    // document was not modified, the user chose Don't Save, or chose Save
    // and the save succeeded.
    bool SaveModified();

    // Start-up: opens the file the command line names, or runs File New.
    // When the named file cannot be opened its message also goes to the
    // terminal as one line, and start-up ends. False ends start-up.
    bool ProcessShellCommand(const CCommandLineInfo& info);

    // The file name of the document without its folder, or "Untitled".
    std::string GetDocumentName() const;

private:
    // With a terminalName, a failure's message goes to standard error too,
    // after that name.
    bool DoOpen(const std::string& path, const std::string* terminalName = nullptr);
    bool DoSave(const std::string& path);
    void UpdateViews();

    CDocument& m_document;
    CShellPrompter& m_prompter;
    std::string m_defaultExtension;
};
