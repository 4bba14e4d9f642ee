// The single-document shell: the save question before anything replaces a
// modified document, one message for each failed open or save, Save As and
// start-up.

#include "platform/SingleDocShell.h"

#include "NumberDoc.h"
#include "TempFolder.h"

#include "platform/CommandLineInfo.h"
#include "platform/ShellPrompter.h"
#include "platform/ViewLink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <unistd.h>

namespace {

using Bytes = CTempFolder::Bytes;
using Names = std::vector<std::string>;
using Values = std::vector<std::int32_t>;

class CCountingView : public CViewLink {
public:
    void OnInitialUpdate() override { ++m_updates; }
    int m_updates = 0;
};

// Answers the shell's questions from a script and records what it was told.
class CScriptedPrompter : public CShellPrompter {
public:
    SaveChoice AskSaveChanges(const std::string& documentName) override
    {
        m_askedAbout.push_back(documentName);
        return m_saveChoice;
    }
    bool AskOpenPath(std::string& path) override
    {
        path = m_openPath;
        return !path.empty();
    }
    bool AskSavePath(const std::string& suggested, std::string& path) override
    {
        m_suggested.push_back(suggested);
        path = m_savePath;
        return !path.empty();
    }
    bool AskReplaceFile(const std::string& path) override
    {
        m_replaceAsked.push_back(path);
        return m_replace;
    }
    void ShowError(const std::string& message) override { m_errors.push_back(message); }
    void OnDocumentPathUsed(const std::string& path) override { m_used.push_back(path); }
    void OnRecentFileFailed(const std::string& path) override { m_recentFailed.push_back(path); }

    SaveChoice m_saveChoice = SaveChoice::Cancel;
    std::string m_openPath;  // empty: the dialog is cancelled
    std::string m_savePath;  // likewise
    bool m_replace = false;

    Names m_askedAbout, m_suggested, m_replaceAsked, m_errors, m_used, m_recentFailed;
};

// A file of the number document holding 1 value, 7.
const Bytes kSevenFile = {1, 0, 0, 0, 7, 0, 0, 0};

class SingleDocShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_doc.AddView(&m_view);
        m_shell.SetDefaultExtension(".hfd");
    }

    // A modified document that was saved once to `name`.
    void MakeSavedAndEdited(const std::string& name)
    {
        m_doc.Edit(1);
        std::string reason;
        ASSERT_TRUE(m_doc.OnSaveDocument(m_folder.Path(name), reason)) << reason;
        m_doc.Edit(2);
    }

    CTempFolder m_folder;
    CNumberDoc m_doc;
    CCountingView m_view;
    CScriptedPrompter m_prompter;
    CSingleDocShell m_shell{m_doc, m_prompter};
};

TEST_F(SingleDocShellTest, UnmodifiedDocumentIsReplacedWithoutAQuestion)
{
    EXPECT_TRUE(m_shell.FileNew());
    EXPECT_TRUE(m_prompter.m_askedAbout.empty());
    EXPECT_EQ(m_doc.m_newCount, 1);
    EXPECT_EQ(m_view.m_updates, 1);
}

// Every command that replaces the document asks first when it is modified,
// and Cancel abandons it with nothing changed.
TEST_F(SingleDocShellTest, CancelAbandonsEveryReplacingCommand)
{
    m_folder.Write("other.hfd", kSevenFile);
    m_prompter.m_openPath = m_folder.Path("other.hfd");
    m_doc.Edit(5);
    EXPECT_FALSE(m_shell.FileNew());
    EXPECT_FALSE(m_shell.FileOpen());
    EXPECT_FALSE(m_shell.OpenDocumentFile(m_folder.Path("other.hfd")));
    EXPECT_FALSE(m_shell.OpenRecentFile(m_folder.Path("other.hfd")));
    EXPECT_FALSE(m_shell.SaveModified());
    EXPECT_EQ(m_prompter.m_askedAbout.size(), 5u);
    EXPECT_EQ(m_doc.m_newCount, 0);
    EXPECT_EQ(m_doc.m_values, Values{5});
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_view.m_updates, 0);
    EXPECT_TRUE(m_prompter.m_recentFailed.empty()) << "a cancelled recent file is not a broken one";
}

