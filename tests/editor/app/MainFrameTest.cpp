// The editor's main window: its own menu items, its grid view under the toolkit's mouse and keys, File New's dialog.
#include "editor/app/MainFrame.h"

#include "editor/app/BraskitDoc.h"
#include "editor/app/BraskitView.h"
#include "editor/core/CornerColor.h"
#include "editor/app/NewHeightfieldDialog.h"
#include "tests/support/WxTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/fileconf.h>
#include <wx/sstream.h>
#include <wx/textctrl.h>

#include <tuple>
#include <vector>

constexpr RgbColor kBackdrop{128, 128, 128}, kBlack{0, 0, 0}, kWhite{255, 255, 255}, kSelectionBlue{48, 48, 255};

// The window on a 3 x 2 course of Floor cells at height 0; five recent files in its settings (in memory).
struct MainFrameTest : ::testing::Test {
    void SetUp() override
    {
        BRASK_REQUIRE_DISPLAY();
        wxStringInputStream settings("[Recent File List]\nfile1=/a\nfile2=/b\nfile3=/c\nfile4=/d\nfile5=/e\n");
        delete wxConfigBase::Set(new wxFileConfig(settings));
        m_doc.GetHeightField()->Create(3, 2);
        m_frame = new CMainFrame(m_doc);
        m_view = m_frame->GetView();
    }

    void TearDown() override
    {
        if (m_frame != nullptr)                // not when skipped: then there is no toolkit running
            m_frame->Destroy(), PumpEvents();  // before the document it shows
    }

    void Drag(wxPoint from, wxPoint to)
    {
        wxMouseEvent down(wxEVT_LEFT_DOWN), up(wxEVT_LEFT_UP);
        down.SetPosition(from);
        up.SetPosition(to);
        m_view->ProcessWindowEvent(down);
        m_view->ProcessWindowEvent(up);
    }

    CBraskitDoc m_doc;
    CMainFrame* m_frame = nullptr;
    CBraskitView* m_view = nullptr;
};

// The menus both programs share are checked with the shell; here, what the editor adds to them.
TEST_F(MainFrameTest, FileMenuHasNewAndTheFourNewestRecentFiles)
{
    const std::vector<wxString> file = {"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-",
                                        "&1 /a", "&2 /b", "&3 /c", "&4 /d", "-", "E&xit"};
    EXPECT_EQ(ReadMenuBar(*m_frame->GetMenuBar()).at(0).second, file);
}

TEST_F(MainFrameTest, TheViewPaintsLabelsGridLinesAndTheSelectionOutline)
{
    Drag({10, 60}, {60, 90});  // the outline's corners: (1, 51) and (75, 100)
    wxBitmap bitmap(170, 120, 24);  // the view's top-left pixels, painted over a grey backdrop
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(wxColour(kBackdrop.red, kBackdrop.green, kBackdrop.blue)));
    dc.Clear();
    m_view->PaintArea(dc, wxRegion(0, 0, 170, 120));
    dc.SelectObject(wxNullBitmap);
    const wxImage image = bitmap.ConvertToImage();
    const std::tuple<int, int, RgbColor> probes[] = {
        // The outline's sides, two pixels wide, end on its corners' rows and columns.
        {0, 75, kSelectionBlue}, {1, 75, kSelectionBlue}, {74, 75, kSelectionBlue}, {75, 75, kSelectionBlue},
        {40, 50, kSelectionBlue}, {40, 51, kSelectionBlue}, {40, 99, kSelectionBlue}, {40, 100, kSelectionBlue},
        // The bottom-left cell's label on a white box at (3, 17) in the cell, between its corner squares.
        {3, 67, kWhite}, {2, 67, kBackdrop}, {20, 66, kBackdrop},
        // Grid lines between cells, two pixels past the grid, none on its last edges.
        {50, 10, kBlack}, {120, 50, kBlack}, {0, 101, kBlack}, {151, 50, kBlack},
        {150, 10, kBackdrop}, {120, 100, kBackdrop}, {160, 50, kBackdrop}};
    for (const auto& [x, y, expected] : probes)
        EXPECT_EQ((RgbColor{image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)}), expected) << x << "," << y;
}

TEST_F(MainFrameTest, KeysActOnTheCornerClickedInAScrolledViewAndOnlyAChangeMarksTheCourse)
{
    m_doc.GetHeightField()->Create(20, 20);
    m_view->OnInitialUpdate();
    m_view->Scroll(2, 1);      // two cells across, one down
    Drag({10, 10}, {10, 10});  // corner[3] of course cell (2, 18)
    // Escape, then keypad + twice without a key-up: the second acts as well, as the view lost the keyboard between.
    constexpr unsigned kEscape = 9, kKeypadPlus = 86;  // X keycodes: the kernel's + 8
    for (const auto& [keycode, toolkitKey, height] :
         {std::tuple{kEscape, WXK_ESCAPE, 0}, {kKeypadPlus, WXK_NUMPAD_ADD, 4}, {kKeypadPlus, WXK_NUMPAD_ADD, 8}}) {
        wxFocusEvent lost(wxEVT_KILL_FOCUS);
        wxKeyEvent key(wxEVT_KEY_DOWN);
        key.m_rawFlags = keycode;
        key.m_keyCode = toolkitKey;
        m_view->ProcessWindowEvent(lost);
        m_view->ProcessWindowEvent(key);
        const int corner = m_doc.GetHeightField()->GetCell(2, 18).corner[3];
        EXPECT_EQ(std::pair(corner, m_doc.IsModified()), std::pair(height, height > 0)) << "height " << height;
    }
}

// The dialog with its refusals recorded instead of shown.
struct CRecordingDialog : CNewHeightfieldDialog {
    void ShowRefusal(const wxString& message) override { m_refusals.push_back(message); }
    // What OK answers to a typed width and height: the size taken, or the refusal.
    wxString Answer(const char* width, const char* height)
    {
        GetWidthEdit()->ChangeValue(width);
        GetHeightEdit()->ChangeValue(height);
        return TransferDataFromWindow() ? wxString::Format("%d x %d", m_nWidth, m_nHeight) : m_refusals.back();
    }
    std::vector<wxString> m_refusals;
};

TEST(NewHeightfieldDialog, TakesWholeNumbersUpToTheCellLimitAndRefusesTheRestWithOneMessage)
{
    BRASK_REQUIRE_DISPLAY();
    CRecordingDialog dialog;
    EXPECT_EQ(dialog.Answer(" 12 ", "8"), "12 x 8");
    EXPECT_EQ(dialog.Answer("4096", "4096"), "4096 x 4096");
    EXPECT_EQ(dialog.Answer("2.5", "2"), "The width must be a whole number.");
    EXPECT_EQ(dialog.Answer("-1", "5"),
              "The width and height must be 0 or more, and a course can have at most 16,777,216 cells.");
    // Too many cells, also where the product would not fit in 64 bits.
    const wxString tooLarge = L"A course can have at most 16,777,216 cells; %s \u00D7 %s is too large.";
    for (const auto& [width, height] : {std::pair{"4097", "4096"}, {"99999999999", "99999999999"}})
        EXPECT_EQ(dialog.Answer(width, height), wxString::Format(tooLarge, width, height));
    // One message for each refusal; the last size taken stays.
    EXPECT_EQ(std::tuple(dialog.m_refusals.size(), dialog.m_nWidth, dialog.m_nHeight), std::tuple(4u, 4096, 4096));
}
