// The den: an earthen cave with roots hanging from the roof, a dim opening
// at the back, and a wide nest of woven twigs and straw on the floor.
#include <cmath>
#include "grounds.h"
#include "paint.h"
#include "rng.h"

namespace {

void cave(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kGroundWidth, kGroundHeight);
    fillRamp(cr, rgb(66, 50, 40), rgb(104, 82, 60), Pt{0, 0}, Pt{0, 380});
    cairo_new_path(cr);
    // The opening at the back, lighter earth around it.
    ellipsePath(cr, 420, 230, 150, 110);
    fillRamp(cr, rgb(150, 140, 120), rgb(112, 92, 70), Pt{0, 130}, Pt{0, 340});
    cairo_new_path(cr);
    ellipsePath(cr, 420, 250, 90, 70);
    fillRamp(cr, rgb(176, 184, 170), rgb(130, 136, 120), Pt{0, 180}, Pt{0, 320});
    cairo_new_path(cr);
    // Rock lumps in the walls.
    Rng rng(77);
    for (int i = 0; i < 26; ++i) {
        const double x = rng.range(0, kGroundWidth), y = rng.range(10, 330);
        if (std::hypot(x - 420, (y - 240) * 1.3) < 160) continue;
        ellipsePath(cr, x, y, rng.range(14, 34), rng.range(8, 18));
        setColour(cr, rgb(86, 68, 52));
        cairo_fill_preserve(cr);
        strokeIn(cr, rgb(60, 46, 36), 2);
    }
}

void roots(cairo_t* cr) {
    Rng rng(99);
    for (int i = 0; i < 9; ++i) {
        const double x = rng.range(10, 630);
        cairo_move_to(cr, x, 0);
        cairo_curve_to(cr, x + rng.range(-20, 20), 40, x + rng.range(-30, 30), 70, x + rng.range(-20, 20),
                       rng.range(60, 130));
    }
    strokeIn(cr, rgb(72, 56, 38), 4);
}

void nest(cairo_t* cr) {
    // Sandy floor, then the bowl of the nest across the bottom.
    cairo_rectangle(cr, 0, 340, kGroundWidth, 140);
    fillRamp(cr, rgb(132, 112, 86), rgb(158, 138, 104), Pt{0, 340}, Pt{0, 480});
    cairo_new_path(cr);
    ellipsePath(cr, 320, 470, 380, 90);
    fillRamp(cr, rgb(120, 96, 62), rgb(150, 128, 90), Pt{0, 380}, Pt{0, 480});
    cairo_new_path(cr);
    ellipsePath(cr, 320, 490, 320, 70);
    fillFlat(cr, rgb(176, 156, 110));
    cairo_new_path(cr);
    // Woven twigs along the rim.
    Rng rng(4242);
    for (int i = 0; i < 180; ++i) {
        const double a = rng.range(M_PI * 1.02, M_PI * 1.98);
        const double cx = 320 + std::cos(a) * 350, cy = 470 + std::sin(a) * 78 + rng.range(-10, 10);
        const double len = rng.range(20, 46), tilt = rng.range(-0.5, 0.5);
        cairo_move_to(cr, cx - len / 2 * std::cos(tilt), cy - len / 2 * std::sin(tilt));
        cairo_line_to(cr, cx + len / 2 * std::cos(tilt), cy + len / 2 * std::sin(tilt));
        strokeIn(cr, i % 3 ? rgb(98, 74, 46) : rgb(140, 112, 70), rng.range(2, 4));
    }
    // A few old bones and feathers.
    for (int i = 0; i < 3; ++i) {
        const double x = 150 + i * 170, y = 440 + (i % 2) * 14;
        drawLimb(cr, Pt{x, y}, Pt{x + 34, y - 6}, 5, 5, rgb(214, 204, 176));
    }
}

}  // namespace

Image paintNest() {
    cairo_surface_t* surface = newCanvas(kGroundWidth, kGroundHeight);
    cairo_t* cr = cairo_create(surface);
    cave(cr);
    roots(cr);
    nest(cr);
    cairo_destroy(cr);
    Image image = imageFromSurface(surface, false);
    cairo_surface_destroy(surface);
    return image;
}
