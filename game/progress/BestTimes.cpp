#include "game/progress/BestTimes.h"

#include "document/FileBytes.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace {

constexpr const char* kHeader = "brask best times 1";
// More digits than any time played could need: a longer number is damage.
constexpr std::size_t kMaxDigits = 15;

bool IsKey(const std::string& key)
{
    if (key.empty())
        return false;
    for (const char c : key) {
        if (c <= ' ' || c > '~')
            return false;
    }
    return true;
}

}  // namespace

void CBestTimes::Load()
{
    std::vector<std::uint8_t> bytes;
    std::string reason;
    if (!ReadFileBytes(m_file, bytes, reason) || !Parse(std::string(bytes.begin(), bytes.end())))
        m_best.clear();
}

bool CBestTimes::Parse(const std::string& text)
{
    std::map<std::string, std::uint64_t> best;
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != kHeader)
        return false;
    while (std::getline(lines, line)) {
        const std::size_t space = line.find(' ');
        if (space == std::string::npos)
            return false;
        const std::string key = line.substr(0, space);
        const std::string digits = line.substr(space + 1);
        if (!IsKey(key) || digits.empty() || digits.size() > kMaxDigits
            || digits.find_first_not_of("0123456789") != std::string::npos)
            return false;
        best[key] = std::strtoull(digits.c_str(), nullptr, 10);
    }
    m_best.swap(best);
    return true;
}

bool CBestTimes::Find(const std::string& courseKey, std::uint64_t& milliseconds) const
{
    const auto found = m_best.find(courseKey);
    if (found == m_best.end())
        return false;
    milliseconds = found->second;
    return true;
}

bool CBestTimes::Record(const std::string& courseKey, std::uint64_t milliseconds, Finish& finish,
                        std::string& reason)
{
    Load();
    finish = Finish{};
    finish.hadBest = Find(courseKey, finish.previousBest);
    finish.newBest = !finish.hadBest || milliseconds < finish.previousBest;
    if (!finish.newBest)
        return true;
    m_best[courseKey] = milliseconds;

    std::string text = std::string(kHeader) + "\n";
    for (const auto& [key, best] : m_best)
        text += key + " " + std::to_string(best) + "\n";
    namespace fs = std::filesystem;
    std::error_code error;
    fs::create_directories(fs::path(m_file).parent_path(), error);
    // A file we could not read may be one we may not write either; it is
    // ours, and only its replacement counts.
    if (::access(m_file.c_str(), W_OK) != 0 && errno != ENOENT)
        ::unlink(m_file.c_str());
    return WriteFileAtomically(m_file, std::vector<std::uint8_t>(text.begin(), text.end()), reason);
}
