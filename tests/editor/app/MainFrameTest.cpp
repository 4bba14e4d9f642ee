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

    void Drag(wxPoint from, wxPoint to, wxEventType press = wxEVT_LEFT_DOWN)
    {
        wxMouseEvent down(press), up(wxEVT_LEFT_UP);
        down.SetPosition(from);
        up.SetPosition(to);
        m_view->ProcessWindowEvent(down);
        m_view->ProcessWindowEvent(up);
    }

    CBraskitDoc m_doc;
    CMainFrame* m_frame = nullptr;
    CBraskitView* m_view = nullptr;
};

// The Help menu is the shell's; the editor's own menus here.
TEST_F(MainFrameTest, MenusPlayUndoRedoCheckZoomAndShowTheFourNewestRecentFiles)
{
    const MenuBarText menus = {{"&File", {"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-",
        "Play in Brask\tF5", "-", "&1 /a", "&2 /b", "&3 /c", "&4 /d", "-", "E&xit"}}, {"&Edit", {"&Undo\tCtrl+Z",
        "&Redo\tCtrl+Y", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V", "-", "Check Course"}},
        {"&View", {"Zoom In\tCtrl+=", "Zoom Out\tCtrl+-", "Actual Size\tCtrl+0"}}};
    const MenuBarText bar = ReadMenuBar(*m_frame->GetMenuBar());
    EXPECT_EQ(MenuBarText(bar.begin(), bar.begin() + 3), menus);
}

TEST_F(MainFrameTest, TheViewPaintsLabelsGridLinesAndTheSelectionOutlineAndScalesThemWithTheZoom)
{
    Drag({10, 60}, {60, 90});  // the outline's corners: (1, 51) and (75, 100)
    const auto paint = [&] {   // the grid's top-left pixels, painted over a grey backdrop
        wxBitmap bitmap(170, 120, 24);
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(wxColour(kBackdrop.red, kBackdrop.green, kBackdrop.blue)));
        dc.Clear();
        m_view->PaintArea(dc, wxRegion(0, 0, 170, 120));
        dc.SelectObject(wxNullBitmap);
        return bitmap.ConvertToImage();
    };
    const std::tuple<int, int, RgbColor> probes[] = {
        // The outline's sides, two pixels wide, end on its corners' rows and columns.
        {0, 75, kSelectionBlue}, {1, 75, kSelectionBlue}, {74, 75, kSelectionBlue}, {75, 75, kSelectionBlue},
        {40, 50, kSelectionBlue}, {40, 51, kSelectionBlue}, {40, 99, kSelectionBlue}, {40, 100, kSelectionBlue},
        // The bottom-left cell's label on a white box at (3, 17) in the cell, between its corner squares.
        {3, 67, kWhite}, {2, 67, kBackdrop}, {20, 66, kBackdrop},
        // Grid lines between cells, two pixels past the grid, none on its last edges.
        {50, 10, kBlack}, {120, 50, kBlack}, {0, 101, kBlack}, {151, 50, kBlack},
        {150, 10, kBackdrop}, {120, 100, kBackdrop}, {160, 50, kBackdrop},
        // At twice the size: the top-left square from (2, 2) to (33, 33), the second cell from 100 on.
        {33, 33, kBlack}, {34, 20, kBackdrop}, {100, 10, kBlack}, {102, 33, kBlack}, {40, 101, kSelectionBlue}};
    wxImage image = paint();
    for (const auto& [x, y, expected] : probes) {
        if (x == 33 && m_view->ZoomIn() && m_view->ZoomIn())
            image = paint();
        EXPECT_EQ((RgbColor{image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)}), expected) << x << "," << y;
    }
}

// Keyboard, bars and wheel alike; Ctrl+End also went almost a page too far once. A double click's second press is a
// press like any other.
TEST_F(MainFrameTest, ScrollingStopsWhereTheGridsLastPixelMeetsTheWindowsEdge)
{
    m_doc.GetHeightField()->Create(600, 600);
    m_view->OnInitialUpdate();
    wxKeyEvent ctrlEnd(wxEVT_CHAR);
    ctrlEnd.m_keyCode = WXK_END;
    ctrlEnd.SetControlDown(true);
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = -120, wheel.m_wheelDelta = 120, wheel.m_linesPerAction = 3;
    wxScrollWinEvent lineDown(wxEVT_SCROLLWIN_LINEDOWN, 0, wxVERTICAL), lineUp(wxEVT_SCROLLWIN_LINEUP, 0, wxVERTICAL),
        pastTheEnd(wxEVT_SCROLLWIN_THUMBTRACK, 40000, wxHORIZONTAL);
    const wxPoint end = wxPoint(30001, 30001) - wxPoint(m_view->GetClientSize().x, m_view->GetClientSize().y);
    const std::pair<wxEvent*, wxPoint> steps[] = {{&lineDown, {0, 50}}, {&wheel, {0, 200}}, {&ctrlEnd, end},
        {&lineDown, end}, {&wheel, end}, {&pastTheEnd, end}, {&lineUp, end - wxPoint(0, 50)}};
    for (const auto& [event, start] : steps) {
        m_view->ProcessWindowEvent(*event);
        EXPECT_EQ(m_view->GetViewStart(), start) << event->GetEventType();
    }
    Drag({10, 10}, {10, 10}, wxEVT_LEFT_DCLICK);
    EXPECT_EQ(m_view->GetSelection().GetFirstHalfCell(), (GridPoint{(end.x + 10) / 25, (end.y - 50 + 10) / 25}));
}

TEST_F(MainFrameTest, KeysActOnTheCornerClickedInAScrolledViewAndOnlyAChangeMarksTheCourse)
{
    m_doc.GetHeightField()->Create(20, 20);
    m_view->OnInitialUpdate();
    m_view->Scroll(100, 50);   // two cells across, one down
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
