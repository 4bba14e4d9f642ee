#include "platform/SingleDocShell.h"

#include "platform/Archive.h"
#include "platform/CommandLineInfo.h"
#include "platform/Document.h"
#include "platform/ShellPrompter.h"
#include "platform/ViewLink.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// A document of a few numbers: a count, then the values.
class CNumberDoc : public CDocument {
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << static_cast<std::int32_t>(m_values.size());
            for (std::int32_t v : m_values)
                ar << v;
            return;
        }
        std::int32_t count = 0;
        ar >> count;
        std::vector<std::int32_t> values(static_cast<std::size_t>(count < 0 ? 0 : count));
        for (std::int32_t& v : values)
            ar >> v;
        m_values = values;
    }

    bool OnNewDocument() override
    {
        ++m_newCount;
        if (!m_acceptNew)
            return false;
        CDocument::OnNewDocument();
        m_values.clear();
        return true;
    }

    void Edit(std::int32_t value)
    {
        m_values.push_back(value);
        SetModifiedFlag();
    }

    std::vector<std::int32_t> m_values;
    int m_newCount = 0;
    bool m_acceptNew = true;
};

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
        ++m_openDialogs;
        if (m_openPath.empty())
            return false;
        path = m_openPath;
        return true;
    }
    bool AskSavePath(const std::string& suggested, std::string& path) override
    {
        m_suggested.push_back(suggested);
        if (m_savePath.empty())
            return false;
        path = m_savePath;
        return true;
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
    std::string m_openPath;
    std::string m_savePath;
    bool m_replace = false;

    std::vector<std::string> m_askedAbout;
    int m_openDialogs = 0;
    std::vector<std::string> m_suggested;
    std::vector<std::string> m_replaceAsked;
    std::vector<std::string> m_errors;
    std::vector<std::string> m_used;
    std::vector<std::string> m_recentFailed;
};

std::vector<std::uint8_t> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A file of the number document holding 1 value, 7.
const std::vector<std::uint8_t> kSevenFile = {1, 0, 0, 0, 7, 0, 0, 0};

class SingleDocShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/brask-shell-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_folder = pattern;
        m_doc.AddView(&m_view);
        m_shell.SetDefaultExtension(".hfd");
    }

    void TearDown() override
    {
        const std::string command = "rm -rf '" + m_folder + "'";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }

    std::string Path(const std::string& name) const { return m_folder + "/" + name; }

    // A modified document that was saved once to `name`.
    void MakeSavedAndEdited(const std::string& name)
    {
        m_doc.Edit(1);
        std::string reason;
        ASSERT_TRUE(m_doc.OnSaveDocument(Path(name), reason)) << reason;
        m_doc.Edit(2);
    }

    std::string m_folder;
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
    WriteAll(Path("other.hfd"), kSevenFile);
    m_prompter.m_openPath = Path("other.hfd");
    m_prompter.m_saveChoice = SaveChoice::Cancel;
    m_doc.Edit(5);
    EXPECT_FALSE(m_shell.FileNew());
    EXPECT_FALSE(m_shell.FileOpen());
    EXPECT_FALSE(m_shell.OpenDocumentFile(Path("other.hfd")));
    EXPECT_FALSE(m_shell.OpenRecentFile(Path("other.hfd")));
    EXPECT_FALSE(m_shell.SaveModified());
    EXPECT_EQ(m_prompter.m_askedAbout.size(), 5u);
    EXPECT_EQ(m_doc.m_newCount, 0);
    EXPECT_EQ(m_doc.m_values, (std::vector<std::int32_t>{5}));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_view.m_updates, 0);
    EXPECT_TRUE(m_prompter.m_recentFailed.empty()) << "a cancelled recent file is not a broken one";
}

