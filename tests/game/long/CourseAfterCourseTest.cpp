// A thousand courses of every size and kind opened one after the other in
// one running game view, as a player opening course after course would:
// each open replaces the lists of the course before instead of adding to
// them, an open that fails leaves the game exactly as it was, and the
// process's memory stays level.
#include "tests/game/long/LongSessionFixture.h"

#include "tests/game/state/BallTestSupport.h"

#include <GL/gl.h>

#include <cstdio>

namespace {

constexpr int kOpens = 1000;
constexpr int kFramesPerOpen = 2;
constexpr int kLargestSide = 256;
// Courses of random heights make a quad and walls for nearly every cell;
// they stay smaller, apart from one of the largest size at the start. The
// software renderer's list store allocates per primitive, which the
// sanitizer build's allocator makes slow (a 256 x 256 one takes 15 s
// there, 0.4 s here).
constexpr int kLargestRandomSide = 128;
// Every this many opens the same course is opened again and memory is
// read, so that the readings compare like with like.
constexpr int kCheckpointPeriod = 100;
// Resident memory may differ this much between the first checkpoint (100
// opens) and the last (1,000). With the same course loaded at both, what
// is left is the allocator's fragmentation and what the software renderer
// caches (compiled shader variants, bins), which settle within the first
// hundred opens; the readings measured spread over 0.2 MB. Losing what an
// average course takes (its cells and its file's bytes alone are tens of
// kilobytes) on each of the 900 opens between would add over 20 MB.
// Smaller losses are left to the leak checker of the sanitizer build.
constexpr long kResidentToleranceKb = 4 * 1024;

enum class Kind { Random, Planar, Terraced, Truncated, Impossible };

// How often each kind comes, out of 20.
Kind PickKind(CCourseMaker& maker)
{
    const int roll = maker.Below(20);
    if (roll < 6)
        return Kind::Random;
    if (roll < 11)
        return Kind::Planar;
    if (roll < 15)
        return Kind::Terraced;
    if (roll < 18)
        return Kind::Truncated;
    return Kind::Impossible;
}

CCourseMaker::Bytes MakeCourse(CCourseMaker& maker, Kind kind, int& width, int& height)
{
    const int largest = kind == Kind::Random ? kLargestRandomSide : kLargestSide;
    width = maker.Side(largest);
    height = maker.Side(largest);
    switch (kind) {
    case Kind::Random: return maker.Random(width, height);
    case Kind::Planar: return maker.Planar(width, height);
    case Kind::Terraced: return maker.Terraced(width, height);
    case Kind::Truncated: return maker.Truncated(width, height);
    case Kind::Impossible: break;
    }
    return maker.Impossible();
}

// What an open must leave alone when it fails.
struct GameSnapshot {
    unsigned courseList, ballList;
    int width, height;
    BallState ball;
    PlayState state;

    bool operator==(const GameSnapshot& o) const
    {
        return courseList == o.courseList && ballList == o.ballList && width == o.width && height == o.height &&
               ball == o.ball && state == o.state;
    }
};

class CourseAfterCourse : public LongSessionTest {
protected:
    GameSnapshot Snapshot() const
    {
        const CHeightField& course = m_doc.GetHeightField();
        return {m_view->m_courseList, m_view->m_ballList, course.GetWidth(), course.GetHeight(), BallOf(m_doc),
                m_doc.GetPlayState()};
    }

    // The course's and ball's lists, and every glyph font's.
    int ExpectedLists() const
    {
        return 2 + (m_view->m_outlineFontBase != 0 ? 256 : 0) + (m_view->m_bitmapFontBase != 0 ? 256 : 0);
    }

    void DrawFrames()
    {
        for (int f = 0; f < kFramesPerOpen; ++f) {
            DrawFrame();
            ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        }
        // Let the toolkit run what the frames and the open asked of it.
        PumpGLEvents();
    }

