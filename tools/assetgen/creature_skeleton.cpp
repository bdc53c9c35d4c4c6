// Enemy 2, the skeleton: ivory bones over a shadowed ribcage, a grinning
// skull with deep purple eye sockets, knobbly joints and bony toes.
#include <cmath>
#include "creatures.h"
#include "part_shapes.h"

namespace {

const Rgb kBone = rgb(232, 224, 196);
const Rgb kShadow = rgb(52, 42, 62);  // dark, but never the transparent black

// A bone from a to b: a shaft with a double knob at either end.
void bone(cairo_t* cr, Pt a, Pt b, double w, bool knobA = true, bool knobB = true) {
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    const double nx = -(b.y - a.y) / len, ny = (b.x - a.x) / len;
    for (int end = 0; end < 2; ++end) {
        if ((end == 0 && !knobA) || (end == 1 && !knobB)) continue;
        const Pt p = end == 0 ? a : b;
        for (int side = -1; side <= 1; side += 2) {
            ellipsePath(cr, p.x + nx * side * w * 0.3, p.y + ny * side * w * 0.3, w * 0.38, w * 0.38);
        }
        fillRound(cr, kBone, Pt{p.x - w / 2, 0}, Pt{p.x + w / 2, 0});
        ink(cr, kBone, 2.5);
    }
    drawLimb(cr, a, b, w * 0.55, w * 0.5, kBone);
}

void vertebrae(cairo_t* cr, double cx, double y0, double y1, double w) {
    for (double y = y0; y < y1; y += w * 0.55) {
        roundRectPath(cr, cx - w / 2, y, w, w * 0.45, w * 0.2);
        fillRound(cr, kBone, Pt{cx - w / 2, 0}, Pt{cx + w / 2, 0});
        ink(cr, kBone, 2);
    }
}

void paintHead(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx();
    vertebrae(cr, cx, b.y + b.h * 0.72, b.bottom() + 6, 14);
    // Cranium and cheekbones, then the jaw.
    roundRectPath(cr, cx - b.w * 0.3, b.y + b.h * 0.5, b.w * 0.6, b.h * 0.32, 8);
    fillRound(cr, kBone, Pt{cx - b.w * 0.3, 0}, Pt{cx + b.w * 0.3, 0});
    ink(cr, kBone);
    ellipsePath(cr, cx, b.y + b.h * 0.36, b.w * 0.46, b.h * 0.34);
    fillRound(cr, kBone, Pt{double(b.x), 0}, Pt{double(b.right()), 0});
    ink(cr, kBone);
    // Eye sockets and the nose hole.
    const double ey = b.y + b.h * 0.42;
    ellipsePath(cr, cx - 12, ey, 9.5, 10);
    ellipsePath(cr, cx + 12, ey, 9.5, 10);
    fillFlat(cr, kShadow);
    ink(cr, kBone, 2);
    ellipsePath(cr, cx - 11, ey + 1, 3, 3);
    ellipsePath(cr, cx + 13, ey + 1, 3, 3);
    fillFlat(cr, rgb(250, 90, 70));
    cairo_new_path(cr);
    polygonPath(cr, {Pt{cx, ey + 9}, Pt{cx - 5, ey + 18}, Pt{cx + 5, ey + 18}});
    fillFlat(cr, kShadow);
    cairo_new_path(cr);
    // Teeth.
    const double ty = b.y + b.h * 0.7;
    cairo_rectangle(cr, cx - 16, ty - 5, 32, 10);
    fillFlat(cr, tinted(kBone, 0.3));
    ink(cr, kBone, 2);
    for (int i = 1; i < 6; ++i) {
        cairo_move_to(cr, cx - 16 + i * 32.0 / 6, ty - 5);
        cairo_line_to(cr, cx - 16 + i * 32.0 / 6, ty + 5);
    }
    cairo_move_to(cr, cx - 16, ty);
    cairo_line_to(cr, cx + 16, ty);
    strokeIn(cr, scaled(kBone, 0.45), 1.5);
    // A crack over the brow.
    cairo_move_to(cr, cx + 6, b.y + 6);
    cairo_line_to(cr, cx + 10, b.y + 14);
    cairo_line_to(cr, cx + 6, b.y + 20);
    strokeIn(cr, scaled(kBone, 0.4), 1.5);
}

void paintTorso(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx(), t = b.y;
    const double cageBottom = t + b.h * 0.68;
    vertebrae(cr, cx, t - 4, b.bottom() + 6, 16);
    // Shadowed inside of the ribcage.
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx - 18, t + 8);
    cairo_curve_to(cr, cx - b.w * 0.5, t + 14, cx - b.w * 0.48, cageBottom - 20, cx - b.w * 0.3, cageBottom);
    cairo_line_to(cr, cx + b.w * 0.3, cageBottom);
    cairo_curve_to(cr, cx + b.w * 0.48, cageBottom - 20, cx + b.w * 0.5, t + 14, cx + 18, t + 8);
    cairo_close_path(cr);
    fillFlat(cr, kShadow);
    ink(cr, kBone, 2);
    // Ribs, each a bow from the spine round to the front.
    for (int i = 0; i < 5; ++i) {
        const double y = t + 18 + i * 13;
        const double reach = b.w * (0.44 - i * 0.025);
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, cx + side * 6, y);
            cairo_curve_to(cr, cx + side * reach, y - 8, cx + side * (reach + 4), y + 10, cx + side * 10, y + 12);
        }
        strokeIn(cr, scaled(kBone, 0.3), 8);
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, cx + side * 6, y);
            cairo_curve_to(cr, cx + side * reach, y - 8, cx + side * (reach + 4), y + 10, cx + side * 10, y + 12);
        }
        strokeIn(cr, kBone, 5);
    }
    // Breastbone and the collarbones out to the shoulders.
    roundRectPath(cr, cx - 6, t + 10, 12, 58, 5);
    fillFlat(cr, kBone);
    ink(cr, kBone, 2);
    bone(cr, Pt{cx - 8, t + 8}, Pt{double(b.x) + 4, t + 10}, 12, false, true);
    bone(cr, Pt{cx + 8, t + 8}, Pt{double(b.right()) - 4, t + 10}, 12, false, true);
}

