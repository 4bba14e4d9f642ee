#pragma once

#include <cstdint>
#include <map>
#include <string>

// The best time of every course the player has finished, by the course's
// content key (so a renamed or moved copy keeps its record and an edited
// course starts afresh), in a small text file of its own:
//
//   brask best times 1
//   <content key> <milliseconds>
//
// A missing, unreadable or damaged file reads as no records at all and is
// replaced whole by the next record; it is always written beside itself
// and renamed into place, so it is never half-written.
class CBestTimes {
public:
    // What a finish did to the record.
    struct Finish {
        bool newBest = false;          // the finish is the record now
        bool hadBest = false;          // there was a record before it
        std::uint64_t previousBest = 0;  // that record, in milliseconds
    };

    explicit CBestTimes(std::string file) : m_file(std::move(file)) {}

    // Reads the file again, for records other runs of the game have made.
    void Load();

    // The record of a course, in milliseconds; false when it has none.
    bool Find(const std::string& courseKey, std::uint64_t& milliseconds) const;

    // A finish in `milliseconds`: kept when it beats the record or there is
    // none, and then written at once, its folder made if need be. False with
    // a reason when the file could not be written; the record still counts
    // until the program ends.
    bool Record(const std::string& courseKey, std::uint64_t milliseconds, Finish& finish, std::string& reason);

private:
    bool Parse(const std::string& text);

    std::string m_file;
    std::map<std::string, std::uint64_t> m_best;
};
