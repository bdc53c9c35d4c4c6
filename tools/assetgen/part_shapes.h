// Body-part shapes that several creatures share (necks, palms with
// fingers, shoes, sleeves with ragged hems). The creature painters call
// them with their own colours.
#pragma once
#include <cairo.h>
#include "figure.h"
#include "paint.h"

// A neck from the head down through the bottom of the head box.
void drawNeck(cairo_t* cr, const Slot& s, double width, double top, Rgb skin);

// A hand hanging from the wrist at the top of the slot: palm, thumb on the
// inner side and `fingers` fingers pointing down. `claw` adds nails.
void drawHangingHand(cairo_t* cr, const Slot& s, Rgb skin, int fingers, bool claw, Rgb nail);

// A shoe or boot: shaft rising out of the top of the box, toe reaching
// outward, flat sole on the box's bottom row.
void drawShoe(cairo_t* cr, const Slot& s, double shaftWidth, Rgb upper, Rgb sole);

// A zig-zag edge from x0 to x1 around height y (teeth of `amp` pixels), as
// the open end of a path: used for torn cloth.
void raggedEdge(cairo_t* cr, double x0, double x1, double y, double amp, int teeth);

// Row of vertical stitches across a line.
void stitches(cairo_t* cr, Pt a, Pt b, int count, Rgb thread);