void paintHips(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx();
    // Pelvis wings with the sacrum between them.
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_sub_path(cr);
        cairo_move_to(cr, cx + side * 8, b.y + 2);
        cairo_curve_to(cr, cx + side * b.w * 0.5, b.y - 4, cx + side * b.w * 0.52, b.y + 16,
                       cx + side * b.w * 0.3, b.bottom() - 4);
        cairo_line_to(cr, cx + side * 8, b.bottom() - 6);
        cairo_close_path(cr);
        fillRound(cr, kBone, Pt{double(b.x), 0}, Pt{double(b.right()), 0});
        ink(cr, kBone);
        ellipsePath(cr, cx + side * b.w * 0.22, b.y + b.h * 0.6, 6, 5);
        fillFlat(cr, kShadow);
        ink(cr, kBone, 1.5);
        // Hip ball where the thigh bone starts.
        ellipsePath(cr, cx + side * b.w * 0.3, b.bottom() - 2, 8, 7);
        fillRound(cr, kBone, Pt{cx + side * b.w * 0.3 - 8, 0}, Pt{cx + side * b.w * 0.3 + 8, 0});
        ink(cr, kBone, 2);
    }
    const double top = b.y - 4.0, low = b.bottom() - 4.0;
    polygonPath(cr, {Pt{cx - 10, top}, Pt{cx + 10, top}, Pt{cx + 5, low}, Pt{cx - 5, low}});
    fillRound(cr, kBone, Pt{cx - 10, 0}, Pt{cx + 10, 0});
    ink(cr, kBone, 2);
}

