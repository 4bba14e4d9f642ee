#include "FeedbackRecorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <dlfcn.h>

namespace {

// Window = (course + kHalfRange) * kPixelsPerCell on a square viewport.
constexpr double kHalfRange = 64.0;
constexpr int kViewportSize = 1024;
constexpr double kPixelsPerCell = kViewportSize / (2.0 * kHalfRange);
constexpr double kHeightRange = 1024.0;
constexpr int kBufferFloats = 1 << 18;
constexpr int kFloatsPerVertex = 7;  // x, y, z, r, g, b, a

bool g_marking = false;

FeedbackVertex ToCourse(const GLfloat* v)
{
    // glOrtho with near -range and far +range puts height z at depth 0.5 - z / (2 range).
    return {v[0] / kPixelsPerCell - kHalfRange, v[1] / kPixelsPerCell - kHalfRange,
            (0.5 - v[2]) * 2.0 * kHeightRange, v[3], v[4], v[5]};
}

bool Same(const FeedbackVertex& a, const FeedbackVertex& b)
{
    return a.x == b.x && a.y == b.y && a.z == b.z && a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// GL may hand a quad on whole or as the triangles (v0, v1, v3), (v1, v2, v3).
std::vector<FeedbackVertex> Flatten(GLenum mode, const std::vector<std::vector<FeedbackVertex>>& polygons)
{
    std::vector<FeedbackVertex> vertices;
    for (std::size_t i = 0; i < polygons.size(); ++i) {
        const auto& p = polygons[i];
        if (mode != GL_QUADS || p.size() == 4) {
            vertices.insert(vertices.end(), p.begin(), p.end());
            continue;
        }
        if (p.size() != 3 || i + 1 == polygons.size() || polygons[i + 1].size() != 3 ||
            !Same(polygons[i + 1][0], p[1]) || !Same(polygons[i + 1][2], p[2])) {
            ADD_FAILURE() << "a quad came back split in an unexpected way";
            return vertices;
        }
        vertices.insert(vertices.end(), {p[0], p[1], polygons[i + 1][1], p[2]});
        ++i;
    }
    return vertices;
}

}  // namespace

// Marks the start of every batch in the feedback stream with its primitive
// type, so the recording keeps quads and triangles apart; the call is then
// handed on to the GL library.
extern "C" void GLAPIENTRY glBegin(GLenum mode)
{
    using BeginFunction = void (*)(GLenum);
    static const auto realBegin = reinterpret_cast<BeginFunction>(dlsym(RTLD_NEXT, "glBegin"));
    if (g_marking)
        glPassThrough(static_cast<GLfloat>(mode));
    realBegin(mode);
}

std::vector<FeedbackPrimitive> CFeedbackRecorder::Record(const std::function<void()>& draw)
{
    std::vector<GLfloat> buffer(kBufferFloats);
    glViewport(0, 0, kViewportSize, kViewportSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-kHalfRange, kHalfRange, -kHalfRange, kHalfRange, -kHeightRange, kHeightRange);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    glFeedbackBuffer(kBufferFloats, GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    g_marking = true;
    draw();
    g_marking = false;
    const GLint count = glRenderMode(GL_RENDER);

    std::vector<FeedbackPrimitive> primitives;
    if (count < 0) {
        ADD_FAILURE() << "feedback buffer overflow";
        return primitives;
    }
    std::vector<std::vector<std::vector<FeedbackVertex>>> polygons;
    for (GLint i = 0; i < count;) {
        const auto token = static_cast<GLenum>(buffer[i++]);
        if (token == GL_PASS_THROUGH_TOKEN) {
            primitives.push_back({static_cast<GLenum>(buffer[i++]), {}});
            polygons.emplace_back();
        } else if (token == GL_POLYGON_TOKEN && !primitives.empty()) {
            const auto corners = static_cast<int>(buffer[i++]);
            polygons.back().emplace_back();
            for (int c = 0; c < corners; ++c, i += kFloatsPerVertex)
                polygons.back().back().push_back(ToCourse(&buffer[i]));
        } else {
            ADD_FAILURE() << "unexpected feedback token " << token;
            break;
        }
    }
    for (std::size_t p = 0; p < polygons.size(); ++p)
        primitives[p].vertices = Flatten(primitives[p].mode, polygons[p]);
    return primitives;
}

void ExpectPrimitive(const FeedbackPrimitive& actual, GLenum mode, const std::vector<Expected>& expected)
{
    EXPECT_EQ(actual.mode, mode);
    ASSERT_EQ(actual.vertices.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const FeedbackVertex& v = actual.vertices[i];
        const Expected& e = expected[i];
        SCOPED_TRACE("vertex " + std::to_string(i));
        EXPECT_NEAR(v.x, e.x, kPlaceTolerance);
        EXPECT_NEAR(v.y, e.y, kPlaceTolerance);
        EXPECT_NEAR(v.z, e.z, kPlaceTolerance);
        EXPECT_NEAR(v.red, std::clamp(e.red, 0.0, 1.0), 1e-6);
        EXPECT_NEAR(v.green, std::clamp(e.green, 0.0, 1.0), 1e-6);
        EXPECT_NEAR(v.blue, std::clamp(e.blue, 0.0, 1.0), 1e-6);
    }
}
