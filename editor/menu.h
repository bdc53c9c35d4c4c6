// The menu at the right edge and the keys that drive it: the up and down
// arrows move the cursor from inside the window's key-down handling, the held
// left and right arrows step the enemy once per frame, and every frame ends
// with the menu, the cursor, the pointer and soul readouts and the hint.
#pragma once
#include "editor_state.h"

// The key-down step, run after the key's flag is set, with the key code after
// the number-pad mapping: down, then up, each moving the cursor one row and
// clearing the flag of this message's key when it moved. An arrow pressed at
// the end of the menu keeps its flag until its key-up.
void menuKeyDown(EditorState& editor, int code);

// menuKeyDown on editorState; handed to createMainWindow.
void editorKeyDownHook(int code);

// Right arrow: next enemy, left arrow: previous, in every frame while held.
// The new enemy is loaded at the start of the next frame.
void stepEnemyKeys(EditorState& editor);

// The fifteen rows, "->", the readouts and the hint, on backBuffer.
void drawMenuTexts(const EditorState& editor);
