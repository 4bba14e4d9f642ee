// A long session in one game view under the display, as a player who keeps
// the game open for an hour: course after course opened through Game >
// Open, then an hour of play on one course with a fake clock that wraps on
// the way. Prints the display lists alive (every name the driver may have
// handed out, asked with glIsList) and the resident memory along the way:
// lists or memory that pile up show as figures that grow.
//
//   game-session [--opens N] [--minutes M] --play COURSE COURSE...
//
// The opens go round the courses named, in a shuffled order, the first and
// the last open taking the first course so that their readings compare like
// with like; files that cannot be opened are refused as Game > Open refuses
// them. bench/game-session.sh makes the courses and runs it.

#include "FigureReporter.h"

#include "course/CellType.h"
#include "game/state/BraskDoc.h"
#include "game/view/BraskView.h"
#include "platform/gl/Clock.h"
#include "platform/gl/Pointer.h"
#include "platform/shell/ShellPrompter.h"
#include "platform/shell/SingleDocShell.h"
#include "platform/keys/VirtualKey.h"

#include <GL/gl.h>
#include <malloc.h>
#include <unistd.h>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

// The render loop's shortest interval between full frames.
constexpr std::uint32_t kFrameIntervalMs = 30;
constexpr long kFramesPerMinute = 60 * 1000 / kFrameIntervalMs;
// Each glyph font is this many consecutive lists, one a character code.
constexpr unsigned kFontLists = 256;
// Names above the view's highest in which a list made and then lost would
// still be found: the driver hands names out upwards.
constexpr unsigned kListNameMargin = 2048;

struct Options {
    long opens = 1000;
    long minutes = 60;
    std::string playCourse;
    std::vector<std::string> courses;
};

class CFakeClock : public CClock {
public:
    std::uint32_t Milliseconds() override { return now; }
    std::uint32_t now = 1000;
};

// A pointer that goes where the player's hand puts it.
class CHandPointer : public CPointer {
public:
    bool GetPosition(int& px, int& py) override
    {
        px = x;
        py = y;
        return true;
    }
    bool WarpTo(int px, int py) override
    {
        x = px;
        y = py;
        return true;
    }

    int x = 0;
    int y = 0;
};

// Answers Game > Open with the file the session names next.
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
    void ShowError(const std::string&) override { ++errors; }

    std::string nextPath;
    long errors = 0;
};

// The game view with the list names it holds in sight, counting the frames
// it draws.
class CSessionView : public CBraskView {
public:
    using CBraskView::CBraskView;

    bool DrawScene() override
    {
        ++framesDrawn;
        return CBraskView::DrawScene();
    }

    // The highest list name the view holds, plus room for the course's tiles
    // and lists made since and held by nobody.
    unsigned ListNameBound() const
    {
        return std::max({m_ballList, m_outlineFontBase + kFontLists - 1,
                         m_bitmapFontBase + kFontLists - 1}) +
               kListNameMargin;
    }

    long framesDrawn = 0;
};

void PumpEvents()
{
    wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
    wxTheApp->ProcessIdle();
}

// One game view in a shown frame, with a fake clock and pointer, opening
// courses through the shell as Game > Open does.
class CGameSession {
public:
    CGameSession()
    {
        m_frame = new wxFrame(nullptr, wxID_ANY, "Brask");
        m_view = new CSessionView(m_frame, m_doc);
        m_view->SetClock(clock);
        m_view->SetPointer(pointer);
        m_frame->SetClientSize(400, 300);
        m_frame->Show();
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!m_view->IsContextReady() && std::chrono::steady_clock::now() < limit) {
            PumpEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        PumpEvents();
    }

    ~CGameSession()
    {
        m_frame->Destroy();
        PumpEvents();
    }

    bool IsReady() const { return m_view->IsContextReady(); }

    bool Open(const std::string& path)
    {
        m_prompter.nextPath = path;
        return m_shell.FileOpen();
    }

    // One pass of the render loop a frame interval of fake time after the
    // last, as a paint of the running game makes it; false on a GL error.
    bool DrawFrame()
    {
        clock.now += kFrameIntervalMs;
        m_view->OnDraw(nullptr);
        return glGetError() == GL_NO_ERROR;
    }

