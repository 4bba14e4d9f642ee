#pragma once

#include "course/HeightField.h"
#include "document/Document.h"
#include "editor/core/EditHistory.h"

class CGridSelection;
struct KeyMessage;

// The editor's document: one course, for the program's whole life, and the
// history of its changes since it was made or opened. The modified mark
// follows the history: undoing back to the saved course clears it.
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

    // Saves, and the history then knows which course the file holds.
    bool OnSaveDocument(const std::string& path, std::string& reason) override;

    CHeightField* GetHeightField() { return &m_heightField; }

    // A key on the selection: the cells it changed become one step of the
    // history. True when any cell changed.
    bool ApplyKey(const CGridSelection& selection, const KeyMessage& key);
    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }
    bool Undo();
    bool Redo();

protected:
    // The width and height the user asks for; false on Cancel.
    virtual bool AskCourseSize(int& width, int& height);
    // The size was accepted but the cells could not be had.
    virtual void ReportNoMemory(int width, int height);

private:
    void FollowHistory() { SetModifiedFlag(!m_history.IsAtSavedState()); }

    CHeightField m_heightField;
    CEditHistory m_history;
};
