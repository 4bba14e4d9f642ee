#pragma once

#include "course/HeightField.h"
#include "game/state/BallState.h"
#include "game/state/PlayState.h"
#include "document/Document.h"

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

    CHeightField m_course;
    BallState m_ball;
    PlayState m_playState;
};
