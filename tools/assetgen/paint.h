// Small drawing vocabulary over cairo shared by all painters: colours,
// the usual path shapes, shaded fills and dark outlines. Every creature,
// scene and sprite painter calls these.
#pragma once
#include <cairo.h>
#include <initializer_list>

struct Pt {
    double x, y;
};

struct Rgb {
    double r, g, b;  // 0 to 255
};

constexpr Rgb rgb(int r, int g, int b) { return Rgb{double(r), double(g), double(b)}; }
Rgb mix(Rgb a, Rgb b, double t);
Rgb scaled(Rgb c, double f);  // f < 1 darkens
Rgb tinted(Rgb c, double t);  // t of the way towards white
void setColour(cairo_t* cr, Rgb c, double alpha = 1.0);

// Paths (each starts a new sub-path; the caller fills or strokes).
void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void roundRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
void polygonPath(cairo_t* cr, std::initializer_list<Pt> points);
// A limb from a to b, w0 wide at a and w1 wide at b, with round ends.
void limbPath(cairo_t* cr, Pt a, Pt b, double w0, double w1);

// Fills the current path, keeping it, lit like a cylinder whose axis is
// perpendicular to the line from `from` to `to` (light a third of the way).
void fillRound(cairo_t* cr, Rgb base, Pt from, Pt to);
// Fills the current path, keeping it, light at `from` and dark at `to`.
void fillRamp(cairo_t* cr, Rgb light, Rgb dark, Pt from, Pt to);
void fillFlat(cairo_t* cr, Rgb c);
// Strokes and clears the current path with a dark outline of the colour.
void ink(cairo_t* cr, Rgb base, double width = 3.0);
// Strokes and clears the current path in exactly this colour.
void strokeIn(cairo_t* cr, Rgb c, double width);

// A whole shaded, outlined limb: the common case for arms and legs.
void drawLimb(cairo_t* cr, Pt a, Pt b, double w0, double w1, Rgb c);
