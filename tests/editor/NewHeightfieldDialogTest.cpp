#include "editor/NewHeightfieldDialog.h"

#include "tests/platform/WxTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

namespace {

// The dialog with its refusals recorded instead of shown.
class CRecordingDialog : public CNewHeightfieldDialog {
public:
    void ShowRefusal(const wxString& message) override { m_refusals.push_back(message); }
    std::vector<wxString> m_refusals;
};

class NewHeightfieldDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BRASK_REQUIRE_DISPLAY();
        m_dialog = new CRecordingDialog;
        m_dialog->InitDialog();
    }

    void TearDown() override
    {
        if (m_dialog != nullptr)
            m_dialog->Destroy();
    }

    bool Accept(const wxString& width, const wxString& height)
    {
        m_dialog->GetWidthEdit()->ChangeValue(width);
        m_dialog->GetHeightEdit()->ChangeValue(height);
        return m_dialog->TransferDataFromWindow();
    }

    CRecordingDialog* m_dialog = nullptr;
};

TEST_F(NewHeightfieldDialogTest, OpensWithBothEditsAtZero)
{
    EXPECT_EQ(m_dialog->GetTitle(), "New Heightfield");
    EXPECT_EQ(m_dialog->GetWidthEdit()->GetValue(), "0");
    EXPECT_EQ(m_dialog->GetHeightEdit()->GetValue(), "0");
    EXPECT_EQ(m_dialog->GetWidthEdit()->GetId(), 1000);
    EXPECT_EQ(m_dialog->GetHeightEdit()->GetId(), 1001);
}

struct SizeCase {
    const char* width;
    const char* height;
    int expectedWidth;
    int expectedHeight;
};

TEST_F(NewHeightfieldDialogTest, AcceptsWholeNumbersUpToTheCellLimit)
{
    const SizeCase cases[] = {
        {"3", "2", 3, 2},
        {"0", "0", 0, 0},
        {" 12 ", "8", 12, 8},
        {"4096", "4096", 4096, 4096},
        {"16777216", "1", 16777216, 1},
        {"5", "0", 5, 0},
    };
    for (const SizeCase& c : cases) {
        EXPECT_TRUE(Accept(c.width, c.height)) << c.width << " x " << c.height;
        EXPECT_EQ(m_dialog->m_nWidth, c.expectedWidth);
        EXPECT_EQ(m_dialog->m_nHeight, c.expectedHeight);
    }
    EXPECT_TRUE(m_dialog->m_refusals.empty());
}

TEST_F(NewHeightfieldDialogTest, RefusesWithAMessageAndKeepsTheValues)
{
    const std::pair<const char*, const char*> refused[] = {
        {"abc", "2"}, {"3", ""}, {"2.5", "2"}, {"-1", "5"}, {"5", "-3"},
        {"4097", "4096"}, {"16777217", "1"}, {"99999999999", "99999999999"},
    };
    Accept("7", "6");
    for (const auto& [width, height] : refused) {
        const std::size_t before = m_dialog->m_refusals.size();
        EXPECT_FALSE(Accept(width, height)) << width << " x " << height;
        EXPECT_EQ(m_dialog->m_refusals.size(), before + 1) << "one message for " << width << " x " << height;
        EXPECT_EQ(m_dialog->m_nWidth, 7);
        EXPECT_EQ(m_dialog->m_nHeight, 6);
    }
}

TEST_F(NewHeightfieldDialogTest, SizeRefusalsNameTheLimit)
{
    Accept("-1", "5");
    Accept("5000", "5000");
    ASSERT_EQ(m_dialog->m_refusals.size(), 2u);
    for (const wxString& message : m_dialog->m_refusals)
        EXPECT_NE(message.find("16,777,216"), wxString::npos) << message;
}

TEST_F(NewHeightfieldDialogTest, StaysOpenAfterARefusedOkUntilTheSizeIsRight)
{
    // OK pressed twice while the dialog runs: first with a bad size, then a good one.
    wxTheApp->CallAfter([this]() {
        Accept("-4", "4");  // fills the edits; the OK below checks them again
        wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
        m_dialog->GetEventHandler()->ProcessEvent(ok);
        EXPECT_TRUE(m_dialog->IsModal()) << "still open after a refused size";
        m_dialog->GetWidthEdit()->ChangeValue("4");
        m_dialog->GetEventHandler()->ProcessEvent(ok);
    });
    EXPECT_EQ(m_dialog->ShowModal(), wxID_OK);
    EXPECT_EQ(m_dialog->m_nWidth, 4);
    EXPECT_EQ(m_dialog->m_nHeight, 4);
}

}  // namespace
