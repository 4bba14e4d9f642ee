#pragma once

#include "game/glview/OpenGLView.h"
#include "game/mesh/CourseTiles.h"
#include "game/state/BraskViewLink.h"
#include "game/state/ScreenPoint.h"

class CBraskDoc;

// The game's view: the course, the ball and the end-of-game words, seen
// from a camera that trails the ball. The game document drives it through
// CBraskViewLink; the render loop of COpenGLView runs the ball physics as
// its animation step.
//
// Its sources are split by concern: BraskView.cpp (set-up and controls),
// BraskViewScene.cpp (chase camera and scene), BraskViewPhysics.cpp (the
// physics step).
class CBraskView : public COpenGLView, public CBraskViewLink {
public:
    // The point the pointer is moved to by every re-centring, in absolute
    // screen pixels, wherever the window lies.
    static constexpr ScreenPoint kCursorOrigin{500, 380};

    // The view registers itself as the document's view and leaves it again
    // when it is destroyed; the document must outlive it.
    CBraskView(wxWindow* parent, CBraskDoc& document);
    ~CBraskView() override;

    CBraskDoc& GetDocument() const { return m_document; }

    // CBraskViewLink. BuildLists records the lists of the course now loaded
    // under new names and deletes the previous course's; before the window
    // has its context it waits for it.
    void BuildLists() override;
    void RecenterCursor() override;
    void SetAnimation(bool on) override;
    // The shell has replaced the document's content: draw it.
    void OnInitialUpdate() override;

    // COpenGLView.
    int OnCreate() override;
    void OnKeyDown(unsigned key, unsigned repeat, unsigned flags) override;
    bool ApplyProjection(double aspect) override;
    bool ApplyViewTransform() override;
    void DrawStockScene() override;
    bool DrawScene() override;
    void AnimateStep() override;

    // Take the course into the tiles (which record their lists as they come
    // into view) and record the ball into a new list (0 when none could be
    // had); the previous lists are left to the caller.
    void BuildCourseList();
    void BuildBallList();

    // The words drawn beside the ball for a play state, or null for none;
    // a paused game says so.
    static const char* EndWords(int playState, bool paused = false);

protected:
    CCourseTiles m_courseTiles;
    unsigned m_ballList = 0;
    ScreenPoint m_lastCursor = kCursorOrigin;
    // The chase camera: x and y in cells, z before the scene's height
    // scaling. Never reset: after a load it travels to the new ball.
    double m_camera[3] = {-5.0, -5.0, 5.0};

private:
    CBraskDoc& m_document;
    // BuildLists came before the context existed.
    bool m_listsPending = false;
};
