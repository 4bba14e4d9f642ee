// The ball physics step on any course (any cell types, heights up to the
// 16-bit ends), with any frame times (the 32-bit clock's wrap, pauses of
// days, frames at the same millisecond), pointer moves of any size, and new
// games in between. After every step the ball state is finite, the spin
// within 0..360; while the game is Rolling the ball is inside the grid on a
// cell that is not a Hole, at the surface's height; a Lost step writes
// nothing; Lost and Won stay until a new game, and then only the spin moves.
//
// Input: a course file (header and cells; trailing bytes are the events)
// and the clock's first reading, then events, one selector byte each and
// its operands. Input that does not start with a course is all events, on
// a game with no course loaded.

#include "course/CellType.h"
#include "course/HeightField.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "game/state/BallPhysics.h"
#include "game/state/BraskDoc.h"
#include "game/state/BraskViewLink.h"
#include "platform/Archive.h"
#include "platform/ArchiveException.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Where the game view re-centres the pointer.
constexpr ScreenPoint kCursorOrigin{500, 380};

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

bool SamePlace(const Ball& a, const Ball& b)
{
    return a.x == b.x && a.y == b.y && a.z == b.z && a.vx == b.vx && a.vy == b.vy;
}

bool Finite(const Ball& b)
{
    return std::isfinite(b.x) && std::isfinite(b.y) && std::isfinite(b.z) && std::isfinite(b.angle) &&
           std::isfinite(b.vx) && std::isfinite(b.vy);
}

// The game view's part: re-centring puts the pointer at the origin and
// remembers it there; the animation, once on, runs a step per frame.
class CFakeGameView : public CBraskViewLink {
public:
    void BuildLists() override { RecenterCursor(); }
    void RecenterCursor() override
    {
        m_pointer = kCursorOrigin;
        m_lastCursor = kCursorOrigin;
    }
    void SetAnimation(bool on) override { m_animate = on; }

    ScreenPoint m_pointer{0, 0};
    ScreenPoint m_lastCursor{0, 0};
    bool m_animate = false;
};

class CGameSession {
public:
    explicit CGameSession(CFuzzInput& in) : m_in(in) { m_doc.AddView(&m_view); }

    // Opens the course at the start of the input, or leaves the document
    // as the game starts without one (the events then begin at once).
    void OpenCourse()
    {
        const std::vector<std::uint8_t> bytes(m_in.Current(), m_in.Current() + m_in.Remaining());
        CArchive ar(bytes);
        try {
            CHeightField probe;
            probe.Load(ar);
        } catch (const CArchiveException&) {
            return;
        }
        const std::size_t courseBytes = bytes.size() - ar.Remaining();
        std::string reason;
        FUZZ_CHECK(m_doc.OpenFromBytes(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + courseBytes),
                                       "course.hfd", reason),
                   "a course that loads does not open");
        m_in.Skip(courseBytes);
        FUZZ_CHECK(m_view.m_animate, "an open left the animation off");
        m_clock = m_in.U32();
        m_lastFrame = m_clock;
    }

    void Run()
    {
        while (!m_in.IsEmpty()) {
            switch (m_in.Byte() % 6) {
            case 0: Frame(m_in.Byte()); break;           // a few ms to a quarter second
            case 1: Frame(m_in.U16()); break;            // up to a minute
            case 2: Frame(m_in.U32()); break;            // anything, the wrap included
            case 3: MovePointer(); break;
            case 4: JumpPointer(); break;
            case 5: NewGame(); break;
            }
        }
    }

private:
    void MovePointer()
    {
        const std::int16_t dx = m_in.I16();
        const std::int16_t dy = m_in.I16();
        m_view.m_pointer.x = Moved(m_view.m_pointer.x, dx);
        m_view.m_pointer.y = Moved(m_view.m_pointer.y, dy);
    }

    // Relative moves wrap round at the ends of int, like the clock; a
    // pointer query may give any position.
    static std::int32_t Moved(std::int32_t position, std::int16_t by)
    {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(position) + static_cast<std::uint32_t>(by));
    }

    // Whatever a pointer query may give, ends of int included.
    void JumpPointer()
    {
        const std::int32_t x = m_in.I32();
        m_view.m_pointer = {x, m_in.I32()};
    }

    void NewGame()
    {
        m_doc.OnGameNew();
        FUZZ_CHECK(m_doc.GetPlayState() == Rolling, "a new game does not roll");
        FUZZ_CHECK(m_view.m_animate, "a new game left the animation off");
        const Ball b = BallOf(m_doc);
        FUZZ_CHECK(b.angle == 0.0 && b.vx == 0.0 && b.vy == 0.0, "a new game starts the ball moving");
    }

    // One full frame `elapsed` ms after the last: the render loop's step.
    void Frame(std::uint32_t elapsed)
    {
        m_clock += elapsed;  // wraps like the millisecond clock
        const Ball before = BallOf(m_doc);
        const PlayState stateBefore = m_doc.GetPlayState();
        const ScreenPoint cursorBefore = m_view.m_lastCursor;
        int pointerReads = 0;
        StepBall(m_doc, m_clock, m_lastFrame, m_view.m_lastCursor, [&] {
            ++pointerReads;
            return m_view.m_pointer;
        });
        m_lastFrame = m_clock;
        const Ball after = BallOf(m_doc);
        const PlayState state = m_doc.GetPlayState();
        const CHeightField& course = m_doc.GetHeightField();

        FUZZ_CHECK(Finite(after), "the ball state is not finite");
        FUZZ_CHECK(0.0 <= after.angle && after.angle <= 360.0, "the spin left 0..360");
        FUZZ_CHECK(pointerReads == (stateBefore == Rolling ? 1 : 0), "the pointer was read other than once a roll");
        if (stateBefore != Rolling) {
            FUZZ_CHECK(state == stateBefore, "a game that was not rolling changed its state");
            FUZZ_CHECK(SamePlace(before, after), "a ball that was not rolling moved");
            FUZZ_CHECK(m_view.m_lastCursor.x == cursorBefore.x && m_view.m_lastCursor.y == cursorBefore.y,
                       "a step that was not rolling took the pointer");
            return;
        }
        FUZZ_CHECK(state == Rolling || state == Lost || state == Won, "a roll ended in an unknown state");
        if (state == Lost) {
            FUZZ_CHECK(SameBall(before, after), "a lost step wrote the ball");
            return;
        }
        // Rolling or just won: the ball stands on the course.
        FUZZ_CHECK(0.0 <= after.x && after.x < course.GetWidth() && 0.0 <= after.y && after.y < course.GetHeight(),
                   "a rolling ball is off the course");
        const HeightCell& cell = course.GetCell(static_cast<int>(after.x), static_cast<int>(after.y));
        FUZZ_CHECK(cell.type != Hole, "a rolling ball is over a hole");
        FUZZ_CHECK((state == Won) == (cell.type == Finish), "a win is not on a finish cell, or a finish not a win");
        FUZZ_CHECK(after.z == course.GetHeightAt(after.x, after.y), "the ball is off the surface");
    }

    CFuzzInput& m_in;
    CBraskDoc m_doc;
    CFakeGameView m_view;
    std::uint32_t m_clock = 0;
    std::uint32_t m_lastFrame = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CFuzzInput in(data, size);
    CGameSession session(in);
    session.OpenCourse();
    session.Run();
    return 0;
}
