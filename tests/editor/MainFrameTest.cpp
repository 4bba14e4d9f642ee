// The editor's main window and its grid view, driven by the toolkit's
// events for a user's mouse and keys.
#include "editor/MainFrame.h"

#include "course/CellType.h"
#include "editor/BraskitDoc.h"
#include "editor/BraskitView.h"
#include "editor/CornerColor.h"
#include "tests/platform/WxTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/fileconf.h>
#include <wx/sstream.h>

namespace {

const wxColour kBackdrop(128, 128, 128), kBlack(0, 0, 0), kWhite(255, 255, 255), kSelectionBlue(48, 48, 255);

// The window on a 3 x 2 course of Floor cells at height 0, with five recent
// files in its settings (kept in memory).
class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BRASK_REQUIRE_DISPLAY();
        wxStringInputStream settings("[Recent File List]\nfile1=/c/a.hfd\nfile2=/c/b.hfd\nfile3=/c/c.hfd\n"
                                     "file4=/c/d.hfd\nfile5=/c/e.hfd\n");
        delete wxConfigBase::Set(new wxFileConfig(settings));
        m_frame = new CMainFrame(m_doc);
        m_view = m_frame->GetView();
        m_frame->Show();
        PumpEvents();
        m_doc.GetHeightField()->Create(3, 2);
        m_view->OnInitialUpdate();
    }

    void TearDown() override
    {
        if (m_frame != nullptr)
            m_frame->Destroy();  // before the document it shows
        PumpEvents();
    }

    // The view's top-left 170 x 120 pixels, painted over a grey backdrop.
    wxImage Paint()
    {
        wxBitmap bitmap(170, 120, 24);
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(kBackdrop));
        dc.Clear();
        m_view->PaintArea(dc, wxRegion(0, 0, 170, 120));
        dc.SelectObject(wxNullBitmap);
        return bitmap.ConvertToImage();
    }

    static wxColour At(const wxImage& image, int x, int y)
    {
        return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
    }

    void Drag(int fromX, int fromY, int toX, int toY)
    {
        wxMouseEvent down(wxEVT_LEFT_DOWN), up(wxEVT_LEFT_UP);
        down.SetPosition(wxPoint(fromX, fromY));
        up.SetPosition(wxPoint(toX, toY));
        m_view->ProcessWindowEvent(down);
        m_view->ProcessWindowEvent(up);
    }

    // A key pressed: its X keycode (the kernel's + 8) and the toolkit's key.
    void Key(unsigned keycode, int toolkitKey)
    {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_rawFlags = keycode;
        event.m_keyCode = toolkitKey;
        m_view->ProcessWindowEvent(event);
    }

    CBraskitDoc m_doc;
    CMainFrame* m_frame = nullptr;
    CBraskitView* m_view = nullptr;
};

TEST_F(MainFrameTest, MenusHoldTheFourNewestRecentFilesAndTheViewFillsTheWindow)
{
    const MenuBarText menus = {
        {"&File",
         {"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-", "&1 /c/a.hfd", "&2 /c/b.hfd",
          "&3 /c/c.hfd", "&4 /c/d.hfd", "-", "E&xit"}},
        {"&Edit", {"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V"}},
        {"&Help", {"&About Braskit..."}}};
    EXPECT_EQ(ReadMenuBar(*m_frame->GetMenuBar()), menus);
    EXPECT_EQ(m_frame->GetStatusBar(), nullptr);
    EXPECT_EQ(m_frame->GetToolBar(), nullptr);
    EXPECT_EQ(m_view->GetSize(), m_frame->GetClientSize());
}

