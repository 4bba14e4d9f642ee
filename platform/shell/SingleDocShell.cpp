#include "platform/shell/SingleDocShell.h"

#include "platform/shell/CommandLineInfo.h"
#include "document/Document.h"
#include "platform/shell/ShellPrompter.h"
#include "document/ViewLink.h"

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kUntitledName = "Untitled";

// Document work under the busy pointer, which is back to normal before any
// message about its failure shows, however the work ends.
template <typename Work>
bool WhileBusy(CShellPrompter& prompter, Work work)
{
    struct Guard {
        CShellPrompter& prompter;
        ~Guard() { prompter.SetBusy(false); }
    } const guard{prompter};
    prompter.SetBusy(true);
    return work();
}

std::string FileNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Recent files and later saves must not depend on the folder the program
// was started from.
std::string AbsolutePath(const std::string& path)
{
    if (path.empty() || path[0] == '/')
        return path;
    char buffer[4096];
    if (::getcwd(buffer, sizeof buffer) == nullptr)
        return path;
    std::string folder = buffer;
    std::string rest = path;
    while (rest.compare(0, 2, "./") == 0)
        rest.erase(0, 2);
    return folder == "/" ? "/" + rest : folder + "/" + rest;
}

bool FileExists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// The reasons read as the end of a sentence: "Cannot open “x”: it ends
// before its last cell."
std::string FailureMessage(const char* action, const std::string& path, const std::string& reason)
{
    return std::string("Cannot ") + action + " \xE2\x80\x9C" + path + "\xE2\x80\x9D: " + reason + ".";
}

// A message on one terminal line: a file name may hold line breaks and other
// control characters.
std::string OneLine(std::string text)
{
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    }
    return text;
}

}  // namespace

CSingleDocShell::CSingleDocShell(CDocument& document, CShellPrompter& prompter)
    : m_document(document), m_prompter(prompter)
{
}

bool CSingleDocShell::FileNew()
{
    if (!SaveModified())
        return false;
    if (!m_document.OnNewDocument())
        return false;
    UpdateViews();
    return true;
}

bool CSingleDocShell::FileOpen()
{
    std::string path;
    if (!m_prompter.AskOpenPath(path))
        return false;
    return OpenDocumentFile(path);
}

bool CSingleDocShell::OpenDocumentFile(const std::string& path)
{
    return SaveModified() && DoOpen(path);
}

bool CSingleDocShell::DoOpen(const std::string& path, const std::string* terminalName)
{
    std::string reason;
    const std::string absolute = AbsolutePath(path);
    if (!WhileBusy(m_prompter, [&] { return m_document.OnOpenDocument(absolute, reason); })) {
        const std::string message = FailureMessage("open", path, reason);
        // Before the message box waits: a script sees why at once.
        if (terminalName != nullptr) {
            const std::string prefix = terminalName->empty() ? "" : *terminalName + ": ";
            std::fprintf(stderr, "%s%s\n", prefix.c_str(), OneLine(message).c_str());
        }
        m_prompter.ShowError(message);
        return false;
    }
    m_prompter.OnDocumentPathUsed(absolute);
    UpdateViews();
    return true;
}

bool CSingleDocShell::OpenRecentFile(const std::string& path)
{
    if (!SaveModified())
        return false;
    if (DoOpen(path))
        return true;
    m_prompter.OnRecentFileFailed(path);
    return false;
}

bool CSingleDocShell::FileSave()
{
    const std::string& path = m_document.GetPathName();
    if (path.empty())
        return FileSaveAs();
    return DoSave(path);
}

bool CSingleDocShell::FileSaveAs()
{
    const std::string& current = m_document.GetPathName();
    const std::string suggested = current.empty() ? kUntitledName + m_defaultExtension : current;
    std::string path;
    if (!m_prompter.AskSavePath(suggested, path) || path.empty())
        return false;
    // A name typed without an extension gets the course extension, so that
    // the file shows up in the open dialog's filter.
    const std::string name = FileNameOf(path);
    if (!m_defaultExtension.empty() && name.find('.') == std::string::npos) {
        path += m_defaultExtension;
        if (FileExists(path) && !m_prompter.AskReplaceFile(path))
            return false;
    }
    return DoSave(path);
}

bool CSingleDocShell::DoSave(const std::string& path)
{
    std::string reason;
    const std::string absolute = AbsolutePath(path);
    if (!WhileBusy(m_prompter, [&] { return m_document.OnSaveDocument(absolute, reason); })) {
        m_prompter.ShowError(FailureMessage("save", path, reason));
        return false;
    }
    m_prompter.OnDocumentPathUsed(absolute);
    return true;
}

bool CSingleDocShell::SaveModified()
{
    if (!m_document.IsModified())
        return true;
    switch (m_prompter.AskSaveChanges(GetDocumentName())) {
    case SaveChoice::Save: return FileSave();
    case SaveChoice::DontSave: return true;
    case SaveChoice::Cancel: break;
    }
    return false;
}

bool CSingleDocShell::ProcessShellCommand(const CCommandLineInfo& info)
{
    if (info.GetShellCommand() != CCommandLineInfo::FileOpen)
        return FileNew();
    return DoOpen(info.GetFileName(), &info.GetProgramName());
}

std::string CSingleDocShell::GetDocumentName() const
{
    const std::string& path = m_document.GetPathName();
    return path.empty() ? kUntitledName : FileNameOf(path);
}

void CSingleDocShell::UpdateViews()
{
    if (CViewLink* view = m_document.GetFirstView())
        view->OnInitialUpdate();
}