TEST_F(SingleDocShellTest, DontSaveGoesOnAndDropsTheChanges)
{
    MakeSavedAndEdited("kept.hfd");
    const std::vector<std::uint8_t> onDisk = ReadAll(Path("kept.hfd"));
    m_prompter.m_saveChoice = SaveChoice::DontSave;
    EXPECT_TRUE(m_shell.FileNew());
    EXPECT_EQ(m_prompter.m_askedAbout, (std::vector<std::string>{"kept.hfd"}));
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_TRUE(m_doc.m_values.empty());
    EXPECT_EQ(ReadAll(Path("kept.hfd")), onDisk);
}

TEST_F(SingleDocShellTest, SaveWritesTheFileAndGoesOn)
{
    MakeSavedAndEdited("kept.hfd");
    m_prompter.m_saveChoice = SaveChoice::Save;
    EXPECT_TRUE(m_shell.FileNew());
    EXPECT_EQ(ReadAll(Path("kept.hfd")), (std::vector<std::uint8_t>{2, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0}));
    EXPECT_EQ(m_doc.m_newCount, 1);
}

TEST_F(SingleDocShellTest, SaveOfAnUntitledDocumentAsksForANameAndCancelAbandons)
{
    m_doc.Edit(3);
    m_prompter.m_saveChoice = SaveChoice::Save;
    EXPECT_FALSE(m_shell.FileNew());
    EXPECT_EQ(m_prompter.m_askedAbout, (std::vector<std::string>{"Untitled"}));
    EXPECT_EQ(m_prompter.m_suggested, (std::vector<std::string>{"Untitled.hfd"}));
    EXPECT_EQ(m_doc.m_newCount, 0);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(SingleDocShellTest, FailedSaveShowsOneMessageAndAbandons)
{
    m_doc.Edit(3);
    const std::string target = Path("missing-folder/course.hfd");
    m_doc.SetPathName(target);
    m_prompter.m_saveChoice = SaveChoice::Save;
    EXPECT_FALSE(m_shell.FileNew());
    ASSERT_EQ(m_prompter.m_errors.size(), 1u);
    // Names the file, then the reason in words, as one sentence.
    const std::string prefix = "Cannot save \u201C" + target + "\u201D: ";
    EXPECT_EQ(m_prompter.m_errors[0].rfind(prefix, 0), 0u) << m_prompter.m_errors[0];
    EXPECT_GT(m_prompter.m_errors[0].size(), prefix.size() + 1);
    EXPECT_EQ(m_prompter.m_errors[0].back(), '.');
    EXPECT_EQ(m_doc.m_newCount, 0);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(SingleDocShellTest, FailedOpenShowsOneMessageAndLeavesTheDocument)
{
    MakeSavedAndEdited("kept.hfd");
    WriteAll(Path("short.hfd"), {3, 0, 0, 0, 1, 0, 0, 0});
    m_prompter.m_saveChoice = SaveChoice::DontSave;
    EXPECT_FALSE(m_shell.OpenDocumentFile(Path("short.hfd")));
    ASSERT_EQ(m_prompter.m_errors.size(), 1u);
    EXPECT_EQ(m_prompter.m_errors[0], "Cannot open \u201C" + Path("short.hfd") + "\u201D: it ends before its last cell.");
    EXPECT_EQ(m_doc.m_values, (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(m_doc.GetPathName(), Path("kept.hfd"));
    EXPECT_EQ(m_view.m_updates, 0);
    EXPECT_TRUE(m_prompter.m_used.empty());
}

TEST_F(SingleDocShellTest, OpenFromTheDialogAsksAfterTheFileIsChosen)
{
    WriteAll(Path("seven.hfd"), kSevenFile);
    m_doc.Edit(3);
    m_prompter.m_saveChoice = SaveChoice::DontSave;
    m_prompter.m_openPath.clear();
    EXPECT_FALSE(m_shell.FileOpen());
    EXPECT_TRUE(m_prompter.m_askedAbout.empty()) << "no question when the dialog was cancelled";
    m_prompter.m_openPath = Path("seven.hfd");
    EXPECT_TRUE(m_shell.FileOpen());
    EXPECT_EQ(m_prompter.m_askedAbout.size(), 1u);
    EXPECT_EQ(m_doc.m_values, (std::vector<std::int32_t>{7}));
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_view.m_updates, 1);
    EXPECT_EQ(m_prompter.m_used, (std::vector<std::string>{Path("seven.hfd")}));
}

TEST_F(SingleDocShellTest, RelativeNamesBecomeAbsolute)
{
    WriteAll(Path("seven.hfd"), kSevenFile);
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(::chdir(m_folder.c_str()), 0);
    const bool opened = m_shell.OpenDocumentFile("./seven.hfd");
    ASSERT_EQ(::chdir(cwd), 0);
    EXPECT_TRUE(opened);
    EXPECT_EQ(m_doc.GetPathName(), Path("seven.hfd"));
    EXPECT_EQ(m_shell.GetDocumentName(), "seven.hfd");
}

TEST_F(SingleDocShellTest, BrokenRecentFileIsReported)
{
    EXPECT_FALSE(m_shell.OpenRecentFile(Path("gone.hfd")));
    EXPECT_EQ(m_prompter.m_recentFailed, (std::vector<std::string>{Path("gone.hfd")}));
    EXPECT_EQ(m_prompter.m_errors.size(), 1u);
}

TEST_F(SingleDocShellTest, SaveAsAddsTheExtensionAndAsksBeforeReplacing)
{
    m_doc.Edit(4);
    m_prompter.m_savePath = Path("course");
    EXPECT_TRUE(m_shell.FileSaveAs());
    EXPECT_EQ(m_doc.GetPathName(), Path("course.hfd"));
    EXPECT_TRUE(m_prompter.m_replaceAsked.empty());
    EXPECT_EQ(ReadAll(Path("course.hfd")).size(), 8u);

    // The dialog asked about "course"; the shell asks about "course.hfd".
    m_doc.Edit(5);
    m_prompter.m_replace = false;
    EXPECT_FALSE(m_shell.FileSaveAs());
    EXPECT_EQ(m_prompter.m_replaceAsked, (std::vector<std::string>{Path("course.hfd")}));
    EXPECT_EQ(ReadAll(Path("course.hfd")).size(), 8u);
    EXPECT_TRUE(m_doc.IsModified());

    m_prompter.m_savePath = Path("named.v2");
    EXPECT_TRUE(m_shell.FileSaveAs()) << "a name with an extension is kept";
    EXPECT_EQ(m_doc.GetPathName(), Path("named.v2"));
}



TEST_F(SingleDocShellTest, StartUpWithABrokenFileReportsItAndStartsNew)
{
    CCommandLineInfo info;
    info.ParseCommandLine({Path("gone.hfd")});
    EXPECT_TRUE(m_shell.ProcessShellCommand(info));
    EXPECT_EQ(m_prompter.m_errors.size(), 1u);
    EXPECT_EQ(m_doc.m_newCount, 1);
}

TEST_F(SingleDocShellTest, StartUpCanEndOnABrokenFileAfterItsMessage)
{
    m_shell.SetEndStartupOnFailedOpen(true);
    CCommandLineInfo info;
    info.ParseCommandLine({Path("gone.hfd")});
    EXPECT_FALSE(m_shell.ProcessShellCommand(info));
    EXPECT_EQ(m_prompter.m_errors.size(), 1u);
    EXPECT_EQ(m_doc.m_newCount, 0) << "no new document after the failed open";
    EXPECT_EQ(m_view.m_updates, 0);
}

TEST_F(SingleDocShellTest, StartUpEndsWhenNewIsCancelled)
{
    m_doc.m_acceptNew = false;
    EXPECT_FALSE(m_shell.ProcessShellCommand(CCommandLineInfo()));
    EXPECT_EQ(m_view.m_updates, 0);
}

}  // namespace