TEST_F(SingleDocShellTest, SaveOrDontSaveGoesOn)
{
    const struct {
        SaveChoice choice;
        Bytes onDisk;
    } cases[] = {
        {SaveChoice::DontSave, {1, 0, 0, 0, 1, 0, 0, 0}},
        {SaveChoice::Save, {2, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice == SaveChoice::Save ? "Save" : "Don't Save");
        MakeSavedAndEdited("kept.hfd");
        m_prompter.m_askedAbout.clear();
        m_prompter.m_saveChoice = c.choice;
        const int newCount = m_doc.m_newCount;
        EXPECT_TRUE(m_shell.FileNew());
        EXPECT_EQ(m_prompter.m_askedAbout, Names{"kept.hfd"});
        EXPECT_EQ(m_folder.Read("kept.hfd"), c.onDisk);
        EXPECT_EQ(m_doc.m_newCount, newCount + 1);
        EXPECT_FALSE(m_doc.IsModified());
        EXPECT_TRUE(m_doc.m_values.empty());
    }
}

TEST_F(SingleDocShellTest, SaveOfAnUntitledDocumentAsksForANameAndCancelAbandons)
{
    m_doc.Edit(3);
    m_prompter.m_saveChoice = SaveChoice::Save;
    EXPECT_FALSE(m_shell.FileNew());
    EXPECT_EQ(m_prompter.m_askedAbout, Names{"Untitled"});
    EXPECT_EQ(m_prompter.m_suggested, Names{"Untitled.hfd"});
    EXPECT_EQ(m_doc.m_newCount, 0);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(SingleDocShellTest, FailedSaveShowsOneMessageAndAbandons)
{
    m_doc.Edit(3);
    const std::string target = m_folder.Path("missing-folder/course.hfd");
    m_doc.SetPathName(target);
    m_prompter.m_saveChoice = SaveChoice::Save;
    EXPECT_FALSE(m_shell.FileNew());
    ASSERT_EQ(m_prompter.m_errors.size(), 1u);
    // Names the file, then the reason in words, as one sentence.
    const std::string& error = m_prompter.m_errors[0];
    const std::string prefix = "Cannot save \u201C" + target + "\u201D: ";
    EXPECT_EQ(error.rfind(prefix, 0), 0u) << error;
    EXPECT_GT(error.size(), prefix.size() + 1);
    EXPECT_EQ(error.back(), '.');
    EXPECT_EQ(m_doc.m_newCount, 0);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(SingleDocShellTest, FailedOpenShowsOneMessageAndLeavesTheDocument)
{
    MakeSavedAndEdited("kept.hfd");
    m_folder.Write("short.hfd", {3, 0, 0, 0, 1, 0, 0, 0});
    m_prompter.m_saveChoice = SaveChoice::DontSave;
    EXPECT_FALSE(m_shell.OpenDocumentFile(m_folder.Path("short.hfd")));
    EXPECT_EQ(m_prompter.m_errors,
              Names{"Cannot open \u201C" + m_folder.Path("short.hfd") + "\u201D: it ends before its last cell."});
    EXPECT_EQ(m_doc.m_values, (Values{1, 2}));
    EXPECT_EQ(m_doc.GetPathName(), m_folder.Path("kept.hfd"));
    EXPECT_EQ(m_view.m_updates, 0);
    EXPECT_TRUE(m_prompter.m_used.empty());

    // One chosen from the recent-file list is reported as broken.
    EXPECT_FALSE(m_shell.OpenRecentFile(m_folder.Path("gone.hfd")));
    EXPECT_EQ(m_prompter.m_recentFailed, Names{m_folder.Path("gone.hfd")});
    EXPECT_EQ(m_prompter.m_errors.size(), 2u);
}

TEST_F(SingleDocShellTest, OpenFromTheDialogAsksAfterTheFileIsChosen)
{
    m_folder.Write("seven.hfd", kSevenFile);
    m_doc.Edit(3);
    m_prompter.m_saveChoice = SaveChoice::DontSave;
    EXPECT_FALSE(m_shell.FileOpen());
    EXPECT_TRUE(m_prompter.m_askedAbout.empty()) << "no question when the dialog was cancelled";
    m_prompter.m_openPath = m_folder.Path("seven.hfd");
    EXPECT_TRUE(m_shell.FileOpen());
    EXPECT_EQ(m_prompter.m_askedAbout.size(), 1u);
    EXPECT_EQ(m_doc.m_values, Values{7});
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_view.m_updates, 1);
    EXPECT_EQ(m_prompter.m_used, Names{m_folder.Path("seven.hfd")});
}

TEST_F(SingleDocShellTest, RelativeNamesBecomeAbsolute)
{
    m_folder.Write("seven.hfd", kSevenFile);
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(::chdir(m_folder.Path().c_str()), 0);
    const bool opened = m_shell.OpenDocumentFile("./seven.hfd");
    ASSERT_EQ(::chdir(cwd), 0);
    EXPECT_TRUE(opened);
    EXPECT_EQ(m_doc.GetPathName(), m_folder.Path("seven.hfd"));
    EXPECT_EQ(m_shell.GetDocumentName(), "seven.hfd");
}

TEST_F(SingleDocShellTest, SaveAsAddsTheExtensionAndAsksBeforeReplacing)
{
    m_doc.Edit(4);
    m_prompter.m_savePath = m_folder.Path("course");
    EXPECT_TRUE(m_shell.FileSaveAs());
    EXPECT_EQ(m_doc.GetPathName(), m_folder.Path("course.hfd"));
    EXPECT_TRUE(m_prompter.m_replaceAsked.empty());
    EXPECT_EQ(m_folder.Read("course.hfd").size(), 8u);

    // The dialog asked about "course"; the shell asks about "course.hfd".
    m_doc.Edit(5);
    EXPECT_FALSE(m_shell.FileSaveAs());
    EXPECT_EQ(m_prompter.m_replaceAsked, Names{m_folder.Path("course.hfd")});
    EXPECT_EQ(m_folder.Read("course.hfd").size(), 8u);
    EXPECT_TRUE(m_doc.IsModified());

    m_prompter.m_savePath = m_folder.Path("named.v2");
    EXPECT_TRUE(m_shell.FileSaveAs()) << "a name with an extension is kept";
    EXPECT_EQ(m_doc.GetPathName(), m_folder.Path("named.v2"));
}

// A course named on the command line that cannot be opened is reported;
// start-up then goes on with a new document or ends, as the program chose.
TEST_F(SingleDocShellTest, StartUpWithABrokenFile)
{
    CCommandLineInfo info;
    info.ParseCommandLine({m_folder.Path("gone.hfd")});
    for (bool endStartup : {false, true}) {
        SCOPED_TRACE(endStartup ? "ending" : "going on");
        m_prompter.m_errors.clear();
        m_doc.m_newCount = m_view.m_updates = 0;
        m_shell.SetEndStartupOnFailedOpen(endStartup);
        EXPECT_EQ(m_shell.ProcessShellCommand(info), !endStartup);
        EXPECT_EQ(m_prompter.m_errors.size(), 1u);
        EXPECT_EQ(m_doc.m_newCount, endStartup ? 0 : 1);
        EXPECT_EQ(m_view.m_updates, endStartup ? 0 : 1);
    }
}

TEST_F(SingleDocShellTest, StartUpEndsWhenNewIsCancelled)
{
    m_doc.m_acceptNew = false;
    EXPECT_FALSE(m_shell.ProcessShellCommand(CCommandLineInfo()));
    EXPECT_EQ(m_view.m_updates, 0);
}

}  // namespace
