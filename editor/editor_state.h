// Everything the editor keeps for its whole run: the menu row, the enemy
// counter, the load and relink flags and the Body being edited. One instance,
// `editorState`, lives for the run; the frame steps take it by reference and
// the window's key hook and the trace hook reach it directly.
#pragma once
#include <cstdint>

#include "body.h"

// Menu rows, top to bottom.
constexpr int32_t kRowSave = 0;
constexpr int32_t kRowLoad = 1;
constexpr int32_t kRowReset = 2;
constexpr int32_t kFirstPartRow = 3;   // head
constexpr int32_t kRelinkRow = 13;     // leftFoot; a frame here arms the relink
constexpr int32_t kTestRow = 14;
constexpr int32_t kMenuRows = 15;

constexpr int32_t kEnemyCount = 8;

struct EditorState {
    int32_t menuSelection = kRowSave;
    // Enemy counter; the enemy shown is enemyIndex modulo 8. Never negative.
    int32_t enemyIndex = 0;
    // 0: the next frame loads the enemy of enemyIndex.
    int32_t enemyLoaded = 0;
    // Set by every frame on row 13; TEST clears it and relinks.
    int32_t relinkArmed = 0;
    Body body{};
    // A failed save is told once on stderr, not on every frame B is held.
    bool saveFailureReported = false;
};

extern EditorState editorState;

// The enemy number of the file and the sheet: 0 to 7.
inline int currentEnemy(const EditorState& editor) { return editor.enemyIndex % kEnemyCount; }

// The part a part row edits, or -1 on the other rows.
inline int selectedPart(const EditorState& editor) {
    const int32_t row = editor.menuSelection;
    return (row >= kFirstPartRow && row <= kRelinkRow) ? row - 2 : -1;
}
