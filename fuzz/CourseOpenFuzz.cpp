// Opening any bytes as a course, in both programs' documents, the way File >
// Open does once the file is read. The bytes either load or are refused
// with a reason; a refused open leaves the document exactly as it was (the
// course, and in the game the ball, play state and view); a loaded course
// saves back to the bytes it came from, without any bytes after its last
// cell. Each document is tried holding an earlier course, and on a refusal
// also fresh.

#include "course/CellType.h"
#include "course/HeightField.h"
#include "editor/BraskitDoc.h"
#include "fuzz/FuzzCheck.h"
#include "game/state/BraskDoc.h"
#include "game/state/BraskViewLink.h"

#include <cstdint>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kHeaderBytes = 8;
constexpr std::size_t kRecordBytes = 10;

const char* const kPreviousPath = "/courses/previous.hfd";
const char* const kFuzzedPath = "/courses/fuzzed.hfd";

std::int32_t Le32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
                                     std::uint32_t{p[3]} << 24);
}

std::int16_t Le16(const std::uint8_t* p)
{
    return static_cast<std::int16_t>(p[0] | p[1] << 8);
}

// What the bytes must give, worked out from the file layout alone.
struct Expected {
    bool loads = false;
    int width = 0;
    int height = 0;
    std::size_t courseBytes = 0;  // header and cells, without trailing bytes
};

Expected Expect(const std::uint8_t* data, std::size_t size)
{
    Expected e;
    if (size < kHeaderBytes)
        return e;
    const std::int64_t width = Le32(data);
    const std::int64_t height = Le32(data + 4);
    if (width < 1 || height < 1 || width * height > CHeightField::kMaxCells)
        return e;
    const std::uint64_t needed = kHeaderBytes + kRecordBytes * static_cast<std::uint64_t>(width * height);
    if (size < needed)
        return e;
    e.loads = true;
    e.width = static_cast<int>(width);
    e.height = static_cast<int>(height);
    e.courseBytes = static_cast<std::size_t>(needed);
    return e;
}

// The stored record of cell (x, y).
const std::uint8_t* RecordOf(const std::uint8_t* data, int width, int x, int y)
{
    return data + kHeaderBytes + kRecordBytes * (static_cast<std::size_t>(y) * width + x);
}

// A course, copied out so that it can be compared after the open.
struct CourseCopy {
    int width = 0;
    int height = 0;
    std::vector<HeightCell> cells;
};

CourseCopy CopyOf(const CHeightField& course)
{
    CourseCopy copy;
    copy.width = course.GetWidth();
    copy.height = course.GetHeight();
    for (int y = 0; y < copy.height; ++y)
        for (int x = 0; x < copy.width; ++x)
            copy.cells.push_back(course.GetCell(x, y));
    return copy;
}

bool SameCell(const HeightCell& a, const HeightCell& b)
{
    return a.type == b.type && std::memcmp(a.corner, b.corner, sizeof a.corner) == 0 && a.merged == b.merged;
}

bool SameCourse(const CourseCopy& copy, const CHeightField& course)
{
    if (copy.width != course.GetWidth() || copy.height != course.GetHeight())
        return false;
    std::size_t i = 0;
    for (int y = 0; y < copy.height; ++y)
        for (int x = 0; x < copy.width; ++x)
            if (!SameCell(copy.cells[i++], course.GetCell(x, y)))
                return false;
    return true;
}

// Every cell as its record in the bytes says; `marksClear` also wants every
// merge mark clear.
bool CellsAsStored(const CHeightField& course, const std::uint8_t* data, bool marksClear)
{
    const int width = course.GetWidth();
    for (int y = 0; y < course.GetHeight(); ++y) {
        for (int x = 0; x < width; ++x) {
            const HeightCell& cell = course.GetCell(x, y);
            const std::uint8_t* record = RecordOf(data, width, x, y);
            if (cell.type != Le16(record))
                return false;
            for (int k = 0; k < 4; ++k)
                if (cell.corner[k] != Le16(record + 2 + 2 * k))
                    return false;
            if (marksClear && cell.merged != 0)
                return false;
        }
    }
    return true;
}

// Stands in for the game view. Building the lists merges the course's runs
// as the course mesh does, and checks what the mesh relies on: every mark
// clear beforehand, every run inside the grid and of one cell type.
class CFakeGameView : public CBraskViewLink {
public:
    explicit CFakeGameView(CBraskDoc& doc) : m_doc(doc) {}

