#pragma once

#include <GL/gl.h>

#include <functional>
#include <vector>

// A vertex as GL delivered it, mapped back to course coordinates.
struct FeedbackVertex {
    double x, y, z;
    double red, green, blue;
};

// One glBegin/glEnd batch. GL_QUADS batches hold four vertices per quad and
// GL_TRIANGLES batches three per triangle, in the order they were given.
struct FeedbackPrimitive {
    GLenum mode;
    std::vector<FeedbackVertex> vertices;
};

// Runs drawing code in feedback mode and returns what GL really emitted,
// batch by batch. The view maps course coordinates within +-64 cells and
// heights within +-1024 one to one, so nothing is clipped.
class CFeedbackRecorder {
public:
    static std::vector<FeedbackPrimitive> Record(const std::function<void()>& draw);
};

constexpr double kPlaceTolerance = 1e-3;  // depth comes back as a float

// Where a vertex should be and its colour.
struct Expected {
    double x, y, z;
    double red, green, blue;
};

// The batch has the mode and exactly the vertices, colours clamped to 0..1.
void ExpectPrimitive(const FeedbackPrimitive& actual, GLenum mode, const std::vector<Expected>& expected);
