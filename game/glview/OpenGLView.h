#pragma once

#include "game/glview/core/FramePacer.h"
#include "game/glview/core/StockCameraPose.h"
#include "platform/shell/KeyTranslator.h"

#include <wx/glcanvas.h>
#include <wx/timer.h>

#include <cstdint>
#include <map>
#include <string>

class CClock;
class CGLBinding;
class CPointer;

// The values of m_stockSceneType: which stock scene the next frame records.
enum StockScene {
    StockNone = 0,          // nothing pending
    StockUser = 2,          // whatever BuildUserStockScene draws
    StockFanFloor = 3,
    StockCheckerFloor = 4,
    StockPlane = 5,
};

// Sent once by a view whose rendering context could not be set up, right
// after its window was realized. A command event: it travels up to the
// frame and on to the application. Its string is SetupFailureMessage().
wxDECLARE_EVENT(EVT_OPENGL_SETUP_FAILED, wxCommandEvent);

// A window that draws with OpenGL 1.1: its own context, current from the
// moment the window is realized for the window's whole life; a paint-driven
// render loop with an optional animation step at most every 30 ms and the
// frame rate in the main frame's title; a stock camera driven by the
// keyboard; stock background scenes; font display lists for 3-D and bitmap
// text. A subclass customises it by overriding the virtual operations; the
// event table dispatches through them, so an override needs no table entry.
// The camera's key table and step (StockCameraPose) and the frame pacing
// (CFramePacer) are toolkit-free types of their own.
//
// The window is created by the constructor (the toolkit fixes a GL
// canvas's visual then), so a view can only be made on a display that
// offers OpenGL: ask CanCreateOn first. The clock, pointer and binding
// seams must be set before the window is realized (before its frame is
// shown); the defaults are the desktop's. A set-up that fails is recorded
// and told once through EVT_OPENGL_SETUP_FAILED.
class COpenGLView : public wxGLCanvas {
public:
    explicit COpenGLView(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                         const wxSize& size = wxDefaultSize, long style = 0,
                         const wxString& name = wxS("COpenGLView"));
    ~COpenGLView() override;

    // Services, replaceable for tests. The view does not own them.
    void SetClock(CClock& clock) { m_clock = &clock; }
    void SetPointer(CPointer& pointer) { m_pointer = &pointer; }
    void SetBinding(CGLBinding& binding) { m_binding = &binding; }

    // True once OnCreate has run (the window was realized).
    bool IsCreated() const { return m_created; }
    // True once the rendering context is set up and current; false before
    // and after a set-up that failed.
    bool IsContextReady() const { return m_contextReady; }
    // The first recorded error: one of kErrorTexts.
    const char* GetErrorText() const { return m_errorText; }
    // The set-up's first failure in words for the user, in the programs'
    // manner: "Cannot start the 3-D view: <what failed>.", then on a line of
    // its own what to do.
    std::string SetupFailureMessage() const;
    // Whether a view can be made on the binding's display at all. The
    // toolkit cannot make an OpenGL window on a display without OpenGL; the
    // message then says so, in the same two parts.
    static bool CanCreateOn(CGLBinding& binding, std::string& message);

    // One pass of the render loop, on every paint. The device context is
    // not used: all drawing goes through the view's own context.
    virtual void OnDraw(wxDC* dc);

    // The view's operations, in this order.
    virtual int OnCreate();
    virtual void OnDestroy();
    virtual bool OnEraseBkgnd(wxDC* dc);
    virtual void OnSize(unsigned type, int cx, int cy);
    virtual void OnToggleAnimation();
    virtual void OnUpdateToggleAnimation(wxUpdateUIEvent& ui);
    virtual void OnKeyDown(unsigned key, unsigned repeat, unsigned flags);
    virtual bool SelectPixelFormat();
    virtual bool ApplyViewport(int cx, int cy);
    virtual bool ApplyProjection(double aspect);
    virtual bool ApplyViewTransform();
    virtual bool PrepareFrame();
    virtual void DrawStockScene();
    virtual bool DrawScene();
    virtual void FinishFrame();
    virtual void BuildUserStockScene();
    virtual unsigned CreateFontLists(const char* outlineFace, const char* bitmapFace);
    virtual void AnimateStep();

protected:
    CClock& Clock() const { return *m_clock; }
    CPointer& Pointer() const { return *m_pointer; }
    CGLBinding& Binding() const { return *m_binding; }
    // The Shift state at the last key event.
    bool IsShiftDown() const { return m_shiftDown; }

