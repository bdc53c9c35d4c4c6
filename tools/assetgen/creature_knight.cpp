// Enemy 3, the knight: polished plate armour, a great helm with a red
// plume, a red tabard with a golden cross, gauntlets and pointed sabatons.
#include <cmath>
#include "creatures.h"
#include "part_shapes.h"

namespace {

const Rgb kPlate = rgb(186, 194, 208);
const Rgb kTabard = rgb(168, 34, 40);
const Rgb kGold = rgb(226, 184, 62);
const Rgb kSlit = rgb(28, 26, 38);

void plateBand(cairo_t* cr, double cx, double y, double w, double h) {
    roundRectPath(cr, cx - w / 2, y, w, h, std::min(w, h) * 0.35);
    fillRound(cr, kPlate, Pt{cx - w / 2, 0}, Pt{cx + w / 2, 0});
    ink(cr, kPlate, 2.5);
}

void disc(cairo_t* cr, double cx, double cy, double r, Rgb c) {
    ellipsePath(cr, cx, cy, r, r * 0.85);
    fillRound(cr, c, Pt{cx - r, 0}, Pt{cx + r, 0});
    ink(cr, c, 2.5);
    ellipsePath(cr, cx, cy, r * 0.35, r * 0.3);
    fillFlat(cr, tinted(c, 0.5));
    cairo_new_path(cr);
}

void paintHead(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx();
    // Plume sweeping up out of the crest.
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, cx + 2, b.y + 26);
        cairo_curve_to(cr, cx - 4 - i * 2, b.y + 6, cx + 10 + i * 6, b.y + 2 + i, cx + 22 + i * 5, b.y + 10 + i * 5);
    }
    strokeIn(cr, scaled(kTabard, 0.4), 10);
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, cx + 2, b.y + 26);
        cairo_curve_to(cr, cx - 4 - i * 2, b.y + 6, cx + 10 + i * 6, b.y + 2 + i, cx + 22 + i * 5, b.y + 10 + i * 5);
    }
    strokeIn(cr, kTabard, 6);
    // Gorget round the neck, then the helm.
    plateBand(cr, cx, b.bottom() - 14, b.w * 0.62, 22);
    cairo_new_sub_path(cr);
    const double l = cx - b.w * 0.4, r = cx + b.w * 0.4, top = b.y + 22, low = b.bottom() - 10;
    cairo_move_to(cr, l, low);
    cairo_line_to(cr, l, top + 20);
    cairo_curve_to(cr, l, top - 4, r, top - 4, r, top + 20);
    cairo_line_to(cr, r, low);
    cairo_close_path(cr);
    fillRound(cr, kPlate, Pt{l, 0}, Pt{r, 0});
    ink(cr, kPlate);
    // Visor slit and breathing holes, a ridge down the middle.
    roundRectPath(cr, l + 6, top + 18, r - l - 12, 6, 2);
    fillFlat(cr, kSlit);
    cairo_new_path(cr);
    for (int i = 0; i < 3; ++i) {
        ellipsePath(cr, cx + 8, top + 34 + i * 7, 2, 2);
        ellipsePath(cr, cx + 16, top + 34 + i * 7, 2, 2);
    }
    fillFlat(cr, kSlit);
    cairo_new_path(cr);
    cairo_move_to(cr, cx, top + 2);
    cairo_line_to(cr, cx, low - 2);
    strokeIn(cr, tinted(kPlate, 0.6), 2);
    cairo_rectangle(cr, l + 2, low - 8, r - l - 4, 5);
    fillFlat(cr, kGold);
    ink(cr, kGold, 1.5);
}

