#include "part_shapes.h"
#include <cmath>

void drawNeck(cairo_t* cr, const Slot& s, double width, double top, Rgb skin) {
    const double cx = s.box.cx();
    cairo_rectangle(cr, cx - width / 2, top, width, s.box.bottom() + 6 - top);
    fillRound(cr, scaled(skin, 0.85), Pt{cx - width / 2, 0}, Pt{cx + width / 2, 0});
    ink(cr, skin);
}

void drawHangingHand(cairo_t* cr, const Slot& s, Rgb skin, int fingers, bool claw, Rgb nail) {
    const Box& b = s.box;
    const double cx = s.top.x;
    const double palmW = b.w * 0.8, palmTop = b.y - 6, palmH = b.h * 0.55;
    // Fingers first so the palm covers their roots.
    const double span = palmW * 0.9;
    const double fw = span / fingers;
    for (int i = 0; i < fingers; ++i) {
        const double fx = cx - span / 2 + fw * (i + 0.5);
        const double len = b.h * (0.36 + 0.08 * std::sin((i + 0.5) / fingers * M_PI));
        const Pt root{fx, palmTop + palmH - 4};
        const Pt tip{fx - 1.5, b.y + palmH - 4 + len};
        drawLimb(cr, root, tip, fw * 1.1, fw * 0.95, skin);
        if (claw) {
            polygonPath(cr, {Pt{tip.x - fw * 0.32, tip.y - 2}, Pt{tip.x + fw * 0.32, tip.y - 2},
                             Pt{tip.x - 1, tip.y + fw * 0.55}});
            fillFlat(cr, nail);
            ink(cr, nail, 1.5);
        }
    }
    // Thumb on the inner side (towards the body, +x for a right hand).
    drawLimb(cr, Pt{cx + palmW * 0.3, palmTop + palmH * 0.45}, Pt{cx + palmW * 0.55, palmTop + palmH * 0.95},
             fw * 1.2, fw, skin);
    roundRectPath(cr, cx - palmW / 2, palmTop, palmW, palmH, palmW * 0.3);
    fillRound(cr, skin, Pt{cx - palmW / 2, 0}, Pt{cx + palmW / 2, 0});
    ink(cr, skin);
}

void drawShoe(cairo_t* cr, const Slot& s, double shaftWidth, Rgb upper, Rgb sole) {
    const Box& b = s.box;
    const double ax = s.top.x;
    // Shaft out of the trouser leg.
    cairo_rectangle(cr, ax - shaftWidth / 2, b.y - 6, shaftWidth, b.h * 0.6 + 6);
    fillRound(cr, upper, Pt{ax - shaftWidth / 2, 0}, Pt{ax + shaftWidth / 2, 0});
    ink(cr, upper);
    // Toe cap: a rounded lump reaching outward to the box's left edge.
    const double soleH = std::max(4.0, b.h * 0.2);
    const double capTop = b.y + b.h * 0.3;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, b.right() - 2, b.bottom() - soleH);
    cairo_line_to(cr, b.right() - 2, capTop + 4);
    cairo_curve_to(cr, ax, capTop - 4, b.x + 10, capTop, b.x + 2, b.bottom() - soleH - 2);
    cairo_close_path(cr);
    fillRamp(cr, tinted(upper, 0.25), scaled(upper, 0.7), Pt{0, capTop}, Pt{0, double(b.bottom())});
    ink(cr, upper);
    // Sole, flat on the floor row.
    roundRectPath(cr, b.x + 1, b.bottom() - soleH - 1, b.w - 2, soleH + 6, 3);
    fillFlat(cr, sole);
    ink(cr, sole, 2);
}

void raggedEdge(cairo_t* cr, double x0, double x1, double y, double amp, int teeth) {
    const double step = (x1 - x0) / teeth;
    for (int i = 0; i <= teeth; ++i) {
        const double dy = (i % 2 ? amp : -amp) * (0.6 + 0.4 * std::sin(i * 2.3));
        cairo_line_to(cr, x0 + step * i, y + dy);
    }
}

void stitches(cairo_t* cr, Pt a, Pt b, int count, Rgb thread) {
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    strokeIn(cr, thread, 2);
    for (int i = 0; i <= count; ++i) {
        const double t = double(i) / count;
        const Pt p{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
        cairo_move_to(cr, p.x - 1, p.y - 4);
        cairo_line_to(cr, p.x + 1, p.y + 4);
    }
    strokeIn(cr, thread, 2);
}