void paintArm(cairo_t* cr, const Slot& s) {
    const Pt elbow{(s.top.x + s.bottom.x) / 2, (s.top.y + s.bottom.y) / 2};
    bone(cr, Pt{s.top.x, s.top.y + 8}, elbow, s.thick);
    bone(cr, elbow, Pt{s.bottom.x, s.bottom.y - 4}, s.thick * 0.9);
    // The two forearm bones, shown by a groove.
    cairo_move_to(cr, elbow.x - 1, elbow.y + 10);
    cairo_line_to(cr, s.bottom.x - 1, s.bottom.y - 12);
    strokeIn(cr, scaled(kBone, 0.5), 1.5);
    ellipsePath(cr, s.top.x, s.top.y + 8, s.thick * 0.5, s.thick * 0.45);
    fillRound(cr, kBone, Pt{s.top.x - s.thick / 2, 0}, Pt{s.top.x + s.thick / 2, 0});
    ink(cr, kBone, 2.5);
}

void paintHand(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = s.top.x;
    // Shadowed webbing between the finger roots, so no gap between knuckles shows through.
    roundRectPath(cr, cx - 17, b.y + 8, 34, b.h * 0.42, 6);
    fillFlat(cr, kShadow);
    cairo_new_path(cr);
    for (int i = 0; i < 4; ++i) {
        const double fx = cx - 13 + i * 8.5;
        const double len = b.h * (0.55 + 0.12 * std::sin((i + 0.5) / 4 * M_PI));
        bone(cr, Pt{fx, b.y + 14.0}, Pt{fx - 1, b.y + 14 + len * 0.5}, 9);
        bone(cr, Pt{fx - 1, b.y + 14 + len * 0.5}, Pt{fx - 2, b.y + 10 + len}, 8, false, true);
    }
    bone(cr, Pt{cx + 13, b.y + 10.0}, Pt{cx + 19, b.y + 26.0}, 7);
    roundRectPath(cr, cx - 16, b.y - 6, 32, 22, 7);
    fillRound(cr, kBone, Pt{cx - 16, 0}, Pt{cx + 16, 0});
    ink(cr, kBone, 2.5);
}

void paintLeg(cairo_t* cr, const Slot& s) {
    const Pt knee{(s.top.x + s.bottom.x) / 2, (s.top.y + s.bottom.y) / 2};
    bone(cr, Pt{s.top.x, s.top.y + 2}, Pt{knee.x, knee.y - 6}, s.thick);
    bone(cr, Pt{knee.x, knee.y + 6}, Pt{s.bottom.x, s.bottom.y - 4}, s.thick * 0.92);
    ellipsePath(cr, knee.x, knee.y, 8, 7);
    fillRound(cr, kBone, Pt{knee.x - 8, 0}, Pt{knee.x + 8, 0});
    ink(cr, kBone, 2);
}

void paintFoot(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double ax = s.top.x;
    // Ankle bones, the foot's arch, then toes flat on the floor.
    ellipsePath(cr, ax, b.y + 4, 11, 8);
    fillRound(cr, kBone, Pt{ax - 11, 0}, Pt{ax + 11, 0});
    ink(cr, kBone, 2);
    polygonPath(cr, {Pt{ax + 12, b.y + 8.0}, Pt{ax + 14, b.bottom() - 3.0}, Pt{b.x + 12.0, b.bottom() - 3.0},
                     Pt{ax - 10, b.y + 8.0}});
    fillRound(cr, kBone, Pt{double(b.x), 0}, Pt{double(b.right()), 0});
    ink(cr, kBone, 2.5);
    for (int i = 0; i < 4; ++i) {
        const double tx = b.x + 6 + i * 9;
        roundRectPath(cr, tx - 4, b.bottom() - 9.0, 9, 12, 4);
        fillFlat(cr, kBone);
        ink(cr, kBone, 2);
    }
}

Proportions skeletonShape() {
    Proportions p;
    p.cx = 200;
    p.headW = 66, p.headH = 80;
    p.torsoW = 100, p.torsoH = 124;
    p.hipsW = 88, p.hipsH = 34;
    p.armW = 22, p.armH = 122, p.armSpread = 8;
    p.handW = 40, p.handH = 50;
    p.legW = 26, p.legH = 130, p.legGap = 16, p.legSpread = 6;
    p.footW = 52, p.footH = 24, p.footOut = 10;
    return p;
}

}  // namespace

const Creature kCreatureSkeleton = {"skeleton", skeletonShape(), paintHead, paintTorso, paintHips,
                                    paintArm, paintHand, paintLeg, paintFoot};
