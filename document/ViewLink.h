#pragma once

// What a document knows of a view: enough to tell it that the document's
// content was replaced. Views of each program extend it.
class CViewLink {
public:
    virtual ~CViewLink() = default;
    // After every New and Open, once the document holds its new content.
    virtual void OnInitialUpdate() {}
};
