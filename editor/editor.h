// The editor program: its start-up and its endless loop of 50 ms frames.
// main() calls runEditor once the command line has set up the run; tests
// call the start-up and the frame body directly.
#pragma once
#include "editor_state.h"

// Window, display, mouse, the hand sprites and blood strip, the ground, the
// colour keys; then the editor's state is set for its first frame.
void startEditor(EditorState& editor);

// Loads the enemy of enemyIndex when it changed: its file, its sheet image,
// then the link.
void loadEnemyIfNeeded(EditorState& editor);

// One frame's work between the timer read and endFrame: enemy load, mouse,
// pointer and rectangle, ground, view, enemy keys, cursor, row command, texts.
void composeEditorFrame(EditorState& editor);

// Start-up, then frames until the program is stopped. Never returns.
[[noreturn]] void runEditor();