    // The window style the view is created with: the requested style plus
    // clipping of children and siblings. Not virtual: the toolkit creates the
    // window inside the base constructor, before any override exists.
    static long PreCreateWindow(long style);

    bool InitRenderingContext();
    void ReadDriverInfo();
    // The driver's text for name, or "no-information-available".
    const char* QueryGLString(GLenum name);
    // Keeps the first error only: later calls do nothing.
    void RecordError(int index);
    // The rate of the last interval between full frames.
    int FramesPerSecond() const;

    bool CompileStockScene(int type);
    void EmitStockScene(int type);
    static void DrawCheckerFloor();
    static void DrawFanFloor();
    static void DrawGreyPlane();

    unsigned MakeOutlineFontList(const char* face, double extrusion);
    unsigned MakeBitmapFontList(const char* face);
    // Draws the text's bytes through the 256 lists from listBase.
    void RenderText(unsigned listBase, const char* text);

    // Wire shapes centred on the origin, each size recorded into a display
    // list the first time it is drawn and called from then on.
    void DrawWireSphere(double radius);
    void DrawWireCube(double edge);

    static const char* const kErrorTexts[8];
    static const char* const kNoInformation;

    unsigned m_outlineFontBase = 0;
    unsigned m_bitmapFontBase = 0;
    const char* m_errorText;
    double m_position[3] = {0.0, 0.0, 0.0};
    double m_homePosition[3] = {0.0, 0.0, 0.0};
    double m_velocity[3] = {0.0, 0.0, 0.0};
    double m_angularVelocity[3] = {0.0, 0.0, 0.0};
    double m_angles[3] = {0.0, 0.0, 0.0};
    double m_homeAngles[3] = {0.0, 0.0, 0.0};
    double m_maxSpeed = 5.0;
    double m_maxAngularSpeed = 90.0;
    int m_pixelFormat = 0;
    wxGLContext* m_hRC = nullptr;
    wxGLCanvas* m_pDC = nullptr;    // the drawable: this window once realized
    wxString m_titleBase;
    const char* m_glVendor = nullptr;
    const char* m_glRenderer = nullptr;
    const char* m_glVersion = nullptr;
    char* m_glExtensions = nullptr;  // owned copy
    int m_acceleration = 0;          // a GLRenderer: 2 the driver's own, 1 generic accelerated, 0 software
    unsigned m_stockSceneList = 0;
    int m_stockSceneType = StockCheckerFloor;
    uint32_t m_startTime = 0;
    uint32_t m_frameTime = 0xFFFFFFFFu;
    uint32_t m_lastFrameTime = 0xFFFFFFFFu;
    bool m_animate = false;

private:
    void HandleCreate(wxWindowCreateEvent& event);
    void HandleDestroy(wxWindowDestroyEvent& event);
    void HandleEraseBackground(wxEraseEvent& event);
    void HandleSize(wxSizeEvent& event);
    void HandlePaint(wxPaintEvent& event);
    void HandleKeyDown(wxKeyEvent& event);
    void HandleKeyUp(wxKeyEvent& event);
    void HandleFrameTimer(wxTimerEvent& event);

    // Runs OnCreate once the window is realized, whichever event sees it
    // first, followed by the first OnSize.
    void CreateWhenRealized();
    void DestroyOnce();
    void SendSize();
    // Asks for a paint when the next frame is due.
    void RequestPaintIn(uint32_t milliseconds);
    void SetFrameTitle(const wxString& title);
    // The stock camera's members, for its key table and its step.
    StockCameraPose StockCamera();
    void CloseMainFrame();

    CClock* m_clock;
    CPointer* m_pointer;
    CGLBinding* m_binding;
    CKeyTranslator m_keys;
    CFramePacer m_pacer;
    bool m_shiftDown = false;
    bool m_created = false;
    bool m_destroyed = false;
    bool m_contextReady = false;
    wxTimer m_frameTimer;
    std::map<double, unsigned> m_sphereLists;
    std::map<double, unsigned> m_cubeLists;

    wxDECLARE_CLASS(COpenGLView);
    wxDECLARE_EVENT_TABLE();
};
