// The high-score file "QMX_j.dat": the 44-byte ScoreRecord. The start-up
// reads it once; closing a finished score attack writes it.
#pragma once
#include "game_state.h"

constexpr const char* kHighScoreFile = "QMX_j.dat";

// Reads up to 44 bytes over the record; bytes the file does not have keep
// their value, and a missing file changes nothing.
void readHighScore(ScoreRecord& record);

// Replaces the file with the record's 44 bytes (a new file is written and
// renamed over the old one, so a failed write leaves the old score). A
// failure is not reported.
void writeHighScore(const ScoreRecord& record);

// Where a closed score attack leaves the best score: the better of the two,
// with the run's record holding it as its score. A best score that is not a
// number gives way to any real score.
void settleBestScore(GameState& game);
