#include "game/progress/TimeText.h"

#include <cstdio>

std::string SecondsText(std::uint64_t milliseconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%llu.%02u s", static_cast<unsigned long long>(milliseconds / 1000),
                  static_cast<unsigned>(milliseconds % 1000 / 10));
    return text;
}

std::string RunningTimeText(std::uint64_t milliseconds, const std::uint64_t* best)
{
    return "Time " + SecondsText(milliseconds) + (best != nullptr ? " (best " + SecondsText(*best) + ")" : "");
}

std::string FinishText(std::uint64_t milliseconds, bool newBest, std::uint64_t best)
{
    const std::string finished = "Finished in " + SecondsText(milliseconds);
    return newBest ? finished + ". New best time" : finished + " (best " + SecondsText(best) + ")";
}