TEST_F(MainFrameTest, TheViewPaintsEachCornersColourTheLabelAndTheGridLines)
{
    // Course cell (0, 0) is the bottom-left one on screen.
    m_doc.GetHeightField()->SetCell(0, 0, HeightCell{Ice, {5, 15, 25, 35}, 0});
    const wxImage image = Paint();
    // The middles of its bottom-left, bottom-right, top-right and top-left squares.
    const wxPoint middles[] = {{8, 92}, {42, 92}, {42, 59}, {8, 59}};
    for (int k = 0; k < 4; ++k) {
        const RgbColor c = CornerColor(5 + 10 * k);
        EXPECT_EQ(At(image, middles[k].x, middles[k].y), wxColour(c.red, c.green, c.blue)) << "corner " << k;
    }
    // Its label: black text on a white box from 3 right of and 17 below the cell's corner.
    EXPECT_EQ(At(image, 3, 67), kWhite);
    EXPECT_EQ(At(image, 2, 67), kBackdrop);
    EXPECT_EQ(At(image, 20, 66), kBackdrop);
    int black = 0;
    for (int y = 67; y < 84; ++y)
        for (int x = 3; x < 49; ++x)
            black += At(image, x, y) == kBlack;
    EXPECT_GT(black, 0);
    // Grid lines between cells run two pixels past the grid; none on its last edges.
    for (const wxPoint& p : {wxPoint(50, 10), wxPoint(10, 50), wxPoint(0, 101), wxPoint(151, 50)})
        EXPECT_EQ(At(image, p.x, p.y), kBlack) << p.x << "," << p.y;
    for (const wxPoint& p : {wxPoint(150, 10), wxPoint(10, 100), wxPoint(160, 50)})
        EXPECT_EQ(At(image, p.x, p.y), kBackdrop) << p.x << "," << p.y;
}

TEST_F(MainFrameTest, TheSelectionOutlineIsTwoPixelsOfBlueOverTheSquares)
{
    EXPECT_NE(At(Paint(), 1, 75), kSelectionBlue) << "an outline before the first selection";
    Drag(10, 60, 60, 90);  // the outline's corners: (1, 51) and (75, 100)
    const wxImage image = Paint();
    // Across each side, the pen covers two of the four pixels from one before the line.
    for (const auto& [x, y, dx, dy] : {std::array{1, 75, 1, 0}, {75, 75, 1, 0}, {40, 51, 0, 1}, {40, 100, 0, 1}}) {
        int blue = 0;
        for (int d = -1; d <= 2; ++d)
            blue += At(image, x + d * dx, y + d * dy) == kSelectionBlue;
        EXPECT_EQ(blue, 2) << x << "," << y;
    }
}

TEST_F(MainFrameTest, KeysEditTheSelectedCornersAndOnlyAChangeMarksTheCourse)
{
    constexpr unsigned kEscape = 9, kDigitTwo = 11, kKeypadPlus = 86;
    const CHeightField& course = *m_doc.GetHeightField();
    Drag(10, 10, 60, 10);  // top-left and top-right of course cell (0, 1), top-left of (1, 1)
    Key(kEscape, WXK_ESCAPE);
    EXPECT_FALSE(m_doc.IsModified());
    Key(kDigitTwo, '2');
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ((std::array<int, 3>{course.GetCell(0, 1).type, course.GetCell(1, 1).type, course.GetCell(2, 1).type}),
              (std::array<int, 3>{Hole, Hole, Floor}));
    // Keypad + held, then pressed again after the view lost the keyboard: it acts twice.
    Key(kKeypadPlus, WXK_NUMPAD_ADD);
    wxFocusEvent lost(wxEVT_KILL_FOCUS);
    m_view->ProcessWindowEvent(lost);
    Key(kKeypadPlus, WXK_NUMPAD_ADD);
    EXPECT_EQ(course.GetCell(0, 1).corner[3], 8);
}

TEST_F(MainFrameTest, ClicksCountInDocumentPixelsWhenScrolled)
{
    m_doc.GetHeightField()->Create(20, 20);
    m_view->OnInitialUpdate();
    m_view->Scroll(2, 1);  // two cells across, one down
    Drag(10, 10, 10, 10);
    EXPECT_EQ(m_view->GetSelection().GetFirstHalfCell(), (GridPoint{4, 2}));
}

}  // namespace
