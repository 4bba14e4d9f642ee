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
