// An hour of play in one running game view: 120,000 frames of fake time
// 30 ms apart, with the millisecond clock wrapping past 2^32 on the way,
// and a scripted player who steers, lets go, flings the pointer, presses
// Space, leaves the window for a while, and starts a new game after every
// end. Every frame must leave the ball finite and on the course while it
// rolls, record no GL error and keep the title well formed; the lists and
// the memory stay level, and every new game starts cleanly.
#include "tests/game/long/LongSessionFixture.h"

#include "course/CellType.h"
#include "platform/VirtualKey.h"
#include "tests/game/state/BallTestSupport.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr long kFrames = 3600L * 1000 / LongSessionTest::kFrameIntervalMs;
// The clock starts ten minutes and 16 ms before it wraps, so that one frame
// interval runs from 16 ms before the wrap to 14 ms after it, with play
// going on around it.
constexpr uint32_t kClockStart = 0u - 600000u - 16u;
// A small window: the hour is about the steps and the frame sequence, not
// about filling pixels in the software renderer.
constexpr int kTinyWidth = 64;
constexpr int kTinyHeight = 48;
constexpr int kFramesPerMinute = 60 * 1000 / LongSessionTest::kFrameIntervalMs;
// How often the toolkit's events are run: every frame costs more than it
// saves, every 16th lets the display's replies pile up.
constexpr int kFramesPerEventTurn = 4;
// A game the player neither wins nor loses is abandoned with Game > New.
constexpr int kLongestGameFrames = 2 * kFramesPerMinute;
// Resident memory at the end may exceed that after five minutes by this
// much. Nothing in a frame should allocate for good: losing even 100
// bytes a frame adds about 10 MB over the 115,000 frames between the
// readings. Measured, the end reading lies up to 2 MB below the first
// (the toolkit's and the renderer's caches settling).
constexpr long kResidentToleranceKb = 4 * 1024;
// The frame's title when the view was made; the frame rate follows it.
const char* const kTitleBase = "Brask";

// The course, row y = 0 first, x to the right. S start, F finish, o hole,
// i ice, m mud, / a ramp rising towards +x, 5 and 6 the two types that roll
// like floor, . floor. The straight way from start to finish is clear.
const char* const kRows[] = {
    "................",
    ".S....iiii......",
    "......iiii....o.",
    "..mm.........oo.",
    "..mm..////......",
    "......////....F.",
    "..o...55666.....",
    "..o.............",
    "........oo......",
    "................",
};
constexpr int kCourseWidth = 16;
constexpr int kCourseHeight = sizeof(kRows) / sizeof(kRows[0]);
constexpr double kStartX = 1.5, kStartY = 1.5;
constexpr double kFinishX = 14.5, kFinishY = 5.5;
constexpr double kHoleX = 14.5, kHoleY = 2.5;
constexpr std::int16_t kRampRise = 25;  // height units a cell

// The scripted player's hand: the ball's pace it aims for, how much one
// pixel of pointer movement changes the ball's speed, and the most pixels
// it moves the pointer in a frame while steering.
constexpr double kPace = 1.5;
constexpr double kPointerGain = 0.02;
constexpr double kMostPixels = 12.0;

CCourseMaker::Bytes HourCourse()
{
    std::vector<CCourseMaker::Cell> cells;
    for (int y = 0; y < kCourseHeight; ++y) {
        for (int x = 0; x < kCourseWidth; ++x) {
            CCourseMaker::Cell cell{Floor, {0, 0, 0, 0}};
            switch (kRows[y][x]) {
            case 'S': cell.type = Start; break;
            case 'F': cell.type = Finish; break;
            case 'o': cell.type = Hole; break;
            case 'i': cell.type = Ice; break;
            case 'm': cell.type = Mud; break;
            case '5': cell.type = Mpull; break;
            case '6': cell.type = Mpush; break;
            case '/': {
                const auto low = static_cast<std::int16_t>(kRampRise * (x - 6));
                const auto high = static_cast<std::int16_t>(low + kRampRise);
                cell.corner[0] = cell.corner[3] = low;
                cell.corner[1] = cell.corner[2] = high;
                break;
            }
            default: break;
            }
            cells.push_back(cell);
        }
    }
    return CCourseMaker::Encode(kCourseWidth, kCourseHeight, cells);
}

bool IsFinite(const BallState& b)
{
    return std::isfinite(b.x) && std::isfinite(b.y) && std::isfinite(b.z) && std::isfinite(b.angle) &&
           std::isfinite(b.vx) && std::isfinite(b.vy);
}

// What the player does for a stretch of frames.
enum class Action { SteerToFinish, SteerToHole, Idle, Jitter, Fling, Space, LeaveWindow, NewGame };

