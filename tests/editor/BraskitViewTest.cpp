#include "editor/BraskitDoc.h"
#include "editor/BraskitView.h"
#include "editor/CornerColor.h"
#include "editor/GridGeometry.h"
#include "tests/editor/EditorTestCourse.h"
#include "tests/platform/WxTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/region.h>

namespace {

const wxColour kBackdrop(128, 128, 128);
const wxColour kBlack(0, 0, 0);
const wxColour kWhite(255, 255, 255);
const wxColour kSelectionBlue(48, 48, 255);

// X hardware keycodes (evdev): kernel key code + 8.
constexpr unsigned kKeypadPlusKeycode = 86;
constexpr unsigned kDigitTwoKeycode = 11;
constexpr unsigned kKeypadTwoKeycode = 88;
constexpr unsigned kEscapeKeycode = 9;

// The view on the 3 x 2 test course, driven by the toolkit events of a
// user's mouse and keys, and painted into an off-screen bitmap.
class BraskitViewTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 170;
    static constexpr int kHeight = 120;

    void SetUp() override
    {
        BRASK_REQUIRE_DISPLAY();
        m_frame = new wxFrame(nullptr, wxID_ANY, "view");
        m_view = new CBraskitView(m_frame, &m_doc);
        m_frame->SetClientSize(300, 200);
        m_frame->Show();
        PumpEvents();
        FillThreeByTwo(*m_doc.GetHeightField());
        m_view->OnInitialUpdate();
    }

    void TearDown() override
    {
        // Gone before the document it shows.
        if (m_frame != nullptr) {
            m_frame->Destroy();
            PumpEvents();
        }
    }

    wxImage Paint(const wxRegion& damaged = wxRegion(0, 0, kWidth, kHeight))
    {
        wxBitmap bitmap(kWidth, kHeight, 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(wxBrush(kBackdrop));
            dc.Clear();
            m_view->PaintArea(dc, damaged);
        }
        return bitmap.ConvertToImage();
    }

    void Select(int fromX, int fromY, int toX, int toY)
    {
        wxMouseEvent down(wxEVT_LEFT_DOWN), up(wxEVT_LEFT_UP);
        down.m_x = fromX;
        down.m_y = fromY;
        m_view->OnLButtonDown(down);
        up.m_x = toX;
        up.m_y = toY;
        m_view->OnLButtonUp(up);
    }

    void Key(wxEventType type, unsigned keycode, int toolkitKey)
    {
        wxKeyEvent event(type);
        event.m_rawFlags = keycode;
        event.m_keyCode = toolkitKey;
        type == wxEVT_KEY_DOWN ? m_view->OnKeyDown(event) : m_view->OnKeyUp(event);
    }

    static wxColour At(const wxImage& image, int x, int y)
    {
        return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
    }

    static wxColour Shown(int height)
    {
        const RgbColor c = CornerColor(height);
        return wxColour(c.red, c.green, c.blue);
    }

    static int CountOf(const wxImage& image, const wxColour& colour)
    {
        int count = 0;
        for (int y = 0; y < image.GetHeight(); ++y) {
            for (int x = 0; x < image.GetWidth(); ++x)
                count += At(image, x, y) == colour;
        }
        return count;
    }

    const HeightCell& Cell(int x, int y) { return m_doc.GetHeightField()->GetCell(x, y); }

    CBraskitDoc m_doc;
    wxFrame* m_frame = nullptr;
    CBraskitView* m_view = nullptr;
};

TEST_F(BraskitViewTest, CornerSquaresShowTheirHeightsColoursWhereTheCornersAre)
{
    const wxImage image = Paint();
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            for (int k = 0; k < 4; ++k) {
                const GridRect s = CornerSquareRect(c, r, k);
                // The square's first, last and middle pixels.
                for (const auto& [x, y] : {std::pair{s.left, s.top}, {s.right - 1, s.bottom - 1},
                                           {(s.left + s.right) / 2, (s.top + s.bottom) / 2}}) {
                    EXPECT_EQ(At(image, x, y), Shown(Cell(c, CourseRowAt(r, 2)).corner[k]))
                        << "cell " << c << "," << r << " corner " << k << " at " << x << "," << y;
                }
            }
        }
    }
    // The corner at 150 is shown as 99, the one at -5 as 0.
    EXPECT_EQ(At(image, 2 * 50 + 1, 1), wxColour(250, 25, 9));
    EXPECT_EQ(At(image, 2 * 50 + 1, 50 + 34), kBlack);
}

