#pragma once

#include "course/HeightField.h"
#include "game/state/BallState.h"
#include "game/state/PlayState.h"
#include "document/Document.h"

#include <cstdint>
#include <string>
#include <vector>

class CBraskViewLink;

// The game's document: the loaded course, the ball and the play state.
class CBraskDoc : public CDocument {
public:
    CBraskDoc();

    // Storing writes the course; before any course is loaded it throws, as
    // an empty file would be no course. Loading reads a course and, only when the
    // whole file was read, builds the view's lists, starts the animation and
    // puts the ball on the start cell with play state Rolling.
    void Serialize(CArchive& ar) override;

    // Leaves course, ball and play state as they are.
    bool OnNewDocument() override;

    // Game > New: the ball back on the start cell, at rest, Rolling.
    void OnGameNew();

    // A course's identity by its content: the same bytes, wherever they lie
    // and whatever their name, give the same key; any change gives another.
    static std::string ContentKey(const std::vector<std::uint8_t>& bytes);
    // The key of the course loaded last; empty before any.
    const std::string& GetCourseKey() const { return m_courseKey; }

    // Counts the games started (loads and Game > New), so that whoever
    // watches the play state can tell one game's end from the next one's.
    unsigned GetGameNumber() const { return m_gameNumber; }
    // The time the game has run, in milliseconds: the sum of the elapsed
    // times of its physics steps while Rolling and not paused.
    std::uint64_t GetPlayTime() const { return m_playTime; }
    void AddPlayTime(std::uint64_t milliseconds) { m_playTime += milliseconds; }
    // A paused game stands still: ball, spin and clock. Only a Rolling game
    // pauses; a new game or a load ends the pause.
    bool IsPaused() const { return m_paused; }
    void SetPaused(bool paused) { m_paused = paused && m_playState == Rolling; }

    CHeightField& GetHeightField() { return m_course; }
    const CHeightField& GetHeightField() const { return m_course; }

    void GetBall(double& x, double& y, double& z, double& angle, double& vx, double& vy) const;
    // The same six values as one snapshot.
    const BallState& GetBallState() const { return m_ball; }
    void SetBall(double x, double y, double z, double angle, double vx, double vy);
    PlayState GetPlayState() const { return m_playState; }
    void SetPlayState(PlayState state) { m_playState = state; }

private:
    CBraskViewLink* GetGameView() const;
    // Centres the ball on the first Start cell, searching column by column;
    // leaves x, y and z alone when there is none.
    void PlaceOnStartCell();
    // A new game begins: the clock at 0, not paused.
    void BeginGame();

    CHeightField m_course;
    BallState m_ball;
    PlayState m_playState;
    std::string m_courseKey;
    unsigned m_gameNumber = 0;
    std::uint64_t m_playTime = 0;
    bool m_paused = false;
};
