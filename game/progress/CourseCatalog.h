#pragma once

#include <cstdint>
#include <ctime>
#include <map>
#include <string>
#include <vector>

class CBestTimes;

// What the Courses menu lists: the courses that come with the game and the
// player's own, each folder in name order, with their best times.
class CCourseCatalog {
public:
    struct Entry {
        std::string path;
        std::string name;  // the file name without ".hfd"
        bool hasBest = false;
        std::uint64_t best = 0;  // milliseconds
    };

    // Lists both folders again (at most kMaxListed courses each) and looks
    // up each course's record in `times`.
    void Refresh(const std::string& installedFolder, const std::string& playerFolder, const CBestTimes& times);

    const std::vector<Entry>& Installed() const { return m_installed; }
    const std::vector<Entry>& Own() const { return m_own; }

    static constexpr std::size_t kMaxListed = 250;

private:
    std::vector<Entry> List(const std::string& folder, const CBestTimes& times);
    // A course file's content key, read again only when its size or time
    // changed since the last look; empty when it cannot be read.
    std::string KeyOf(const std::string& path);

    struct CachedKey {
        std::uint64_t size;
        std::timespec modified;
        std::string key;
    };
    std::map<std::string, CachedKey> m_keys;
    std::vector<Entry> m_installed;
    std::vector<Entry> m_own;
};
