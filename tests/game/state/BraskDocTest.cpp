// The game document: where loading and Game > New put the ball, which view
// steps they run in which order, and that a failed open changes nothing.

#include "course/CellType.h"
#include "game/state/BraskDoc.h"
#include "game/state/BraskViewLink.h"
#include "platform/Archive.h"
#include "platform/ArchiveException.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Stands in for the game view: notes each step and what the document held
// at that moment.
class CRecordingView : public CBraskViewLink {
public:
    explicit CRecordingView(const CBraskDoc& doc) : m_doc(doc) {}
    void BuildLists() override { Note("BuildLists"); }
    void RecenterCursor() override { Note("RecenterCursor"); }
    void SetAnimation(bool on) override { Note(on ? "SetAnimation(true)" : "SetAnimation(false)"); }

    std::vector<std::string> m_calls;
    std::vector<int> m_courseWidths;     // course width at each step
    std::vector<PlayState> m_playStates;  // play state at each step

private:
    void Note(const char* call)
    {
        m_calls.push_back(call);
        m_courseWidths.push_back(m_doc.GetHeightField().GetWidth());
        m_playStates.push_back(m_doc.GetPlayState());
    }
    const CBraskDoc& m_doc;
};

struct Ball {
    double x, y, z, angle, vx, vy;
};

Ball BallOf(const CBraskDoc& doc)
{
    Ball b{};
    doc.GetBall(b.x, b.y, b.z, b.angle, b.vx, b.vy);
    return b;
}

void ExpectBall(const CBraskDoc& doc, Ball expected)
{
    const Ball b = BallOf(doc);
    EXPECT_DOUBLE_EQ(b.x, expected.x);
    EXPECT_DOUBLE_EQ(b.y, expected.y);
    EXPECT_DOUBLE_EQ(b.z, expected.z);
    EXPECT_DOUBLE_EQ(b.angle, expected.angle);
    EXPECT_DOUBLE_EQ(b.vx, expected.vx);
    EXPECT_DOUBLE_EQ(b.vy, expected.vy);
}

// A width x height course file of flat Floor cells at height 5, with the
// given cells changed.
struct Change {
    int x, y;
    HeightCell cell;
};
Bytes CourseFile(int width, int height, const std::vector<Change>& changes = {})
{
    CHeightField grid;
    grid.Create(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grid.SetCell(x, y, HeightCell{Floor, {5, 5, 5, 5}, 0});
    for (const Change& c : changes)
        grid.SetCell(c.x, c.y, c.cell);
    CArchive ar;
    grid.Store(ar);
    return ar.Bytes();
}

const HeightCell kStart{Start, {0, 4, 9, 2}, 0};

}  // namespace

class BraskDocument : public ::testing::Test {
protected:
    void SetUp() override { m_doc.AddView(&m_view); }

    void Load(const Bytes& file)
    {
        CArchive ar(file);
        m_doc.Serialize(ar);
    }

    CBraskDoc m_doc;
    CRecordingView m_view{m_doc};
};

