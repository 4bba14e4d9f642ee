#pragma once

#include <GL/osmesa.h>

#include <array>
#include <cstdint>
#include <vector>

// A software rendering context drawing into memory. Needs no display, so the
// geometry tests run anywhere.
class COffscreenContext {
public:
    static constexpr int kSize = 64;

    // The one context of the test program, kSize x kSize pixels, made
    // current. It lives until the program ends: the GL library does not give
    // back everything a context takes, and one context keeps the tests quick.
    static COffscreenContext& Shared();

    bool IsCurrent() const { return m_current; }

    // Red, green, blue of pixel (x, y), row 0 at the bottom.
    std::array<int, 3> Pixel(int x, int y) const;

private:
    COffscreenContext();

    std::vector<std::uint8_t> m_pixels;
    OSMesaContext m_context = nullptr;
    bool m_current = false;
};
