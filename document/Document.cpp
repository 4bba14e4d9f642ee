#include "document/Document.h"

#include "document/Archive.h"
#include "document/ArchiveException.h"
#include "document/FileBytes.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

// The archive's errors stop here: a failed Serialize becomes a plain-words
// reason. `doing` is "open" or "save".
bool SerializeCaught(CDocument& document, CArchive& ar, const char* doing, std::string& reason)
{
    try {
        document.Serialize(ar);
        return true;
    } catch (const CArchiveException& e) {
        reason = e.what();
    } catch (const std::bad_alloc&) {
        reason = std::string("there is not enough memory to ") + doing + " it";
    }
    return false;
}

}  // namespace

CDocument::~CDocument() = default;

bool CDocument::OnNewDocument()
{
    m_pathName.clear();
    m_modified = false;
    return true;
}

bool CDocument::OnOpenDocument(const std::string& path, std::string& reason)
{
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, bytes, reason))
        return false;
    return OpenFromBytes(std::move(bytes), path, reason);
}

bool CDocument::OpenFromBytes(std::vector<std::uint8_t> bytes, const std::string& path, std::string& reason)
{
    CArchive ar(std::move(bytes));
    if (!SerializeCaught(*this, ar, "open", reason))
        return false;
    m_pathName = path;
    m_modified = false;
    return true;
}

bool CDocument::OnSaveDocument(const std::string& path, std::string& reason)
{
    // The whole file is made in memory first, so nothing touches the disk
    // unless the content could be serialised.
    std::vector<std::uint8_t> bytes;
    if (!SaveToBytes(bytes, reason))
        return false;
    if (!WriteFileAtomically(path, bytes, reason))
        return false;
    m_pathName = path;
    m_modified = false;
    return true;
}

bool CDocument::SaveToBytes(std::vector<std::uint8_t>& bytes, std::string& reason)
{
    CArchive ar;
    if (!SerializeCaught(*this, ar, "save", reason))
        return false;
    bytes = ar.ReleaseBytes();
    return true;
}

void CDocument::AddView(CViewLink* view)
{
    if (view != nullptr && std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CDocument::RemoveView(CViewLink* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}
