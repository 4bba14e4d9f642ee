// The game document: where loading and Game > New put the ball, which view
// steps they run in which order, and that a failed open changes nothing.

#include "BallTestSupport.h"

#include "course/CellType.h"
#include "game/state/BraskDoc.h"
#include "game/state/BraskViewLink.h"
#include "platform/Archive.h"
#include "tests/platform/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const BallState kConstructedBall{4, 4, 0, 0, 0, 0};
const HeightCell kStart{Start, {0, 4, 9, 2}, 0};  // the ball sits at height 3 on its centre

// Stands in for the game view: notes each step and what the document held
// at that moment.
class CRecordingView : public CBraskViewLink {
public:
    explicit CRecordingView(const CBraskDoc& doc) : m_doc(doc) {}
    void BuildLists() override { Note("BuildLists"); }
    void RecenterCursor() override { Note("RecenterCursor"); }
    void SetAnimation(bool on) override { Note(on ? "SetAnimation(true)" : "SetAnimation(false)"); }

    void Clear()
    {
        m_calls.clear();
        m_courseWidths.clear();
        m_playStates.clear();
    }

    std::vector<std::string> m_calls;
    std::vector<int> m_courseWidths;      // course width at each step
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

Bytes StoredCourse(CBraskDoc& doc)
{
    CArchive ar;
    doc.Serialize(ar);
    return ar.Bytes();
}

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

TEST(BraskDocAlone, ConstructionNewGameAndLoadWithoutAView)
{
    CBraskDoc doc;
    EXPECT_EQ(BallOf(doc), kConstructedBall);
    EXPECT_EQ(doc.GetPlayState(), Idle);
    EXPECT_EQ(doc.GetHeightField().GetWidth(), 0);
    EXPECT_EQ(doc.GetHeightField().GetHeight(), 0);
    EXPECT_FALSE(doc.IsModified());

    // Game > New before any course rolls where the ball is.
    doc.OnGameNew();
    EXPECT_EQ(BallOf(doc), kConstructedBall);
    EXPECT_EQ(doc.GetPlayState(), Rolling);

    // Without a view a load only reads the course.
    doc.SetPlayState(Idle);
    CArchive ar(CourseFile(3, 2, {{1, 1, kStart}}));
    doc.Serialize(ar);
    EXPECT_EQ(doc.GetHeightField().GetWidth(), 3);
    EXPECT_EQ(BallOf(doc), kConstructedBall);
    EXPECT_EQ(doc.GetPlayState(), Idle);
}

// A load builds the lists from the new course, then starts the game with
// the ball on the first Start cell, searching column by column.
TEST_F(BraskDocument, LoadBuildsListsThenPlacesTheBallAndRolls)
{
    const struct {
        const char* name;
        Bytes file;
        int width;
        BallState ball;
    } cases[] = {
        {"one Start cell", CourseFile(6, 7, {{2, 3, kStart}}), 6, {2.5, 3.5, 3.0, 0, 0, 0}},
        {"column before row", CourseFile(5, 7, {{3, 0, kStart}, {1, 5, kStart}, {1, 6, kStart}}), 5,
         {1.5, 5.5, 3.0, 0, 0, 0}},
        {"no Start cell: the corner, at height 0", CourseFile(4, 4, {{0, 0, HeightCell{Floor, {40, 40, 40, 40}, 0}}}),
         4, {0.5, 0.5, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_view.Clear();
        m_doc.SetPlayState(Won);
        m_doc.SetBall(9, 9, 9, 123, 4, -4);
        Load(c.file);
        EXPECT_EQ(m_view.m_calls, std::vector<std::string>({"BuildLists", "SetAnimation(true)"}));
        EXPECT_EQ(m_view.m_courseWidths, std::vector<int>({c.width, c.width}));
        EXPECT_EQ(m_view.m_playStates, std::vector<PlayState>({Won, Won}));
        EXPECT_EQ(BallOf(m_doc), c.ball);
        EXPECT_EQ(m_doc.GetPlayState(), Rolling);
        EXPECT_FALSE(m_doc.IsModified());
    }
}

TEST_F(BraskDocument, NewGameRecentresAnimatesAndRollsFromAnyState)
{
    Load(CourseFile(4, 4, {{2, 1, kStart}}));
    for (PlayState from : {Idle, Rolling, Lost, Won}) {
        SCOPED_TRACE(from);
        m_view.Clear();
        m_doc.SetPlayState(from);
        m_doc.SetBall(3.2, 0.7, 8, 200, 2, -3);
        m_doc.OnGameNew();
        EXPECT_EQ(m_view.m_calls, std::vector<std::string>({"RecenterCursor", "SetAnimation(true)"}));
        EXPECT_EQ(m_view.m_playStates, std::vector<PlayState>({from, from}));
        EXPECT_EQ(BallOf(m_doc), (BallState{2.5, 1.5, 3.0, 0, 0, 0}));
        EXPECT_EQ(m_doc.GetPlayState(), Rolling);
    }

    // Without a Start cell the game restarts where the ball is.
    Load(CourseFile(4, 4));
    m_doc.SetBall(2.25, 1.75, 5, 300, 1.5, -0.5);  // last position before a loss
    m_doc.SetPlayState(Lost);
    m_doc.OnGameNew();
    EXPECT_EQ(BallOf(m_doc), (BallState{2.25, 1.75, 5, 0, 0, 0}));
    EXPECT_EQ(m_doc.GetPlayState(), Rolling);
}

TEST_F(BraskDocument, NewDocumentAndSaveLeaveTheGameAlone)
{
    const Bytes file = CourseFile(3, 2, {{1, 0, kStart}});
    Load(file);
    const BallState ball{1.2, 1.3, 2, 45, 0.5, 0.25};
    SetBallOf(m_doc, ball);
    m_doc.SetPlayState(Won);
    m_view.Clear();
    EXPECT_TRUE(m_doc.OnNewDocument());
    EXPECT_EQ(StoredCourse(m_doc), file);
    EXPECT_EQ(BallOf(m_doc), ball);
    EXPECT_EQ(m_doc.GetPlayState(), Won);
    EXPECT_TRUE(m_view.m_calls.empty());
}

// Every failed open: the course, the ball, the play state and the file name
// stay as they were, and no view step runs.
TEST_F(BraskDocument, FailedOpenChangesNothing)
{
    const CTempFolder folder;
    const std::string path = folder.Path("course.hfd");
    const Bytes good = CourseFile(3, 2, {{1, 0, kStart}});
    folder.Write("course.hfd", good);
    std::string reason;
    ASSERT_TRUE(m_doc.OnOpenDocument(path, reason)) << reason;
    const BallState ball{1.1, 0.9, 4, 30, 1, 2};
    SetBallOf(m_doc, ball);
    m_doc.SetPlayState(Lost);
    m_view.Clear();

    std::vector<Bytes> bad;
    const Bytes other = CourseFile(5, 4, {{4, 3, kStart}});
    for (std::size_t length = 0; length < other.size(); length += 7)
        bad.emplace_back(other.begin(), other.begin() + length);
    bad.push_back({0, 0, 0, 0, 5, 0, 0, 0});                                                  // 0 x 5
    bad.push_back({0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3, 4, 5, 6, 7, 8});  // huge
    for (const Bytes& file : bad) {
        SCOPED_TRACE(::testing::Message() << file.size() << " bytes");
        folder.Write("course.hfd", file);
        EXPECT_FALSE(m_doc.OnOpenDocument(path, reason));
        EXPECT_FALSE(reason.empty());
        EXPECT_EQ(m_doc.GetPathName(), path);
        EXPECT_EQ(BallOf(m_doc), ball);
        EXPECT_EQ(m_doc.GetPlayState(), Lost);
        EXPECT_TRUE(m_view.m_calls.empty());
        EXPECT_EQ(StoredCourse(m_doc), good) << "a later save writes the old course";
    }
}

TEST_F(BraskDocument, SaveBeforeAnyCourseIsRefusedAndLeavesTheFile)
{
    // An empty file is no course either program could open again.
    const CTempFolder folder;
    const Bytes good = CourseFile(3, 2);
    folder.Write("course.hfd", good);
    std::string reason;
    EXPECT_FALSE(m_doc.OnSaveDocument(folder.Path("course.hfd"), reason));
    EXPECT_EQ(reason, "the course has no cells, and a course file needs at least one");
    EXPECT_EQ(folder.Read("course.hfd"), good);
    EXPECT_EQ(m_doc.GetPathName(), "");
    EXPECT_EQ(m_doc.GetPlayState(), Idle);
}

}  // namespace
