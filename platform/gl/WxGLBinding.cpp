#include "platform/gl/WxGLBinding.h"

#include "platform/gl/BitmapGlyphLists.h"
#include "platform/gl/FontFace.h"
#include "platform/gl/FontRequest.h"
#include "platform/gl/OutlineGlyphLists.h"
#include "platform/gl/X11ErrorTrap.h"

#include <wx/log.h>
#include <wx/utils.h>

#include <cstring>
#include <initializer_list>

// Xlib's macros (None, True, Bool, Status) clash with toolkit names, so the
// X headers come after the toolkit's.
#include <GL/glx.h>
#include <X11/Xlib.h>

namespace {

wxGLAttributes RequestAttributes(const GLPixelFormatRequest& request)
{
    wxGLAttributes attributes;
    if (request.rgba)
        attributes.RGBA();
    if (request.doubleBuffer)
        attributes.DoubleBuffer();
    const int perChannel = request.colorBits / 3;
    attributes.MinRGBA(perChannel, perChannel, perChannel, 0);
    attributes.Depth(request.depthBits);
    attributes.EndList();
    return attributes;
}

Display* X11Display()
{
    if (wxGetDisplayInfo().type != wxDisplayX11)
        return nullptr;
    return wxGetX11Display();
}

int VisualAttribute(Display* display, XVisualInfo* visual, int attribute)
{
    int value = 0;
    return glXGetConfig(display, visual, attribute, &value) == 0 ? value : 0;
}

int ConfigAttribute(Display* display, GLXFBConfig config, int attribute)
{
    int value = 0;
    return glXGetFBConfigAttrib(display, config, attribute, &value) == Success ? value : 0;
}

bool ContainsAny(const char* text, std::initializer_list<const char*> words)
{
    for (const char* word : words) {
        if (std::strstr(text, word))
            return true;
    }
    return false;
}

} // namespace

CWxGLBinding::Config CWxGLBinding::ClosestConfig(const GLPixelFormatRequest& request)
{
    Config closest;
    Display* display = X11Display();
    if (!display)
        return closest;
    CX11ErrorTrap trap(display);
    const int perChannel = request.colorBits / 3;
    const int attributes[] = {
        GLX_X_RENDERABLE, True,
        GLX_DRAWABLE_TYPE, GLX_WINDOW_BIT,
        GLX_RENDER_TYPE, request.rgba ? GLX_RGBA_BIT : GLX_COLOR_INDEX_BIT,
        GLX_DOUBLEBUFFER, request.doubleBuffer ? True : False,
        GLX_RED_SIZE, perChannel,
        GLX_GREEN_SIZE, perChannel,
        GLX_BLUE_SIZE, perChannel,
        GLX_DEPTH_SIZE, request.depthBits,
        None,
    };
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), attributes, &count);
    long bestCost = -1;
    for (int i = 0; configs && i < count; ++i) {
        XVisualInfo* visual = glXGetVisualFromFBConfig(display, configs[i]);
        if (!visual)
            continue;
        const int visualId = static_cast<int>(visual->visualid);
        XFree(visual);
        // Buffers the request does not ask for only cost memory and time:
        // the closest config has the asked depth and colour and nothing more.
        const int colorBits = ConfigAttribute(display, configs[i], GLX_RED_SIZE)
                              + ConfigAttribute(display, configs[i], GLX_GREEN_SIZE)
                              + ConfigAttribute(display, configs[i], GLX_BLUE_SIZE);
        const long cost = 1000L * ConfigAttribute(display, configs[i], GLX_SAMPLES)
                          + 100L * (ConfigAttribute(display, configs[i], GLX_DEPTH_SIZE) - request.depthBits)
                          + 10L * ConfigAttribute(display, configs[i], GLX_STENCIL_SIZE)
                          + 10L * ConfigAttribute(display, configs[i], GLX_ACCUM_RED_SIZE)
                          + (colorBits - request.colorBits)
                          + ConfigAttribute(display, configs[i], GLX_ALPHA_SIZE);
        if (bestCost < 0 || cost < bestCost) {
            bestCost = cost;
            closest.configId = ConfigAttribute(display, configs[i], GLX_FBCONFIG_ID);
            closest.visualId = visualId;
        }
    }
    if (configs)
        XFree(configs);
    return closest;
}

wxGLAttributes CWxGLBinding::WindowAttributes(const GLPixelFormatRequest& request)
{
    const Config closest = ClosestConfig(request);
    if (closest.configId != 0) {
        wxGLAttributes exact;
        exact.AddAttribute(GLX_FBCONFIG_ID);
        exact.AddAttribute(closest.configId);
        exact.EndList();
        if (wxGLCanvas::IsDisplaySupported(exact))
            return exact;
    }
    wxGLAttributes requested = RequestAttributes(request);
    if (wxGLCanvas::IsDisplaySupported(requested))
        return requested;
    wxGLAttributes plain;
    plain.RGBA().EndList();
    if (wxGLCanvas::IsDisplaySupported(plain))
        return plain;
    return requested;
}

CWxGLBinding& CWxGLBinding::Instance()
{
    static CWxGLBinding binding;
    return binding;
}

bool CWxGLBinding::DisplayHasOpenGL()
{
    Display* display = X11Display();
    if (!display)
        return false;
    {
        CX11ErrorTrap trap(display);
        int errorBase = 0;
        int eventBase = 0;
        int major = 0;
        int minor = 0;
        if (!glXQueryExtension(display, &errorBase, &eventBase) || !glXQueryVersion(display, &major, &minor)
            || trap.Caught())
            return false;
    }
    wxGLAttributes plain;
    plain.RGBA().EndList();
    return wxGLCanvas::IsDisplaySupported(plain);
}

