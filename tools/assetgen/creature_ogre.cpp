// Enemy 4, the ogre: a hulking, bald, tan brute with tusks and a heavy
// brow, a big belly, a spotted fur loincloth, leather bands and bare feet.
#include <cmath>
#include "creatures.h"
#include "part_shapes.h"

namespace {

const Rgb kSkin = rgb(204, 144, 92);
const Rgb kFur = rgb(116, 80, 46);
const Rgb kLeather = rgb(92, 60, 40);
const Rgb kTusk = rgb(240, 232, 200);

void paintHead(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx();
    drawNeck(cr, s, b.w * 0.62, b.y + b.h * 0.6, kSkin);
    // Ears, then the big lumpy head.
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, cx + side * b.w * 0.42, b.y + b.h * 0.42, 9, 13);
        fillRound(cr, kSkin, Pt{cx + side * b.w * 0.42 - 9, 0}, Pt{cx + side * b.w * 0.42 + 9, 0});
        ink(cr, kSkin);
    }
    ellipsePath(cr, cx, b.y + b.h * 0.46, b.w * 0.38, b.h * 0.42);
    fillRound(cr, kSkin, Pt{cx - b.w * 0.38, 0}, Pt{cx + b.w * 0.38, 0});
    ink(cr, kSkin);
    // Heavy brow over small angry eyes.
    const double ey = b.y + b.h * 0.4;
    polygonPath(cr, {Pt{cx - 24, ey - 10}, Pt{cx, ey - 3}, Pt{cx + 24, ey - 10}, Pt{cx + 24, ey - 3},
                     Pt{cx, ey + 3}, Pt{cx - 24, ey - 3}});
    fillFlat(cr, scaled(kSkin, 0.72));
    ink(cr, kSkin, 2);
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, cx + side * 12, ey + 5, 5, 3.5);
        fillFlat(cr, rgb(250, 236, 120));
        ink(cr, kSkin, 1.5);
        ellipsePath(cr, cx + side * 11, ey + 5, 1.8, 1.8);
        fillFlat(cr, rgb(30, 16, 16));
        cairo_new_path(cr);
    }
    // Broad nose and an underbite with tusks.
    ellipsePath(cr, cx, ey + 15, 9, 6);
    fillRound(cr, scaled(kSkin, 0.9), Pt{cx - 9, 0}, Pt{cx + 9, 0});
    ink(cr, kSkin, 2);
    const double my = b.y + b.h * 0.72;
    cairo_move_to(cr, cx - 20, my);
    cairo_curve_to(cr, cx - 8, my + 6, cx + 8, my + 6, cx + 20, my);
    strokeIn(cr, scaled(kSkin, 0.3), 3);
    for (int side = -1; side <= 1; side += 2) {
        polygonPath(cr, {Pt{cx + side * 12, my + 3}, Pt{cx + side * 19, my + 2}, Pt{cx + side * 17, my - 12}});
        fillFlat(cr, kTusk);
        ink(cr, kTusk, 1.5);
    }
    // A scar over the skull.
    stitches(cr, Pt{cx - 6, b.y + 8.0}, Pt{cx + 16, b.y + 20.0}, 4, scaled(kSkin, 0.4));
}

void paintTorso(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx(), t = b.y;
    // Huge shoulders and chest narrowing to the belly.
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx - 30, t - 6);
    cairo_line_to(cr, cx + 30, t - 6);
    cairo_curve_to(cr, b.right() + 4.0, t + 2.0, b.right() - 2.0, t + 40.0, b.right() - 12.0, b.bottom() + 6.0);
    cairo_line_to(cr, b.x + 12.0, b.bottom() + 6.0);
    cairo_curve_to(cr, b.x + 2.0, t + 40.0, b.x - 4.0, t + 2.0, cx - 30, t - 6);
    cairo_close_path(cr);
    fillRound(cr, kSkin, Pt{double(b.x), 0}, Pt{double(b.right()), 0});
    ink(cr, kSkin);
    // Chest lines and the round belly with its navel.
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, cx, t + 30);
        cairo_curve_to(cr, cx + side * 20, t + 44, cx + side * 40, t + 42, cx + side * 50, t + 30);
    }
    strokeIn(cr, scaled(kSkin, 0.55), 2.5);
    ellipsePath(cr, cx, t + 88, b.w * 0.36, 36);
    fillRound(cr, tinted(kSkin, 0.12), Pt{cx - b.w * 0.36, 0}, Pt{cx + b.w * 0.36, 0});
    ink(cr, kSkin, 2.5);
    ellipsePath(cr, cx, t + 94, 3, 4);
    fillFlat(cr, scaled(kSkin, 0.45));
    cairo_new_path(cr);
    // Leather strap across the chest.
    polygonPath(cr, {Pt{b.x + 18.0, t + 2.0}, Pt{b.x + 34.0, t + 2.0}, Pt{b.right() - 16.0, t + 66.0},
                     Pt{b.right() - 30.0, t + 70.0}});
    fillFlat(cr, kLeather);
    ink(cr, kLeather, 2);
    ellipsePath(cr, cx + 8, t + 38, 5, 5);
    fillFlat(cr, rgb(200, 200, 190));
    ink(cr, rgb(200, 200, 190), 1.5);
}