    int LiveLists() const
    {
        int live = 0;
        for (unsigned name = 1; name <= m_view->ListNameBound(); ++name)
            live += glIsList(name) == GL_TRUE;
        return live;
    }

    // After handing the allocator's free pages back, so that only memory
    // still in use counts.
    static double ResidentMegabytes()
    {
        malloc_trim(0);
        long pages = 0;
        long resident = 0;
        std::ifstream("/proc/self/statm") >> pages >> resident;
        return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
    }

    void Resize(int width, int height)
    {
        m_frame->SetClientSize(width, height);
        for (int i = 0; i < 20 && m_view->GetClientSize() != wxSize(width, height); ++i) {
            PumpEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    CFakeClock clock;
    CHandPointer pointer;
    CBraskDoc& Doc() { return m_doc; }
    CSessionView& View() { return *m_view; }

private:
    CBraskDoc m_doc;
    CScriptPrompter m_prompter;
    CSingleDocShell m_shell{m_doc, m_prompter};
    wxFrame* m_frame = nullptr;
    CSessionView* m_view = nullptr;
};

// Course after course; a pass is one open and two frames.
void CourseAfterCourse(benchmark::State& state, CGameSession& session, const Options& options)
{
    std::mt19937 pick(67);
    long opens = 0;
    long refused = 0;
    int firstLists = 0;
    double firstMegabytes = 0.0;
    long glErrors = 0;
    for (auto _ : state) {
        const bool firstOrLast = opens == 0 || opens + 1 == options.opens;
        const std::string& path = options.courses[firstOrLast ? 0 : pick() % options.courses.size()];
        refused += session.Open(path) ? 0 : 1;
        ++opens;
        glErrors += session.DrawFrame() ? 0 : 1;
        glErrors += session.DrawFrame() ? 0 : 1;
        // Let the toolkit run what the frames and the open asked of it.
        PumpEvents();
        if (opens == 1) {
            firstLists = session.LiveLists();
            firstMegabytes = CGameSession::ResidentMegabytes();
        }
    }
    state.counters["opens"] = static_cast<double>(opens);
    state.counters["opens refused"] = static_cast<double>(refused);
    state.counters["frames with a GL error"] = static_cast<double>(glErrors);
    state.counters["live lists after the first open"] = firstLists;
    state.counters["live lists after the last open"] = session.LiveLists();
    state.counters["resident MB after the first open"] = firstMegabytes;
    state.counters["resident MB after the last open"] = CGameSession::ResidentMegabytes();
}

// The centre of the cell of that type nearest to (x, y), or false.
bool NearestCell(const CHeightField& course, std::int16_t type, double x, double y, double& cx, double& cy)
{
    double best = -1.0;
    for (int cellY = 0; cellY < course.GetHeight(); ++cellY)
        for (int cellX = 0; cellX < course.GetWidth(); ++cellX) {
            const double d = std::hypot(cellX + 0.5 - x, cellY + 0.5 - y);
            if (course.GetCell(cellX, cellY).type == type && (best < 0.0 || d < best)) {
                best = d;
                cx = cellX + 0.5;
                cy = cellY + 0.5;
            }
        }
    return best >= 0.0;
}

// What the scripted player does for a stretch of frames.
enum class Action { SteerToFinish, SteerToHole, Idle, Jitter, Fling, Space, LeaveWindow, NewGame };

// A player who mostly steers for the finish, so that games are won as well
// as lost, and now and then lets go, shakes or flings the pointer, presses
// Space, leaves the window for a while, or starts again.
class CScriptedPlayer {
public:
    // The pace it aims for (cells a second), how much a pixel of pointer
    // changes the ball's speed, and the most pixels it moves a frame.
    static constexpr double kPace = 1.5;
    static constexpr double kPointerGain = 0.02;
    static constexpr double kMostPixels = 12.0;

    CScriptedPlayer(CGameSession& session, double finishX, double finishY, double holeX, double holeY)
        : m_session(session), m_finishX(finishX), m_finishY(finishY), m_holeX(holeX), m_holeY(holeY)
    {
    }

    // The player's doing before a frame; true when it asks for a new game.
    bool Play()
    {
        if (m_actionFrames-- <= 0)
            NextAction();
        CHandPointer& pointer = m_session.pointer;
        switch (m_action) {
        case Action::SteerToFinish: SteerTowards(m_finishX, m_finishY); break;
        case Action::SteerToHole: SteerTowards(m_holeX, m_holeY); break;
        case Action::Idle: break;
        case Action::Jitter:
            pointer.x += Below(81) - 40;
            pointer.y += Below(81) - 40;
            break;
        case Action::Fling:
            pointer.x += (Below(2) == 0 ? -1 : 1) * (500 + Below(4000));
            pointer.y += (Below(2) == 0 ? -1 : 1) * (500 + Below(4000));
            break;
        case Action::Space: m_session.View().OnKeyDown(VK_SPACE, 1, 0x39); break;
        case Action::NewGame: return true;
        case Action::LeaveWindow: {
            // No frame while the window was away: the next one comes
            // seconds later, and never across the clock's wrap, so that the
            // wrap falls inside an ordinary frame interval.
            const std::uint32_t away = kFrameIntervalMs * static_cast<std::uint32_t>(60 + Below(1300));
            if (m_session.clock.now + away > m_session.clock.now)
                m_session.clock.now += away;
            break;
        }
        }
        return false;
    }

    void Restart()
    {
        m_action = Action::Idle;
        m_actionFrames = 0;
    }

    int Below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(m_random); }

private:
    // Moves the pointer so that the ball heads for (tx, ty) at a walking
    // pace, a few pixels a frame as a hand would.
    void SteerTowards(double tx, double ty)
    {
        double x, y, z, angle, vx, vy;
        m_session.Doc().GetBall(x, y, z, angle, vx, vy);
        const double dx = tx - x;
        const double dy = ty - y;
        const double distance = std::hypot(dx, dy);
        const double pace = std::min(kPace, 2.0 * distance);
        const double wantX = distance > 0 ? dx / distance * pace : 0.0;
        const double wantY = distance > 0 ? dy / distance * pace : 0.0;
        const auto pixels = [](double change) {
            return static_cast<int>(std::lround(std::clamp(change / kPointerGain, -kMostPixels, kMostPixels)));
        };
        // Screen y grows downwards; pushing the pointer up sends the ball to +y.
        m_session.pointer.x += pixels(wantX - vx);
        m_session.pointer.y -= pixels(wantY - vy);
    }

    void NextAction()
    {
        static constexpr Action kChoices[] = {
            Action::SteerToFinish, Action::SteerToFinish, Action::SteerToFinish, Action::SteerToHole,
            Action::Idle,          Action::Jitter,        Action::Fling,         Action::Space,
            Action::LeaveWindow,   Action::NewGame,
        };
        m_action = kChoices[Below(10)];
        const int second = 1000 / kFrameIntervalMs;
        switch (m_action) {
        case Action::SteerToFinish:
        case Action::SteerToHole: m_actionFrames = second + Below(8 * second); break;
        case Action::Idle: m_actionFrames = second + Below(20 * second); break;
        case Action::Jitter: m_actionFrames = second / 2 + Below(3 * second); break;
        default: m_actionFrames = 1; break;
        }
    }

    CGameSession& m_session;
    double m_finishX, m_finishY, m_holeX, m_holeY;
    std::mt19937 m_random{67};
    Action m_action = Action::Idle;
    int m_actionFrames = 0;
};

// Minutes of play on one course in a small window (the figures are about
// the steps and the frames, not about filling pixels); a pass is a frame.
// The clock starts ten minutes and 16 ms before it wraps.
void Play(benchmark::State& state, CGameSession& session, const Options& options)
{
    session.Resize(64, 48);
    session.clock.now = 0u - 600000u - 16u;
    if (!session.Open(options.playCourse)) {
        state.SkipWithError(("cannot open " + options.playCourse).c_str());
        return;
    }
    const CHeightField& course = session.Doc().GetHeightField();
    double x, y, z, angle, vx, vy, finishX, finishY, holeX, holeY;
    session.Doc().GetBall(x, y, z, angle, vx, vy);
    if (!NearestCell(course, Finish, x, y, finishX, finishY) || !NearestCell(course, Hole, x, y, holeX, holeY)) {
        state.SkipWithError((options.playCourse + " needs a finish and a hole").c_str());
        return;
    }
    CScriptedPlayer player(session, finishX, finishY, holeX, holeY);
    // A game neither won nor lost is abandoned with Game > New after this.
    const long longestGameFrames = 2 * kFramesPerMinute;
    const long checkMinute = std::min(5L, options.minutes);
    long frame = 0, gameFrames = 0, games = 1, won = 0, lost = 0, abandoned = 0, glErrors = 0;
    long endFramesLeft = -1;  // frames the end words stay up; -1 while rolling
    const long framesBefore = session.View().framesDrawn;
    bool wantsNewGame = false;
    for (auto _ : state) {
        if (endFramesLeft == 0 || gameFrames >= longestGameFrames || wantsNewGame) {
            abandoned += endFramesLeft < 0 ? 1 : 0;
            session.Doc().OnGameNew();
            player.Restart();
            ++games;
            gameFrames = 0;
            endFramesLeft = -1;
        }
        wantsNewGame = player.Play();
        ++gameFrames;
        glErrors += session.DrawFrame() ? 0 : 1;
        const PlayState playState = session.Doc().GetPlayState();
        if (endFramesLeft > 0) {
            --endFramesLeft;
        } else if (endFramesLeft < 0 && playState != Rolling) {
            won += playState == Won ? 1 : 0;
            lost += playState == Lost ? 1 : 0;
            // The end words stay up a few seconds before the next game.
            endFramesLeft = 30 + player.Below(100);
        }
        // A running program's event loop turns between frames; left undone,
        // the display's replies to each swap and title pile up.
        if (++frame % 4 == 0)
            PumpEvents();
        if (frame == checkMinute * kFramesPerMinute) {
            const std::string at = " at minute " + std::to_string(checkMinute);
            state.counters["live lists" + at] = session.LiveLists();
            state.counters["resident MB" + at] = CGameSession::ResidentMegabytes();
        }
    }
    const std::string at = " at minute " + std::to_string(options.minutes);
    state.counters["live lists" + at] = session.LiveLists();
    state.counters["resident MB" + at] = CGameSession::ResidentMegabytes();
    state.counters["thousand frames drawn"] = static_cast<double>(session.View().framesDrawn - framesBefore) / 1000.0;
    state.counters["frames with a GL error"] = static_cast<double>(glErrors);
    state.counters["games"] = static_cast<double>(games);
    state.counters["games won"] = static_cast<double>(won);
    state.counters["games lost"] = static_cast<double>(lost);
    state.counters["games abandoned"] = static_cast<double>(abandoned);
}

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--opens") == 0 && hasValue)
            options.opens = std::atol(argv[++i]);
        else if (std::strcmp(argv[i], "--minutes") == 0 && hasValue)
            options.minutes = std::atol(argv[++i]);
        else if (std::strcmp(argv[i], "--play") == 0 && hasValue)
            options.playCourse = argv[++i];
        else if (argv[i][0] == '-')
            return false;
        else
            options.courses.push_back(argv[i]);
    }
    return options.opens >= 1 && options.minutes >= 1 && !options.playCourse.empty() && !options.courses.empty();
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: game-session [--opens N] [--minutes M] --play COURSE COURSE...\n");
        return 2;
    }
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        std::printf("game-session: skipped, needs an X display\n");
        return 0;
    }
    wxApp::SetInstance(new wxApp);
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv) || !wxTheApp->CallOnInit()) {
        std::printf("game-session: the toolkit did not start\n");
        return 1;
    }
    int status = 0;
    {
        CGameSession session;
        if (!session.IsReady()) {
            std::printf("game-session: the game view has no rendering context\n");
            status = 1;
        } else {
            benchmark::RegisterBenchmark("CourseAfterCourse",
                                         [&](benchmark::State& state) { CourseAfterCourse(state, session, options); })
                ->Iterations(options.opens)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("Play", [&](benchmark::State& state) { Play(state, session, options); })
                ->Iterations(options.minutes * kFramesPerMinute)
                ->Unit(benchmark::kMillisecond);
            CFigureReporter reporter;
            benchmark::RunSpecifiedBenchmarks(&reporter);
        }
    }
    benchmark::Shutdown();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return status;
}
