// Enemy 0, the zombie: grey-green skin, a torn purple shirt, faded jeans
// and worn-out shoes, one eye bigger than the other.
#include <cmath>
#include "creatures.h"
#include "part_shapes.h"

namespace {

const Rgb kSkin = rgb(132, 168, 112);
const Rgb kShirt = rgb(112, 84, 128);
const Rgb kJeans = rgb(64, 86, 132);
const Rgb kShoe = rgb(92, 66, 48);
const Rgb kWound = rgb(120, 26, 32);

void paintHead(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx();
    drawNeck(cr, s, b.w * 0.36, b.y + b.h * 0.6, kSkin);
    // Skull, a little lopsided.
    const double cy = b.y + b.h * 0.43, rx = b.w * 0.44, ry = b.h * 0.42;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy - ry);
    cairo_curve_to(cr, cx + rx * 1.15, cy - ry, cx + rx, cy + ry * 0.7, cx + rx * 0.3, cy + ry);
    cairo_line_to(cr, cx - rx * 0.35, cy + ry * 1.02);
    cairo_curve_to(cr, cx - rx * 1.05, cy + ry * 0.6, cx - rx * 1.1, cy - ry, cx, cy - ry);
    cairo_close_path(cr);
    fillRound(cr, kSkin, Pt{cx - rx, cy}, Pt{cx + rx, cy});
    ink(cr, kSkin);
    // Ragged hair on top.
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx - rx * 0.9, cy - ry * 0.35);
    raggedEdge(cr, cx - rx * 0.9, cx + rx * 0.85, cy - ry * 0.55, 4, 9);
    cairo_line_to(cr, cx + rx * 0.6, cy - ry * 1.0);
    cairo_line_to(cr, cx - rx * 0.6, cy - ry * 1.0);
    cairo_close_path(cr);
    fillFlat(cr, rgb(58, 52, 40));
    ink(cr, rgb(58, 52, 40), 2);
    // Sunken eyes: a big one and a small one.
    const Rgb socket = rgb(58, 74, 50);
    ellipsePath(cr, cx - rx * 0.4, cy + 2, 10, 9);
    ellipsePath(cr, cx + rx * 0.42, cy + 4, 7, 6);
    fillFlat(cr, socket);
    cairo_new_path(cr);
    ellipsePath(cr, cx - rx * 0.38, cy + 2, 6, 6);
    ellipsePath(cr, cx + rx * 0.42, cy + 4, 4, 4);
    fillFlat(cr, rgb(238, 232, 150));
    cairo_new_path(cr);
    ellipsePath(cr, cx - rx * 0.36, cy + 3, 2, 2);
    ellipsePath(cr, cx + rx * 0.44, cy + 4, 1.5, 1.5);
    fillFlat(cr, rgb(40, 20, 24));
    cairo_new_path(cr);
    // Gaping mouth with a few teeth.
    const double my = cy + ry * 0.55;
    ellipsePath(cr, cx - 2, my, rx * 0.42, 7);
    fillFlat(cr, rgb(70, 22, 30));
    ink(cr, kSkin, 2);
    for (int i = 0; i < 4; ++i) {
        cairo_rectangle(cr, cx - rx * 0.3 + i * 7, my - 6, 4, 5);
    }
    fillFlat(cr, rgb(224, 214, 170));
    cairo_new_path(cr);
    // Scar with stitches over the brow.
    stitches(cr, Pt{cx - rx * 0.5, cy - ry * 0.3}, Pt{cx + rx * 0.4, cy - ry * 0.2}, 5, rgb(50, 40, 44));
}

void paintTorso(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    const double cx = b.cx(), l = b.x, r = b.right(), t = b.y, bot = b.bottom();
    // Bare belly under the torn hem.
    cairo_rectangle(cr, l + 12, t + b.h * 0.5, b.w - 24, b.h);
    fillRound(cr, kSkin, Pt{l, 0}, Pt{r, 0});
    ink(cr, kSkin);
    // The shirt, torn along the bottom.
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx - 22, t - 6);
    cairo_line_to(cr, cx + 22, t - 6);
    cairo_line_to(cr, r - 1, t + 8);
    cairo_line_to(cr, r - 1, t + 40);
    cairo_line_to(cr, r - 8, bot - 18);
    raggedEdge(cr, r - 8, l + 8, bot - 16, 7, 11);
    cairo_line_to(cr, l + 1, t + 40);
    cairo_line_to(cr, l + 1, t + 8);
    cairo_close_path(cr);
    fillRound(cr, kShirt, Pt{l, 0}, Pt{r, 0});
    ink(cr, kShirt);
    // Collar and buttons.
    polygonPath(cr, {Pt{cx - 16, t - 4}, Pt{cx, t + 22}, Pt{cx + 16, t - 4}});
    fillFlat(cr, kSkin);
    ink(cr, kShirt, 2.5);
    for (int i = 0; i < 3; ++i) ellipsePath(cr, cx, t + 34 + i * 18, 2.5, 2.5);
    fillFlat(cr, rgb(210, 200, 180));
    cairo_new_path(cr);
    // A rip showing a wound.
    polygonPath(cr, {Pt{l + 22, t + 42}, Pt{l + 40, t + 36}, Pt{l + 46, t + 60}, Pt{l + 28, t + 66}});
    fillFlat(cr, kSkin);
    ink(cr, kShirt, 2);
    ellipsePath(cr, l + 34, t + 51, 6, 8);
    fillFlat(cr, kWound);
    ink(cr, kWound, 1.5);
    // Ribs peeking out of the belly.
    for (int i = 0; i < 2; ++i) {
        cairo_move_to(cr, cx + 8, bot - 10 + i * 6);
        cairo_curve_to(cr, cx + 18, bot - 14 + i * 6, cx + 28, bot - 10 + i * 6, cx + 34, bot - 6 + i * 6);
    }
    strokeIn(cr, scaled(kSkin, 0.55), 2);
}

