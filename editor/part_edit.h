// The editor's work on the parts: the enemy's sheet image, the pointer moved
// by the mouse, the selected part's rectangle set with the two buttons, the
// rectangle outlines on the sheet, the assembled figure of the TEST view and
// the hand cursor. The frame calls each at its fixed place.
#pragma once
#include "editor_state.h"

// Puts the sheet image "body\ene<n>.bmp" of enemy n on a cleared
// sheetSurface. A missing image ends the program.
void loadSheet(int n);

// Moves the pointer by the mouse counts and keeps it within 0..640 and
// 0..480; on a part row, the left button puts the part's rectangle at the
// pointer and the right button stretches its far corner to the pointer, in
// every frame while held.
void editPartRect(EditorState& editor);

// Outlines the part's sheet rectangle on backBuffer: white when highlighted,
// blue otherwise.
void drawSheetOutline(const BodyPart& part, int highlighted);

// Draws the part from the sheet where the linked figure places it.
void previewPart(const Body& body, const BodyPart& part);

// The open hand at the pointer, the gripping hand while the left button is
// down.
void drawEditorCursor();
