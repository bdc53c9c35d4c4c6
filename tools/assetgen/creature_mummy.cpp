// Enemy 6, the mummy: wrapped head to toe in sand-coloured bandages with
// dark gaps, loose trailing ends and green glowing eyes.
#include <cmath>
#include "creatures.h"
#include "part_shapes.h"
#include "rng.h"

namespace {

const Rgb kLinen = rgb(214, 198, 156);
const Rgb kGap = rgb(74, 58, 44);
const Rgb kGlow = rgb(140, 250, 120);

// Fills the current path with linen and lays slanted wraps across it,
// clipped to the path. `seed` varies the wraps from part to part.
void wrap(cairo_t* cr, double x0, double x1, double y0, double y1, uint32_t seed) {
    fillRound(cr, kLinen, Pt{x0, 0}, Pt{x1, 0});
    cairo_save(cr);
    cairo_clip_preserve(cr);
    Rng rng(seed);
    for (double y = y0 - 10; y < y1 + 10; y += rng.range(7, 11)) {
        const double tilt = rng.range(-6, 6);
        cairo_move_to(cr, x0 - 4, y - tilt);
        cairo_line_to(cr, x1 + 4, y + tilt);
    }
    strokeIn(cr, kGap, 1.6);
    cairo_restore(cr);
    ink(cr, kLinen);
}

void loose(cairo_t* cr, Pt from, Pt to) {
    limbPath(cr, from, to, 7, 5);
    fillRound(cr, tinted(kLinen, 0.1), from, to);
    ink(cr, kLinen, 2);
}

void paintHead(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx();
    cairo_rectangle(cr, cx - 13, b.y + b.h * 0.6, 26, b.h);
    wrap(cr, cx - 13, cx + 13, b.y + b.h * 0.6, b.bottom(), 11);
    ellipsePath(cr, cx, b.y + b.h * 0.44, b.w * 0.4, b.h * 0.42);
    wrap(cr, cx - b.w * 0.4, cx + b.w * 0.4, b.y, b.bottom(), 12);
    // One dark eye band with two green eyes.
    const double ey = b.y + b.h * 0.42;
    roundRectPath(cr, cx - b.w * 0.34, ey - 7, b.w * 0.68, 14, 6);
    fillFlat(cr, kGap);
    cairo_new_path(cr);
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, cx + side * 11, ey, 5, 3.5);
        fillFlat(cr, kGlow);
        cairo_new_path(cr);
    }
    loose(cr, Pt{cx + b.w * 0.3, b.y + 18.0}, Pt{cx + b.w * 0.47, b.y + 40.0});
}

void paintTorso(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx(), t = b.y;
    polygonPath(cr, {Pt{cx - 20, t - 6}, Pt{cx + 20, t - 6}, Pt{b.right() - 2.0, t + 10}, Pt{b.right() - 6.0, t + 60},
                     Pt{b.right() - 14.0, b.bottom() + 6.0}, Pt{b.x + 14.0, b.bottom() + 6.0}, Pt{b.x + 6.0, t + 60},
                     Pt{b.x + 2.0, t + 10}});
    wrap(cr, b.x, b.right(), t, b.bottom(), 21);
    // A torn spot showing dark withered skin, and a hanging strip.
    ellipsePath(cr, cx + 20, t + 60, 11, 8);
    fillFlat(cr, rgb(96, 76, 60));
    ink(cr, kLinen, 2);
    loose(cr, Pt{cx - 26, t + 70}, Pt{cx - 34, b.bottom() - 2.0});
    // An amulet on a cord.
    cairo_move_to(cr, cx - 16, t + 4);
    cairo_line_to(cr, cx, t + 30);
    cairo_line_to(cr, cx + 16, t + 4);
    strokeIn(cr, rgb(120, 80, 40), 2);
    polygonPath(cr, {Pt{cx, t + 26}, Pt{cx + 8, t + 36}, Pt{cx, t + 46}, Pt{cx - 8, t + 36}});
    fillFlat(cr, rgb(60, 150, 190));
    ink(cr, rgb(226, 184, 62), 2);
}

void paintHips(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    cairo_rectangle(cr, b.x + 6, b.y - 6, b.w - 12, b.h + 12);
    wrap(cr, b.x, b.right(), b.y, b.bottom(), 31);
    polygonPath(cr, {Pt{b.cx() - 14, b.y + 2.0}, Pt{b.cx() + 14, b.y + 2.0}, Pt{b.cx() + 8, b.bottom() - 2.0},
                     Pt{b.cx() - 8, b.bottom() - 2.0}});
    fillFlat(cr, tinted(kLinen, 0.15));
    ink(cr, kLinen, 2);
}

void paintArm(cairo_t* cr, const Slot& s) {
    limbPath(cr, Pt{s.top.x, s.top.y + s.thick * 0.45}, Pt{s.bottom.x, s.bottom.y + 10}, s.thick, s.thick * 0.8);
    wrap(cr, s.bottom.x - s.thick / 2, s.top.x + s.thick / 2, s.top.y, s.bottom.y, s.left ? 41 : 42);
    if (!s.left) loose(cr, Pt{s.bottom.x - 6, s.bottom.y - 30}, Pt{s.bottom.x - 12, s.bottom.y - 2});
}

void paintHand(cairo_t* cr, const Slot& s) { drawHangingHand(cr, s, kLinen, 3, false, kLinen); }

void paintLeg(cairo_t* cr, const Slot& s) {
    limbPath(cr, Pt{s.top.x, s.top.y - 10}, Pt{s.bottom.x, s.bottom.y + 10}, s.thick, s.thick * 0.8);
    wrap(cr, s.bottom.x - s.thick / 2, s.top.x + s.thick / 2, s.top.y, s.bottom.y, s.left ? 51 : 52);
}

void paintFoot(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double ax = s.top.x;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, ax + 13, b.y - 6.0);
    cairo_line_to(cr, ax + 14, b.bottom() + 2.0);
    cairo_line_to(cr, b.x + 1.0, b.bottom() + 2.0);
    cairo_curve_to(cr, b.x + 1.0, b.y + 10.0, ax - 10, b.y + 8.0, ax - 13, b.y - 6.0);
    cairo_close_path(cr);
    wrap(cr, b.x, b.right(), b.y, b.bottom(), 61);
}

Proportions mummyShape() {
    Proportions p;
    p.cx = 200;
    p.headW = 66, p.headH = 80;
    p.torsoW = 104, p.torsoH = 124;
    p.hipsW = 92, p.hipsH = 32;
    p.armW = 28, p.armH = 124, p.armSpread = 14;
    p.handW = 38, p.handH = 42;
    p.legW = 36, p.legH = 128, p.legGap = 6, p.legSpread = 4;
    p.footW = 50, p.footH = 22, p.footOut = 6;
    return p;
}

}  // namespace

const Creature kCreatureMummy = {"mummy", mummyShape(), paintHead, paintTorso, paintHips,
                                 paintArm, paintHand, paintLeg, paintFoot};
