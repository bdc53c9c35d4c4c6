// The blood strip: six 100x100 cells. Cell 1 bursts (it is also stamped
// on the ground where the hit happened), cells 2 to 5 spread and fall with
// drops stretching as they speed up, cell 6 is the stain on the floor.
#include <cmath>
#include "paint.h"
#include "rng.h"
#include "sprites.h"

namespace {

const Rgb kDeep = rgb(112, 6, 12);
const Rgb kBlood = rgb(150, 14, 20);
const Rgb kSheen = rgb(196, 40, 40);

void drop(cairo_t* cr, double x, double y, double r, double stretch) {
    // A drop falling: round at the bottom, drawn out upwards as it speeds up.
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, M_PI);
    cairo_curve_to(cr, x - r, y - r * stretch * 0.6, x, y - r * stretch, x, y - r * stretch);
    cairo_curve_to(cr, x, y - r * stretch, x + r, y - r * stretch * 0.6, x + r, y);
    cairo_close_path(cr);
}

void blob(cairo_t* cr, double cx, double cy, double r, Rng& rng) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 14; ++i) {
        const double a = i * 2 * M_PI / 14, rr = r * rng.range(0.75, 1.2);
        cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_close_path(cr);
}

void paint(cairo_t* cr, double cx, double cy, double r) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, 1, cx, cy, r * 1.4);
    cairo_pattern_add_color_stop_rgb(p, 0, kSheen.r / 255, kSheen.g / 255, kSheen.b / 255);
    cairo_pattern_add_color_stop_rgb(p, 0.5, kBlood.r / 255, kBlood.g / 255, kBlood.b / 255);
    cairo_pattern_add_color_stop_rgb(p, 1, kDeep.r / 255, kDeep.g / 255, kDeep.b / 255);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// Cells 1 to 5: t runs from 0 (burst) to 1 (about to land).
void splashCell(cairo_t* cr, double ox, double t, uint32_t seed) {
    Rng rng(seed);
    const double cx = ox + 50, cy = 40 + t * 34;
    const double core = 24 - t * 16;
    if (core > 4) {
        blob(cr, cx, cy, core, rng);
        paint(cr, cx, cy, core);
    }
    const int drops = 16;
    for (int i = 0; i < drops; ++i) {
        const double a = i * 2 * M_PI / drops + rng.range(-0.2, 0.2);
        const double reach = (24 + t * 22) * rng.range(0.7, 1.15);
        const double x = cx + std::cos(a) * reach * 1.1;
        const double y = cy + std::sin(a) * reach * (0.7 - t * 0.3) + t * t * 18;
        const double r = rng.range(2.5, 5.5) * (1 - t * 0.3);
        drop(cr, x, std::min(y, 96 - r), r, 1 + t * 3);
        paint(cr, x, y, r * 2);
    }
}

void stainCell(cairo_t* cr, double ox) {
    // A wide, flat puddle lying on the bottom row, with a few flecks.
    Rng rng(606);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, ox + 8, 100);
    for (int i = 0; i <= 12; ++i) {
        const double x = ox + 8 + i * 7;
        cairo_line_to(cr, x, 100 - rng.range(6, 14) * std::sin(i / 12.0 * M_PI) - 2);
    }
    cairo_line_to(cr, ox + 92, 100);
    cairo_close_path(cr);
    paint(cr, ox + 50, 94, 40);
    for (int i = 0; i < 7; ++i) {
        ellipsePath(cr, ox + rng.range(6, 94), rng.range(80, 96), rng.range(2, 4), rng.range(1.2, 2));
        paint(cr, ox + 50, 94, 40);
    }
}

}  // namespace

Image paintBloodStrip() {
    cairo_surface_t* surface = newCanvas(kBloodCell * kBloodCells, kBloodCell);
    cairo_t* cr = cairo_create(surface);
    for (int cell = 0; cell < kBloodCells - 1; ++cell) {
        cairo_save(cr);
        cairo_rectangle(cr, cell * kBloodCell, 0, kBloodCell, kBloodCell);
        cairo_clip(cr);
        splashCell(cr, cell * kBloodCell, cell / 4.0, 500 + cell);
        cairo_restore(cr);
    }
    stainCell(cr, (kBloodCells - 1) * kBloodCell);
    cairo_destroy(cr);
    Image image = imageFromSurface(surface, true);
    cairo_surface_destroy(surface);
    return image;
}
