#pragma once

#include "course/CourseCheck.h"
#include "editor/core/GridGeometry.h"

#include <string>
#include <vector>

class CGridSelection;
class CHeightField;

// What the editor's status bar says, in UTF-8.

// The cell, corner, height and type under a document pixel at actual size:
// "(2, 0) top-right · height 42 · ice"; empty off the course.
std::string PointerReadout(const CHeightField& course, GridPoint documentPixel);

// "6×4 corners, 3×2 cells": the size of the part of the selection on the
// course; empty when none of it is.
std::string SelectionReadout(const CGridSelection& selection, const CHeightField& course);

// The longest readouts a course of this size gives, to make room for: the
// whole course selected first, then the last corner with each cell type.
std::vector<std::string> ReadoutsToFit(int width, int height);

// What the check of a course found, as a short sentence without a stop.
const char* VerdictText(CourseVerdict verdict);
