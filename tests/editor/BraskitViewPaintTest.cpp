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

// Paints the view's course into an off-screen bitmap and reads it back.
class ViewPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BRASK_REQUIRE_DISPLAY();
        m_frame = new wxFrame(nullptr, wxID_ANY, "paint");
        m_view = new CBraskitView(m_frame, &m_doc);
        FillThreeByTwo(*m_doc.GetHeightField());
    }

    void TearDown() override
    {
        // Gone before the document it shows.
        if (m_frame != nullptr) {
            m_frame->Destroy();
            PumpEvents();
        }
    }

    wxImage Paint(const wxRegion& damaged)
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

    wxImage PaintAll() { return Paint(wxRegion(0, 0, kWidth, kHeight)); }

    void Select(wxPoint from, wxPoint to)
    {
        wxMouseEvent down(wxEVT_LEFT_DOWN);
        down.m_x = from.x;
        down.m_y = from.y;
        m_view->OnLButtonDown(down);
        wxMouseEvent up(wxEVT_LEFT_UP);
        up.m_x = to.x;
        up.m_y = to.y;
        m_view->OnLButtonUp(up);
    }

    static wxColour At(const wxImage& image, int x, int y)
    {
        return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
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

    static constexpr int kWidth = 170;
    static constexpr int kHeight = 120;

    CBraskitDoc m_doc;
    wxFrame* m_frame = nullptr;
    CBraskitView* m_view = nullptr;
};

TEST_F(ViewPaintTest, CornerSquaresShowTheirHeightsColoursWhereTheCornersAre)
{
    const wxImage image = PaintAll();
    CHeightField& course = *m_doc.GetHeightField();
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            const HeightCell& cell = course.GetCell(c, CourseRowAt(r, 2));
            for (int k = 0; k < 4; ++k) {
                const RgbColor expected = CornerColor(cell.corner[k]);
                const GridRect square = CornerSquareRect(c, r, k);
                // Every pixel of the square, its first and last included.
                for (const auto& [x, y] : {std::pair{square.left, square.top},
                                           std::pair{square.right - 1, square.bottom - 1},
                                           std::pair{(square.left + square.right) / 2, (square.top + square.bottom) / 2}}) {
                    EXPECT_EQ(At(image, x, y), wxColour(expected.red, expected.green, expected.blue))
                        << "cell " << c << "," << r << " corner " << k << " at " << x << "," << y;
                }
            }
        }
    }
    // The corner at 150 is shown as 99, the one at -5 as 0.
    EXPECT_EQ(At(image, 2 * 50 + 1, 1), wxColour(250, 25, 9));
    EXPECT_EQ(At(image, 2 * 50 + 1, 50 + 34), kBlack);
}

TEST_F(ViewPaintTest, GridLinesStopShortOfTheLastEdges)
{
    const wxImage image = PaintAll();
    // Between the squares of neighbouring cells, inside and beyond the grid.
    EXPECT_EQ(At(image, 50, 10), kBlack);
    EXPECT_EQ(At(image, 100, 60), kBlack);
    EXPECT_EQ(At(image, 0, 100), kBlack);
    EXPECT_EQ(At(image, 10, 50), kBlack);
    EXPECT_EQ(At(image, 150, 50), kBlack);
    EXPECT_EQ(At(image, 10, 0), kBlack);
    // No line on the right edge of the last column or the bottom of the last row.
    EXPECT_EQ(At(image, 150, 10), kBackdrop);
    EXPECT_EQ(At(image, 10, 100), kBackdrop);
    EXPECT_EQ(At(image, 160, 50), kBackdrop) << "lines end two pixels past the grid";
}

TEST_F(ViewPaintTest, LabelsStandOnOpaqueWhite)
{
    const wxImage image = PaintAll();
    // The leading blanks of "     +" (cell at screen 1,1 is a Hole, "     -").
    EXPECT_EQ(At(image, 50 + 4, 50 + 19), kWhite);
    EXPECT_EQ(At(image, 4, 50 + 19), kWhite);
    // Some black text in every label band.
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            bool sawText = false;
            for (int y = 50 * r + 17; y < 50 * r + 33 && !sawText; ++y) {
                for (int x = 50 * c + 3; x < 50 * c + 49 && !sawText; ++x)
                    sawText = image.GetRed(x, y) < 100 && image.GetBlue(x, y) < 100;
            }
            EXPECT_TRUE(sawText) << "label of cell " << c << "," << r;
        }
    }
}

TEST_F(ViewPaintTest, NoOutlineBeforeTheFirstSelection)
{
    EXPECT_EQ(CountOf(PaintAll(), kSelectionBlue), 0);
}

TEST_F(ViewPaintTest, OutlineIsTwoPixelsOfBlueOnTop)
{
    Select({10, 60}, {60, 90});  // outline 1, 51, 75, 100
    const wxImage image = PaintAll();
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
    // Drawn over the corner square it crosses (bottom-right square of the
    // first bottom cell runs to y 99).
    EXPECT_EQ(At(image, 40, 99), kSelectionBlue);
    // Inside stays as painted.
    EXPECT_EQ(At(image, 9, 59), At(Paint(wxRegion(0, 0, kWidth, kHeight)), 9, 59));
}

TEST_F(ViewPaintTest, OnlyDamagedCellsArePainted)
{
    // The top-right cell's rectangle only.
    const wxImage image = Paint(wxRegion(100, 0, 50, 50));
    const RgbColor topRight = CornerColor(m_doc.GetHeightField()->GetCell(2, 1).corner[3]);
    EXPECT_EQ(At(image, 100 + 8, 8), wxColour(topRight.red, topRight.green, topRight.blue));
    EXPECT_EQ(At(image, 8, 8), kBackdrop);
    EXPECT_EQ(At(image, 100 + 8, 50 + 40), kBackdrop);
    EXPECT_EQ(At(image, 50 + 40, 40), kBackdrop);
}

TEST_F(ViewPaintTest, EmptyCourseDrawsOnlyAKeptOutline)
{
    Select({10, 10}, {30, 30});
    m_doc.GetHeightField()->Create(0, 0);
    const wxImage image = PaintAll();
    EXPECT_EQ(CountOf(image, kBlack), 0);
    EXPECT_GT(CountOf(image, kSelectionBlue), 0);
    EXPECT_EQ(At(image, 20, 20), kBackdrop) << "no cell under the kept outline";
    EXPECT_EQ(At(image, 100, 60), kBackdrop);
}

}  // namespace
