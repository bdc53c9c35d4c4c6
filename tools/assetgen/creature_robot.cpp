// Enemy 1, the robot: a boxy steel machine with a visor eye, an antenna,
// a chest panel of lamps, accordion joints and pincer hands.
#include <cmath>
#include "creatures.h"
#include "part_shapes.h"

namespace {

const Rgb kSteel = rgb(156, 166, 182);
const Rgb kJoint = rgb(78, 84, 100);
const Rgb kTrim = rgb(232, 182, 44);

void rivet(cairo_t* cr, double x, double y) {
    ellipsePath(cr, x, y, 2.5, 2.5);
    fillFlat(cr, tinted(kSteel, 0.5));
    ink(cr, kSteel, 1.2);
}

void plate(cairo_t* cr, double x, double y, double w, double h, double r, Rgb c) {
    roundRectPath(cr, x, y, w, h, r);
    fillRound(cr, c, Pt{x, 0}, Pt{x + w, 0});
    ink(cr, c);
}

// Ribbed tube, as on the neck, elbows and knees.
void bellows(cairo_t* cr, double cx, double y0, double y1, double w) {
    cairo_rectangle(cr, cx - w / 2, y0, w, y1 - y0);
    fillRound(cr, kJoint, Pt{cx - w / 2, 0}, Pt{cx + w / 2, 0});
    ink(cr, kJoint, 2);
    for (double y = y0 + 5; y < y1; y += 6) {
        cairo_move_to(cr, cx - w / 2 + 1, y);
        cairo_line_to(cr, cx + w / 2 - 1, y);
    }
    strokeIn(cr, scaled(kJoint, 0.5), 1.5);
}

void paintHead(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx();
    bellows(cr, cx, b.bottom() - 16, b.bottom() + 4, 26);
    // Antenna with a red bulb.
    cairo_move_to(cr, cx + 10, b.y + 20);
    cairo_line_to(cr, cx + 18, b.y + 5);
    strokeIn(cr, kJoint, 3);
    ellipsePath(cr, cx + 18, b.y + 5, 4.5, 4.5);
    fillFlat(cr, rgb(250, 70, 60));
    ink(cr, rgb(250, 70, 60), 1.5);
    // Ear bolts and the head box.
    plate(cr, b.x + 1, b.y + 30, 10, 20, 3, kTrim);
    plate(cr, b.right() - 11, b.y + 30, 10, 20, 3, kTrim);
    plate(cr, b.x + 7, b.y + 16, b.w - 14, b.h - 30, 8, kSteel);
    // Visor with a glowing eye bar.
    roundRectPath(cr, b.x + 14, b.y + 26, b.w - 28, 16, 6);
    fillFlat(cr, rgb(40, 44, 60));
    ink(cr, kSteel, 2);
    roundRectPath(cr, b.x + 22, b.y + 30, b.w - 44, 8, 4);
    fillRamp(cr, rgb(255, 230, 120), rgb(255, 70, 40), Pt{0, b.y + 30.0}, Pt{0, b.y + 38.0});
    cairo_new_path(cr);
    // Grille mouth.
    roundRectPath(cr, cx - 16, b.y + 48, 32, 10, 3);
    fillFlat(cr, kJoint);
    ink(cr, kSteel, 2);
    for (int i = 1; i < 4; ++i) {
        cairo_move_to(cr, cx - 16 + i * 8, b.y + 49);
        cairo_line_to(cr, cx - 16 + i * 8, b.y + 57);
    }
    strokeIn(cr, tinted(kSteel, 0.3), 1.5);
    rivet(cr, b.x + 13, b.y + 21);
    rivet(cr, b.right() - 13, b.y + 21);
}

void paintTorso(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx();
    // Shoulder pads on either side, chest block in the middle.
    plate(cr, b.x + 1, b.y + 4, b.w - 2, 30, 10, kTrim);
    plate(cr, b.x + 8, b.y + 14, b.w - 16, b.h - 22, 10, kSteel);
    // Waist block going on into the hips.
    plate(cr, cx - b.w * 0.3, b.bottom() - 14, b.w * 0.6, 24, 4, kJoint);
    // Chest panel with lamps and a dial.
    roundRectPath(cr, cx - 30, b.y + 34, 60, 40, 5);
    fillFlat(cr, rgb(52, 58, 76));
    ink(cr, kSteel, 2);
    const Rgb lamps[3] = {rgb(80, 230, 90), rgb(250, 200, 60), rgb(240, 70, 60)};
    for (int i = 0; i < 3; ++i) {
        ellipsePath(cr, cx - 18 + i * 18, b.y + 46, 5, 5);
        fillFlat(cr, lamps[i]);
        ink(cr, lamps[i], 1.5);
    }
    for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, cx - 22, b.y + 57 + i * 5, 44 - i * 10, 2.5);
    }
    fillFlat(cr, rgb(90, 200, 230));
    cairo_new_path(cr);
    // Vent slots on the belly.
    for (int i = 0; i < 3; ++i) roundRectPath(cr, cx - 22, b.y + 82 + i * 8, 44, 4, 2);
    fillFlat(cr, kJoint);
    cairo_new_path(cr);
    rivet(cr, b.x + 16, b.y + 42);
    rivet(cr, b.right() - 16, b.y + 42);
    rivet(cr, b.x + 16, b.bottom() - 24);
    rivet(cr, b.right() - 16, b.bottom() - 24);
}

