#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CArchive;
class CViewLink;

// A small document base: one document object lives for the whole program and
// is reused by New and Open.
class CDocument {
public:
    virtual ~CDocument();

    // Resets the path name and the modified mark. Returns true.
    virtual bool OnNewDocument();

    // Reads (ar.IsLoading()) or writes the document's content.
    virtual void Serialize(CArchive& ar) = 0;

    // Reads the whole file and hands it to Serialize. On success the path is
    // set and the modified mark cleared. On failure returns false with a
    // plain-words reason (without the file name) in `reason`; what Serialize
    // guarantees about the content is the derived document's business.
    bool OnOpenDocument(const std::string& path, std::string& reason);

    // The open after the file has been read: hands `bytes` to Serialize and,
    // on success, takes `path` as the document's. OnOpenDocument ends here,
    // and so can a caller that holds a course in memory.
    bool OpenFromBytes(std::vector<std::uint8_t> bytes, const std::string& path, std::string& reason);

    // Serializes into memory and writes the file beside the target first,
    // renaming it over the target only when every byte is written. On failure
    // the old file is untouched and `reason` says why.
    virtual bool OnSaveDocument(const std::string& path, std::string& reason);

    // The save before anything is written: the bytes Serialize stores. The
    // path and the modified mark are left alone.
    bool SaveToBytes(std::vector<std::uint8_t>& bytes, std::string& reason);

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }
    const std::string& GetPathName() const { return m_pathName; }
    void SetPathName(const std::string& path) { m_pathName = path; }

    void AddView(CViewLink* view);
    void RemoveView(CViewLink* view);
    CViewLink* GetFirstView() const { return m_views.empty() ? nullptr : m_views.front(); }

private:
    std::vector<CViewLink*> m_views;
    std::string m_pathName;
    bool m_modified = false;
};
