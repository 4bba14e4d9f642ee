#pragma once

#include "tests/platform/GLTestApp.h"

#include <wx/frame.h>
#include <wx/glcanvas.h>

#include <vector>

// A shown frame with a GL canvas of the view's format and a current
// context, with a pixel-aligned projection: x and y are pixels from the
// bottom left, z runs from -100 to 100.
class CGLCanvasFixture : public ::testing::Test {
protected:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 200;

    void SetUp() override;
    void TearDown() override;

    // The back buffer as RGB bytes, bottom row first.
    std::vector<unsigned char> ReadPixels() const;
    // Pixels whose colour is near (r, g, b) in the given column range.
    int CountPixels(unsigned char r, unsigned char g, unsigned char b, int xFrom = 0, int xTo = kWidth) const;

    wxFrame* m_frame = nullptr;
    wxGLCanvas* m_canvas = nullptr;
    wxGLContext* m_context = nullptr;
};
