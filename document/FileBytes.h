#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Whole-file reads and all-or-nothing writes. Errors come back as a
// plain-words reason without the file name ("permission denied").
bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& reason);

// Writes to a temporary file in the target's folder, flushes it to disk and
// renames it over the target, so the target is either the old file or the
// complete new one. A target the user may not write is refused, as a write
// in place would be.
bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& reason);
