#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Thumbnail;

// The picture as the bytes of a PNG file, built in memory so that nothing is
// written unless all of it was made. False with a reason when the library
// refuses.
bool EncodePng(const Thumbnail& picture, std::vector<std::uint8_t>& png, std::string& reason);
