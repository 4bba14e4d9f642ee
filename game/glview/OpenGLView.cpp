// COpenGLView: construction, window creation with the context set-up,
// destruction, driver information and error recording.
#include "game/glview/OpenGLView.h"

#include "platform/gl/ScreenPointer.h"
#include "platform/gl/SystemClock.h"
#include "platform/gl/WxGLBinding.h"

#include <wx/dcclient.h>
#include <wx/toplevel.h>

#include <cstring>
#include <new>

wxIMPLEMENT_CLASS(COpenGLView, wxGLCanvas);
wxDEFINE_EVENT(EVT_OPENGL_SETUP_FAILED, wxCommandEvent);

wxBEGIN_EVENT_TABLE(COpenGLView, wxGLCanvas)
    EVT_WINDOW_CREATE(COpenGLView::HandleCreate)
    EVT_WINDOW_DESTROY(COpenGLView::HandleDestroy)
    EVT_ERASE_BACKGROUND(COpenGLView::HandleEraseBackground)
    EVT_SIZE(COpenGLView::HandleSize)
    EVT_PAINT(COpenGLView::HandlePaint)
    EVT_KEY_DOWN(COpenGLView::HandleKeyDown)
    EVT_KEY_UP(COpenGLView::HandleKeyUp)
    EVT_TIMER(wxID_ANY, COpenGLView::HandleFrameTimer)
wxEND_EVENT_TABLE()

namespace {

// The face the context set-up asks for; the desktop's font matching picks
// the closest installed face.
const char* const kDefaultOutlineFace = "Ariel";

// At most this many stale errors are drained before a driver query.
constexpr int kMaxStaleErrors = 16;

const char* const kCannotStart = "Cannot start the 3-D view: ";

// Each failing step of the set-up in the user's words, by error index: what
// failed, then on a line of its own what to do. Indices 6 and 7 come after a
// sound set-up.
const char* const kSetupFailures[] = {
    "its OpenGL set-up failed.\nInstall Mesa's OpenGL drivers (the Debian package libgl1-mesa-dri).",
    "the window has nothing on the display to draw in.\nRun the program on an X11 display.",
    "this display has no OpenGL visual with double buffering and a depth buffer.\n"
    "Install Mesa's OpenGL drivers (the Debian package libgl1-mesa-dri).",
    "the window did not get an OpenGL visual with double buffering and a depth buffer.\n"
    "Install Mesa's OpenGL drivers (the Debian package libgl1-mesa-dri).",
    "the OpenGL driver refused to make a rendering context.\n"
    "Install Mesa's OpenGL drivers (the Debian package libgl1-mesa-dri) and check that the X server offers GLX.",
    "the OpenGL driver could not draw into the window.\n"
    "Install Mesa's OpenGL drivers (the Debian package libgl1-mesa-dri).",
};

const char* const kNoOpenGL =
    "this display has no OpenGL (GLX) at all.\nRun the program on an X11 display whose X server offers GLX.";

} // namespace

const char* const COpenGLView::kErrorTexts[8] = {
    "No Error",
    "Unable to get a DC",
    "ChoosePixelFormat failed",
    "SelectPixelFormat failed",
    "wglCreateContext failed",
    "wglMakeCurrent failed",
    "wglDeleteContext failed",
    "SwapBuffers failed",
};

const char* const COpenGLView::kNoInformation = "no-information-available";

COpenGLView::COpenGLView(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                         const wxString& name)
    : wxGLCanvas(parent, CWxGLBinding::WindowAttributes(kViewPixelFormat), id, pos, size, PreCreateWindow(style),
                 name),
      m_errorText(kErrorTexts[0]),
      m_clock(&CSystemClock::Instance()),
      m_pointer(&CScreenPointer::Instance()),
      m_binding(&CWxGLBinding::Instance()),
      m_frameTimer(this)
{
    // The window may already have been realized inside the base
    // constructor (a parent that is already shown), before this class's
    // event table was in place; the set-up then runs from the event queue.
    CallAfter(&COpenGLView::CreateWhenRealized);
}

COpenGLView::~COpenGLView()
{
    m_frameTimer.Stop();
    // Destroy() sends the destroy event while the view is whole; a plain
    // delete does not, so the context is released here then.
    DestroyOnce();
    delete[] m_glExtensions;
}

long COpenGLView::PreCreateWindow(long style)
{
    return style | wxCLIP_SIBLINGS | wxCLIP_CHILDREN | wxWANTS_CHARS;
}

void COpenGLView::HandleCreate(wxWindowCreateEvent& event)
{
    event.Skip();
    if (event.GetWindow() == this)
        CreateWhenRealized();
}

void COpenGLView::HandleDestroy(wxWindowDestroyEvent& event)
{
    event.Skip();
    if (event.GetWindow() == this)
        DestroyOnce();
}

void COpenGLView::HandleEraseBackground(wxEraseEvent& event)
{
    if (!OnEraseBkgnd(event.GetDC()))
        event.Skip();
}

