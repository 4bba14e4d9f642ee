#pragma once

#include "platform/ShellPrompter.h"
#include "platform/SingleDocShell.h"
#include "tests/game/long/CourseMaker.h"
#include "tests/game/view/BraskViewFixture.h"
#include "tests/platform/TempFolder.h"

#include <string>
#include <vector>

// Answers the shell as a person at Game > Open would: the file the test
// names next, and the failure messages kept for the test to read.
class CScriptPrompter : public CShellPrompter {
public:
    SaveChoice AskSaveChanges(const std::string&) override { return SaveChoice::DontSave; }
    bool AskOpenPath(std::string& path) override
    {
        path = nextPath;
        return true;
    }
    bool AskSavePath(const std::string&, std::string&) override { return false; }
    bool AskReplaceFile(const std::string&) override { return false; }
    void ShowError(const std::string& message) override { errors.push_back(message); }

    std::string nextPath;
    std::vector<std::string> errors;
};

// The game view with what a long session watches opened up.
class CLongSessionView : public CTestBraskView {
public:
    using CTestBraskView::CTestBraskView;
    using COpenGLView::m_bitmapFontBase, COpenGLView::m_errorText, COpenGLView::s_frameCounter;
};

// A shown game view in a real frame and GL context under the display,
// with a fake clock and pointer, opening courses through the shell as
// Game > Open does.
class LongSessionTest : public CViewFrameTest<CLongSessionView> {
public:
    // The render loop's shortest interval between full frames.
    static constexpr uint32_t kFrameIntervalMs = 30;

protected:
    void SetUp() override;

    // Writes the bytes to a file and opens it through Game > Open; the
    // shell's result. The file is gone again afterwards.
    bool OpenCourse(const CCourseMaker::Bytes& bytes);

    // One pass of the render loop kFrameIntervalMs of fake time after the
    // last, as a paint of the running game would make.
    void DrawFrame();

    // Display lists alive among the names 1 to `highest` (0 is never a
    // list's name).
    static int CountLiveLists(unsigned highest);
    // The highest list name the view holds now, plus room for lists made
    // since and held by nobody: the driver hands names out upwards.
    unsigned ListNameBound() const;

    // The process's resident memory, after handing the allocator's free
    // pages back, so that only memory still in use counts.
    static long ResidentKilobytes();
    // Whether resident memory says anything here: under AddressSanitizer
    // freed blocks wait in its quarantine, and its leak check at exit does
    // this job more exactly.
    static bool ResidentMemoryIsMeaningful();

    CBraskDoc m_doc;
    CFakePointer m_pointer;
    CScriptPrompter m_prompter;
    CTempFolder m_folder;
    CSingleDocShell m_shell{m_doc, m_prompter};
    int m_opens = 0;
};
