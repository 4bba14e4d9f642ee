// Game > New. Where a load puts the ball, and that a refused open changes nothing, are the course_open fuzz target's.

#include "BallTestSupport.h"

#include "course/CellType.h"
#include "game/state/BraskViewLink.h"

#include <gtest/gtest.h>

namespace {

class CRecordingView : public CBraskViewLink {
public:
    void BuildLists() override { calls += "BuildLists;"; }
    void RecenterCursor() override { calls += "RecenterCursor;"; }
    void SetAnimation(bool on) override { calls += on ? "SetAnimation(true);" : "SetAnimation(false);"; }
    std::string calls;
};

// The ball comes to rest on the first start cell, column by column, or where it is without one, and rolls.
TEST(BraskDoc, NewGameRestsTheBallOnTheFirstStartCell)
{
    CBraskDoc doc;
    CRecordingView view;
    doc.AddView(&view);
    CHeightField& course = doc.GetHeightField();
    course.Create(4, 7);  // flat floor at height 0
    doc.SetBall(2.25, 1.75, 5, 300, 1.5, -0.5);
    doc.SetPlayState(Won);
    doc.OnGameNew();
    EXPECT_EQ(BallOf(doc), (Ball{2.25, 1.75, 5, 0, 0, 0}));
    EXPECT_EQ(doc.GetPlayState(), Rolling);
    EXPECT_EQ(view.calls, "RecenterCursor;SetAnimation(true);");

    course.GetCell(3, 0).type = course.GetCell(1, 5).type = course.GetCell(1, 6).type = Start;
    doc.SetBall(3.2, 0.7, 8, 200, 2, -3);
    doc.OnGameNew();
    EXPECT_EQ(BallOf(doc), (Ball{1.5, 5.5, 0, 0, 0, 0}));
}

// A course is known by its bytes, wherever they lie; a load starts a game with its clock at 0.
TEST(BraskDoc, ALoadKeysTheCourseByItsContent)
{
    CBraskDoc doc, other;
    CRecordingView view;
    doc.AddView(&view);
    std::vector<std::uint8_t> bytes(8 + 10, 0);
    bytes[0] = bytes[4] = bytes[8] = 1;  // 1 x 1 cells of floor
    std::string reason;
    doc.AddPlayTime(1234);
    ASSERT_TRUE(doc.OpenFromBytes(bytes, "/courses/a.hfd", reason)) << reason;
    EXPECT_TRUE(doc.GetPlayTime() == 0 && doc.GetGameNumber() == 1);
    ASSERT_TRUE(other.OpenFromBytes(bytes, "/elsewhere/b.hfd", reason));
    EXPECT_EQ(other.GetCourseKey(), doc.GetCourseKey());
    bytes[9] = 1;  // another height
    ASSERT_TRUE(other.OpenFromBytes(bytes, "/courses/a.hfd", reason));
    EXPECT_NE(other.GetCourseKey(), doc.GetCourseKey());
}

}  // namespace
