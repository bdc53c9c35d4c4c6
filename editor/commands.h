// What the selected menu row does in a frame: SAVE, LOAD and RESET while B
// is held, the outlines of all parts on a part row, and the relink on
// entering TEST. Called by the frame after the cursor is drawn.
#pragma once
#include "editor_state.h"

// Writes the Body into the current enemy's file. The old file stays intact
// when writing fails; the first failure of the run is told on stderr.
void saveCommand(EditorState& editor);

// Reads the current enemy's file over the Body, without relinking.
void loadCommand(EditorState& editor);

// Empties every rectangle; positions and links stay.
void resetCommand(EditorState& editor);

// The selected row's work for this frame. B's commands wait while a new
// enemy is about to be loaded, so a held SAVE never writes the figure still
// shown under the number of the enemy that replaces it.
void runRowCommand(EditorState& editor);