    void BuildLists() override
    {
        m_calls += "BuildLists;";
        CHeightField& course = m_doc.GetHeightField();
        const int width = course.GetWidth();
        const int height = course.GetHeight();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                FUZZ_CHECK(course.GetCell(x, y).merged == 0, "a merge mark survived the load");
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const HeightCell& cell = course.GetCell(x, y);
                if (cell.merged || cell.type == Hole)
                    continue;
                int runWidth = 0;
                int runHeight = 0;
                const std::int16_t type = cell.type;
                course.MergeRun(x, y, runWidth, runHeight);
                FUZZ_CHECK(runWidth >= 1 && runHeight >= 1 && x + runWidth <= width && y + runHeight <= height,
                           "a merged run reaches outside the grid");
                for (int ry = y; ry < y + runHeight; ++ry)
                    for (int rx = x; rx < x + runWidth; ++rx)
                        FUZZ_CHECK(course.GetCell(rx, ry).type == type && course.GetCell(rx, ry).merged,
                                   "a merged run covers another cell type or leaves a cell unmarked");
            }
        }
    }
    void RecenterCursor() override { m_calls += "RecenterCursor;"; }
    void SetAnimation(bool on) override { m_calls += on ? "SetAnimation(true);" : "SetAnimation(false);"; }

    std::string m_calls;

private:
    CBraskDoc& m_doc;
};

struct Ball {
    double x, y, z, angle, vx, vy;
};

Ball BallOf(const CBraskDoc& doc)
{
    Ball b;
    doc.GetBall(b.x, b.y, b.z, b.angle, b.vx, b.vy);
    return b;
}

bool SameBall(const Ball& a, const Ball& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A 3 x 2 course with its start cell at (1, 1): the course open before the
// fuzzed one.
Bytes PreviousCourse()
{
    static const std::int16_t kCells[6][5] = {
        {1, 0, 5, 10, 15}, {2, 20, 30, 39, 40}, {7, 90, 95, 99, 150},
        {4, 1, 2, 3, 4},   {3, 60, 70, 80, 89}, {9, -5, 50, 12, 25},
    };
    Bytes bytes = {3, 0, 0, 0, 2, 0, 0, 0};
    for (const auto& cell : kCells)
        for (std::int16_t v : cell) {
            bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
            bytes.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
        }
    return bytes;
}

// Opens as File > Open does; an exception other than the archive's
// (which the document turns into a reason) is a fault.
bool Open(CDocument& doc, const std::uint8_t* data, std::size_t size, const char* path, std::string& reason)
{
    try {
        return doc.OpenFromBytes(Bytes(data, data + size), path, reason);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "exception out of the open: %s\n", e.what());
        FUZZ_CHECK(false, "an exception other than the archive's left the open");
    }
    return false;
}

// The bytes a save would write; false with a reason when it refuses.
bool Save(CDocument& doc, Bytes& bytes)
{
    std::string reason;
    if (doc.SaveToBytes(bytes, reason))
        return true;
    FUZZ_CHECK(!reason.empty(), "a refused save gives no reason");
    return false;
}

// A document without a course writes no course file: it refuses, or
// writes nothing.
bool SavesNoCourse(CDocument& doc)
{
    Bytes bytes;
    return !Save(doc, bytes) || bytes.empty();
}

bool SavesAs(CDocument& doc, const std::uint8_t* data, std::size_t size)
{
    Bytes saved;
    FUZZ_CHECK(Save(doc, saved), "a loaded course cannot be saved");
    return saved.size() == size && (size == 0 || std::memcmp(saved.data(), data, size) == 0);
}

// Where a load must put the ball: centred on the first start cell, column
// by column, on its surface; at (0.5, 0.5, 0) without one.
Ball ExpectedBall(const std::uint8_t* data, const Expected& e)
{
    for (int x = 0; x < e.width; ++x) {
        for (int y = 0; y < e.height; ++y) {
            const std::uint8_t* record = RecordOf(data, e.width, x, y);
            if (Le16(record) != Start)
                continue;
            const double c0 = Le16(record + 2);
            const double c1 = Le16(record + 4);
            const double c3 = Le16(record + 8);
            return {x + 0.5, y + 0.5, c0 + (c1 - c0) * 0.5 + (c3 - c0) * 0.5, 0.0, 0.0, 0.0};
        }
    }
    return {0.5, 0.5, 0.0, 0.0, 0.0, 0.0};
}

