// The display and its six surfaces, image loading, text, and drawing of body
// parts. Both programs set it up once at start-up (initVideo) and draw on
// backBuffer every frame; endFrame shows it.
#pragma once
#include <cstdint>

#include "body.h"
#include "surface.h"

extern Surface primarySurface;
extern Surface backBuffer;
extern Surface backgroundSurface;
extern Surface spareSurface;
extern Surface sheetSurface;
extern Surface effectsSurface;

// Opens the display (the window title was given to createMainWindow) and
// clears the surfaces; 1 on success, 0 when no display could be had.
int32_t initVideo();
// Gives the display (and the audio device) back; called only by fatalStop
// and at the end of a headless run.
int32_t releaseAll();

// Copies backBuffer to primarySurface and shows it. Called by endFrame.
void flipFrame();

// Loads a .bmp file into the surface at (x, y), scaled to width x height (a
// 0 keeps the image's own size; shrinking averages, enlarging repeats
// pixels). Only the image's area, cut to the surface, is written. A file that
// cannot be loaded ends the program: "<name> ファイルが見つかりません".
void loadBitmap(Surface& surface, const char* fileName, int32_t x, int32_t y,
                int32_t width, int32_t height);

// Makes pixel value 0 transparent in keyed copies from the surface.
void setColorKey(Surface& surface);

// Draws a Shift-JIS (code page 932) string with its top-left corner at
// (x, y), in the colour, on a transparent background.
void drawText(Surface& surface, int32_t x, int32_t y, const char* text,
              int red, int green, int blue);

// Copies a resolved part's sheet rectangle from the source to its position.
void drawPart(Surface& destination, const BodyPart& part, const Surface& source);

// Four one-pixel fills around (x, y, width, height): top, bottom, left,
// right, each value truncated on its own after the sums are formed in floats;
// the far corner stays undrawn. Pixel = colour * 65280 + 255.
void drawRectOutline(Surface& destination, float x, float y, float width, float height, int colour);

// The outline of a part at its resolved position, on backBuffer.
void drawPartOutline(const Body& body, const BodyPart& part, int colour);
