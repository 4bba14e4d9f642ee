#include "BallTestSupport.h"

#include "course/CellType.h"
#include "course/HeightField.h"
#include "courses/ShippedCourses.h"
#include "game/state/BallPhysics.h"
#include "game/state/BraskDoc.h"
#include "game/state/BraskViewLink.h"
#include "platform/Archive.h"
#include "platform/FileBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <queue>
#include <set>
#include <string>
#include <vector>

void PrintTo(const ShippedCourse& course, std::ostream* os)
{
    *os << course.fileName;
}

namespace {

constexpr std::uint32_t kFrameMs = 30;
constexpr int kMostFrames = 4000;  // two minutes of play

std::string CoursePath(const char* fileName)
{
    return std::string(BRASK_COURSES_DIR) + "/" + fileName;
}

// Stands in for the game view: the document asks it for lists and animation.
class CQuietView : public CBraskViewLink {
public:
    void BuildLists() override {}
    void RecenterCursor() override {}
    void SetAnimation(bool) override {}
};

// Steers like a careful player: follows the cheapest path of cell centres
// from the start to a finish, keeping away from pits and the edge, and each
// frame moves the pointer so that the velocity after the step points at the
// next turn, with at most kMostPixels of movement per frame.
class CAutopilot {
public:
    static constexpr int kMostPixels = 15;
    static constexpr double kCruise = 2.5;   // cells per second
    static constexpr double kBraking = 2.0;  // speed per cell still to go

    // Plans from the cell the ball starts on.
    CAutopilot(const CHeightField& course, const BallState& start) : m_course(course)
    {
        Plan(static_cast<int>(start.x), static_cast<int>(start.y));
    }

    bool HasRoute() const { return !m_turns.empty(); }

    // The pointer movement for the coming step (screen pixels, y down).
    ScreenPoint Steer(const BallState& ball, double dt)
    {
        while (m_next + 1 < m_turns.size() && Distance(ball, m_turns[m_next]) < 0.25)
            ++m_next;
        const Point target = m_turns[m_next];
        const double dx = target.x - ball.x;
        const double dy = target.y - ball.y;
        const double distance = std::hypot(dx, dy);
        const bool last = m_next + 1 == m_turns.size();
        const double speed = last ? kCruise : std::min(kCruise, 0.3 + kBraking * distance);
        const double wantX = distance > 0 ? dx / distance * speed : 0.0;
        const double wantY = distance > 0 ? dy / distance * speed : 0.0;

        // What the step would make of the velocity without a push.
        const int cx = static_cast<int>(ball.x);
        const int cy = static_cast<int>(ball.y);
        const std::int16_t type = m_course.GetCell(cx, cy).type;
        const double friction = type == Ice ? 0.001 : type == Mud ? 1.0 : 0.02;
        double nx, ny, nz;
        m_course.GetNormal(cx, cy, nx, ny, nz);
        const double driftX = ball.vx * (1 - friction * dt) + 2 * nx * dt;
        const double driftY = ball.vy * (1 - friction * dt) + 2 * ny * dt;

        const auto pixels = [](double change) {
            return static_cast<int>(std::clamp(std::lround(change / 0.02), -long{kMostPixels}, long{kMostPixels}));
        };
        return {pixels(wantX - driftX), -pixels(wantY - driftY)};
    }

private:
    struct Point {
        double x, y;
    };

    static double Distance(const BallState& ball, const Point& p) { return std::hypot(p.x - ball.x, p.y - ball.y); }

    bool Open(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < m_course.GetWidth() && y < m_course.GetHeight() &&
               m_course.GetCell(x, y).type != Hole;
    }

    // Dijkstra over open cells; a cell next to a pit or the edge costs more.
    void Plan(int startX, int startY)
    {
        const int width = m_course.GetWidth();
        const int height = m_course.GetHeight();
        std::vector<int> cost(width * height, 1 << 30), from(width * height, -1);
        using Entry = std::pair<int, int>;
        std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
        cost[startX + startY * width] = 0;
        queue.push({0, startX + startY * width});
        int goal = -1;
        while (!queue.empty()) {
            const auto [c, cell] = queue.top();
            queue.pop();
            if (c > cost[cell])
                continue;
            const int x = cell % width, y = cell / width;
            if (m_course.GetCell(x, y).type == Finish) {
                goal = cell;
                break;
            }
            const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const auto& s : steps) {
                const int nx = x + s[0], ny = y + s[1];
                if (!Open(nx, ny))
                    continue;
                bool exposed = false;
                for (int ey = -1; ey <= 1; ++ey)
                    for (int ex = -1; ex <= 1; ++ex)
                        exposed = exposed || !Open(nx + ex, ny + ey);
                const int next = nx + ny * width;
                const int nc = c + (exposed ? 4 : 1);
                if (nc < cost[next]) {
                    cost[next] = nc;
                    from[next] = cell;
                    queue.push({nc, next});
                }
            }
        }
        if (goal < 0)
            return;
        std::vector<Point> path;
        for (int cell = goal; cell >= 0; cell = from[cell])
            path.push_back({cell % width + 0.5, cell / width + 0.5});
        std::reverse(path.begin(), path.end());
        // Keep only the turns, and go one cell deep into the finish.
        for (std::size_t i = 1; i < path.size(); ++i) {
            const bool turn = i + 1 < path.size() && (path[i + 1].x - path[i].x != path[i].x - path[i - 1].x ||
                                                      path[i + 1].y - path[i].y != path[i].y - path[i - 1].y);
            if (turn || i + 1 == path.size())
                m_turns.push_back(path[i]);
        }
    }

