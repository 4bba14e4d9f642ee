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

TEST(NewHeightfieldDialog, TakesWholeNumbersUpToTheCellLimitAndRefusesTheRestWithOneMessage)
{
    BRASK_REQUIRE_DISPLAY();
    CRecordingDialog dialog;
    const auto ok = [&dialog](const char* width, const char* height) {
        dialog.GetWidthEdit()->ChangeValue(width);
        dialog.GetHeightEdit()->ChangeValue(height);
        return dialog.TransferDataFromWindow();
    };
    const std::tuple<const char*, const char*, int, int> taken[] = {
        {"3", "2", 3, 2}, {" 12 ", "8", 12, 8}, {"4096", "4096", 4096, 4096}, {"16777216", "1", 16777216, 1},
        {"7", "0", 7, 0}};
    for (const auto& [width, height, w, h] : taken) {
        EXPECT_TRUE(ok(width, height)) << width << " x " << height;
        EXPECT_EQ(std::pair(dialog.m_nWidth, dialog.m_nHeight), std::pair(w, h));
    }
    // Text that is no whole number, then sizes out of bounds, whose message
    // names the limit. The last size taken stays.
    const std::pair<const char*, const char*> refused[] = {{"abc", "2"},       {"3", ""},         {"2.5", "2"},
                                                           {"-1", "5"},        {"5", "-3"},       {"4097", "4096"},
                                                           {"16777217", "1"}, {"99999999999", "99999999999"}};
    for (std::size_t i = 0; i < std::size(refused); ++i) {
        EXPECT_FALSE(ok(refused[i].first, refused[i].second)) << refused[i].first << " x " << refused[i].second;
        ASSERT_EQ(dialog.m_refusals.size(), i + 1) << "one message each";
        EXPECT_TRUE(i < 3 || dialog.m_refusals[i].Contains("16,777,216")) << dialog.m_refusals[i];
        EXPECT_EQ(std::pair(dialog.m_nWidth, dialog.m_nHeight), std::pair(7, 0));
    }
}

}  // namespace
