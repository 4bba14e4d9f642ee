#pragma once

class wxGLCanvas;
class wxGLContext;
struct FontRequest;

// The visual a view asks for.
struct GLPixelFormatRequest {
    bool doubleBuffer;
    bool rgba;
    int colorBits;
    int depthBits;
};

// Double-buffered RGBA with 24 colour bits and a 16-bit depth buffer.
constexpr GLPixelFormatRequest kViewPixelFormat{true, true, 24, 16};

// Who renders for a context. The values are the view's acceleration class.
enum class GLRenderer {
    GenericSoftware = 0,     // a software rasterizer
    GenericAccelerated = 1,  // a generic library handing the work to hardware
    Driver = 2,              // the graphics driver's own implementation
};

// How a view binds OpenGL to its window: the drawable, the visual, one
// rendering context, buffer swaps and font glyph lists. Every step reports
// failure through its result so that the view can record it; tests put a
// binding with injected faults in place of the real one.
//
// The drawable of a window is the window itself once the desktop has
// given it one (it is realized); before that there is none.
class CGLBinding {
public:
    virtual ~CGLBinding() = default;

    // Whether the display offers OpenGL at all (an X server without the GLX
    // extension does not). Without it no window of the display has a pixel
    // format to choose.
    virtual bool HasOpenGL() { return true; }

    // The window's drawable, or null when it has none yet.
    virtual wxGLCanvas* GetDrawable(wxGLCanvas& window) = 0;
    virtual void ReleaseDrawable(wxGLCanvas* drawable) = 0;

    // The best visual of the display for the request; 0 when none fits.
    virtual int ChoosePixelFormat(wxGLCanvas* drawable, const GLPixelFormatRequest& request) = 0;
    // Puts the chosen visual into effect for the drawable.
    virtual bool SetPixelFormat(wxGLCanvas* drawable, int format, const GLPixelFormatRequest& request) = 0;
    // Who renders for the drawable's context. Reads the driver, so the
    // view's context must be current.
    virtual GLRenderer DescribeRenderer(wxGLCanvas* drawable) = 0;

    // A legacy (compatibility) context for the drawable, or null.
    virtual wxGLContext* CreateContext(wxGLCanvas* drawable) = 0;
    virtual bool MakeCurrent(wxGLCanvas* drawable, wxGLContext* context) = 0;
    // Releases the context first when it is current. False for a null context.
    virtual bool DeleteContext(wxGLContext* context) = 0;
    virtual bool SwapBuffers(wxGLCanvas* drawable) = 0;

    // Glyphs first..first+count-1 of the font as display lists listBase...:
    // filled polygons 1 unit per em, extruded along negative z, each list
    // ending with a move of the modelview matrix by the glyph's advance.
    virtual bool UseFontOutlines(wxGLCanvas* drawable, const FontRequest& font, unsigned first,
                                 unsigned count, unsigned listBase, float deviation, float extrusion) = 0;
    // The same glyphs as bitmaps that advance the raster position. A null
    // font means the desktop's default face at its default size.
    virtual bool UseFontBitmaps(wxGLCanvas* drawable, const FontRequest* font, unsigned first,
                                unsigned count, unsigned listBase) = 0;
};