    const CHeightField& m_course;
    std::vector<Point> m_turns;
    std::size_t m_next = 0;
};

class ShippedGameTest : public ::testing::Test {
protected:
    // Opens the committed file the way the game does.
    void Open(const char* fileName)
    {
        std::vector<std::uint8_t> bytes;
        std::string reason;
        ASSERT_TRUE(ReadFileBytes(CoursePath(fileName), bytes, reason)) << reason;
        m_doc.AddView(&m_view);
        CArchive archive(std::move(bytes));
        m_doc.Serialize(archive);
        ASSERT_EQ(m_doc.GetPlayState(), Rolling);
    }

    // Plays frames of kFrameMs, the first after a long pause as when a game
    // starts; `steer` gives each frame's pointer movement. Returns the frames
    // played until the game ended (or kMostFrames).
    int Play(const std::function<ScreenPoint(const BallState&, int frame)>& steer)
    {
        ScreenPoint pointer{500, 380};
        ScreenPoint lastCursor = pointer;
        std::uint32_t clock = 77;
        StepBall(m_doc, clock + 5000, clock, lastCursor, [&] { return pointer; });
        clock += 5000;
        int frame = 0;
        for (; frame < kMostFrames && m_doc.GetPlayState() == Rolling; ++frame) {
            const ScreenPoint move = steer(BallOf(m_doc), frame);
            pointer.x += move.x;
            pointer.y += move.y;
            StepBall(m_doc, clock + kFrameMs, clock, lastCursor, [&] { return pointer; });
            clock += kFrameMs;
        }
        return frame;
    }

    CBraskDoc m_doc;
    CQuietView m_view;
};

class ShippedCourseTest : public ShippedGameTest, public ::testing::WithParamInterface<ShippedCourse> {};

TEST_P(ShippedCourseTest, CommittedFileIsWhatTheGeneratorWrites)
{
    CHeightField grid;
    std::string reason;
    ASSERT_TRUE(GetParam().build(grid, reason)) << reason;
    CArchive archive;
    ASSERT_TRUE(grid.Store(archive));

    std::vector<std::uint8_t> committed;
    ASSERT_TRUE(ReadFileBytes(CoursePath(GetParam().fileName), committed, reason))
        << reason << " (run build/bin/make-courses courses)";
    EXPECT_TRUE(committed == archive.Bytes()) << GetParam().fileName << " differs from the generator's; run "
                                              << "build/bin/make-courses courses";
}

// Heights 0 to 99 and one start cell are the generator's own rules, checked
// as it builds.
TEST_P(ShippedCourseTest, SizeSuitsTheEditorAndTheStartIsFlat)
{
    Open(GetParam().fileName);
    const CHeightField& course = m_doc.GetHeightField();
    EXPECT_GE(course.GetWidth(), 8);
    EXPECT_LE(course.GetWidth(), 24);
    EXPECT_GE(course.GetHeight(), 20);
    EXPECT_LE(course.GetHeight(), 40);
    // The ball starts on flat ground, so the first long frame moves nothing.
    const BallState start = BallOf(m_doc);
    double nx, ny, nz;
    course.GetNormal(static_cast<int>(start.x), static_cast<int>(start.y), nx, ny, nz);
    EXPECT_EQ(nx, 0.0);
    EXPECT_EQ(ny, 0.0);
}

TEST_P(ShippedCourseTest, CarefulPlayerReachesTheFinish)
{
    Open(GetParam().fileName);
    CAutopilot pilot(m_doc.GetHeightField(), BallOf(m_doc));
    ASSERT_TRUE(pilot.HasRoute());
    const int frames = Play([&pilot](const BallState& ball, int) { return pilot.Steer(ball, kFrameMs * 0.001); });

    EXPECT_EQ(m_doc.GetPlayState(), Won) << "after " << frames << " frames, " << ::testing::PrintToString(BallOf(m_doc));
    RecordProperty("frames_to_win", frames);
}

INSTANTIATE_TEST_SUITE_P(Courses, ShippedCourseTest, ::testing::ValuesIn(ShippedCourses()),
                         [](const ::testing::TestParamInfo<ShippedCourse>& info) {
                             std::string name = info.param.fileName;
                             name = name.substr(0, name.find('.'));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST_F(ShippedGameTest, FirstCourseNeedsOnlyOnePushForward)
{
    Open("01-first-roll.hfd");
    // 50 pixels up: one cell per second forward.
    Play([](const BallState&, int frame) { return ScreenPoint{0, frame == 0 ? -50 : 0}; });
    EXPECT_EQ(m_doc.GetPlayState(), Won);
}

TEST(ShippedCoursesTest, EveryCourseFileInTheFolderIsMadeByTheGenerator)
{
    std::set<std::string> made;
    for (const ShippedCourse& course : ShippedCourses())
        made.insert(course.fileName);
    EXPECT_GE(made.size(), 4u);
    EXPECT_EQ(made.count("01-first-roll.hfd"), 1u);
    for (const auto& entry : std::filesystem::directory_iterator(BRASK_COURSES_DIR)) {
        if (entry.path().extension() == ".hfd") {
            EXPECT_EQ(made.count(entry.path().filename().string()), 1u) << entry.path();
        }
    }
}

}  // namespace