void paintHips(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    plate(cr, b.x + 2, b.y - 6, b.w - 4, b.h + 2, 6, kSteel);
    // Hip joints the legs hang from.
    for (int side = -1; side <= 1; side += 2) {
        const double x = b.cx() + side * b.w * 0.26;
        plate(cr, x - 14, b.bottom() - 12, 28, 20, 3, kJoint);
    }
    cairo_rectangle(cr, b.x + 4, b.y + 6, b.w - 8, 6);
    fillFlat(cr, kTrim);
    ink(cr, kTrim, 1.5);
}

void paintArm(cairo_t* cr, const Slot& s) {
    const double half = s.thick / 2;
    const double mid = (s.top.y + s.bottom.y) / 2;
    const double midX = (s.top.x + s.bottom.x) / 2;
    // Upper arm, elbow bellows, forearm.
    drawLimb(cr, s.top, Pt{midX, mid - 8}, s.thick, s.thick - 2, kSteel);
    bellows(cr, midX, mid - 10, mid + 10, s.thick - 8);
    drawLimb(cr, Pt{midX, mid + 8}, Pt{s.bottom.x, s.bottom.y + 6}, s.thick - 2, s.thick - 4, kSteel);
    // Shoulder ball.
    ellipsePath(cr, s.top.x, s.top.y + half, half + 1, half);
    fillRound(cr, kTrim, Pt{s.top.x - half, 0}, Pt{s.top.x + half, 0});
    ink(cr, kTrim);
    rivet(cr, s.bottom.x, s.bottom.y - 14);
}

void paintHand(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = s.top.x;
    // Wrist cuff, then two pincer jaws opening downward.
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_sub_path(cr);
        cairo_move_to(cr, cx + side * 4, b.y + 14);
        cairo_curve_to(cr, cx + side * 20, b.y + 18, cx + side * 19, b.y + 34, cx + side * 6, b.bottom() - 1);
        cairo_line_to(cr, cx + side * 9, b.y + 28);
        cairo_line_to(cr, cx + side * 2, b.y + 18);
        cairo_close_path(cr);
        fillRound(cr, kSteel, Pt{cx - 20, 0}, Pt{cx + 20, 0});
        ink(cr, kSteel, 2.5);
    }
    plate(cr, cx - 13, b.y - 6, 26, 22, 4, kJoint);
    rivet(cr, cx, b.y + 8);
}

void paintLeg(cairo_t* cr, const Slot& s) {
    const double mid = (s.top.y + s.bottom.y) / 2;
    const double midX = (s.top.x + s.bottom.x) / 2;
    drawLimb(cr, Pt{s.top.x, s.top.y - 8}, Pt{midX, mid - 8}, s.thick - 4, s.thick - 6, kSteel);
    bellows(cr, midX, mid - 10, mid + 10, s.thick - 12);
    // Knee cap and the shin piston.
    drawLimb(cr, Pt{midX, mid + 8}, Pt{s.bottom.x, s.bottom.y + 8}, s.thick - 6, s.thick - 2, kSteel);
    ellipsePath(cr, midX, mid - 4, 9, 7);
    fillRound(cr, kTrim, Pt{midX - 9, 0}, Pt{midX + 9, 0});
    ink(cr, kTrim, 2);
    cairo_move_to(cr, s.bottom.x - 6, mid + 18);
    cairo_line_to(cr, s.bottom.x - 6, s.bottom.y - 4);
    strokeIn(cr, tinted(kSteel, 0.45), 2.5);
}

void paintFoot(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double ax = s.top.x;
    cairo_rectangle(cr, ax - 12, b.y - 4, 24, 12);
    fillRound(cr, kJoint, Pt{ax - 12, 0}, Pt{ax + 12, 0});
    ink(cr, kJoint, 2);
    // A flat block foot with a yellow toe plate.
    plate(cr, b.x + 1, b.y + 8, b.w - 2, b.h, 6, kSteel);
    plate(cr, b.x + 1, b.y + 14, 20, b.h, 5, kTrim);
    cairo_rectangle(cr, b.x + 1, b.bottom() - 5, b.w - 2, 6);
    fillFlat(cr, kJoint);
    cairo_new_path(cr);
}

Proportions robotShape() {
    Proportions p;
    p.cx = 210;
    p.headW = 84, p.headH = 78;
    p.torsoW = 124, p.torsoH = 116;
    p.hipsW = 96, p.hipsH = 34;
    p.armW = 30, p.armH = 114, p.armSpread = 6;
    p.handW = 44, p.handH = 46;
    p.legW = 40, p.legH = 116, p.legGap = 8, p.legSpread = 2;
    p.footW = 64, p.footH = 28, p.footOut = 8;
    return p;
}

}  // namespace

const Creature kCreatureRobot = {"robot", robotShape(), paintHead, paintTorso, paintHips,
                                 paintArm, paintHand, paintLeg, paintFoot};
