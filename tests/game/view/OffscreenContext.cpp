#include "OffscreenContext.h"

COffscreenContext& COffscreenContext::Shared()
{
    static COffscreenContext* const shared = new COffscreenContext();
    if (shared->m_context != nullptr)
        shared->m_current =
            OSMesaMakeCurrent(shared->m_context, shared->m_pixels.data(), GL_UNSIGNED_BYTE, kSize, kSize) == GL_TRUE;
    return *shared;
}

COffscreenContext::COffscreenContext() : m_pixels(static_cast<std::size_t>(kSize) * kSize * 4)
{
    m_context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
}

std::array<int, 3> COffscreenContext::Pixel(int x, int y) const
{
    glFinish();
    const std::uint8_t* p = &m_pixels[(static_cast<std::size_t>(y) * kSize + x) * 4];
    return {p[0], p[1], p[2]};
}

// The software GL library keeps a few blocks of its own for the program's
// life; under the leak checker they are its business, not ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libOSMesa.so\n";
}