    // Opens the course, which must open, and checks that its lists took
    // the place of the previous course's.
    void ExpectOpens(const CCourseMaker::Bytes& bytes, int width, int height)
    {
        const GameSnapshot before = Snapshot();
        const size_t errors = m_prompter.errors.size();
        ASSERT_TRUE(OpenCourse(bytes)) << (m_prompter.errors.empty() ? "" : m_prompter.errors.back());
        ASSERT_EQ(m_prompter.errors.size(), errors);
        const GameSnapshot after = Snapshot();
        ASSERT_EQ(after.width, width);
        ASSERT_EQ(after.height, height);
        ASSERT_EQ(after.state, Rolling);
        ASSERT_FALSE((before.courseList != 0 && glIsList(before.courseList)) ||
                     (before.ballList != 0 && glIsList(before.ballList)))
            << "the previous course's lists are still alive";
        ASSERT_TRUE(glIsList(after.courseList) && glIsList(after.ballList));
    }

    // Opens the course, which must fail with one message naming the file,
    // and checks that the game went on as it was.
    void ExpectRefused(const CCourseMaker::Bytes& bytes)
    {
        const GameSnapshot before = Snapshot();
        const size_t errors = m_prompter.errors.size();
        ASSERT_FALSE(OpenCourse(bytes));
        ASSERT_EQ(m_prompter.errors.size(), errors + 1);
        const std::string name = "course-" + std::to_string(m_opens - 1) + ".hfd";
        EXPECT_NE(m_prompter.errors.back().find(name), std::string::npos) << m_prompter.errors.back();
        ASSERT_TRUE(Snapshot() == before) << "a failed open changed the game";
        ASSERT_TRUE(glIsList(before.courseList) && glIsList(before.ballList));
    }
};

TEST_F(CourseAfterCourse, AThousandOpensLeaveListsAndMemoryLevel)
{
    CCourseMaker maker(67);
    // The heaviest course first: every cell its own top and walls.
    ASSERT_NO_FATAL_FAILURE(ExpectOpens(maker.Random(kLargestSide, kLargestSide), kLargestSide, kLargestSide));
    ASSERT_NO_FATAL_FAILURE(DrawFrames());
    const int expectedLists = ExpectedLists();
    const CCourseMaker::Bytes checkpointCourse = maker.Planar(kLargestSide, kLargestSide);

    struct Reading {
        int opens;
        int lists;
        long residentKb;
    };
    std::vector<Reading> readings;
    int refused = 0;

    for (int open = 1; open <= kOpens; ++open) {
        SCOPED_TRACE("open " + std::to_string(open));
        const bool checkpoint = open % kCheckpointPeriod == 0;
        const Kind kind = checkpoint ? Kind::Planar : PickKind(maker);
        int width = kLargestSide, height = kLargestSide;
        const CCourseMaker::Bytes bytes = checkpoint ? checkpointCourse : MakeCourse(maker, kind, width, height);
        if (kind == Kind::Truncated || kind == Kind::Impossible) {
            ++refused;
            ASSERT_NO_FATAL_FAILURE(ExpectRefused(bytes));
        } else {
            ASSERT_NO_FATAL_FAILURE(ExpectOpens(bytes, width, height));
        }
        ASSERT_NO_FATAL_FAILURE(DrawFrames());
        const int lists = CountLiveLists(ListNameBound());
        ASSERT_EQ(lists, expectedLists);
        if (checkpoint)
            readings.push_back({open, lists, ResidentKilobytes()});
    }

    EXPECT_GT(refused, kOpens / 10) << "too few failing opens to say anything";
    EXPECT_STREQ(m_view->m_errorText, "No Error");
    ASSERT_GE(readings.size(), 2u);
    const Reading& first = readings.front();
    const Reading& last = readings.back();
    std::printf("lists: %d after %d opens, %d after %d; resident: %ld kB, %ld kB (", first.lists, first.opens,
                last.lists, last.opens, first.residentKb, last.residentKb);
    for (const Reading& r : readings)
        std::printf(" %ld", r.residentKb);
    std::printf(" )\n");
    if (ResidentMemoryIsMeaningful()) {
        EXPECT_LE(last.residentKb - first.residentKb, kResidentToleranceKb);
    }
}

}  // namespace
