#pragma once

#include <cstddef>
#include <cstring>

// The output precision that admits only TrueType (outline) faces.
constexpr unsigned char kOutTrueTypeOnly = 7;
constexpr unsigned char kOutDefaultPrecision = 0;
constexpr unsigned char kAnsiCharSet = 0;
// Room for a face name: 31 characters and the terminator.
constexpr std::size_t kFaceNameSize = 32;

// What a view asks of a font before the desktop picks an installed face.
struct FontRequest {
    int height = 0;                 // negative: character (em) height in pixels
    int weight = 0;                 // 400 regular, 700 bold, 0 any
    unsigned char charSet = kAnsiCharSet;
    unsigned char outPrecision = kOutDefaultPrecision;
    char faceName[kFaceNameSize] = {};

    // Longer names are cut to the 31 characters the field holds.
    void SetFaceName(const char* name)
    {
        std::memset(faceName, 0, sizeof faceName);
        if (name)
            std::strncpy(faceName, name, kFaceNameSize - 1);
    }
};
