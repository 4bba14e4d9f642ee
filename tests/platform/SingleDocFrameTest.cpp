// The shell's frame: its title, the save question on close and Exit, the
// recent-file menu and dropped files.

#include "platform/SingleDocFrame.h"

#include "NumberDoc.h"
#include "TempFolder.h"

#include "platform/CommandIds.h"
#include "tests/platform/WxTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/dnd.h>
#include <wx/fileconf.h>
#include <wx/menu.h>
#include <wx/sstream.h>
#include <wx/weakref.h>

#include <vector>

namespace {

// The frame with its questions answered from a script.
class CScriptedFrame : public CSingleDocFrame {
public:
    CScriptedFrame(CDocument& doc, const Options& options) : CSingleDocFrame(doc, options)
    {
        auto* file = new wxMenu;
        file->Append(ID_FILE_NEW, "&New");
        file->AppendSeparator();
        file->Append(ID_FILE_MRU_FILE1, "Recent File");
        file->AppendSeparator();
        file->Append(ID_APP_EXIT, "E&xit");
        auto* bar = new wxMenuBar;
        bar->Append(file, "&File");
        SetMenuBar(bar);
        m_view = new wxWindow(this, wxID_ANY);
        FinishShellSetup(m_view);
    }

    SaveChoice AskSaveChanges(const std::string&) override
    {
        ++m_questions;
        return m_choice;
    }
    bool AskOpenPath(std::string&) override { return false; }
    bool AskSavePath(const std::string&, std::string&) override { return false; }
    bool AskReplaceFile(const std::string&) override { return false; }
    void ShowError(const std::string& message) override { m_errors.push_back(message); }

    wxWindow* m_view;
    SaveChoice m_choice = SaveChoice::Cancel;
    int m_questions = 0;
    std::vector<std::string> m_errors;
};

CSingleDocFrame::Options TestOptions()
{
    CSingleDocFrame::Options options;
    options.appTitle = "Tester";
    options.recentFiles = 4;
    options.acceptsDroppedFiles = true;
    options.defaultExtension = ".hfd";
    options.fileFilter = "Height fields (*.hfd)|*.hfd";
    return options;
}

class SingleDocFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BRASK_REQUIRE_DISPLAY();
        // Settings in memory: the tests must not touch the user's.
        wxStringInputStream empty(wxEmptyString);
        delete wxConfigBase::Set(new wxFileConfig(empty));
        m_folder.Write("nine.hfd", {1, 0, 0, 0, 9, 0, 0, 0});
    }

    void TearDown() override
    {
        if (!HaveDisplay())
            return;
        if (m_frame)
            m_frame->Destroy();
        PumpEvents();
    }

    CScriptedFrame* MakeFrame(const CSingleDocFrame::Options& options = TestOptions())
    {
        auto* frame = new CScriptedFrame(m_doc, options);
        m_frame = frame;
        frame->Show();
        PumpEvents();
        return frame;
    }

    CTempFolder m_folder;
    CNumberDoc m_doc;
    wxWeakRef<CSingleDocFrame> m_frame;
};

TEST_F(SingleDocFrameTest, TitleNamesTheFileAndMarksUnsavedChanges)
{
    CScriptedFrame* frame = MakeFrame();
    EXPECT_EQ(frame->GetTitle(), "Untitled - Tester");
    m_doc.SetModifiedFlag();
    PumpEvents();
    EXPECT_EQ(frame->GetTitle(), "*Untitled - Tester");
    m_doc.SetModifiedFlag(false);
    ASSERT_TRUE(frame->OpenDocumentFile(m_folder.Path("nine.hfd")));
    PumpEvents();
    EXPECT_EQ(frame->GetTitle(), "nine.hfd - Tester");
}

TEST_F(SingleDocFrameTest, TitleIsLeftAloneWhenAViewOwnsIt)
{
    CSingleDocFrame::Options options = TestOptions();
    options.ownsTitle = false;
    CScriptedFrame* frame = MakeFrame(options);
    frame->SetTitle("Owned by the view");
    m_doc.SetModifiedFlag();
    PumpEvents();
    EXPECT_EQ(frame->GetTitle(), "Owned by the view");
}

TEST_F(SingleDocFrameTest, CloseAsksAndCancelKeepsTheWindow)
{
    CScriptedFrame* frame = MakeFrame();
    m_doc.SetModifiedFlag();
    frame->m_choice = SaveChoice::Cancel;
    EXPECT_FALSE(frame->Close(false));
    PumpEvents();
    ASSERT_TRUE(m_frame);
    EXPECT_EQ(frame->m_questions, 1);

    // Exit goes the same way.
    wxCommandEvent exit(wxEVT_MENU, ID_APP_EXIT);
    frame->GetEventHandler()->ProcessEvent(exit);
    PumpEvents();
    ASSERT_TRUE(m_frame);
    EXPECT_EQ(frame->m_questions, 2);

    frame->m_choice = SaveChoice::DontSave;
    EXPECT_TRUE(frame->Close(false));
    PumpEvents();
    EXPECT_FALSE(m_frame);
}

TEST_F(SingleDocFrameTest, OpenedFilesComeBackThroughTheRecentFileMenu)
{
    CScriptedFrame* frame = MakeFrame();
    wxMenu* file = frame->GetMenuBar()->GetMenu(0);
    EXPECT_FALSE(file->IsEnabled(ID_FILE_MRU_FILE1));
    ASSERT_TRUE(frame->OpenDocumentFile(m_folder.Path("nine.hfd")));
    EXPECT_TRUE(file->IsEnabled(ID_FILE_MRU_FILE1));
    EXPECT_EQ(file->GetLabel(ID_FILE_MRU_FILE1), "&1 " + m_folder.Path("nine.hfd"));

    m_doc.m_values.clear();
    m_doc.SetPathName("");
    wxCommandEvent recent(wxEVT_MENU, ID_FILE_MRU_FILE1);
    frame->GetEventHandler()->ProcessEvent(recent);
    EXPECT_EQ(m_doc.m_values, std::vector<std::int32_t>{9});
    EXPECT_EQ(m_doc.GetPathName(), m_folder.Path("nine.hfd"));
}

TEST_F(SingleDocFrameTest, DroppedFileIsOpenedAfterTheDrop)
{
    CScriptedFrame* frame = MakeFrame();
    auto* target = dynamic_cast<wxFileDropTarget*>(frame->m_view->GetDropTarget());
    ASSERT_NE(target, nullptr);
    wxArrayString files;
    files.push_back(m_folder.Path("nine.hfd"));
    files.push_back(m_folder.Path("other.hfd"));
    EXPECT_TRUE(target->OnDropFiles(5, 5, files));
    EXPECT_TRUE(m_doc.m_values.empty()) << "opened only once the drop is over";
    PumpEvents();
    EXPECT_EQ(m_doc.m_values, std::vector<std::int32_t>{9});
}

}  // namespace
