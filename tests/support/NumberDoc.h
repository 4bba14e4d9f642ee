#pragma once

#include "document/Archive.h"
#include "document/Document.h"

#include <new>
#include <vector>

// A document of a few numbers for the shell's tests: a count, then the
// values, replaced only when the file was read whole.
class CNumberDoc : public CDocument {
public:
    void Serialize(CArchive& ar) override
    {
        if (m_failWithBadAlloc)
            throw std::bad_alloc();
        std::int32_t count = static_cast<std::int32_t>(m_values.size());
        ar.IsStoring() ? ar << count : ar >> count;
        std::vector<std::int32_t> values(ar.IsStoring() ? m_values : std::vector<std::int32_t>(count < 0 ? 0 : count));
        for (std::int32_t& v : values)
            ar.IsStoring() ? ar << v : ar >> v;
        m_values.swap(values);
    }
    bool OnNewDocument() override
    {
        ++m_newCount;
        m_values.clear();
        return CDocument::OnNewDocument();
    }
    void Edit(std::int32_t value)
    {
        m_values.push_back(value);
        SetModifiedFlag();
    }

    std::vector<std::int32_t> m_values;
    int m_newCount = 0;
    bool m_failWithBadAlloc = false;
};
