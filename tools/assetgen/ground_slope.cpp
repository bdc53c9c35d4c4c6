// The hillside street: pale sky, a road climbing from left to right with
// houses stepped along it, utility poles and wires, and the paved street
// in front reaching the bottom edge.
#include <cmath>
#include "grounds.h"
#include "paint.h"
#include "rng.h"

namespace {

// Height of the far road edge at x: rising towards the right.
double slopeY(double x) { return 360 - x * 0.28; }

void sky(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kGroundWidth, kGroundHeight);
    fillRamp(cr, rgb(150, 184, 214), rgb(214, 222, 220), Pt{0, 0}, Pt{0, 300});
    cairo_new_path(cr);
    // Distant hill.
    cairo_move_to(cr, 0, 230);
    cairo_curve_to(cr, 160, 170, 380, 120, 640, 110);
    cairo_line_to(cr, 640, 480);
    cairo_line_to(cr, 0, 480);
    cairo_close_path(cr);
    setColour(cr, rgb(128, 156, 120));
    cairo_fill(cr);
}

void house(cairo_t* cr, double x, double base, double w, Rgb wall, Rgb roof) {
    const double h = w * 0.75;
    cairo_rectangle(cr, x, base - h, w, h + 40);
    fillRamp(cr, wall, scaled(wall, 0.85), Pt{x, 0}, Pt{x + w, 0});
    strokeIn(cr, scaled(wall, 0.5), 2);
    polygonPath(cr, {Pt{x - 8, base - h}, Pt{x + w / 2, base - h - w * 0.35}, Pt{x + w + 8, base - h}});
    fillFlat(cr, roof);
    strokeIn(cr, scaled(roof, 0.5), 2);
    cairo_rectangle(cr, x + w * 0.18, base - h * 0.7, w * 0.26, h * 0.3);
    cairo_rectangle(cr, x + w * 0.58, base - h * 0.7, w * 0.24, h * 0.3);
    setColour(cr, rgb(90, 110, 130));
    cairo_fill(cr);
}

void houses(cairo_t* cr) {
    const Rgb walls[4] = {rgb(220, 206, 180), rgb(196, 200, 196), rgb(226, 216, 196), rgb(190, 180, 160)};
    const Rgb roofs[3] = {rgb(80, 96, 120), rgb(110, 90, 80), rgb(90, 110, 96)};
    for (int i = 0; i < 6; ++i) {
        const double x = -20 + i * 112, w = 90 + (i % 2) * 10;
        house(cr, x, slopeY(x + w) - 10, w, walls[i % 4], roofs[i % 3]);
    }
}

void road(cairo_t* cr) {
    // The climbing road and its wall, then the level street in front.
    polygonPath(cr, {Pt{0, slopeY(0)}, Pt{640, slopeY(640)}, Pt{640, 480}, Pt{0, 480}});
    setColour(cr, rgb(150, 146, 140));
    cairo_fill(cr);
    polygonPath(cr, {Pt{0, slopeY(0)}, Pt{640, slopeY(640)}, Pt{640, slopeY(640) + 14}, Pt{0, slopeY(0) + 14}});
    setColour(cr, rgb(120, 116, 110));
    cairo_fill(cr);
    for (double x = 0; x < 640; x += 40) {
        cairo_move_to(cr, x, slopeY(x) + 14);
        cairo_line_to(cr, x, 400);
    }
    strokeIn(cr, rgb(134, 130, 124), 1.5);
    cairo_rectangle(cr, 0, 400, kGroundWidth, 80);
    fillRamp(cr, rgb(126, 126, 124), rgb(150, 148, 144), Pt{0, 400}, Pt{0, 480});
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 398, kGroundWidth, 5);
    setColour(cr, rgb(196, 190, 170));
    cairo_fill(cr);
}

void poles(cairo_t* cr) {
    for (int i = 0; i < 3; ++i) {
        const double x = 90 + i * 220;
        cairo_rectangle(cr, x - 4, slopeY(x) - 190, 8, 210);
        setColour(cr, rgb(110, 104, 96));
        cairo_fill(cr);
        cairo_rectangle(cr, x - 22, slopeY(x) - 178, 44, 5);
        cairo_fill(cr);
    }
    for (int wire = 0; wire < 2; ++wire) {
        cairo_move_to(cr, 0, slopeY(0) - 170 + wire * 6);
        for (int i = 0; i < 3; ++i) {
            const double x0 = i == 0 ? 0 : 90 + (i - 1) * 220, x1 = 90 + i * 220;
            cairo_curve_to(cr, x0 + 60, slopeY(x0) - 150 + wire * 6, x1 - 60, slopeY(x1) - 150 + wire * 6, x1,
                           slopeY(x1) - 176 + wire * 6);
        }
        cairo_line_to(cr, 640, slopeY(640) - 150 + wire * 6);
    }
    strokeIn(cr, rgb(70, 70, 74), 1.5);
}

}  // namespace

Image paintSlopeStreet() {
    cairo_surface_t* surface = newCanvas(kGroundWidth, kGroundHeight);
    cairo_t* cr = cairo_create(surface);
    sky(cr);
    houses(cr);
    road(cr);
    poles(cr);
    cairo_destroy(cr);
    Image image = imageFromSurface(surface, false);
    cairo_surface_destroy(surface);
    return image;
}
