#pragma once

#include <GL/gl.h>

#include <cstdint>

class CHeightField;

// Turns a course into OpenGL geometry: one coloured top quad per coplanar run
// of cells of one type (holes have none), and grey walls wherever neighbouring
// edges differ in height and around the border down to height 0. Vertices are
// in course coordinates (x, y in cells, z in raw height units). Every
// operation emits into the current context and needs it to be current.
class CCourseMesh {
public:
    // Takes a fresh list name with glGenLists(1), records DrawCourse into it
    // (GL_COMPILE) and returns the name; returns 0 and records nothing when no
    // name could be had. Marks every non-hole cell of the grid as merged.
    static GLuint BuildCourseList(CHeightField& grid);

    // The tops pass (row by row, each run's quad drawn in its start cell's
    // frame) and then the walls pass. Clears the merge marks first, so it
    // emits the same geometry however often it runs. Returns the vertices
    // emitted.
    static int DrawCourse(CHeightField& grid);

    // The top quad of the run that starts at cell (x, y), drawn with the
    // cell's (x, y) corner at the origin; nothing (false) for a hole or a
    // cell that an earlier run covers. Marks the run's cells.
    static bool DrawCellTop(CHeightField& grid, int x, int y);

    // The top quad of the run of w x h cells whose first cell is (x, y), as
    // DrawCellTop draws it once MergeRun has found it: in that cell's frame,
    // or with inCourse in the course's, which spares a matrix per run.
    static void DrawRunTop(const CHeightField& grid, int x, int y, int w, int h, bool inCourse = false);

    // The colour ramp of a Floor corner at height h.
    static void HeightColour(std::int16_t h, double colour[3]);

    // The walls that belong to cell (x, y): the border walls of a border cell
    // and the shared edges with its east and north neighbours. Returns the
    // vertices emitted.
    static int DrawCellWalls(const CHeightField& grid, int x, int y);

    // One vertical strip over the edge from P to Q between line A, from
    // (P, pa) to (Q, qa), and line B, from (P, pb) to (Q, qb): nothing when
    // the lines coincide, one quad when they do not cross between P and Q,
    // else two triangles meeting where they cross. Returns the vertices
    // emitted (0, 4 or 6).
    static int DrawWall(int px, int py, int pa, int pb, int qx, int qy, int qa, int qb);
};
