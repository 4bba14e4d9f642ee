#pragma once

#include "game/state/BraskDoc.h"
#include "game/view/BraskView.h"
#include "platform/Pointer.h"
#include "tests/game/glview/ViewTestSupport.h"

// A pointer that the test places; warps are recorded, and can be refused
// as a desktop without pointer warping would.
class CFakePointer : public CPointer {
public:
    bool GetPosition(int& px, int& py) override
    {
        px = x;
        py = y;
        return true;
    }
    bool WarpTo(int px, int py) override
    {
        if (warpAllowed)
            warps.push_back({x = px, y = py});
        return warpAllowed;
    }

    int x = 10;
    int y = 20;
    bool warpAllowed = true;
    std::vector<ScreenPoint> warps;
};

// The game view with its state open to the tests.
class CTestBraskView : public CBraskView {
public:
    using CBraskView::CBraskView;
    using CBraskView::m_animate, CBraskView::m_frameTime, CBraskView::m_lastFrameTime;
    using CBraskView::m_ballList, CBraskView::m_courseList, CBraskView::m_outlineFontBase;
    using CBraskView::m_camera, CBraskView::m_lastCursor;
};

// A game view on the fixture's document, with a fake clock and pointer.
class BraskViewTest : public CViewFrameTest<CTestBraskView> {
protected:
    // Creates the view; shows and realizes it unless `show` is false.
    CTestBraskView* CreateView(bool show = true);
    // A flat width x height course of Floor cells at height 0, with its lists.
    void LoadFlatCourse(int width, int height);
    void PlaceBall(double x, double y, double z, PlayState state);
    void SetCamera(double x, double y, double z);

    // One scene into the back buffer, as the render loop draws it, without
    // the swap, so that the test can read it.
    void DrawSceneOnly();

    CBraskDoc m_doc;
    CFakePointer m_pointer;
};

// A shown game view on a 10 x 10 flat course.
class BraskViewOnFlatCourse : public BraskViewTest {
protected:
    void SetUp() override
    {
        BraskViewTest::SetUp();
        if (IsSkipped())
            return;
        CreateView();
        LoadFlatCourse(10, 10);
    }
};
