#pragma once

#include <cstdint>
#include <string>

// The game's times in words, for the status bar and the Courses menu.

// "12.34 s": hundredths, cut rather than rounded, as a stopwatch shows them.
std::string SecondsText(std::uint64_t milliseconds);

// While playing: "Time 12.34 s", and " (best 11.80 s)" when the course has
// a record.
std::string RunningTimeText(std::uint64_t milliseconds, const std::uint64_t* best);

// After a win: "Finished in 12.34 s (best 11.80 s)", or "Finished in
// 11.20 s. New best time" when it made the record.
std::string FinishText(std::uint64_t milliseconds, bool newBest, std::uint64_t best);
