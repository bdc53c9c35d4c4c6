// Enemy 7, the scarecrow: a carved pumpkin head under a straw hat, a red
// checked shirt, patched blue overalls, straw sticking out at the cuffs,
// brown work gloves and boots.
#include <cmath>
#include "creatures.h"
#include "part_shapes.h"

namespace {

const Rgb kPumpkin = rgb(236, 128, 30);
const Rgb kCarved = rgb(255, 226, 90);
const Rgb kStraw = rgb(226, 196, 96);
const Rgb kShirt = rgb(192, 44, 40);
const Rgb kDenim = rgb(58, 92, 150);
const Rgb kGlove = rgb(150, 104, 60);

void strawTufts(cairo_t* cr, double cx, double y, double w, int count) {
    for (int i = 0; i < count; ++i) {
        const double x = cx - w / 2 + w * (i + 0.5) / count;
        cairo_move_to(cr, x, y - 4);
        cairo_line_to(cr, x + (i % 3 - 1) * 3.0, y + 9 + (i % 2) * 4);
    }
    strokeIn(cr, scaled(kStraw, 0.45), 4);
    for (int i = 0; i < count; ++i) {
        const double x = cx - w / 2 + w * (i + 0.5) / count;
        cairo_move_to(cr, x, y - 4);
        cairo_line_to(cr, x + (i % 3 - 1) * 3.0, y + 9 + (i % 2) * 4);
    }
    strokeIn(cr, kStraw, 2);
}

// Red shirt cloth with a darker check pattern, clipped to the current path.
void checked(cairo_t* cr, double x0, double x1, double y0, double y1) {
    fillRound(cr, kShirt, Pt{x0, 0}, Pt{x1, 0});
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    for (double x = x0 + 4; x < x1; x += 12) cairo_rectangle(cr, x, y0 - 10, 4, y1 - y0 + 20);
    for (double y = y0 + 4; y < y1; y += 12) cairo_rectangle(cr, x0 - 10, y, x1 - x0 + 20, 4);
    setColour(cr, rgb(90, 16, 24), 0.55);
    cairo_fill(cr);
    cairo_restore(cr);
    ink(cr, kShirt);
}

void paintHead(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx(), cy = b.y + b.h * 0.6;
    cairo_rectangle(cr, cx - 10, cy, 20, b.h);
    fillFlat(cr, rgb(120, 90, 50));
    ink(cr, rgb(120, 90, 50), 2);
    // The pumpkin: three overlapping lobes.
    for (int i = -1; i <= 1; ++i) ellipsePath(cr, cx + i * 14, cy, b.w * 0.26, b.h * 0.3);
    fillRound(cr, kPumpkin, Pt{cx - b.w * 0.42, 0}, Pt{cx + b.w * 0.42, 0});
    ink(cr, kPumpkin);
    for (int i = -1; i <= 1; i += 2) {
        cairo_move_to(cr, cx + i * 9, cy - b.h * 0.27);
        cairo_curve_to(cr, cx + i * 14, cy - 6, cx + i * 14, cy + 6, cx + i * 9, cy + b.h * 0.27);
    }
    strokeIn(cr, scaled(kPumpkin, 0.6), 2);
    // Carved eyes, nose and a jagged grin, lit from inside.
    for (int side = -1; side <= 1; side += 2) {
        polygonPath(cr, {Pt{cx + side * 6, cy - 4}, Pt{cx + side * 22, cy - 4}, Pt{cx + side * 14, cy - 16}});
    }
    polygonPath(cr, {Pt{cx - 4, cy + 4}, Pt{cx + 4, cy + 4}, Pt{cx, cy - 2}});
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx - 24, cy + 8);
    raggedEdge(cr, cx - 20, cx + 20, cy + 11, 3, 6);
    cairo_line_to(cr, cx + 24, cy + 8);
    cairo_curve_to(cr, cx + 14, cy + 24, cx - 14, cy + 24, cx - 24, cy + 8);
    cairo_close_path(cr);
    fillRamp(cr, kCarved, rgb(240, 150, 40), Pt{0, cy - 16}, Pt{0, cy + 24});
    ink(cr, kPumpkin, 2);
    // Straw hat with a band.
    const double hy = cy - b.h * 0.28;
    ellipsePath(cr, cx, hy, b.w * 0.49, 7);
    fillRound(cr, kStraw, Pt{double(b.x), 0}, Pt{double(b.right()), 0});
    ink(cr, kStraw);
    roundRectPath(cr, cx - 22, b.y + 4.0, 44, hy - b.y - 2, 8);
    fillRound(cr, kStraw, Pt{cx - 22, 0}, Pt{cx + 22, 0});
    ink(cr, kStraw);
    cairo_rectangle(cr, cx - 22, hy - 10, 44, 6);
    fillFlat(cr, rgb(110, 60, 120));
    ink(cr, rgb(110, 60, 120), 1.5);
}

