#include "game/progress/CourseCatalog.h"

#include "document/FileBytes.h"
#include "game/progress/BestTimes.h"
#include "game/progress/CourseFolder.h"
#include "game/state/BraskDoc.h"

#include <sys/stat.h>

void CCourseCatalog::Refresh(const std::string& installedFolder, const std::string& playerFolder,
                             const CBestTimes& times)
{
    m_installed = List(installedFolder, times);
    m_own = List(playerFolder, times);
}

std::vector<CCourseCatalog::Entry> CCourseCatalog::List(const std::string& folder, const CBestTimes& times)
{
    std::vector<Entry> entries;
    if (folder.empty())
        return entries;
    for (const std::string& path : CCourseFolder(folder).List()) {
        if (entries.size() == kMaxListed)
            break;
        Entry entry;
        entry.path = path;
        entry.name = path.substr(path.rfind('/') + 1);
        entry.name.erase(entry.name.size() - 4);  // ".hfd"
        const std::string key = KeyOf(path);
        entry.hasBest = !key.empty() && times.Find(key, entry.best);
        entries.push_back(entry);
    }
    return entries;
}

std::string CCourseCatalog::KeyOf(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return "";
    const auto size = static_cast<std::uint64_t>(st.st_size);
    const auto cached = m_keys.find(path);
    if (cached != m_keys.end() && cached->second.size == size && cached->second.modified.tv_sec == st.st_mtim.tv_sec
        && cached->second.modified.tv_nsec == st.st_mtim.tv_nsec)
        return cached->second.key;
    std::vector<std::uint8_t> bytes;
    std::string reason;
    if (!ReadFileBytes(path, bytes, reason))
        return "";
    const std::string key = CBraskDoc::ContentKey(bytes);
    m_keys[path] = CachedKey{size, st.st_mtim, key};
    return key;
}