void paintTorso(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx(), t = b.y;
    // Breastplate.
    cairo_new_sub_path(cr);
    cairo_move_to(cr, b.x + 6, t + 8);
    cairo_line_to(cr, b.right() - 6, t + 8);
    cairo_line_to(cr, b.right() - 12, b.bottom() + 4);
    cairo_line_to(cr, b.x + 12, b.bottom() + 4);
    cairo_close_path(cr);
    fillRound(cr, kPlate, Pt{double(b.x), 0}, Pt{double(b.right()), 0});
    ink(cr, kPlate);
    // Tabard with its cross.
    polygonPath(cr, {Pt{cx - 30, t + 6}, Pt{cx + 30, t + 6}, Pt{cx + 34, b.bottom() + 6.0}, Pt{cx - 34, b.bottom() + 6.0}});
    fillRound(cr, kTabard, Pt{cx - 34, 0}, Pt{cx + 34, 0});
    ink(cr, kTabard);
    cairo_rectangle(cr, cx - 6, t + 26, 12, 56);
    cairo_rectangle(cr, cx - 22, t + 40, 44, 12);
    fillFlat(cr, kGold);
    ink(cr, kGold, 2);
    // Shoulder plates on both corners.
    for (int side = -1; side <= 1; side += 2) {
        const double x = side < 0 ? b.x + 16.0 : b.right() - 16.0;
        ellipsePath(cr, x, t + 16, 18, 14);
        fillRound(cr, kPlate, Pt{x - 18, 0}, Pt{x + 18, 0});
        ink(cr, kPlate);
    }
    // Sword belt.
    cairo_rectangle(cr, b.x + 10, b.bottom() - 14, b.w - 20, 10);
    fillFlat(cr, rgb(88, 56, 36));
    ink(cr, rgb(88, 56, 36), 2);
    cairo_rectangle(cr, cx - 7, b.bottom() - 16, 14, 14);
    fillFlat(cr, kGold);
    ink(cr, kGold, 2);
}

void paintHips(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx();
    // Plated skirt at the sides, tabard hanging down the front.
    for (int i = 0; i < 2; ++i) plateBand(cr, cx, b.y - 4 + i * 16, b.w - 6 - i * 6, 20);
    polygonPath(cr, {Pt{cx - 34, b.y - 6.0}, Pt{cx + 34, b.y - 6.0}, Pt{cx + 28, b.bottom() + 6.0},
                     Pt{cx - 28, b.bottom() + 6.0}});
    fillRound(cr, kTabard, Pt{cx - 34, 0}, Pt{cx + 34, 0});
    ink(cr, kTabard);
    cairo_move_to(cr, cx - 24, b.bottom() - 4.0);
    cairo_line_to(cr, cx + 24, b.bottom() - 4.0);
    strokeIn(cr, kGold, 3);
}

void paintArm(cairo_t* cr, const Slot& s) {
    const Pt elbow{(s.top.x + s.bottom.x) / 2, (s.top.y + s.bottom.y) / 2};
    drawLimb(cr, Pt{s.top.x, s.top.y + 10}, Pt{s.bottom.x, s.bottom.y + 8}, s.thick - 6, s.thick - 4, kPlate);
    // Bands down the arm and an elbow disc.
    for (int i = 0; i < 3; ++i) {
        const double t = 0.2 + i * 0.08;
        plateBand(cr, s.top.x + (s.bottom.x - s.top.x) * t, s.top.y + (s.bottom.y - s.top.y) * t, s.thick - 2, 10);
    }
    disc(cr, elbow.x, elbow.y + 4, s.thick * 0.42, kPlate);
    plateBand(cr, s.bottom.x, s.bottom.y - 16, s.thick, 16);
    // Shoulder guard.
    cairo_new_sub_path(cr);
    cairo_arc(cr, s.top.x, s.top.y + 18, s.thick * 0.55, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillRound(cr, kPlate, Pt{s.top.x - s.thick * 0.55, 0}, Pt{s.top.x + s.thick * 0.55, 0});
    ink(cr, kPlate);
}

void paintHand(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = s.top.x;
    // Flared gauntlet cuff, plated fingers curled into a loose fist.
    polygonPath(cr, {Pt{cx - 12, b.y - 4.0}, Pt{cx + 12, b.y - 4.0}, Pt{cx + 18, b.y + 16.0}, Pt{cx - 18, b.y + 16.0}});
    fillRound(cr, kPlate, Pt{cx - 18, 0}, Pt{cx + 18, 0});
    ink(cr, kPlate);
    roundRectPath(cr, cx - 16, b.y + 12, 32, b.h - 14, 10);
    fillRound(cr, scaled(kPlate, 0.92), Pt{cx - 16, 0}, Pt{cx + 16, 0});
    ink(cr, kPlate);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, cx - 14, b.y + 22 + i * 7);
        cairo_line_to(cr, cx + 14, b.y + 22 + i * 7);
    }
    strokeIn(cr, scaled(kPlate, 0.5), 1.5);
    drawLimb(cr, Pt{cx + 14, b.y + 18.0}, Pt{cx + 17, b.y + 32.0}, 9, 8, kPlate);
}

