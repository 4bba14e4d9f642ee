#pragma once

#include <GL/gl.h>

// The ball: an upside-down square pyramid with its apex at the origin (the
// point resting on the course) and its cap of half-size 0.3 at raw height 3,
// each face in a colour of its own so that the spin shows.
class CBallModel {
public:
    // Takes a fresh list name with glGenLists(1), records DrawBallModel into
    // it (GL_COMPILE) and returns the name; 0 when no name could be had.
    static GLuint BuildBallList();

    // The four sides as one GL_TRIANGLES batch (facing +x, +y, -x, -y), then
    // the cap as one GL_QUADS batch.
    static void DrawBallModel();
};