void paintHips(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    // Tops of the thighs first, so the fur's ragged hem lies over them.
    for (int side = -1; side <= 1; side += 2) {
        cairo_rectangle(cr, b.cx() + (side < 0 ? -b.w * 0.42 : b.w * 0.08), b.bottom() - 16.0, b.w * 0.34, 20);
    }
    fillRound(cr, kSkin, Pt{double(b.x), 0}, Pt{double(b.right()), 0});
    cairo_new_path(cr);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, b.x + 4.0, b.y - 6.0);
    cairo_line_to(cr, b.right() - 4.0, b.y - 6.0);
    cairo_line_to(cr, b.right() - 8.0, b.bottom() - 12.0);
    raggedEdge(cr, b.right() - 8.0, b.x + 8.0, b.bottom() - 6.0, 5, 12);
    cairo_close_path(cr);
    fillRound(cr, kFur, Pt{double(b.x), 0}, Pt{double(b.right()), 0});
    ink(cr, kFur);
    // Spots on the fur and a rope belt.
    const Pt spots[5] = {{0.2, 0.5}, {0.42, 0.3}, {0.62, 0.62}, {0.8, 0.35}, {0.35, 0.72}};
    for (const Pt& p : spots) ellipsePath(cr, b.x + b.w * p.x, b.y + b.h * p.y, 6, 4);
    fillFlat(cr, scaled(kFur, 0.55));
    cairo_new_path(cr);
    cairo_rectangle(cr, b.x + 4, b.y, b.w - 8, 7);
    fillFlat(cr, kLeather);
    ink(cr, kLeather, 2);
}

void paintArm(cairo_t* cr, const Slot& s) {
    const Pt elbow{(s.top.x + s.bottom.x) / 2, (s.top.y + s.bottom.y) / 2};
    drawLimb(cr, Pt{s.top.x + 2, s.top.y + s.thick * 0.45}, elbow, s.thick, s.thick * 0.8, kSkin);
    drawLimb(cr, elbow, Pt{s.bottom.x, s.bottom.y + 8}, s.thick * 0.82, s.thick * 0.76, kSkin);
    // Bulging shoulder and a leather bracer.
    ellipsePath(cr, s.top.x + 2, s.top.y + s.thick * 0.5, s.thick * 0.55, s.thick * 0.5);
    fillRound(cr, kSkin, Pt{s.top.x - s.thick / 2, 0}, Pt{s.top.x + s.thick / 2, 0});
    ink(cr, kSkin);
    roundRectPath(cr, s.bottom.x - s.thick * 0.45, s.bottom.y - 24, s.thick * 0.9, 20, 4);
    fillRound(cr, kLeather, Pt{s.bottom.x - s.thick / 2, 0}, Pt{s.bottom.x + s.thick / 2, 0});
    ink(cr, kLeather, 2);
}

void paintHand(cairo_t* cr, const Slot& s) { drawHangingHand(cr, s, kSkin, 4, false, kSkin); }

void paintLeg(cairo_t* cr, const Slot& s) {
    const Pt knee{(s.top.x + s.bottom.x) / 2, (s.top.y + s.bottom.y) / 2};
    drawLimb(cr, Pt{s.top.x, s.top.y - 12}, knee, s.thick, s.thick * 0.8, kSkin);
    drawLimb(cr, knee, Pt{s.bottom.x, s.bottom.y + 10}, s.thick * 0.8, s.thick * 0.7, kSkin);
    // Cloth wrapped round the knee.
    for (int i = 0; i < 3; ++i) {
        roundRectPath(cr, knee.x - s.thick * 0.44, knee.y - 12 + i * 8, s.thick * 0.88, 7, 3);
    }
    fillFlat(cr, rgb(170, 150, 110));
    ink(cr, rgb(170, 150, 110), 1.5);
}

void paintFoot(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double ax = s.top.x;
    drawLimb(cr, Pt{ax, b.y - 8.0}, Pt{ax - 2, b.y + 10.0}, 32, 34, kSkin);
    // Broad bare foot with four round toes on the floor.
    roundRectPath(cr, b.x + 4, b.y + 8, b.w - 6, b.h, 12);
    fillRound(cr, kSkin, Pt{double(b.x), 0}, Pt{double(b.right()), 0});
    ink(cr, kSkin);
    for (int i = 0; i < 4; ++i) {
        const double tx = b.x + 10 + i * 12;
        ellipsePath(cr, tx, b.bottom() - 6.0, 6.5, 7);
        fillRound(cr, kSkin, Pt{tx - 6, 0}, Pt{tx + 6, 0});
        ink(cr, kSkin, 2);
        ellipsePath(cr, tx, b.bottom() - 8.0, 3, 2.5);
        fillFlat(cr, rgb(226, 206, 170));
        cairo_new_path(cr);
    }
    cairo_rectangle(cr, b.x + 3, b.bottom() - 2, b.w - 5, 4);
    fillFlat(cr, scaled(kSkin, 0.5));
    cairo_new_path(cr);
}

Proportions ogreShape() {
    Proportions p;
    p.cx = 200;
    p.headW = 96, p.headH = 78;
    p.torsoW = 150, p.torsoH = 118;
    p.hipsW = 132, p.hipsH = 44;
    p.armW = 44, p.armH = 120, p.armSpread = 12, p.shoulderDrop = 2;
    p.handW = 56, p.handH = 50;
    p.legW = 52, p.legH = 100, p.legGap = 8, p.legSpread = 8;
    p.footW = 70, p.footH = 34, p.footOut = 10;
    return p;
}

}  // namespace

const Creature kCreatureOgre = {"ogre", ogreShape(), paintHead, paintTorso, paintHips,
                                paintArm, paintHand, paintLeg, paintFoot};
