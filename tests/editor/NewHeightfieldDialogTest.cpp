#include "editor/NewHeightfieldDialog.h"

#include "tests/platform/WxTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/textctrl.h>

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

TEST_F(NewHeightfieldDialogTest, OpensAtZeroAndAcceptsWholeNumbersUpToTheCellLimit)
{
    EXPECT_EQ(m_dialog->GetTitle(), "New Heightfield");
    EXPECT_EQ(m_dialog->GetWidthEdit()->GetValue(), "0");
    EXPECT_EQ(m_dialog->GetHeightEdit()->GetValue(), "0");
    EXPECT_EQ(m_dialog->GetWidthEdit()->GetId(), 1000);
    EXPECT_EQ(m_dialog->GetHeightEdit()->GetId(), 1001);

    const struct {
        const char *width, *height;
        int expectedWidth, expectedHeight;
    } cases[] = {
        {"3", "2", 3, 2},          {"0", "0", 0, 0},           {" 12 ", "8", 12, 8},
        {"4096", "4096", 4096, 4096}, {"16777216", "1", 16777216, 1}, {"5", "0", 5, 0},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(Accept(c.width, c.height)) << c.width << " x " << c.height;
        EXPECT_EQ(m_dialog->m_nWidth, c.expectedWidth);
        EXPECT_EQ(m_dialog->m_nHeight, c.expectedHeight);
    }
    EXPECT_TRUE(m_dialog->m_refusals.empty());
}

TEST_F(NewHeightfieldDialogTest, RefusesWithOneMessageAndKeepsTheValues)
{
    // Text that is not a whole number, then sizes the program refuses: their
    // message names the limit.
    const std::pair<const char*, const char*> notNumbers[] = {{"abc", "2"}, {"3", ""}, {"2.5", "2"}};
    const std::pair<const char*, const char*> badSizes[] = {
        {"-1", "5"}, {"5", "-3"}, {"4097", "4096"}, {"16777217", "1"}, {"99999999999", "99999999999"}};
    Accept("7", "6");
    auto refuse = [this](const char* width, const char* height) {
        SCOPED_TRACE(std::string(width) + " x " + height);
        const std::size_t before = m_dialog->m_refusals.size();
        EXPECT_FALSE(Accept(width, height));
        EXPECT_EQ(m_dialog->m_refusals.size(), before + 1) << "one message";
        EXPECT_EQ(m_dialog->m_nWidth, 7);
        EXPECT_EQ(m_dialog->m_nHeight, 6);
    };
    for (const auto& [width, height] : notNumbers)
        refuse(width, height);
    for (const auto& [width, height] : badSizes) {
        refuse(width, height);
        EXPECT_NE(m_dialog->m_refusals.back().find("16,777,216"), wxString::npos) << m_dialog->m_refusals.back();
    }
}

}  // namespace