class HourOfPlay : public LongSessionTest {
protected:
    void SetUp() override
    {
        LongSessionTest::SetUp();
        if (IsSkipped())
            return;
        m_frame->SetClientSize(kTinyWidth, kTinyHeight);
        ASSERT_TRUE(PumpUntil([this] { return m_view->GetClientSize() == wxSize(kTinyWidth, kTinyHeight); }));
        m_clock.now = kClockStart;
        ASSERT_TRUE(OpenCourse(HourCourse()));
        ASSERT_EQ(m_frame->GetTitle(), kTitleBase);
    }

    // Moves the pointer so that the ball heads for (tx, ty) at a walking
    // pace, a few pixels a frame as a hand would.
    void SteerTowards(double tx, double ty)
    {
        const BallState b = BallOf(m_doc);
        const double dx = tx - b.x, dy = ty - b.y;
        const double distance = std::hypot(dx, dy);
        const double pace = std::min(kPace, 2.0 * distance);
        const double wantX = distance > 0 ? dx / distance * pace : 0.0;
        const double wantY = distance > 0 ? dy / distance * pace : 0.0;
        auto pixels = [](double change) { return std::clamp(change / kPointerGain, -kMostPixels, kMostPixels); };
        // Screen y grows downwards; pushing the pointer up sends the ball to +y.
        m_pointer.x += static_cast<int>(std::lround(pixels(wantX - b.vx)));
        m_pointer.y -= static_cast<int>(std::lround(pixels(wantY - b.vy)));
    }

    // Picks the next stretch: mostly steering for the finish, so that
    // games are won as well as lost.
    void NextAction()
    {
        static constexpr Action kChoices[] = {
            Action::SteerToFinish, Action::SteerToFinish, Action::SteerToFinish, Action::SteerToHole,
            Action::Idle,          Action::Jitter,        Action::Fling,         Action::Space,
            Action::LeaveWindow,   Action::NewGame,
        };
        m_action = kChoices[Below(10)];
        const int second = 1000 / kFrameIntervalMs;
        switch (m_action) {
        case Action::SteerToFinish:
        case Action::SteerToHole: m_actionFrames = second + Below(8 * second); break;
        case Action::Idle: m_actionFrames = second + Below(20 * second); break;
        case Action::Jitter: m_actionFrames = second / 2 + Below(3 * second); break;
        default: m_actionFrames = 1; break;
        }
    }

    // The player's doing before a frame.
    void Play()
    {
        if (m_actionFrames-- <= 0)
            NextAction();
        switch (m_action) {
        case Action::SteerToFinish: SteerTowards(kFinishX, kFinishY); break;
        case Action::SteerToHole: SteerTowards(kHoleX, kHoleY); break;
        case Action::Idle: break;
        case Action::Jitter:
            m_pointer.x += Below(81) - 40;
            m_pointer.y += Below(81) - 40;
            break;
        case Action::Fling:
            m_pointer.x += (Below(2) == 0 ? -1 : 1) * (500 + Below(4000));
            m_pointer.y += (Below(2) == 0 ? -1 : 1) * (500 + Below(4000));
            break;
        case Action::Space: m_view->OnKeyDown(VK_SPACE, 1, 0x39); break;
        case Action::NewGame: m_wantsNewGame = true; break;
        case Action::LeaveWindow: {
            // No frame while the window was away: the next one comes
            // seconds later and the step counts at most 1.5 s of it. Whole
            // frame intervals, and never across the clock's wrap, so that
            // the wrap falls inside an ordinary frame interval: 16 ms
            // before it to 14 ms after.
            const uint32_t away = kFrameIntervalMs * (60 + Below(1300));
            if (m_clock.now + away > m_clock.now)
                m_clock.now += away;
            break;
        }
        }
    }

    // Game > New, and what a clean start means.
    void NewGame()
    {
        const unsigned courseList = m_view->m_courseList, ballList = m_view->m_ballList;
        m_pointer.warps.clear();
        m_doc.OnGameNew();
        ++m_games;
        const BallState b = BallOf(m_doc);
        const BallState start{kStartX, kStartY, 0.0, 0.0, 0.0, 0.0};
        EXPECT_EQ(b, start) << "game " << m_games;
        EXPECT_EQ(m_doc.GetPlayState(), Rolling);
        EXPECT_TRUE(m_view->m_animate);
        ASSERT_EQ(m_pointer.warps.size(), 1u);
        EXPECT_EQ(m_view->m_lastCursor.x, 500);
        EXPECT_EQ(m_view->m_lastCursor.y, 380);
        EXPECT_EQ(m_view->m_courseList, courseList) << "a new game does not rebuild the lists";
        EXPECT_EQ(m_view->m_ballList, ballList);
        m_gameFrames = 0;
        m_wantsNewGame = false;
        m_action = Action::Idle;
        m_actionFrames = 0;
    }

