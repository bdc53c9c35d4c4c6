// Enemy 5, the clown: white face, red nose and grin, tufts of orange hair,
// a purple and yellow suit with pompom buttons, a ruff, baggy striped
// trousers, white gloves and huge red shoes.
#include <cmath>
#include "creatures.h"
#include "part_shapes.h"

namespace {

const Rgb kFace = rgb(246, 242, 236);
const Rgb kHair = rgb(244, 110, 30);
const Rgb kPurple = rgb(126, 70, 176);
const Rgb kYellow = rgb(246, 206, 52);
const Rgb kRed = rgb(222, 40, 44);
const Rgb kGreen = rgb(60, 170, 90);

void paintHead(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx(), cy = b.y + b.h * 0.48;
    drawNeck(cr, s, 22, cy, kFace);
    // Hair tufts on both sides, then the round face.
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 3; ++i) {
            ellipsePath(cr, cx + side * (b.w * 0.34 + i * 4), cy - 14 + i * 12, 14, 11);
        }
        fillRound(cr, kHair, Pt{cx + side * b.w * 0.5, 0}, Pt{cx + side * b.w * 0.2, 0});
        ink(cr, kHair);
    }
    ellipsePath(cr, cx, cy, b.w * 0.33, b.h * 0.38);
    fillRound(cr, kFace, Pt{cx - b.w * 0.33, 0}, Pt{cx + b.w * 0.33, 0});
    ink(cr, kFace);
    // A tiny hat.
    polygonPath(cr, {Pt{cx - 14, cy - b.h * 0.33}, Pt{cx + 14, cy - b.h * 0.33}, Pt{cx + 4, b.y + 2.0}});
    fillRound(cr, kGreen, Pt{cx - 14, 0}, Pt{cx + 14, 0});
    ink(cr, kGreen);
    ellipsePath(cr, cx + 4, b.y + 4.0, 5, 5);
    fillFlat(cr, kYellow);
    ink(cr, kYellow, 1.5);
    // Diamond eyes, red nose, wide red grin.
    for (int side = -1; side <= 1; side += 2) {
        const double ex = cx + side * 11, ey = cy - 6;
        polygonPath(cr, {Pt{ex, ey - 11}, Pt{ex + 6, ey}, Pt{ex, ey + 11}, Pt{ex - 6, ey}});
        fillFlat(cr, rgb(70, 130, 220));
        cairo_new_path(cr);
        ellipsePath(cr, ex, ey, 2.5, 3);
        fillFlat(cr, rgb(30, 20, 40));
        cairo_new_path(cr);
    }
    cairo_move_to(cr, cx - 20, cy + 12);
    cairo_curve_to(cr, cx - 10, cy + 30, cx + 10, cy + 30, cx + 20, cy + 12);
    cairo_curve_to(cr, cx + 10, cy + 20, cx - 10, cy + 20, cx - 20, cy + 12);
    fillFlat(cr, kRed);
    ink(cr, kRed, 2);
    ellipsePath(cr, cx, cy + 6, 8, 8);
    fillRound(cr, kRed, Pt{cx - 8, 0}, Pt{cx + 8, 0});
    ink(cr, kRed, 2);
}

void pompom(cairo_t* cr, double x, double y, Rgb c) {
    ellipsePath(cr, x, y, 7, 7);
    fillRound(cr, c, Pt{x - 7, 0}, Pt{x + 7, 0});
    ink(cr, c, 2);
}

void paintTorso(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx(), t = b.y;
    // The suit: purple on the right half, yellow on the left half.
    for (int side = -1; side <= 1; side += 2) {
        const double outer = side < 0 ? b.x + 1.0 : b.right() - 1.0;
        polygonPath(cr, {Pt{cx, t - 4}, Pt{outer, t + 10}, Pt{outer, b.bottom() + 6.0}, Pt{cx, b.bottom() + 6.0}});
        const Rgb c = side < 0 ? kPurple : kYellow;
        fillRound(cr, c, Pt{double(b.x), 0}, Pt{double(b.right()), 0});
        ink(cr, c);
    }
    // Ruff collar: a ring of white scallops.
    for (int i = 0; i < 7; ++i) {
        const double x = cx - 36 + i * 12;
        ellipsePath(cr, x, t + 10 + std::abs(i - 3) * 1.5, 9, 10);
    }
    fillRound(cr, kFace, Pt{cx - 44, 0}, Pt{cx + 44, 0});
    ink(cr, kFace, 2.5);
    pompom(cr, cx, t + 42, kRed);
    pompom(cr, cx, t + 66, kGreen);
    pompom(cr, cx, t + 90, rgb(70, 130, 220));
    // Polka dots.
    const Pt dots[4] = {{-34, 50}, {-24, 86}, {30, 58}, {34, 96}};
    for (const Pt& d : dots) ellipsePath(cr, cx + d.x, t + d.y, 5, 5);
    fillFlat(cr, kFace);
    cairo_new_path(cr);
}

