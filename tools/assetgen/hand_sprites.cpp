// The hand cursor, drawn big and bold so it still reads at 25x25: an open
// hand and a fist, both reaching towards the top-left corner (the pointer),
// and a bright star for that corner while a part is held.
#include <cmath>
#include "paint.h"
#include "sprites.h"

namespace {

const Rgb kSkin = rgb(240, 196, 150);
const Rgb kOutline = rgb(74, 36, 26);

// Draws with the hand's own frame: fingers point up (-y), then the frame
// is turned so that up points at the sprite's top-left corner.
cairo_t* handFrame(cairo_surface_t* surface, double cx, double cy) {
    cairo_t* cr = cairo_create(surface);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -M_PI / 4);
    return cr;
}

void finger(cairo_t* cr, Pt root, Pt tip, double w) {
    limbPath(cr, root, tip, w, w * 0.9);
    fillRound(cr, kSkin, Pt{root.x - w, 0}, Pt{root.x + w, 0});
    strokeIn(cr, kOutline, 4);
}

void palm(cairo_t* cr, double w, double h) {
    roundRectPath(cr, -w / 2, -h / 2 + 8, w, h, 16);
    fillRound(cr, kSkin, Pt{-w / 2, 0}, Pt{w / 2, 0});
    strokeIn(cr, kOutline, 4.5);
}

Image finish(cairo_surface_t* surface, cairo_t* cr) {
    cairo_destroy(cr);
    Image image = imageFromSurface(surface, true);
    cairo_surface_destroy(surface);
    return image;
}

}  // namespace

Image paintOpenHand() {
    cairo_surface_t* surface = newCanvas(kHandSpriteSize, kHandSpriteSize);
    cairo_t* cr = handFrame(surface, 64, 66);
    // Thumb out to the side, four fingers spread, the middle one reaching the corner.
    finger(cr, Pt{18, 6}, Pt{40, -20}, 15);
    finger(cr, Pt{-19, -10}, Pt{-30, -62}, 13);
    finger(cr, Pt{-6, -14}, Pt{-6, -78}, 14);
    finger(cr, Pt{7, -14}, Pt{14, -70}, 14);
    finger(cr, Pt{18, -10}, Pt{32, -52}, 12);
    palm(cr, 50, 54);
    return finish(surface, cr);
}

Image paintGripHand() {
    cairo_surface_t* surface = newCanvas(kHandSpriteSize, kHandSpriteSize);
    cairo_t* cr = handFrame(surface, 58, 60);
    palm(cr, 58, 62);
    // Curled fingers: four knuckles along the top, the foremost ones at the corner.
    for (int i = 0; i < 4; ++i) {
        const double x = -21 + i * 14;
        const double top = -64 + std::abs(i - 1.5) * 4;
        roundRectPath(cr, x - 8, top, 16, 46, 8);
        fillRound(cr, kSkin, Pt{x - 8, 0}, Pt{x + 8, 0});
        strokeIn(cr, kOutline, 4);
        // The folded-under finger ends, in shadow below the middle joint.
        roundRectPath(cr, x - 6, top + 20, 12, 20, 5);
        fillFlat(cr, scaled(kSkin, 0.78));
        strokeIn(cr, kOutline, 2.5);
    }
    // Thumb folded across the front.
    limbPath(cr, Pt{26, 4}, Pt{-8, -16}, 16, 14);
    fillRound(cr, kSkin, Pt{-20, 0}, Pt{20, 0});
    strokeIn(cr, kOutline, 4);
    return finish(surface, cr);
}

Image paintHoldMark() {
    cairo_surface_t* surface = newCanvas(kHandSpriteSize, kHandSpriteSize);
    cairo_t* cr = cairo_create(surface);
    // An eight-pointed burst at the corner where the hand holds on.
    const double cx = 16, cy = 16;
    cairo_new_sub_path(cr);
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8, r = i % 2 ? 6 : 16;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
    fillFlat(cr, rgb(255, 236, 90));
    strokeIn(cr, rgb(240, 120, 30), 2.5);
    ellipsePath(cr, cx, cy, 5, 5);
    fillFlat(cr, rgb(255, 255, 240));
    cairo_new_path(cr);
    return finish(surface, cr);
}
