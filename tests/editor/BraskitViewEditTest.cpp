#include "editor/BraskitDoc.h"
#include "editor/BraskitView.h"
#include "tests/platform/WxTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

namespace {

// X hardware keycodes (evdev): kernel key code + 8.
constexpr unsigned kKeypadPlusKeycode = 86;
constexpr unsigned kDigitTwoKeycode = 11;
constexpr unsigned kKeypadTwoKeycode = 88;
constexpr unsigned kEscapeKeycode = 9;

// The view driven by the toolkit events a user's mouse and keys produce.
class ViewEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BRASK_REQUIRE_DISPLAY();
        m_frame = new wxFrame(nullptr, wxID_ANY, "edit");
        m_view = new CBraskitView(m_frame, &m_doc);
        m_frame->SetClientSize(300, 200);
        m_frame->Show();
        PumpEvents();
        m_doc.GetHeightField()->Create(3, 2);
        m_view->OnInitialUpdate();
    }

    void TearDown() override
    {
        // Gone before the document it shows.
        if (m_frame != nullptr) {
            m_frame->Destroy();
            PumpEvents();
        }
    }

    void Press(int x, int y)
    {
        wxMouseEvent event(wxEVT_LEFT_DOWN);
        event.m_x = x;
        event.m_y = y;
        m_view->OnLButtonDown(event);
    }

    void Release(int x, int y)
    {
        wxMouseEvent event(wxEVT_LEFT_UP);
        event.m_x = x;
        event.m_y = y;
        m_view->OnLButtonUp(event);
    }

    void KeyDown(unsigned keycode, int toolkitKey)
    {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_rawFlags = keycode;
        event.m_keyCode = toolkitKey;
        m_view->OnKeyDown(event);
    }

    void KeyUp(unsigned keycode, int toolkitKey)
    {
        wxKeyEvent event(wxEVT_KEY_UP);
        event.m_rawFlags = keycode;
        event.m_keyCode = toolkitKey;
        m_view->OnKeyUp(event);
    }

    int Corner(int x, int y, int k) { return m_doc.GetHeightField()->GetCell(x, y).corner[k]; }

    CBraskitDoc m_doc;
    wxFrame* m_frame = nullptr;
    CBraskitView* m_view = nullptr;
};


TEST_F(ViewEditTest, HeldKeyActsOnceUntilReleased)
{
    Press(10, 10);
    Release(10, 10);
    KeyDown(kKeypadPlusKeycode, WXK_NUMPAD_ADD);
    KeyDown(kKeypadPlusKeycode, WXK_NUMPAD_ADD);  // auto-repeats of the held key
    KeyDown(kKeypadPlusKeycode, WXK_NUMPAD_ADD);
    EXPECT_EQ(Corner(0, 1, 3), 4);
    KeyUp(kKeypadPlusKeycode, WXK_NUMPAD_ADD);
    KeyDown(kKeypadPlusKeycode, WXK_NUMPAD_ADD);
    EXPECT_EQ(Corner(0, 1, 3), 8);
}

TEST_F(ViewEditTest, KeyReleasedWhileAwayActsAgainAfterComingBack)
{
    Press(10, 10);
    Release(10, 10);
    KeyDown(kKeypadPlusKeycode, WXK_NUMPAD_ADD);
    wxFocusEvent lost(wxEVT_KILL_FOCUS);
    m_view->OnKillFocus(lost);
    KeyDown(kKeypadPlusKeycode, WXK_NUMPAD_ADD);
    EXPECT_EQ(Corner(0, 1, 3), 8);
}

TEST_F(ViewEditTest, MainRowDigitsSetTypesAndKeypadDigitsDoNot)
{
    Press(10, 10);
    Release(60, 10);
    KeyDown(kKeypadTwoKeycode, WXK_NUMPAD2);
    EXPECT_EQ(m_doc.GetHeightField()->GetCell(0, 1).type, 1);
    EXPECT_FALSE(m_doc.IsModified());
    KeyDown(kDigitTwoKeycode, '2');
    EXPECT_EQ(m_doc.GetHeightField()->GetCell(0, 1).type, 2);
    EXPECT_EQ(m_doc.GetHeightField()->GetCell(1, 1).type, 2);
    EXPECT_EQ(m_doc.GetHeightField()->GetCell(2, 1).type, 1);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(ViewEditTest, KeysWithoutSelectionOrEffectLeaveTheDocumentUnmodified)
{
    KeyDown(kKeypadPlusKeycode, WXK_NUMPAD_ADD);
    Press(10, 10);
    Release(10, 10);
    KeyDown(kEscapeKeycode, WXK_ESCAPE);
    EXPECT_FALSE(m_doc.IsModified());
}


TEST_F(ViewEditTest, ClicksCountInDocumentPixelsWhenScrolled)
{
    m_doc.GetHeightField()->Create(20, 20);
    m_view->OnInitialUpdate();
    m_view->Scroll(2, 1);  // two cells across, one down
    Press(10, 10);
    Release(10, 10);
    EXPECT_EQ(m_view->GetSelection().GetFirstHalfCell(), (GridPoint{4, 2}));
    EXPECT_EQ(m_view->GetSelection().GetOutline(), (GridRect{101, 51, 125, 75}));
}


}  // namespace
