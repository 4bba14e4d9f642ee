// The ball's step on any course after any frame interval (the clock's wrap, pauses of days, none), with
// pointer moves of any size and new games in between. The ball stays finite, its spin within 0..360. A
// rolling step reads the pointer once and is lost, writing nothing, or leaves the ball on the surface of a
// cell of the course that is no hole, won exactly on a finish. Any other step reads no pointer and only
// turns the spin.
//
// Input: a course file and the clock's first reading, then events (a selector byte and its operands);
// input that is no course is all events.

#include "course/CellType.h"
#include "course/HeightField.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "game/state/BallPhysics.h"
#include "game/state/BraskDoc.h"
#include "game/state/BraskViewLink.h"

#include <cmath>
#include <string>

namespace {

// The game view's part: a load or a new game re-centres the pointer.
class CFakeGameView : public CBraskViewLink {
public:
    void BuildLists() override { RecenterCursor(); }
    void RecenterCursor() override { m_pointer = m_lastCursor = ScreenPoint{500, 380}; }
    void SetAnimation(bool) override {}
    ScreenPoint m_pointer{0, 0}, m_lastCursor{0, 0};
};

// One full frame, as the render loop steps the ball.
void Frame(CBraskDoc& doc, CFakeGameView& view, std::uint32_t now, std::uint32_t last)
{
    const BallState before = doc.GetBallState();
    const PlayState stateBefore = doc.GetPlayState();
    int reads = 0;
    StepBall(doc, now, last, view.m_lastCursor, [&] { ++reads; return view.m_pointer; });
    BallState b = doc.GetBallState();
    const PlayState state = doc.GetPlayState();
    for (double v : {b.x, b.y, b.z, b.angle, b.vx, b.vy})
        FUZZ_CHECK(std::isfinite(v), "the ball is not finite");
    FUZZ_CHECK(0.0 <= b.angle && b.angle <= 360.0, "the spin left 0..360");
    FUZZ_CHECK(reads == (stateBefore == Rolling ? 1 : 0), "the pointer was read other than once a rolling step");
    if (stateBefore != Rolling) {
        FUZZ_CHECK(state == stateBefore, "a game that was not rolling changed its state");
        b.angle = before.angle;  // the spin alone may turn
    }
    if (stateBefore != Rolling || state == Lost) {
        FUZZ_CHECK(b == before, "a lost step, or one not rolling, moved the ball");
        return;
    }
    const CHeightField& course = doc.GetHeightField();
    FUZZ_CHECK(0.0 <= b.x && b.x < course.GetWidth() && 0.0 <= b.y && b.y < course.GetHeight(),
               "a rolling ball is off the course");
    const std::int16_t type = course.GetCell(static_cast<int>(b.x), static_cast<int>(b.y)).type;
    FUZZ_CHECK(type != Hole, "a rolling ball is over a hole");
    FUZZ_CHECK(state == (type == Finish ? Won : Rolling), "a win off a finish, a finish not won, or an odd state");
    FUZZ_CHECK(b.z == course.GetHeightAt(b.x, b.y), "the ball is off the surface");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CFuzzInput in(data, size);
    CBraskDoc doc;
    CFakeGameView view;
    doc.AddView(&view);
    std::uint32_t clock = 0;
    std::string reason;
    if (doc.OpenFromBytes({data, data + size}, "course.hfd", reason)) {
        const CHeightField& course = doc.GetHeightField();
        in.Skip(8 + 10 * static_cast<std::size_t>(course.GetWidth()) * course.GetHeight());  // header, cells
        clock = in.U32();
    }
    while (!in.IsEmpty()) {
        const std::uint32_t last = clock;
        switch (in.Byte() % 6) {
        case 0: Frame(doc, view, clock += in.Byte(), last); break;  // up to a quarter second
        case 1: Frame(doc, view, clock += in.U16(), last); break;   // up to a minute
        case 2: Frame(doc, view, clock += in.U32(), last); break;   // anything, the clock's wrap included
        case 3:  // a move; positions wrap round at the ends of int, like the clock
            view.m_pointer.x = static_cast<std::int32_t>(static_cast<std::uint32_t>(view.m_pointer.x) + in.I16());
            view.m_pointer.y = static_cast<std::int32_t>(static_cast<std::uint32_t>(view.m_pointer.y) + in.I16());
            break;
        case 4: view.m_pointer = {in.I32(), in.I32()}; break;  // wherever a pointer query may put it
        case 5: doc.OnGameNew(); break;
        }
    }
    return 0;
}
