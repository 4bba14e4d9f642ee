// The single-document shell of both programs: the save question before
// anything replaces a modified document, one message per failed open or
// save, and Save As. The programs' own start-up and dialogs are seen end to
// end.

#include "platform/SingleDocShell.h"

#include "NumberDoc.h"
#include "TempFolder.h"

#include "platform/ShellPrompter.h"
#include "platform/ViewLink.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using Bytes = CTempFolder::Bytes;
using Names = std::vector<std::string>;
using Values = std::vector<std::int32_t>;

// Answers the shell's questions from a script and records what it was told.
class CScriptedPrompter : public CShellPrompter, public CViewLink {
public:
    SaveChoice AskSaveChanges(const std::string& name) override { return asked.push_back(name), choice; }
    bool AskOpenPath(std::string& path) override { return !(path = openPath).empty(); }
    bool AskSavePath(const std::string& suggested, std::string& path) override
    {
        this->suggested.push_back(suggested);
        return !(path = savePath).empty();
    }
    bool AskReplaceFile(const std::string& path) override { return replaceAsked.push_back(path), replace; }
    void ShowError(const std::string& message) override { errors.push_back(message); }
    void OnDocumentPathUsed(const std::string& path) override { used.push_back(path); }
    void OnRecentFileFailed(const std::string& path) override { recentFailed.push_back(path); }
    void OnInitialUpdate() override { ++updates; }

    SaveChoice choice = SaveChoice::Cancel;
    std::string openPath, savePath;  // empty: the dialog is cancelled
    bool replace = false;
    Names asked, suggested, replaceAsked, errors, used, recentFailed;
    int updates = 0;
};

const Bytes kSevenFile = {1, 0, 0, 0, 7, 0, 0, 0};

class SingleDocShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_doc.AddView(&m_ask);
        m_shell.SetDefaultExtension(".hfd");
        m_folder.Write("seven.hfd", kSevenFile);
    }

    CTempFolder m_folder;
    CNumberDoc m_doc;
    CScriptedPrompter m_ask;
    CSingleDocShell m_shell{m_doc, m_ask};
};

}  // namespace

TEST_F(SingleDocShellTest, CancelAbandonsEveryReplacingCommandAndUnmodifiedNeedsNoQuestion)
{
    m_ask.openPath = m_folder.Path("seven.hfd");
    m_doc.Edit(5);
    EXPECT_FALSE(m_shell.FileNew() || m_shell.FileOpen() || m_shell.OpenDocumentFile(m_ask.openPath) ||
                 m_shell.OpenRecentFile(m_ask.openPath) || m_shell.SaveModified());
    EXPECT_EQ(m_ask.asked.size(), 5u);
    EXPECT_TRUE(m_doc.m_newCount == 0 && m_doc.m_values == Values{5} && m_doc.IsModified() && m_ask.updates == 0);
    EXPECT_TRUE(m_ask.recentFailed.empty()) << "a cancelled recent file is not a broken one";

    m_doc.SetModifiedFlag(false);
    EXPECT_TRUE(m_shell.FileNew());
    EXPECT_TRUE(m_ask.asked.size() == 5u && m_doc.m_newCount == 1 && m_ask.updates == 1);
}

TEST_F(SingleDocShellTest, FailuresShowOneMessageAndLeaveTheDocument)
{
    std::string reason;
    m_doc.Edit(1);
    ASSERT_TRUE(m_doc.OnSaveDocument(m_folder.Path("kept.hfd"), reason)) << reason;
    m_doc.Edit(2);
    m_folder.Write("short.hfd", {3, 0, 0, 0, 1, 0, 0, 0});
    m_ask.choice = SaveChoice::DontSave;
    EXPECT_FALSE(m_shell.OpenDocumentFile(m_folder.Path("short.hfd")));
    EXPECT_EQ(m_ask.errors,
              Names{"Cannot open \u201C" + m_folder.Path("short.hfd") + "\u201D: it ends before its last cell."});
    EXPECT_TRUE(m_doc.m_values == (Values{1, 2}) && m_doc.GetPathName() == m_folder.Path("kept.hfd"));
    EXPECT_TRUE(m_ask.updates == 0 && m_ask.used.empty());
    // One chosen from the recent-file list is reported as broken.
    EXPECT_FALSE(m_shell.OpenRecentFile(m_folder.Path("gone.hfd")));
    EXPECT_EQ(m_ask.recentFailed, Names{m_folder.Path("gone.hfd")});

    // Saving an untitled document asks for a name first; Cancel there abandons.
    m_doc.SetPathName("");
    m_ask.choice = SaveChoice::Save;
    EXPECT_FALSE(m_shell.FileNew());
    EXPECT_TRUE(m_ask.asked.back() == "Untitled" && m_ask.suggested == Names{"Untitled.hfd"});
    const std::string target = m_folder.Path("missing/course.hfd");
    m_doc.SetPathName(target);
    EXPECT_FALSE(m_shell.FileNew());
    ASSERT_EQ(m_ask.errors.size(), 3u);
    EXPECT_EQ(m_ask.errors.back(), "Cannot save \u201C" + target + "\u201D: its folder does not exist.");
    EXPECT_TRUE(m_doc.m_newCount == 0 && m_doc.IsModified());
}

TEST_F(SingleDocShellTest, OpenAsksAfterTheFileIsChosenAndKeepsAbsoluteNames)
{
    m_doc.Edit(3);
    m_ask.choice = SaveChoice::DontSave;
    EXPECT_FALSE(m_shell.FileOpen());
    EXPECT_TRUE(m_ask.asked.empty()) << "no question when the dialog was cancelled";
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(::chdir(m_folder.Path().c_str()), 0);
    m_ask.openPath = "./seven.hfd";
    const bool opened = m_shell.FileOpen();
    ASSERT_EQ(::chdir(cwd), 0);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(m_ask.asked.size() == 1 && m_doc.m_values == Values{7} && !m_doc.IsModified() && m_ask.updates == 1);
    EXPECT_EQ(m_doc.GetPathName(), m_folder.Path("seven.hfd"));
    EXPECT_EQ(m_ask.used, Names{m_folder.Path("seven.hfd")});
    EXPECT_EQ(m_shell.GetDocumentName(), "seven.hfd");
}

TEST_F(SingleDocShellTest, SaveAsAddsTheExtensionAndAsksBeforeReplacing)
{
    m_doc.Edit(4);
    m_ask.savePath = m_folder.Path("course");
    EXPECT_TRUE(m_shell.FileSaveAs());
    EXPECT_EQ(m_doc.GetPathName(), m_folder.Path("course.hfd"));
    EXPECT_TRUE(m_ask.replaceAsked.empty());
    // The dialog asked about "course"; the shell asks about "course.hfd".
    m_doc.Edit(5);
    EXPECT_FALSE(m_shell.FileSaveAs());
    EXPECT_EQ(m_ask.replaceAsked, Names{m_folder.Path("course.hfd")});
    EXPECT_TRUE(m_folder.Read("course.hfd").size() == 8u && m_doc.IsModified());
    m_ask.savePath = m_folder.Path("named.v2");
    EXPECT_TRUE(m_shell.FileSaveAs()) << "a name with an extension is kept";
    EXPECT_EQ(m_doc.GetPathName(), m_folder.Path("named.v2"));
}