TEST_F(BraskitViewTest, GridLinesStopShortOfTheLastEdgesAndLabelsStandOnOpaqueWhite)
{
    const wxImage image = Paint();
    // Between the squares of neighbouring cells, inside and beyond the grid.
    for (const auto& [x, y] : {std::pair{50, 10}, {100, 60}, {0, 100}, {10, 50}, {150, 50}, {10, 0}})
        EXPECT_EQ(At(image, x, y), kBlack) << x << "," << y;
    // No line on the right edge of the last column or the bottom of the
    // last row; lines end two pixels past the grid.
    for (const auto& [x, y] : {std::pair{150, 10}, {10, 100}, {160, 50}})
        EXPECT_EQ(At(image, x, y), kBackdrop) << x << "," << y;

    // The leading blanks of the labels, and some black text in every label band.
    EXPECT_EQ(At(image, 50 + 4, 50 + 19), kWhite);
    EXPECT_EQ(At(image, 4, 50 + 19), kWhite);
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            bool sawText = false;
            for (int y = 50 * r + 17; y < 50 * r + 33; ++y) {
                for (int x = 50 * c + 3; x < 50 * c + 49; ++x)
                    sawText = sawText || (image.GetRed(x, y) < 100 && image.GetBlue(x, y) < 100);
            }
            EXPECT_TRUE(sawText) << "label of cell " << c << "," << r;
        }
    }
}

TEST_F(BraskitViewTest, TheOutlineIsTwoPixelsOfBlueOnTop)
{
    EXPECT_EQ(CountOf(Paint(), kSelectionBlue), 0) << "no outline before the first selection";
    const wxImage before = Paint();
    Select(10, 60, 60, 90);  // outline 1, 51, 75, 100
    const wxImage image = Paint();
    auto blueAcross = [&](int x, int y, bool vertical) {
        // The two-pixel pen covers the line's coordinate and its neighbour.
        int count = 0;
        for (int d = -1; d <= 2; ++d)
            count += At(image, vertical ? x + d : x, vertical ? y : y + d) == kSelectionBlue;
        return count;
    };
    EXPECT_EQ(blueAcross(1, 75, true), 2) << "left side";
    EXPECT_EQ(blueAcross(75, 75, true), 2) << "right side";
    EXPECT_EQ(blueAcross(40, 51, false), 2) << "top side";
    EXPECT_EQ(blueAcross(40, 100, false), 2) << "bottom side, over the square";
    // Drawn over the corner square it crosses; inside stays as painted.
    EXPECT_EQ(At(image, 40, 99), kSelectionBlue);
    EXPECT_EQ(At(image, 9, 59), At(before, 9, 59));
}

TEST_F(BraskitViewTest, OnlyDamagedCellsArePaintedAndAnEmptyCourseOnlyItsKeptOutline)
{
    // The top-right cell's rectangle only.
    wxImage image = Paint(wxRegion(100, 0, 50, 50));
    EXPECT_EQ(At(image, 100 + 8, 8), Shown(Cell(2, 1).corner[3]));
    for (const auto& [x, y] : {std::pair{8, 8}, {100 + 8, 50 + 40}, {50 + 40, 40}})
        EXPECT_EQ(At(image, x, y), kBackdrop) << x << "," << y;

    Select(10, 10, 30, 30);
    m_doc.GetHeightField()->Create(0, 0);
    image = Paint();
    EXPECT_EQ(CountOf(image, kBlack), 0);
    EXPECT_GT(CountOf(image, kSelectionBlue), 0);
    EXPECT_EQ(At(image, 20, 20), kBackdrop) << "no cell under the kept outline";
}

TEST_F(BraskitViewTest, AKeyReleasedWhileAwayActsAgainAfterComingBack)
{
    Select(10, 10, 10, 10);  // corner 3 of course cell (0, 1), at 15
    Key(wxEVT_KEY_DOWN, kKeypadPlusKeycode, WXK_NUMPAD_ADD);
    wxFocusEvent lost(wxEVT_KILL_FOCUS);
    m_view->OnKillFocus(lost);
    Key(wxEVT_KEY_DOWN, kKeypadPlusKeycode, WXK_NUMPAD_ADD);
    EXPECT_EQ(Cell(0, 1).corner[3], 23);
}

TEST_F(BraskitViewTest, MainRowDigitsSetTypesAndOnlyChangesMarkTheDocument)
{
    Key(wxEVT_KEY_DOWN, kKeypadPlusKeycode, WXK_NUMPAD_ADD);  // nothing selected yet
    Select(10, 10, 60, 10);
    Key(wxEVT_KEY_DOWN, kEscapeKeycode, WXK_ESCAPE);
    Key(wxEVT_KEY_DOWN, kKeypadTwoKeycode, WXK_NUMPAD2);
    EXPECT_EQ(Cell(0, 1).type, 3);
    EXPECT_FALSE(m_doc.IsModified());
    Key(wxEVT_KEY_DOWN, kDigitTwoKeycode, '2');
    EXPECT_EQ(Cell(0, 1).type, 2);
    EXPECT_EQ(Cell(1, 1).type, 2);
    EXPECT_EQ(Cell(2, 1).type, 7);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(BraskitViewTest, ClicksCountInDocumentPixelsWhenScrolled)
{
    m_doc.GetHeightField()->Create(20, 20);
    m_view->OnInitialUpdate();
    m_view->Scroll(2, 1);  // two cells across, one down
    Select(10, 10, 10, 10);
    EXPECT_EQ(m_view->GetSelection().GetFirstHalfCell(), (GridPoint{4, 2}));
    EXPECT_EQ(m_view->GetSelection().GetOutline(), (GridRect{101, 51, 125, 75}));
}

}  // namespace