void CheckGameOpen(const std::uint8_t* data, std::size_t size, const Expected& e, bool holdsCourse)
{
    CBraskDoc doc;
    CFakeGameView view(doc);
    doc.AddView(&view);
    std::string reason;
    if (holdsCourse) {
        const Bytes previous = PreviousCourse();
        FUZZ_CHECK(Open(doc, previous.data(), previous.size(), kPreviousPath, reason), "the earlier course fails");
        // A game under way: the ball somewhere on the course, lost.
        doc.SetBall(2.25, 0.75, 41.5, 123.0, -0.5, 0.25);
        doc.SetPlayState(Lost);
        doc.SetModifiedFlag();
        view.m_calls.clear();
    }
    const CourseCopy course = CopyOf(doc.GetHeightField());
    const Ball ball = BallOf(doc);
    const PlayState state = doc.GetPlayState();
    const std::string path = doc.GetPathName();
    const bool modified = doc.IsModified();

    reason.clear();
    const bool opened = Open(doc, data, size, kFuzzedPath, reason);
    FUZZ_CHECK(opened == e.loads, opened ? "the game opened a broken course" : "the game refused a sound course");
    if (!opened) {
        FUZZ_CHECK(!reason.empty(), "a refused open gives no reason");
        FUZZ_CHECK(SameCourse(course, doc.GetHeightField()), "a refused open changed the game's course");
        FUZZ_CHECK(SameBall(ball, BallOf(doc)), "a refused open moved the ball");
        FUZZ_CHECK(doc.GetPlayState() == state, "a refused open changed the play state");
        FUZZ_CHECK(doc.GetPathName() == path && doc.IsModified() == modified,
                   "a refused open changed the game's file name or modified mark");
        FUZZ_CHECK(view.m_calls.empty(), "a refused open reached the game view");
        if (!holdsCourse)
            FUZZ_CHECK(SavesNoCourse(doc), "an empty game document saves a course");
        return;
    }
    const CHeightField& loaded = doc.GetHeightField();
    FUZZ_CHECK(loaded.GetWidth() == e.width && loaded.GetHeight() == e.height, "the game's course has another size");
    FUZZ_CHECK(CellsAsStored(loaded, data, false), "the game's course differs from its file");
    FUZZ_CHECK(view.m_calls == "BuildLists;SetAnimation(true);", "the game view was not started as a load starts it");
    FUZZ_CHECK(doc.GetPlayState() == Rolling, "a loaded game is not rolling");
    FUZZ_CHECK(SameBall(BallOf(doc), ExpectedBall(data, e)), "a load put the ball elsewhere than its start");
    FUZZ_CHECK(doc.GetPathName() == kFuzzedPath && !doc.IsModified(), "an open did not take the file's name");
    FUZZ_CHECK(SavesAs(doc, data, e.courseBytes), "the game saves other bytes than it loaded");
    FUZZ_CHECK(doc.GetPlayState() == Rolling && SameBall(BallOf(doc), ExpectedBall(data, e)),
               "saving changed the game");
}

void CheckEditorOpen(const std::uint8_t* data, std::size_t size, const Expected& e, bool holdsCourse)
{
    CBraskitDoc doc;
    std::string reason;
    if (holdsCourse) {
        const Bytes previous = PreviousCourse();
        FUZZ_CHECK(Open(doc, previous.data(), previous.size(), kPreviousPath, reason), "the earlier course fails");
        // An edit not yet saved.
        doc.GetHeightField()->SetCell(2, 1, HeightCell{Mud, {99, 0, 98, 1}, 0});
        doc.SetModifiedFlag();
    }
    const CourseCopy course = CopyOf(*doc.GetHeightField());
    const std::string path = doc.GetPathName();
    const bool modified = doc.IsModified();

    reason.clear();
    const bool opened = Open(doc, data, size, kFuzzedPath, reason);
    FUZZ_CHECK(opened == e.loads, opened ? "the editor opened a broken course" : "the editor refused a sound course");
    if (!opened) {
        FUZZ_CHECK(!reason.empty(), "a refused open gives no reason");
        FUZZ_CHECK(SameCourse(course, *doc.GetHeightField()), "a refused open changed the editor's course");
        FUZZ_CHECK(doc.GetPathName() == path && doc.IsModified() == modified,
                   "a refused open changed the editor's file name or modified mark");
        if (!holdsCourse)
            FUZZ_CHECK(SavesNoCourse(doc), "an empty editor document saves a course");
        return;
    }
    const CHeightField& loaded = *doc.GetHeightField();
    FUZZ_CHECK(loaded.GetWidth() == e.width && loaded.GetHeight() == e.height, "the editor's course has another size");
    FUZZ_CHECK(CellsAsStored(loaded, data, true), "the editor's course differs from its file");
    FUZZ_CHECK(doc.GetPathName() == kFuzzedPath && !doc.IsModified(), "an open did not take the file's name");
    FUZZ_CHECK(SavesAs(doc, data, e.courseBytes), "the editor saves other bytes than it loaded");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Expected e = Expect(data, size);
    CheckGameOpen(data, size, e, true);
    CheckEditorOpen(data, size, e, true);
    // A fresh document differs only in what a refusal must leave (nothing
    // at all), and refusals are cheap; a load is the same either way.
    if (!e.loads) {
        CheckGameOpen(data, size, e, false);
        CheckEditorOpen(data, size, e, false);
    }
    return 0;
}
