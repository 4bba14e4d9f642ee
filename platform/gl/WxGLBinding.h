#pragma once

#include "platform/gl/GLBinding.h"

#include <wx/glcanvas.h>

// OpenGL bound through the toolkit's GL canvas on an X11 display (GLX).
//
// A canvas's visual is fixed when the window is created, so views create
// their window with WindowAttributes; the later steps then check and use
// that visual. Contexts are legacy (compatibility) contexts, never a core
// profile.
class CWxGLBinding : public CGLBinding {
public:
    // The attributes to create a view's window with: the requested format
    // when the display has it, otherwise plain RGBA so that the window still
    // exists and ChoosePixelFormat reports the missing format.
    static wxGLAttributes WindowAttributes(const GLPixelFormatRequest& request);

    static CWxGLBinding& Instance();

    // Whether the toolkit's display offers OpenGL: the GLX extension and at
    // least one RGBA visual that OpenGL can draw to. The toolkit's GL canvas
    // must not be created on a display without it (the toolkit asserts).
    static bool DisplayHasOpenGL();

    bool HasOpenGL() override;
    wxGLCanvas* GetDrawable(wxGLCanvas& window) override;
    void ReleaseDrawable(wxGLCanvas* drawable) override;
    int ChoosePixelFormat(wxGLCanvas* drawable, const GLPixelFormatRequest& request) override;
    bool SetPixelFormat(wxGLCanvas* drawable, int format, const GLPixelFormatRequest& request) override;
    GLRenderer DescribeRenderer(wxGLCanvas* drawable) override;
    wxGLContext* CreateContext(wxGLCanvas* drawable) override;
    bool MakeCurrent(wxGLCanvas* drawable, wxGLContext* context) override;
    bool DeleteContext(wxGLContext* context) override;
    bool SwapBuffers(wxGLCanvas* drawable) override;
    bool UseFontOutlines(wxGLCanvas* drawable, const FontRequest& font, unsigned first, unsigned count,
                         unsigned listBase, float deviation, float extrusion) override;
    bool UseFontBitmaps(wxGLCanvas* drawable, const FontRequest* font, unsigned first, unsigned count,
                        unsigned listBase) override;

    // Who renders for a context, by its renderer's name and whether it is
    // direct: Mesa's software rasterizers are generic software; an indirect
    // context is rendered by the X server's GL, generic with acceleration;
    // any other direct renderer is the driver's own.
    static GLRenderer RendererKind(const char* renderer, bool direct);

private:
    struct Config {
        int configId = 0;
        int visualId = 0;
    };
    // Of the display's configs that meet the request, the one with the
    // fewest extras (multisampling, deeper depth, stencil, alpha).
    static Config ClosestConfig(const GLPixelFormatRequest& request);

    wxGLContext* m_current = nullptr;
};
