// The editor's keys in the headless trace: the menu row, the enemy counter
// and the load and relink flags. The start-up installs it once.
#pragma once
#include "editor_state.h"
#include "trace.h"

// Adds menuSelection, enemyIndex, enemyLoaded and relinkArmed of editorState.
void traceEditorKeys(TraceLine& line);

// Traces editorState's Body and keys with every frame.
void installEditorTrace();
