// Any bytes opened as a course in both programs' documents, each holding an
// earlier course with unsaved changes. They load exactly when the layout says
// they hold a course; a refusal gives a reason and changes nothing (nor the
// game's ball, play state and view); a load saves back to its bytes without
// those after its last cell, puts the ball on the first start cell column by
// column, its runs tile the course, and its thumbnail has the size asked for.

#include "course/CellType.h"
#include "course/HeightField.h"
#include "editor/app/BraskitDoc.h"
#include "editor/thumbnailer/Thumbnail.h"
#include "fuzz/FuzzCheck.h"
#include "game/state/BraskDoc.h"
#include "game/state/BraskViewLink.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A little-endian value of 2 or 4 bytes.
std::int64_t Le(const std::uint8_t* p, int bytes)
{
    const std::uint32_t v = p[0] | p[1] << 8 | (bytes == 4 ? std::uint32_t(p[2] | p[3] << 8) << 16 : 0);
    return bytes == 2 ? std::int16_t(v) : std::int32_t(v);
}

// q continues p's plane over their shared edge: it starts where p ends and
// climbs as much, along both edges (corners a, b near q; fa, fb far in p).
bool Continues(const HeightCell& p, const HeightCell& q, int a, int b, int fa, int fb)
{
    const int pa = p.corner[a], pb = p.corner[b], pfa = p.corner[fa], pfb = p.corner[fb];
    return q.corner[a] == pfa && q.corner[b] == pfb && q.corner[fa] - pfa == pfa - pa && q.corner[fb] - pfb == pfb - pb;
}