void paintTorso(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx(), t = b.y;
    polygonPath(cr, {Pt{cx - 18, t - 6}, Pt{cx + 18, t - 6}, Pt{b.right() - 1.0, t + 8}, Pt{b.right() - 4.0, b.bottom() + 6.0},
                     Pt{b.x + 4.0, b.bottom() + 6.0}, Pt{b.x + 1.0, t + 8}});
    checked(cr, b.x, b.right(), t, b.bottom());
    // Overall bib with straps and buttons.
    roundRectPath(cr, cx - 30, t + 50, 60, b.h, 4);
    fillRound(cr, kDenim, Pt{cx - 30, 0}, Pt{cx + 30, 0});
    ink(cr, kDenim);
    for (int side = -1; side <= 1; side += 2) {
        polygonPath(cr, {Pt{cx + side * 22, t + 52}, Pt{cx + side * 30, t + 52}, Pt{cx + side * 40, t + 2},
                         Pt{cx + side * 30, t + 2}});
        fillFlat(cr, kDenim);
        ink(cr, kDenim, 2);
        ellipsePath(cr, cx + side * 24, t + 58, 4, 4);
        fillFlat(cr, kStraw);
        ink(cr, kStraw, 1.5);
    }
    // A patch and straw poking out of the collar.
    cairo_rectangle(cr, cx - 12, t + 74, 20, 16);
    fillFlat(cr, rgb(110, 170, 80));
    ink(cr, rgb(110, 170, 80), 2);
    stitches(cr, Pt{cx - 12, t + 74}, Pt{cx + 8, t + 74}, 4, rgb(40, 40, 40));
    strawTufts(cr, cx, t + 2, 30, 6);
}

void paintHips(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    cairo_rectangle(cr, b.x + 4, b.y - 6, b.w - 8, b.h + 12);
    fillRound(cr, kDenim, Pt{double(b.x), 0}, Pt{double(b.right()), 0});
    ink(cr, kDenim);
    cairo_move_to(cr, b.cx(), b.y + 6.0);
    cairo_line_to(cr, b.cx(), b.bottom() + 0.0);
    strokeIn(cr, scaled(kDenim, 0.5), 2);
    roundRectPath(cr, b.x + 12, b.y + 6, 22, 18, 3);
    fillFlat(cr, scaled(kDenim, 0.85));
    ink(cr, kDenim, 1.5);
}

void paintArm(cairo_t* cr, const Slot& s) {
    limbPath(cr, Pt{s.top.x, s.top.y + s.thick * 0.45}, Pt{s.bottom.x, s.bottom.y - 8}, s.thick, s.thick * 0.9);
    checked(cr, s.bottom.x - s.thick / 2, s.top.x + s.thick / 2, s.top.y, s.bottom.y);
    strawTufts(cr, s.bottom.x, s.bottom.y - 6, s.thick * 0.8, 5);
    if (s.left) {
        cairo_rectangle(cr, s.top.x - 8, s.top.y + 40, 16, 14);
        fillFlat(cr, rgb(230, 200, 120));
        ink(cr, rgb(230, 200, 120), 2);
    }
}

void paintHand(cairo_t* cr, const Slot& s) { drawHangingHand(cr, s, kGlove, 4, false, kGlove); }

void paintLeg(cairo_t* cr, const Slot& s) {
    limbPath(cr, Pt{s.top.x, s.top.y - 10}, Pt{s.bottom.x, s.bottom.y + 10}, s.thick, s.thick * 0.9);
    fillRound(cr, kDenim, Pt{s.top.x - s.thick / 2, 0}, Pt{s.top.x + s.thick / 2, 0});
    ink(cr, kDenim);
    const Pt knee{(s.top.x + s.bottom.x) / 2, (s.top.y + s.bottom.y) / 2};
    cairo_rectangle(cr, knee.x - 10, knee.y - 8, 18, 18);
    fillFlat(cr, s.left ? rgb(200, 170, 70) : rgb(170, 60, 60));
    ink(cr, kDenim, 2);
    cairo_rectangle(cr, s.bottom.x - s.thick * 0.45, s.bottom.y - 10, s.thick * 0.9, 10);
    fillFlat(cr, scaled(kDenim, 0.8));
    ink(cr, kDenim, 2);
}

void paintFoot(cairo_t* cr, const Slot& s) { drawShoe(cr, s, s.box.w * 0.5, rgb(112, 74, 44), rgb(60, 44, 36)); }

Proportions scarecrowShape() {
    Proportions p;
    p.cx = 200;
    p.headW = 96, p.headH = 96;
    p.torsoW = 108, p.torsoH = 116;
    p.hipsW = 96, p.hipsH = 32;
    p.armW = 30, p.armH = 112, p.armSpread = 18, p.shoulderDrop = 6;
    p.handW = 42, p.handH = 44;
    p.legW = 36, p.legH = 118, p.legGap = 6, p.legSpread = 8;
    p.footW = 60, p.footH = 28, p.footOut = 10;
    return p;
}

}  // namespace

const Creature kCreatureScarecrow = {"scarecrow", scarecrowShape(), paintHead, paintTorso, paintHips,
                                     paintArm, paintHand, paintLeg, paintFoot};
