// The single-document shell of both programs: the save question before
// anything replaces a modified document, one message per failed open or
// save, and Save As. The programs' own start-up and dialogs are seen end to
// end.

#include "platform/shell/SingleDocShell.h"

#include "tests/support/NumberDoc.h"
#include "tests/support/TempFolder.h"

#include "platform/shell/ShellPrompter.h"
#include "document/ViewLink.h"

#include <gtest/gtest.h>

#include <unistd.h>

using Names = std::vector<std::string>;

// Answers the shell's questions from a script and records what it was told.
struct CScriptedPrompter : CShellPrompter, CViewLink {
    SaveChoice AskSaveChanges(const std::string& name) override { return asked.push_back(name), choice; }
    bool AskOpenPath(std::string& path) override { return !(path = openPath).empty(); }
    bool AskSavePath(const std::string& first, std::string& path) override
    {
        return suggested.push_back(first), !(path = savePath).empty();
    }
    bool AskReplaceFile(const std::string& path) override { return replaceAsked.push_back(path), false; }
    void ShowError(const std::string& message) override { errors.push_back(busy ? "(busy) " + message : message); }
    void SetBusy(bool on) override { busySpells += on && !busy, busy = on; }
    void OnRecentFileFailed(const std::string& path) override { recentFailed.push_back(path); }
    void OnInitialUpdate() override { ++updates; }

    SaveChoice choice = SaveChoice::Cancel;
    std::string openPath, savePath;  // empty: the dialog is cancelled
    Names asked, suggested, replaceAsked, errors, recentFailed;
    int updates = 0, busySpells = 0;
    bool busy = false;
};

struct SingleDocShellTest : ::testing::Test {
    void SetUp() override
    {
        doc.AddView(&ask);
        shell.SetDefaultExtension(".hfd");
        folder.Write("seven.hfd", {1, 0, 0, 0, 7, 0, 0, 0});
    }
    CTempFolder folder;
    CNumberDoc doc;
    CScriptedPrompter ask;
    CSingleDocShell shell{doc, ask};
};

TEST_F(SingleDocShellTest, CancelAbandonsEveryReplacingCommandAndUnmodifiedNeedsNoQuestion)
{
    ask.openPath = folder.Path("seven.hfd");
    doc.Edit(5);
    EXPECT_FALSE(shell.FileNew() || shell.FileOpen() || shell.OpenDocumentFile(ask.openPath) ||
                 shell.OpenRecentFile(ask.openPath) || shell.SaveModified());
    EXPECT_TRUE(ask.asked.size() == 5 && doc.m_newCount == 0 && doc.m_values.size() == 1 && doc.IsModified());
    EXPECT_TRUE(ask.updates == 0 && ask.recentFailed.empty()) << "a cancelled recent file is not a broken one";
    doc.SetModifiedFlag(false);
    EXPECT_TRUE(shell.FileNew());
    EXPECT_TRUE(ask.asked.size() == 5 && doc.m_newCount == 1 && ask.updates == 1);
}

TEST_F(SingleDocShellTest, FailuresShowOneMessageAndLeaveTheDocument)
{
    std::string reason;
    doc.Edit(1);
    ASSERT_TRUE(doc.OnSaveDocument(folder.Path("kept.hfd"), reason)) << reason;
    doc.Edit(2);
    folder.Write("short.hfd", {3, 0, 0, 0, 1, 0, 0, 0});
    ask.choice = SaveChoice::DontSave;
    EXPECT_FALSE(shell.OpenDocumentFile(folder.Path("short.hfd")));
    EXPECT_EQ(ask.errors,
              Names{"Cannot open \u201C" + folder.Path("short.hfd") + "\u201D: it ends before its last cell."});
    EXPECT_TRUE(doc.m_values.size() == 2 && doc.GetPathName() == folder.Path("kept.hfd") && ask.updates == 0);
    EXPECT_FALSE(shell.OpenRecentFile(folder.Path("gone.hfd")));
    EXPECT_EQ(ask.recentFailed, Names{folder.Path("gone.hfd")});
    // Saving an untitled document asks for a name first; Cancel there abandons.
    doc.SetPathName("");
    ask.choice = SaveChoice::Save;
    EXPECT_FALSE(shell.FileNew());
    EXPECT_TRUE(ask.asked.back() == "Untitled" && ask.suggested == Names{"Untitled.hfd"});
    doc.SetPathName(folder.Path("missing/course.hfd"));
    EXPECT_FALSE(shell.FileNew());
    ASSERT_EQ(ask.errors.size(), 3u);
    EXPECT_EQ(ask.errors.back(),
              "Cannot save \u201C" + folder.Path("missing/course.hfd") + "\u201D: its folder does not exist.");
    EXPECT_TRUE(doc.m_newCount == 0 && doc.IsModified());
}

// Open asks only once the file is chosen, and keeps absolute names; Save As
// adds the extension to a bare name and then asks before replacing. Reading
// and writing show the busy pointer, never the questions and messages.
TEST_F(SingleDocShellTest, OpenAndSaveAs)
{
    doc.Edit(3);
    ask.choice = SaveChoice::DontSave;
    EXPECT_FALSE(shell.FileOpen());
    EXPECT_TRUE(ask.asked.empty()) << "no question when the dialog was cancelled";
    char cwd[4096];
    ASSERT_TRUE(::getcwd(cwd, sizeof cwd) && ::chdir(folder.Path().c_str()) == 0);
    ask.openPath = "./seven.hfd";
    const bool opened = shell.FileOpen();
    ASSERT_EQ(::chdir(cwd), 0);
    EXPECT_TRUE(opened && ask.asked.size() == 1 && doc.m_values.size() == 1 && ask.updates == 1);
    EXPECT_EQ(doc.GetPathName(), folder.Path("seven.hfd"));

    ask.savePath = folder.Path("course");
    EXPECT_TRUE(shell.FileSaveAs() && doc.GetPathName() == folder.Path("course.hfd") && ask.replaceAsked.empty());
    doc.Edit(5);
    EXPECT_FALSE(shell.FileSaveAs());  // the dialog asked about "course", the shell about "course.hfd"
    EXPECT_TRUE(ask.replaceAsked == Names{folder.Path("course.hfd")} && folder.Read("course.hfd").size() == 8u);
    ask.savePath = folder.Path("named.v2");
    EXPECT_TRUE(shell.FileSaveAs() && doc.GetPathName() == folder.Path("named.v2"));
    EXPECT_TRUE(ask.busySpells == 3 && !ask.busy) << "the busy pointer over each open and save, and only then";
}