// The game view's part. Building the lists merges the course as the mesh
// does and checks what the mesh relies on: marks clear beforehand, and runs
// that cover each cell but holes once, of one type, in one plane.
class CFakeGameView : public CBraskViewLink {
public:
    explicit CFakeGameView(CBraskDoc& doc) : m_doc(doc) { doc.AddView(this); }
    void BuildLists() override
    {
        m_calls += "BuildLists;";
        CHeightField& course = m_doc.GetHeightField();
        const int width = course.GetWidth(), height = course.GetHeight();
        std::vector<int> covered(static_cast<std::size_t>(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                FUZZ_CHECK(!course.GetCell(x, y).merged, "a merge mark survived the load");
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const HeightCell& first = course.GetCell(x, y);
                if (first.merged || first.type == Hole)
                    continue;
                int w = 0, h = 0;
                course.MergeRun(x, y, w, h);
                FUZZ_CHECK(w >= 1 && h >= 1 && x + w <= width && y + h <= height, "a run reaches outside the grid");
                for (int ry = y; ry < y + h; ++ry)
                    for (int rx = x; rx < x + w; ++rx) {
                        const HeightCell& c = course.GetCell(rx, ry);
                        ++covered[static_cast<std::size_t>(ry) * width + rx];
                        FUZZ_CHECK(c.type == first.type && c.merged, "a run covers another type or stays unmarked");
                        FUZZ_CHECK((rx == x || Continues(course.GetCell(rx - 1, ry), c, 0, 3, 1, 2)) &&
                                       (ry == y || Continues(course.GetCell(rx, ry - 1), c, 0, 1, 3, 2)),
                                   "a run joins cells of different planes");
                    }
            }
        for (int i = 0; i < width * height; ++i)
            FUZZ_CHECK(covered[i] == (course.GetCell(i % width, i / width).type != Hole),
                       "the runs do not cover each cell but holes once");
    }
    void RecenterCursor() override { m_calls += "RecenterCursor;"; }
    void SetAnimation(bool on) override { m_calls += on ? "SetAnimation(true);" : "SetAnimation(false);"; }
    std::string m_calls;

private:
    CBraskDoc& m_doc;
};

Bytes Saved(CDocument& doc)
{
    Bytes bytes;
    std::string reason;
    return doc.SaveToBytes(bytes, reason) ? bytes : Bytes();
}

void CheckOpen(CDocument& doc, CHeightField& course, const Bytes& bytes, CBraskDoc* game)
{
    // Worked out from the file layout alone.
    std::int64_t width = bytes.size() >= 8 ? Le(&bytes[0], 4) : 0, height = bytes.size() >= 8 ? Le(&bytes[4], 4) : 0;
    const bool loads = width >= 1 && height >= 1 && width * height <= CHeightField::kMaxCells &&
                       bytes.size() >= std::size_t(8 + 10 * width * height);
    // The earlier course (3 x 2, its start at (1, 1)), then an unsaved edit.
    const Bytes previous = {3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 5, 0, 10, 0, 15, 0, 2, 0, 20, 0, 30, 0, 39, 0, 40, 0,
                            7, 0, 90, 0, 95, 0, 99, 0, 150, 0, 4, 0, 1, 0, 2, 0, 3, 0, 4, 0, 3, 0, 60, 0, 70, 0, 80,
                            0, 89, 0, 9, 0, 0xFB, 0xFF, 50, 0, 12, 0, 25, 0};
    std::string reason;
    FUZZ_CHECK(doc.OpenFromBytes(previous, "/c/previous.hfd", reason), "the earlier course fails");
    course.SetCell(2, 1, HeightCell{Mud, {99, 0, 98, 1}, 0});
    doc.SetModifiedFlag();
    if (game) {
        game->SetBall(2.25, 0.75, 41.5, 123.0, -0.5, 0.25);
        game->SetPlayState(Lost);
    }
    auto* view = game ? static_cast<CFakeGameView*>(game->GetFirstView()) : nullptr;
    if (view)
        view->m_calls.clear();
    const Bytes before = Saved(doc);
    const BallState ball = game ? game->GetBallState() : BallState{};

    reason.clear();
    // Any exception but the archive's, which the document turns into a
    // reason, ends the run.
    const bool opened = doc.OpenFromBytes(bytes, "/c/fuzzed.hfd", reason);
    FUZZ_CHECK(opened == loads, opened ? "a broken course opened" : "a sound course was refused");
    if (!opened) {
        FUZZ_CHECK(!reason.empty() && Saved(doc) == before, "a refused open changed the course or gave no reason");
        FUZZ_CHECK(!game || (game->GetBallState() == ball && game->GetPlayState() == Lost && view->m_calls.empty()),
                   "a refused open changed the game");
        return;
    }
    const Bytes saved = Saved(doc);
    FUZZ_CHECK(saved.size() == std::size_t(8 + 10 * width * height) &&
                   std::equal(saved.begin(), saved.end(), bytes.begin()),
               "the course saves other bytes than it was loaded from");
    if (!game) {
        // Its thumbnail, at any size asked for, is held within the largest side.
        const int size = static_cast<int>(bytes.size() % 1100);
        const Thumbnail picture = DrawThumbnail(course, size);
        FUZZ_CHECK(std::max(picture.width, picture.height) == std::clamp(size, 1, 1024) &&
                       std::min(picture.width, picture.height) >= 1, "the thumbnail is not of the size asked for");
        return;
    }
    FUZZ_CHECK(view->m_calls == "BuildLists;SetAnimation(true);" && game->GetPlayState() == Rolling,
               "a load did not start the game as it should");
    BallState expected{0.5, 0.5, 0.0, 0.0, 0.0, 0.0};
    for (int i = 0; i < width * height; ++i) {
        const std::uint8_t* cell = &bytes[8 + 10 * (i % height * width + i / height)];  // column by column
        if (Le(cell, 2) == Start) {
            const double c0 = Le(cell + 2, 2), c1 = Le(cell + 4, 2), c3 = Le(cell + 8, 2);
            expected = {i / height + 0.5, i % height + 0.5, c0 + (c1 - c0) * 0.5 + (c3 - c0) * 0.5, 0.0, 0.0, 0.0};
            break;
        }
    }
    FUZZ_CHECK(game->GetBallState() == expected, "a load put the ball elsewhere than its start");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Bytes bytes(data, data + size);
    CBraskDoc game;
    CFakeGameView view(game);
    CheckOpen(game, game.GetHeightField(), bytes, &game);
    CBraskitDoc editor;
    CheckOpen(editor, *editor.GetHeightField(), bytes, nullptr);
    return 0;
}