void paintHips(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    cairo_rectangle(cr, b.x + 2, b.y - 4, b.w - 4, b.h + 10);
    fillRound(cr, kGreen, Pt{double(b.x), 0}, Pt{double(b.right()), 0});
    ink(cr, kGreen);
    cairo_rectangle(cr, b.x + 2, b.y, b.w - 4, 10);
    fillFlat(cr, kRed);
    ink(cr, kRed, 2);
    for (double x = b.x + 14; x < b.right() - 4; x += 16) cairo_rectangle(cr, x, b.y + 10, 7, b.h);
    fillFlat(cr, kYellow);
    cairo_new_path(cr);
}

void paintArm(cairo_t* cr, const Slot& s) {
    // Puffy sleeve in the colour of its side, with a frill at the cuff.
    const Rgb c = s.left ? kYellow : kPurple;
    drawLimb(cr, Pt{s.top.x, s.top.y + s.thick * 0.45}, Pt{s.bottom.x, s.bottom.y - 8}, s.thick, s.thick * 0.9, c);
    for (int i = 0; i < 4; ++i) ellipsePath(cr, s.bottom.x - 12 + i * 8, s.bottom.y - 3, 5.5, 5.5);
    fillRound(cr, kFace, Pt{s.bottom.x - 16, 0}, Pt{s.bottom.x + 16, 0});
    ink(cr, kFace, 2);
    ellipsePath(cr, s.top.x, s.top.y + 40, 5, 5);
    fillFlat(cr, s.left ? kPurple : kYellow);
    cairo_new_path(cr);
}

void paintHand(cairo_t* cr, const Slot& s) { drawHangingHand(cr, s, kFace, 4, false, kFace); }

void paintLeg(cairo_t* cr, const Slot& s) {
    // Baggy trousers, wide at the ankle, with yellow stripes.
    polygonPath(cr, {Pt{s.top.x - s.thick / 2, s.top.y - 6}, Pt{s.top.x + s.thick / 2, s.top.y - 6},
                     Pt{s.bottom.x + s.thick * 0.55, s.bottom.y + 6}, Pt{s.bottom.x - s.thick * 0.7, s.bottom.y + 6}});
    fillRound(cr, kGreen, Pt{s.top.x - s.thick / 2, 0}, Pt{s.top.x + s.thick / 2, 0});
    ink(cr, kGreen);
    for (int i = 0; i < 2; ++i) {
        const double f = -0.2 + i * 0.4;
        cairo_move_to(cr, s.top.x + s.thick * f, s.top.y);
        cairo_line_to(cr, s.bottom.x + s.thick * f * 1.3, s.bottom.y);
    }
    strokeIn(cr, kYellow, 5);
}

void paintFoot(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double ax = s.top.x;
    cairo_rectangle(cr, ax - 12, b.y - 4, 24, 14);
    fillFlat(cr, rgb(240, 240, 240));
    ink(cr, rgb(240, 240, 240), 2);
    // A huge round shoe reaching far outward.
    ellipsePath(cr, b.cx() - 2, b.bottom() - b.h * 0.42, b.w * 0.49, b.h * 0.44);
    fillRound(cr, kRed, Pt{double(b.x), 0}, Pt{double(b.right()), 0});
    ink(cr, kRed);
    ellipsePath(cr, b.x + b.w * 0.28, b.bottom() - b.h * 0.62, 8, 5);
    fillFlat(cr, tinted(kRed, 0.5));
    cairo_new_path(cr);
    cairo_rectangle(cr, b.x + 6, b.bottom() - 5, b.w - 12, 6);
    fillFlat(cr, rgb(90, 40, 30));
    cairo_new_path(cr);
}

Proportions clownShape() {
    Proportions p;
    p.cx = 210;
    p.headW = 96, p.headH = 86;
    p.torsoW = 116, p.torsoH = 118;
    p.hipsW = 110, p.hipsH = 30;
    p.armW = 34, p.armH = 114, p.armSpread = 10;
    p.handW = 44, p.handH = 44;
    p.legW = 44, p.legH = 116, p.legGap = 4, p.legSpread = 12;
    p.footW = 84, p.footH = 34, p.footOut = 18;
    return p;
}

}  // namespace

const Creature kCreatureClown = {"clown", clownShape(), paintHead, paintTorso, paintHips,
                                 paintArm, paintHand, paintLeg, paintFoot};