void paintLeg(cairo_t* cr, const Slot& s) {
    const Pt knee{(s.top.x + s.bottom.x) / 2, (s.top.y + s.bottom.y) / 2};
    drawLimb(cr, Pt{s.top.x, s.top.y - 10}, Pt{s.bottom.x, s.bottom.y + 10}, s.thick, s.thick - 6, kPlate);
    // Mail showing at the hip, a knee disc and a greave ridge.
    cairo_rectangle(cr, s.top.x - s.thick / 2 + 2, s.top.y, s.thick - 4, 10);
    fillFlat(cr, rgb(120, 124, 136));
    ink(cr, kPlate, 1.5);
    disc(cr, knee.x, knee.y, s.thick * 0.46, kPlate);
    cairo_move_to(cr, knee.x - 1, knee.y + 18);
    cairo_line_to(cr, s.bottom.x - 1, s.bottom.y - 6);
    strokeIn(cr, tinted(kPlate, 0.6), 2.5);
}

void paintFoot(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double ax = s.top.x;
    plateBand(cr, ax, b.y - 6, 30, 16);
    // A pointed sabaton made of overlapping lames.
    cairo_new_sub_path(cr);
    cairo_move_to(cr, b.right() - 2.0, b.bottom() - 2.0);
    cairo_line_to(cr, b.right() - 4.0, b.y + 8.0);
    cairo_curve_to(cr, ax - 10, b.y + 4.0, b.x + 16.0, b.y + 14.0, b.x + 1.0, b.bottom() - 2.0);
    cairo_close_path(cr);
    fillRound(cr, kPlate, Pt{double(b.x), 0}, Pt{double(b.right()), 0});
    ink(cr, kPlate);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, ax - 6 - i * 9, b.y + 8.0 + i * 3);
        cairo_line_to(cr, ax - 2 - i * 9, b.bottom() - 4.0);
    }
    strokeIn(cr, scaled(kPlate, 0.5), 1.5);
    cairo_rectangle(cr, b.x + 2, b.bottom() - 4, b.w - 4, 6);
    fillFlat(cr, rgb(80, 80, 92));
    cairo_new_path(cr);
}

Proportions knightShape() {
    Proportions p;
    p.cx = 210;
    p.headW = 72, p.headH = 92;
    p.torsoW = 118, p.torsoH = 120;
    p.hipsW = 106, p.hipsH = 42;
    p.armW = 34, p.armH = 118, p.armSpread = 8, p.shoulderDrop = 2;
    p.handW = 42, p.handH = 44;
    p.legW = 40, p.legH = 122, p.legGap = 6, p.legSpread = 8;
    p.footW = 64, p.footH = 26, p.footOut = 12;
    return p;
}

}  // namespace

const Creature kCreatureKnight = {"knight", knightShape(), paintHead, paintTorso, paintHips,
                                  paintArm, paintHand, paintLeg, paintFoot};
