#include "tests/game/view/GLRecorder.h"

#include <GL/osmesa.h>
#include <gtest/gtest.h>

#include <cmath>

std::vector<Polygon> Record(const std::function<void()>& draw)
{
    // The program's one context, kept to its end: the library does not
    // give back everything a context takes.
    static std::vector<unsigned char> pixels(64 * 64 * 4);
    static const OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
    EXPECT_TRUE(OSMesaMakeCurrent(context, pixels.data(), GL_UNSIGNED_BYTE, 64, 64)) << "no offscreen context";
    // Window x and y are (course + 64) * 8; the depth is 0.5 - z / 2048.
    glViewport(0, 0, 1024, 1024);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-64, 64, -64, 64, -1024, 1024);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    std::vector<GLfloat> buffer(1 << 18);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    EXPECT_GE(used, 0) << "feedback buffer overflow";
    std::vector<Polygon> polygons;
    for (GLint i = 0; i < used;) {
        if (buffer[i++] != GL_POLYGON_TOKEN) {
            ADD_FAILURE() << "not a polygon";
            break;
        }
        polygons.emplace_back(static_cast<size_t>(buffer[i++]));
        for (Corner& c : polygons.back()) {
            const GLfloat* v = &buffer[i];  // x, y, depth, red, green, blue, alpha
            c = {v[0] / 8.0 - 64, v[1] / 8.0 - 64, (0.5 - v[2]) * 2048, v[3], v[4], v[5]};
            i += 7;
        }
    }
    return polygons;
}

bool Near(const Corner& a, const Corner& b)
{
    return std::fabs(a.x - b.x) < 1e-3 && std::fabs(a.y - b.y) < 1e-3 && std::fabs(a.z - b.z) < 1e-3
           && std::fabs(a.red - b.red) < 1e-6 && std::fabs(a.green - b.green) < 1e-6 && std::fabs(a.blue - b.blue) < 1e-6;
}

double Area(const Polygon& polygon, double Corner::*u, double Corner::*v)
{
    double twice = 0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const Corner& a = polygon[i];
        const Corner& b = polygon[(i + 1) % polygon.size()];
        twice += a.*u * b.*v - b.*u * a.*v;
    }
    return std::fabs(twice) / 2;
}

// The software GL library keeps a few blocks of its own for the program's
// life; under the leak checker they are its business, not ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libOSMesa.so\n";
}
