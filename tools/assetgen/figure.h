// Enemy sheets: how a creature's proportions become eleven part boxes that
// do not overlap, how each part is painted inside its own box, and how the
// tight part rectangles are read back from the finished sheet. main calls
// renderFigure once per enemy; the creature files supply the painters.
#pragma once
#include <cairo.h>
#include "body.h"
#include "image.h"
#include "paint.h"

constexpr int kSheetWidth = 640;
constexpr int kSheetHeight = 480;
// The editor writes its menu over the sheet from x = 480 on; figures keep left of this.
constexpr int kFigureMaxRight = 440;

struct Box {
    int x, y, w, h;
    int right() const { return x + w; }
    int bottom() const { return y + h; }
    double cx() const { return x + w / 2.0; }
    double cy() const { return y + h / 2.0; }
};

// Where one part is painted. Left limbs are painted through a mirror about
// the figure's centre line, so a painter always draws a right-side limb
// (the figure's own right, on the viewer's left: outward is towards -x).
struct Slot {
    Box box;       // the part's pixels stay inside this box
    Pt top;        // near end of the part's axis (neck, shoulder, hip, wrist, ankle)
    Pt bottom;     // far end of the axis
    double thick;  // nominal width of the part
    bool left;     // painting the left limb through the mirror
};

// Sizes in pixels, all for a figure standing on the floor row `floorY`.
struct Proportions {
    int cx = 200, floorY = 466;
    int headW = 70, headH = 80;
    int torsoW = 104, torsoH = 120;
    int hipsW = 96, hipsH = 36;
    int shoulderDrop = 4;  // arm top below the torso top
    int armW = 30, armH = 110, armSpread = 8;  // spread: how far the wrist leans out
    int handW = 42, handH = 44;
    int legW = 38, legH = 120, legGap = 4, legSpread = 6;
    int footW = 62, footH = 30, footOut = 10;  // out: toes reach outward by this much
};

using PartPainter = void (*)(cairo_t* cr, const Slot& slot);

struct Creature {
    const char* name;
    Proportions shape;
    PartPainter head, torso, hips, arm, hand, leg, foot;
};

struct Layout {
    Slot slots[kPartCount];  // index 0, the soul, is unused
};

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

struct RenderedFigure {
    Image sheet;
    Rect rects[kPartCount];  // tight around each part's pixels; the soul's stays empty
};

// Boxes and axes of the eleven parts. Exits with a message when boxes
// overlap or leave the allowed area, since that is a fault in a creature.
Layout layoutFigure(const Proportions& shape);
RenderedFigure renderFigure(const Creature& creature);