TEST(BraskDocConstruction, EmptyCourseBallAtFourFourIdle)
{
    CBraskDoc doc;
    ExpectBall(doc, {4, 4, 0, 0, 0, 0});
    EXPECT_EQ(doc.GetPlayState(), Idle);
    EXPECT_EQ(doc.GetHeightField().GetWidth(), 0);
    EXPECT_EQ(doc.GetHeightField().GetHeight(), 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(BraskDocument, LoadBuildsListsStartsAnimationAndPlacesTheBall)
{
    m_doc.SetPlayState(Won);
    m_doc.SetBall(9, 9, 9, 123, 4, -4);
    Load(CourseFile(6, 7, {{2, 3, kStart}}));
    EXPECT_EQ(m_view.m_calls, std::vector<std::string>({"BuildLists", "SetAnimation(true)"}));
    // The lists are built from the new course, before the game restarts.
    EXPECT_EQ(m_view.m_courseWidths, std::vector<int>({6, 6}));
    EXPECT_EQ(m_view.m_playStates, std::vector<PlayState>({Won, Won}));
    ExpectBall(m_doc, {2.5, 3.5, 3.0, 0, 0, 0});  // z = 0 + 4 * 0.5 + 2 * 0.5
    EXPECT_EQ(m_doc.GetPlayState(), Rolling);
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(BraskDocument, StartCellSearchGoesColumnByColumn)
{
    Load(CourseFile(5, 7, {{3, 0, kStart}, {1, 5, kStart}, {1, 6, kStart}}));
    const Ball b = BallOf(m_doc);
    EXPECT_DOUBLE_EQ(b.x, 1.5);
    EXPECT_DOUBLE_EQ(b.y, 5.5);
}

TEST_F(BraskDocument, CourseWithoutStartPutsTheBallAtTheCorner)
{
    m_doc.SetBall(3, 3, 3, 90, 1, 1);
    Load(CourseFile(4, 4, {{0, 0, HeightCell{Floor, {40, 40, 40, 40}, 0}}}));
    ExpectBall(m_doc, {0.5, 0.5, 0, 0, 0, 0});
    EXPECT_EQ(m_doc.GetPlayState(), Rolling);
}

TEST(BraskDocWithoutView, LoadOnlyReadsTheCourse)
{
    CBraskDoc doc;
    CArchive ar(CourseFile(3, 2, {{1, 1, kStart}}));
    doc.Serialize(ar);
    EXPECT_EQ(doc.GetHeightField().GetWidth(), 3);
    ExpectBall(doc, {4, 4, 0, 0, 0, 0});
    EXPECT_EQ(doc.GetPlayState(), Idle);
}

TEST_F(BraskDocument, NewGameRecentresAnimatesAndRollsFromAnyState)
{
    Load(CourseFile(4, 4, {{2, 1, kStart}}));
    for (PlayState from : {Idle, Rolling, Lost, Won}) {
        m_view.m_calls.clear();
        m_view.m_playStates.clear();
        m_doc.SetPlayState(from);
        m_doc.SetBall(3.2, 0.7, 8, 200, 2, -3);
        m_doc.OnGameNew();
        EXPECT_EQ(m_view.m_calls, std::vector<std::string>({"RecenterCursor", "SetAnimation(true)"}));
        EXPECT_EQ(m_view.m_playStates, std::vector<PlayState>({from, from}));
        ExpectBall(m_doc, {2.5, 1.5, 3.0, 0, 0, 0});
        EXPECT_EQ(m_doc.GetPlayState(), Rolling);
    }
}

TEST_F(BraskDocument, NewGameWithoutStartCellRestartsWhereTheBallIs)
{
    Load(CourseFile(4, 4));
    m_doc.SetBall(2.25, 1.75, 5, 300, 1.5, -0.5);  // last position before a loss
    m_doc.SetPlayState(Lost);
    m_doc.OnGameNew();
    ExpectBall(m_doc, {2.25, 1.75, 5, 0, 0, 0});
    EXPECT_EQ(m_doc.GetPlayState(), Rolling);
}

TEST(BraskDocWithoutView, NewGameBeforeAnyCourseRollsInPlace)
{
    CBraskDoc doc;
    doc.OnGameNew();
    ExpectBall(doc, {4, 4, 0, 0, 0, 0});
    EXPECT_EQ(doc.GetPlayState(), Rolling);
}

TEST_F(BraskDocument, NewDocumentAndSaveLeaveTheGameAlone)
{
    Load(CourseFile(3, 2, {{1, 0, kStart}}));
    m_doc.SetBall(1.2, 1.3, 2, 45, 0.5, 0.25);
    m_doc.SetPlayState(Won);
    m_view.m_calls.clear();
    EXPECT_TRUE(m_doc.OnNewDocument());
    CArchive ar;
    m_doc.Serialize(ar);
    EXPECT_EQ(ar.Bytes(), CourseFile(3, 2, {{1, 0, kStart}}));
    EXPECT_EQ(m_doc.GetHeightField().GetWidth(), 3);
    ExpectBall(m_doc, {1.2, 1.3, 2, 45, 0.5, 0.25});
    EXPECT_EQ(m_doc.GetPlayState(), Won);
    EXPECT_TRUE(m_view.m_calls.empty());
}

// Every failed open: the course, the ball, the play state and the file name
// stay as they were, and no view step runs.
TEST_F(BraskDocument, FailedOpenChangesNothing)
{
    const Bytes good = CourseFile(3, 2, {{1, 0, kStart}});
    char path[] = "/tmp/brask-course-XXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    auto writeFile = [&](const Bytes& bytes) {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    };
    writeFile(good);
    std::string reason;
    ASSERT_TRUE(m_doc.OnOpenDocument(path, reason)) << reason;
    m_doc.SetBall(1.1, 0.9, 4, 30, 1, 2);
    m_doc.SetPlayState(Lost);
    m_view.m_calls.clear();

    std::vector<Bytes> bad;
    const Bytes other = CourseFile(5, 4, {{4, 3, kStart}});
    for (std::size_t length = 0; length < other.size(); length += 7)
        bad.emplace_back(other.begin(), other.begin() + length);
    bad.push_back({0, 0, 0, 0, 5, 0, 0, 0});                             // 0 x 5
    bad.push_back({0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3, 4, 5, 6, 7, 8});  // huge
    for (const Bytes& file : bad) {
        writeFile(file);
        EXPECT_FALSE(m_doc.OnOpenDocument(path, reason)) << file.size() << " bytes";
        EXPECT_FALSE(reason.empty());
        EXPECT_EQ(m_doc.GetPathName(), path);
        ExpectBall(m_doc, {1.1, 0.9, 4, 30, 1, 2});
        EXPECT_EQ(m_doc.GetPlayState(), Lost);
        EXPECT_TRUE(m_view.m_calls.empty());
        CArchive ar;
        m_doc.Serialize(ar);
        EXPECT_EQ(ar.Bytes(), good);  // a later save writes the old course
    }
    std::remove(path);
}
