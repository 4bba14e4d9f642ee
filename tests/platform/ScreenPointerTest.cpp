#include "platform/ScreenPointer.h"
#include "tests/platform/GLTestApp.h"

#include <wx/frame.h>

namespace {

TEST(ScreenPointer, WarpsToScreenPointsAndReadsThemBack)
{
    BRASK_GL_REQUIRE_DISPLAY();
    CPointer& pointer = CScreenPointer::Instance();
    int x = -1;
    int y = -1;

    // Without a window of ours the move is skipped, reading still works.
    for (wxWindow* window : wxTopLevelWindows)
        window->Hide();
    ASSERT_TRUE(pointer.GetPosition(x, y));
    const int startX = x;
    const int startY = y;
    EXPECT_FALSE(pointer.WarpTo(startX + 7, startY + 7));
    ASSERT_TRUE(pointer.GetPosition(x, y));
    EXPECT_EQ(x, startX);
    EXPECT_EQ(y, startY);

    auto* frame = new wxFrame(nullptr, wxID_ANY, wxS("pointer"), wxPoint(40, 60), wxSize(300, 200));
    frame->Show();
    ASSERT_TRUE(PumpUntil([frame] { return frame->IsShownOnScreen(); }));
    const wxPoint targets[] = {{500, 380}, {3, 4}, {1000, 900}};
    for (const wxPoint& target : targets) {
        EXPECT_TRUE(pointer.WarpTo(target.x, target.y));
        PumpGLEvents();
        ASSERT_TRUE(pointer.GetPosition(x, y));
        EXPECT_EQ(wxPoint(x, y), target);
    }
    frame->Destroy();
    PumpGLEvents();
}

} // namespace