void COpenGLView::CreateWhenRealized()
{
    if (m_created || m_destroyed || GetXWindow() == 0)
        return;
    m_created = true;
    OnCreate();
    // The toolkit may have sized the window before it was realized, when
    // there was no context to apply the size to.
    SendSize();
    // The view is its frame's only window: keys go to it.
    SetFocus();
    if (!m_contextReady) {
        // Queued: whoever hears of it may show a message, which must not
        // run inside the toolkit's realization of the window.
        auto* failed = new wxCommandEvent(EVT_OPENGL_SETUP_FAILED, GetId());
        failed->SetEventObject(this);
        failed->SetString(wxString::FromUTF8(SetupFailureMessage()));
        GetEventHandler()->QueueEvent(failed);
    }
}

void COpenGLView::DestroyOnce()
{
    if (!m_created || m_destroyed)
        return;
    m_destroyed = true;
    m_frameTimer.Stop();
    OnDestroy();
}

int COpenGLView::OnCreate()
{
    if (auto* frame = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(this)))
        m_titleBase = frame->GetTitle();
    m_contextReady = InitRenderingContext();
    m_startTime = Clock().Milliseconds();
    if (m_animate)
        m_lastFrameTime = m_startTime;
    for (int i = 0; i < 3; ++i) {
        m_homePosition[i] = m_position[i];
        m_homeAngles[i] = m_angles[i];
    }
    return 0;
}

bool COpenGLView::InitRenderingContext()
{
    m_pDC = Binding().GetDrawable(*this);
    if (!m_pDC) {
        RecordError(1);
        return false;
    }
    if (!SelectPixelFormat())
        return false;
    m_hRC = Binding().CreateContext(m_pDC);
    if (!m_hRC) {
        RecordError(4);
        return false;
    }
    if (!Binding().MakeCurrent(m_pDC, m_hRC)) {
        RecordError(5);
        return false;
    }
    ReadDriverInfo();
    CreateFontLists(kDefaultOutlineFace, nullptr);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    return true;
}

bool COpenGLView::SelectPixelFormat()
{
    m_pixelFormat = Binding().ChoosePixelFormat(m_pDC, kViewPixelFormat);
    if (m_pixelFormat == 0) {
        RecordError(2);
        return false;
    }
    if (!Binding().SetPixelFormat(m_pDC, m_pixelFormat, kViewPixelFormat)) {
        RecordError(3);
        return false;
    }
    return true;
}

void COpenGLView::ReadDriverInfo()
{
    m_acceleration = static_cast<int>(Binding().DescribeRenderer(m_pDC));
    m_glVendor = QueryGLString(GL_VENDOR);
    m_glRenderer = QueryGLString(GL_RENDERER);
    m_glVersion = QueryGLString(GL_VERSION);
    const char* extensions = QueryGLString(GL_EXTENSIONS);
    delete[] m_glExtensions;
    const std::size_t size = std::strlen(extensions) + 1;
    m_glExtensions = new (std::nothrow) char[size];
    if (m_glExtensions)
        std::memcpy(m_glExtensions, extensions, size);
}

const char* COpenGLView::QueryGLString(GLenum name)
{
    // An error left over from earlier calls would be taken for this query's.
    for (int i = 0; i < kMaxStaleErrors && glGetError() != GL_NO_ERROR; ++i) {
    }
    const GLubyte* text = glGetString(name);
    if (glGetError() != GL_NO_ERROR || !text)
        return kNoInformation;
    return reinterpret_cast<const char*>(text);
}

void COpenGLView::RecordError(int index)
{
    if (m_errorText != kErrorTexts[0])
        return;
    if (index < 0 || index >= static_cast<int>(sizeof kErrorTexts / sizeof kErrorTexts[0]))
        return;
    m_errorText = kErrorTexts[index];
}

std::string COpenGLView::SetupFailureMessage() const
{
    int index = 0;
    while (index < static_cast<int>(sizeof kErrorTexts / sizeof kErrorTexts[0]) && kErrorTexts[index] != m_errorText)
        ++index;
    const int steps = static_cast<int>(sizeof kSetupFailures / sizeof kSetupFailures[0]);
    return std::string(kCannotStart) + kSetupFailures[index < steps ? index : 0];
}

bool COpenGLView::CanCreateOn(CGLBinding& binding, std::string& message)
{
    if (binding.HasOpenGL()) {
        message.clear();
        return true;
    }
    message = std::string(kCannotStart) + kNoOpenGL;
    return false;
}

void COpenGLView::OnDestroy()
{
    m_contextReady = false;
    if (!Binding().DeleteContext(m_hRC))
        RecordError(6);
    // Deleting the context deleted every display list of the view.
    m_hRC = nullptr;
    m_sphereLists.clear();
    m_cubeLists.clear();
    if (m_pDC) {
        Binding().ReleaseDrawable(m_pDC);
        m_pDC = nullptr;
    }
}

bool COpenGLView::OnEraseBkgnd(wxDC*)
{
    // Every frame clears the whole area itself; erasing first would flicker.
    return true;
}