    int Below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(m_random); }

    std::mt19937 m_random{67};
    Action m_action = Action::Idle;
    int m_actionFrames = 0;
    int m_gameFrames = 0;
    int m_games = 0;
    bool m_wantsNewGame = false;
};

TEST_F(HourOfPlay, AnHourOfFramesAcrossTheClocksWrap)
{
    const int expectedLists = CountLiveLists(ListNameBound());
    int wins = 0, losses = 0, abandoned = 0, titleUpdates = 0, wraps = 0;
    long firstGLErrorFrame = -1, firstBadBallFrame = -1, firstMissedFrame = -1;
    long residentAfterFiveMinutesKb = 0, residentAtEndKb = 0;
    int endFramesLeft = -1;
    wxString title = m_frame->GetTitle();

    for (long frame = 0; frame < kFrames; ++frame) {
        if (endFramesLeft == 0 || m_gameFrames >= kLongestGameFrames || m_wantsNewGame) {
            abandoned += endFramesLeft < 0;
            ASSERT_NO_FATAL_FAILURE(NewGame());
            endFramesLeft = -1;
        }
        const uint32_t before = m_clock.now;
        Play();
        ++m_gameFrames;

        const uint32_t lastFrameTime = m_view->m_lastFrameTime;
        const long drawn = m_view->FramesDrawn();
        DrawFrame();
        if (m_clock.now < before) {
            ++wraps;
            EXPECT_EQ(before, 0u - 16u);
            EXPECT_EQ(m_clock.now, 14u);
        }

        if (m_view->FramesDrawn() != drawn + 1 && firstMissedFrame < 0)
            firstMissedFrame = frame;
        if (glGetError() != GL_NO_ERROR && firstGLErrorFrame < 0)
            firstGLErrorFrame = frame;
        const BallState b = BallOf(m_doc);
        const PlayState state = m_doc.GetPlayState();
        const bool onCourse = 0.0 <= b.x && b.x < kCourseWidth && 0.0 <= b.y && b.y < kCourseHeight;
        const bool sound = IsFinite(b) && 0.0 <= b.angle && b.angle <= 360.0 && state != Idle &&
                           (state != Rolling || onCourse);
        if (!sound && firstBadBallFrame < 0) {
            firstBadBallFrame = frame;
            ADD_FAILURE() << "frame " << frame << ": " << testing::PrintToString(b) << " state " << state;
        }

        // The title changes only on the frame that resets the counter, and
        // then shows this frame's own rate.
        if (m_view->s_frameCounter == 0) {
            ++titleUpdates;
            const uint32_t interval = m_view->m_frameTime - lastFrameTime;
            title = wxString::Format("%s ( %u Frames/sec )", kTitleBase, 1000u / interval);
        }
        if (m_frame->GetTitle() != title) {
            ADD_FAILURE() << "frame " << frame << ": title \"" << m_frame->GetTitle() << "\", not \"" << title
                          << "\"";
            title = m_frame->GetTitle();
        }

        if (endFramesLeft > 0)
            --endFramesLeft;
        else if (endFramesLeft < 0 && state != Rolling) {
            wins += state == Won;
            losses += state == Lost;
            // The end words stay up a few seconds before the next game.
            endFramesLeft = 30 + Below(100);
        }

        // A running program's event loop turns between frames. Left
        // undone, the replies the display sends for each buffer swap and
        // title change pile up and every later frame wades through them.
        if (frame % kFramesPerEventTurn == 0)
            PumpGLEvents();
        if ((frame + 1) % kFramesPerMinute == 0) {
            const long minute = (frame + 1) / kFramesPerMinute;
            ASSERT_EQ(CountLiveLists(ListNameBound()), expectedLists) << "after minute " << minute;
            if (minute == 5)
                residentAfterFiveMinutesKb = ResidentKilobytes();
        }
    }
    residentAtEndKb = ResidentKilobytes();

    EXPECT_EQ(firstGLErrorFrame, -1);
    EXPECT_EQ(firstMissedFrame, -1) << "every pass 30 ms or more after the last draws a full frame";
    EXPECT_STREQ(m_view->m_errorText, "No Error");
    EXPECT_EQ(wraps, 1) << "the clock wraps once within the hour";
    EXPECT_NEAR(titleUpdates, kFrames / 16, 1);
    EXPECT_GE(wins, 5);
    EXPECT_GE(losses, 5);
    EXPECT_GE(abandoned, 5);
    std::printf("%d games: %d won, %d lost, %d abandoned; lists %d; resident %ld kB after 5 min, %ld kB at 60\n",
                m_games, wins, losses, abandoned, expectedLists, residentAfterFiveMinutesKb, residentAtEndKb);
    if (ResidentMemoryIsMeaningful()) {
        EXPECT_LE(residentAtEndKb - residentAfterFiveMinutesKb, kResidentToleranceKb);
    }
}

}  // namespace
