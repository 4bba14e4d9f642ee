#pragma once

#include "course/HeightField.h"
#include "document/Document.h"

// The editor's document: one course, for the program's whole life.
class CBraskitDoc : public CDocument {
public:
    // File New: asks the size in the "New Heightfield" dialog and makes a
    // course of Floor cells at height 0. Cancel returns false and leaves the
    // course, its file name and its modified mark as they were.
    bool OnNewDocument() override;

    // Loading replaces the course with the file's (or throws and leaves it);
    // storing writes it (or throws for a 0 x 0 course, whose empty file could
    // not be opened again). Nothing else goes into a course file.
    void Serialize(CArchive& ar) override;

    CHeightField* GetHeightField() { return &m_heightField; }

protected:
    // The width and height the user asks for; false on Cancel.
    virtual bool AskCourseSize(int& width, int& height);
    // The size was accepted but the cells could not be had.
    virtual void ReportNoMemory(int width, int height);

private:
    CHeightField m_heightField;
};