void paintHips(cairo_t* cr, const Slot& s) {
    const Box& b = s.box;
    cairo_rectangle(cr, b.x + 2, b.y - 4, b.w - 4, b.h + 10);
    fillRound(cr, kJeans, Pt{double(b.x), 0}, Pt{double(b.right()), 0});
    ink(cr, kJeans);
    // Belt with a buckle.
    cairo_rectangle(cr, b.x + 2, b.y + 2, b.w - 4, 9);
    fillFlat(cr, rgb(60, 42, 34));
    ink(cr, rgb(60, 42, 34), 2);
    cairo_rectangle(cr, b.cx() - 7, b.y + 1, 14, 11);
    fillFlat(cr, rgb(170, 160, 120));
    ink(cr, rgb(170, 160, 120), 2);
    // Fly seam.
    cairo_move_to(cr, b.cx(), b.y + 14);
    cairo_line_to(cr, b.cx() + 3, b.bottom());
    strokeIn(cr, scaled(kJeans, 0.5), 2);
}

void paintArm(cairo_t* cr, const Slot& s) {
    const Pt elbow{(s.top.x + s.bottom.x) / 2, (s.top.y + s.bottom.y) / 2};
    drawLimb(cr, s.top, Pt{s.bottom.x, s.bottom.y + 10}, s.thick - 4, s.thick - 8, kSkin);
    // Sleeve torn just below the elbow.
    cairo_new_sub_path(cr);
    const double half = s.thick / 2;
    cairo_arc(cr, s.top.x, s.top.y + half, half, M_PI, 2 * M_PI);
    cairo_line_to(cr, elbow.x + half, elbow.y + 8);
    raggedEdge(cr, elbow.x + half, elbow.x - half, elbow.y + 10, 4, 5);
    cairo_close_path(cr);
    fillRound(cr, kShirt, Pt{s.top.x - half, 0}, Pt{s.top.x + half, 0});
    ink(cr, kShirt);
    // Bite mark on the forearm.
    ellipsePath(cr, s.bottom.x + 1, s.bottom.y - 22, 4, 6);
    fillFlat(cr, kWound);
    ink(cr, kWound, 1.5);
}

void paintHand(cairo_t* cr, const Slot& s) { drawHangingHand(cr, s, kSkin, 4, true, rgb(200, 190, 120)); }

void paintLeg(cairo_t* cr, const Slot& s) {
    drawLimb(cr, Pt{s.top.x, s.top.y - 10}, Pt{s.bottom.x, s.bottom.y + 12}, s.thick, s.thick - 6, kJeans);
    // Torn knee with skin showing.
    const Pt knee{(s.top.x + s.bottom.x) / 2, (s.top.y + s.bottom.y) / 2};
    polygonPath(cr, {Pt{knee.x - 11, knee.y - 6}, Pt{knee.x + 2, knee.y - 10}, Pt{knee.x + 10, knee.y - 2},
                     Pt{knee.x + 6, knee.y + 8}, Pt{knee.x - 8, knee.y + 6}});
    fillFlat(cr, kSkin);
    ink(cr, kJeans, 2);
    // Seam down the outside.
    cairo_move_to(cr, s.top.x - s.thick / 2 + 5, s.top.y);
    cairo_line_to(cr, s.bottom.x - s.thick / 2 + 7, s.bottom.y);
    strokeIn(cr, tinted(kJeans, 0.3), 1.5);
}

void paintFoot(cairo_t* cr, const Slot& s) { drawShoe(cr, s, s.box.w * 0.55, kShoe, rgb(70, 60, 56)); }

}  // namespace

const Creature kCreatureZombie = {"zombie", Proportions{}, paintHead, paintTorso, paintHips, paintArm, paintHand, paintLeg, paintFoot};
