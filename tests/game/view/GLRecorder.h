#pragma once

#include <functional>
#include <vector>

// A corner as GL emitted it, in course coordinates (x and y in cells, z in
// raw height units), with its colour.
struct Corner {
    double x, y, z, red, green, blue;
};
using Polygon = std::vector<Corner>;

// The polygons GL emitted while draw ran, in order, read back in feedback
// mode from an offscreen software context (no display needed). Points
// within 64 cells and 1024 height units of the origin come back one to one;
// a quad may come back whole or as two triangles.
std::vector<Polygon> Record(const std::function<void()>& draw);

// Same place within depth's float precision, same colour.
bool Near(const Corner& a, const Corner& b);

// The area a polygon shows seen along the axis it leaves out; u and v are
// the two it keeps.
double Area(const Polygon& polygon, double Corner::*u, double Corner::*v);