bool CWxGLBinding::HasOpenGL()
{
    return DisplayHasOpenGL();
}

wxGLCanvas* CWxGLBinding::GetDrawable(wxGLCanvas& window)
{
    return window.GetXWindow() != 0 ? &window : nullptr;
}

void CWxGLBinding::ReleaseDrawable(wxGLCanvas*)
{
    // The drawable is the window itself and lives as long as it.
}

int CWxGLBinding::ChoosePixelFormat(wxGLCanvas* drawable, const GLPixelFormatRequest& request)
{
    if (!drawable)
        return 0;
    return ClosestConfig(request).visualId;
}

bool CWxGLBinding::SetPixelFormat(wxGLCanvas* drawable, int format, const GLPixelFormatRequest& request)
{
    Display* display = X11Display();
    if (!drawable || !display || format == 0)
        return false;
    auto* visual = static_cast<XVisualInfo*>(drawable->GetXVisualInfo());
    if (!visual)
        return false;
    // The window got its visual when it was created; it must give what the
    // request asks, or the window was created with a fallback.
    const int colorBits = VisualAttribute(display, visual, GLX_RED_SIZE)
                          + VisualAttribute(display, visual, GLX_GREEN_SIZE)
                          + VisualAttribute(display, visual, GLX_BLUE_SIZE);
    return VisualAttribute(display, visual, GLX_USE_GL) != 0
           && (VisualAttribute(display, visual, GLX_RGBA) != 0) == request.rgba
           && (VisualAttribute(display, visual, GLX_DOUBLEBUFFER) != 0) == request.doubleBuffer
           && colorBits >= request.colorBits
           && VisualAttribute(display, visual, GLX_DEPTH_SIZE) >= request.depthBits;
}

GLRenderer CWxGLBinding::DescribeRenderer(wxGLCanvas* drawable)
{
    Display* display = glXGetCurrentDisplay();
    GLXContext context = glXGetCurrentContext();
    if (!drawable || !display || !context)
        return GLRenderer::GenericSoftware;
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    return RendererKind(renderer, glXIsDirect(display, context) != False);
}

GLRenderer CWxGLBinding::RendererKind(const char* renderer, bool direct)
{
    if (!renderer || ContainsAny(renderer, {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"}))
        return GLRenderer::GenericSoftware;
    return direct ? GLRenderer::Driver : GLRenderer::GenericAccelerated;
}

wxGLContext* CWxGLBinding::CreateContext(wxGLCanvas* drawable)
{
    Display* display = X11Display();
    auto* visual = drawable ? static_cast<XVisualInfo*>(drawable->GetXVisualInfo()) : nullptr;
    if (!display || !visual)
        return nullptr;
    CX11ErrorTrap trap(display);
    // When the driver cannot serve the display (not installed, or only an
    // indirect context, which X servers refuse by default), the toolkit's
    // first context fails with an assertion and an X error. A trial context
    // of our own finds that out first.
    GLXContext trial = glXCreateContext(display, visual, nullptr, True);
    const bool refused = trap.Caught();
    if (trial)
        glXDestroyContext(display, trial);
    if (!trial || refused)
        return nullptr;
    // The toolkit would report a failure in a message box of its own; the
    // view records it and the program words it.
    wxLogNull quiet;
    // No context attributes: the toolkit then asks for a legacy context,
    // which keeps every OpenGL 1.1 entry point.
    auto* context = new wxGLContext(drawable);
    if (trap.Caught() || !context->IsOK()) {
        delete context;
        return nullptr;
    }
    return context;
}

bool CWxGLBinding::MakeCurrent(wxGLCanvas* drawable, wxGLContext* context)
{
    Display* display = X11Display();
    if (!display || !drawable || !context || drawable->GetXWindow() == 0)
        return false;
    CX11ErrorTrap trap(display);
    if (!context->SetCurrent(*drawable) || trap.Caught())
        return false;
    m_current = context;
    return true;
}

bool CWxGLBinding::DeleteContext(wxGLContext* context)
{
    if (!context)
        return false;
    CX11ErrorTrap trap(X11Display());
    // A context that is current is released first, so that no later call
    // draws through a context whose window is gone.
    if (context == m_current) {
        if (Display* display = glXGetCurrentDisplay())
            glXMakeContextCurrent(display, None, None, nullptr);
        m_current = nullptr;
    }
    delete context;
    return !trap.Caught();
}

bool CWxGLBinding::SwapBuffers(wxGLCanvas* drawable)
{
    if (!drawable || drawable->GetXWindow() == 0)
        return false;
    // Swapping a window that no context of ours draws to is an X protocol
    // error, which ends the program; it is a failed swap instead.
    if (glXGetCurrentContext() == nullptr || glXGetCurrentDrawable() != drawable->GetXWindow())
        return false;
    return drawable->SwapBuffers();
}

bool CWxGLBinding::UseFontOutlines(wxGLCanvas* drawable, const FontRequest& font, unsigned first, unsigned count,
                                   unsigned listBase, float, float extrusion)
{
    FontFace face;
    if (!drawable || !MatchFontFace(&font, face) || !face.outline)
        return false;
    return BuildOutlineGlyphLists(face, first, count, listBase, extrusion);
}

bool CWxGLBinding::UseFontBitmaps(wxGLCanvas* drawable, const FontRequest* font, unsigned first, unsigned count,
                                  unsigned listBase)
{
    FontFace face;
    if (!drawable || !MatchFontFace(font, face))
        return false;
    return BuildBitmapGlyphLists(face, first, count, listBase);
}
