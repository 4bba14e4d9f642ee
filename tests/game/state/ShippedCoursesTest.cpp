// The courses that ship: each committed file is what the generator writes,
// and a careful player wins each one with the real physics step.

#include "BallTestSupport.h"

#include "courses/ShippedCourses.h"
#include "game/state/BallPhysics.h"
#include "document/FileBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

void PrintTo(const ShippedCourse& course, std::ostream* os) { *os << course.fileName; }

namespace {

// Where a careful player turns on each course, in cells; the last turn lies inside the finish.
const std::map<std::string, std::vector<std::pair<double, double>>> kRoutes = {
    {"01-first-roll.hfd", {{4.5, 20.5}}},
    {"02-stepping-stones.hfd",
     {{6, 6.5}, {3, 6.5}, {3, 13.5}, {6, 13.5}, {6, 17.5}, {1, 17.5}, {1, 20.5}, {3, 20.5}, {3, 24.5}}},
    {"03-ice-and-mud.hfd", {{5, 7.5}, {5, 28.5}}},
    {"04-terraces.hfd", {{4, 6.5}, {4, 11}, {12.5, 11}, {12.5, 30.5}}},
    {"05-grand-tour.hfd",
     {{5.5, 6.5}, {5.5, 22.5}, {19, 22.5}, {19, 30.5}, {17, 30.5}, {17, 32.5}, {18.5, 32.5}, {18.5, 38.5}}},
};

class ShippedCourseTest : public ::testing::TestWithParam<ShippedCourse> {};

// Each 30 ms frame the player moves the pointer (15 pixels at most, each
// 0.02 cells a second) to head for the next turn at 2.5 cells a second,
// slowing down before each turn but the last.
TEST_P(ShippedCourseTest, CommittedFileIsTheGeneratorsAndACarefulPlayerWinsIt)
{
    CBraskDoc doc;
    std::string reason;
    std::vector<std::uint8_t> made, committed;
    ASSERT_TRUE(GetParam().build(doc.GetHeightField(), reason) && doc.SaveToBytes(made, reason)) << reason;
    ASSERT_TRUE(ReadFileBytes(BRASK_COURSES_DIR "/" + std::string(GetParam().fileName), committed, reason)) << reason;
    EXPECT_TRUE(committed == made) << "run build/bin/make-courses courses";

    doc.OnGameNew();
    const auto& route = kRoutes.at(GetParam().fileName);
    ScreenPoint pointer{0, 0}, lastCursor{0, 0};
    std::size_t next = 0;
    const auto pixels = [](double change) { return int(std::clamp(std::lround(change / 0.02), -15L, 15L)); };
    for (std::uint32_t clock = 0; clock < 120000 && doc.GetPlayState() == Rolling; clock += 30) {
        const auto [x, y, z, angle, vx, vy] = BallOf(doc);
        if (next + 1 < route.size() && std::hypot(route[next].first - x, route[next].second - y) < 0.25)
            ++next;
        const double dx = route[next].first - x, dy = route[next].second - y;
        const double distance = std::max(std::hypot(dx, dy), 1e-9);
        const double speed = next + 1 == route.size() ? 2.5 : std::min(2.5, 0.3 + 2 * distance);
        pointer.x += pixels(dx / distance * speed - vx);
        pointer.y -= pixels(dy / distance * speed - vy);  // screen y grows downwards
        StepBall(doc, clock + 30, clock, lastCursor, [&] { return pointer; });
    }
    EXPECT_EQ(doc.GetPlayState(), Won) << ::testing::PrintToString(BallOf(doc)) << ", heading for turn " << next;
}

INSTANTIATE_TEST_SUITE_P(Courses, ShippedCourseTest, ::testing::ValuesIn(ShippedCourses()));

}  // namespace
