#pragma once

#include "game/state/BraskDoc.h"
#include "game/view/BraskView.h"
#include "platform/Clock.h"
#include "platform/Pointer.h"
#include "tests/platform/GLTestApp.h"

#include <wx/frame.h>

#include <vector>

// A clock that reads what the test sets.
class CFakeClock : public CClock {
public:
    uint32_t Milliseconds() override { return now; }
    uint32_t now = 1000;
};

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
        if (!warpAllowed)
            return false;
        warps.push_back({px, py});
        x = px;
        y = py;
        return true;
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

    using CBraskView::m_animate;
    using CBraskView::m_ballList;
    using CBraskView::m_camera;
    using CBraskView::m_courseList;
    using CBraskView::m_frameTime;
    using CBraskView::m_lastCursor;
    using CBraskView::m_lastFrameTime;
    using CBraskView::m_outlineFontBase;
};

// A frame of kWidth x kHeight client pixels holding one game view on the
// fixture's document, with a fake clock and pointer.
class BraskViewTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;

    void SetUp() override;
    void TearDown() override;

    // Creates the view; shows and realizes it unless `show` is false.
    CTestBraskView* CreateView(bool show = true);
    void ShowAndRealize();

    // A flat width x height course of Floor cells at height h.
    void MakeFlatCourse(int width, int height, int h = 0);
    void PlaceBall(double x, double y, double z, PlayState state);

    // One scene into the back buffer, as the render loop draws it, without
    // the swap, so that the test can read it.
    void DrawSceneOnly();
    // Back-buffer pixels within 2 of the colour.
    static int CountPixels(unsigned char r, unsigned char g, unsigned char b);
    static std::vector<unsigned char> ReadPixels();

    CBraskDoc m_doc;
    CFakeClock m_clock;
    CFakePointer m_pointer;
    wxFrame* m_frame = nullptr;
    CTestBraskView* m_view = nullptr;
};
