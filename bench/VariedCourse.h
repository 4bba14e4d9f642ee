#pragma once

class CHeightField;

// A side x side course for the benchmarks, painted from a picture: blocks of
// 8 x 8 cells of one type each (floor, ice, mud, holes, magnets, finishes),
// flat or sloped, at random heights, so that runs, walls and crossings all
// occur; rough blocks also have one corner in 16 out of line, which breaks
// most runs. The middle block (or with nearCorner the second block of the
// diagonal, where the camera settles behind the ball within seconds) is flat
// floor with the start at its centre, so that the ball rests there while the
// game is measured; a course smaller than a block is one block with the start
// in its middle. The same side and roughness give the same blocks.
void MakeVariedCourse(CHeightField& grid, int side, bool rough, bool nearCorner = false);
