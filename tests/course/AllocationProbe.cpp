#include "AllocationProbe.h"

#include <cstdlib>
#include <new>

namespace {

bool g_watching = false;
std::size_t g_largest = 0, g_failAbove = 0;

void* Allocate(std::size_t size)
{
    if (g_watching) {
        g_largest = size > g_largest ? size : g_largest;
        if (g_failAbove != 0 && size > g_failAbove)
            return nullptr;
    }
    return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrThrow(std::size_t size)
{
    if (void* p = Allocate(size))
        return p;
    throw std::bad_alloc();
}

}  // namespace

CAllocationProbe::CAllocationProbe(std::size_t failAbove) { g_largest = 0, g_failAbove = failAbove, g_watching = true; }
CAllocationProbe::~CAllocationProbe() { g_watching = false; }
std::size_t CAllocationProbe::Largest() const { return g_largest; }

void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
