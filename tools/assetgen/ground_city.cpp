// The city street: dusk sky, two rows of buildings with lit windows,
// street lamps, the road and a paved sidewalk reaching the bottom edge.
#include <cmath>
#include "grounds.h"
#include "paint.h"
#include "rng.h"

namespace {

void sky(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kGroundWidth, 330);
    fillRamp(cr, rgb(40, 52, 92), rgb(150, 130, 150), Pt{0, 0}, Pt{0, 330});
    cairo_new_path(cr);
    ellipsePath(cr, 520, 70, 22, 22);
    fillFlat(cr, rgb(236, 232, 200));
    cairo_new_path(cr);
}

void windows(cairo_t* cr, Rng& rng, double x, double y, double w, double h, Rgb lit, Rgb dark) {
    for (double wy = y + 12; wy + 14 < h + y; wy += 24) {
        for (double wx = x + 8; wx + 10 < x + w - 4; wx += 18) {
            cairo_rectangle(cr, wx, wy, 10, 14);
            setColour(cr, rng.unit() < 0.35 ? lit : dark);
            cairo_fill(cr);
        }
    }
}

void buildings(cairo_t* cr) {
    Rng rng(1234);
    // Far row: flat shapes in haze.
    for (double x = -10; x < kGroundWidth; x += rng.range(50, 90)) {
        const double h = rng.range(120, 230);
        cairo_rectangle(cr, x, 330 - h, rng.range(50, 80), h);
        setColour(cr, rgb(78, 82, 112));
        cairo_fill(cr);
    }
    // Near row with windows and roof edges.
    const Rgb tones[3] = {rgb(96, 90, 96), rgb(110, 104, 100), rgb(86, 92, 104)};
    int i = 0;
    for (double x = -20; x < kGroundWidth; ++i) {
        const double w = rng.range(90, 140), h = rng.range(130, 250);
        const Rgb c = tones[i % 3];
        cairo_rectangle(cr, x, 340 - h, w - 4, h);
        fillRamp(cr, tinted(c, 0.08), scaled(c, 0.8), Pt{x, 0}, Pt{x + w, 0});
        strokeIn(cr, scaled(c, 0.55), 2);
        cairo_rectangle(cr, x - 3, 340 - h, w + 2, 6);
        setColour(cr, scaled(c, 0.7));
        cairo_fill(cr);
        windows(cr, rng, x, 340 - h + 8, w - 4, h - 40, rgb(224, 200, 130), scaled(c, 0.6));
        x += w;
    }
}

void street(cairo_t* cr) {
    // Road, curb and the paved sidewalk in front.
    cairo_rectangle(cr, 0, 340, kGroundWidth, 50);
    fillRamp(cr, rgb(70, 72, 78), rgb(84, 86, 92), Pt{0, 340}, Pt{0, 390});
    cairo_new_path(cr);
    for (double x = 10; x < kGroundWidth; x += 80) cairo_rectangle(cr, x, 362, 44, 4);
    setColour(cr, rgb(200, 196, 170));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 390, kGroundWidth, 8);
    setColour(cr, rgb(150, 150, 150));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 398, kGroundWidth, 82);
    fillRamp(cr, rgb(140, 138, 134), rgb(160, 156, 150), Pt{0, 398}, Pt{0, 480});
    cairo_new_path(cr);
    for (double y = 418; y < 480; y += 22) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, kGroundWidth, y);
    }
    for (double x = -200; x < kGroundWidth + 200; x += 64) {
        cairo_move_to(cr, x + (x - 320) * 0.1, 398);
        cairo_line_to(cr, x + (x - 320) * 0.35, 480);
    }
    strokeIn(cr, rgb(118, 116, 112), 1.5);
}

void lamp(cairo_t* cr, double x) {
    cairo_rectangle(cr, x - 3, 250, 6, 142);
    setColour(cr, rgb(50, 54, 60));
    cairo_fill(cr);
    cairo_move_to(cr, x, 252);
    cairo_curve_to(cr, x, 236, x - 24, 236, x - 26, 246);
    strokeIn(cr, rgb(50, 54, 60), 5);
    ellipsePath(cr, x - 26, 250, 9, 6);
    fillFlat(cr, rgb(250, 236, 170));
    cairo_new_path(cr);
}

}  // namespace

Image paintCityStreet() {
    cairo_surface_t* surface = newCanvas(kGroundWidth, kGroundHeight);
    cairo_t* cr = cairo_create(surface);
    sky(cr);
    buildings(cr);
    street(cr);
    lamp(cr, 140);
    lamp(cr, 500);
    cairo_destroy(cr);
    Image image = imageFromSurface(surface, false);
    cairo_surface_destroy(surface);
    return image;
}
