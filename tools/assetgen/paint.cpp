#include "paint.h"
#include <algorithm>
#include <cmath>

Rgb mix(Rgb a, Rgb b, double t) {
    return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb scaled(Rgb c, double f) {
    return Rgb{std::min(255.0, c.r * f), std::min(255.0, c.g * f), std::min(255.0, c.b * f)};
}

Rgb tinted(Rgb c, double t) { return mix(c, rgb(255, 255, 255), t); }

void setColour(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void roundRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void polygonPath(cairo_t* cr, std::initializer_list<Pt> points) {
    cairo_new_sub_path(cr);
    for (const Pt& p : points) cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
}

void limbPath(cairo_t* cr, Pt a, Pt b, double w0, double w1) {
    const double angle = std::atan2(b.y - a.y, b.x - a.x);
    cairo_new_sub_path(cr);
    cairo_arc(cr, b.x, b.y, w1 / 2, angle - M_PI / 2, angle + M_PI / 2);
    cairo_arc(cr, a.x, a.y, w0 / 2, angle + M_PI / 2, angle + 1.5 * M_PI);
    cairo_close_path(cr);
}

void fillRamp(cairo_t* cr, Rgb light, Rgb dark, Pt from, Pt to) {
    cairo_pattern_t* p = cairo_pattern_create_linear(from.x, from.y, to.x, to.y);
    cairo_pattern_add_color_stop_rgb(p, 0, light.r / 255, light.g / 255, light.b / 255);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.r / 255, dark.g / 255, dark.b / 255);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

void fillRound(cairo_t* cr, Rgb base, Pt from, Pt to) {
    const Rgb edge = scaled(base, 0.62);
    const Rgb light = tinted(base, 0.22);
    cairo_pattern_t* p = cairo_pattern_create_linear(from.x, from.y, to.x, to.y);
    cairo_pattern_add_color_stop_rgb(p, 0.0, edge.r / 255, edge.g / 255, edge.b / 255);
    cairo_pattern_add_color_stop_rgb(p, 0.33, light.r / 255, light.g / 255, light.b / 255);
    cairo_pattern_add_color_stop_rgb(p, 0.6, base.r / 255, base.g / 255, base.b / 255);
    cairo_pattern_add_color_stop_rgb(p, 1.0, edge.r / 255, edge.g / 255, edge.b / 255);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

void fillFlat(cairo_t* cr, Rgb c) {
    setColour(cr, c);
    cairo_fill_preserve(cr);
}

void ink(cairo_t* cr, Rgb base, double width) { strokeIn(cr, scaled(base, 0.28), width); }

void strokeIn(cairo_t* cr, Rgb c, double width) {
    setColour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void drawLimb(cairo_t* cr, Pt a, Pt b, double w0, double w1, Rgb c) {
    limbPath(cr, a, b, w0, w1);
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    const double nx = len > 0 ? -(b.y - a.y) / len : 1, ny = len > 0 ? (b.x - a.x) / len : 0;
    const double half = std::max(w0, w1) / 2;
    const Pt mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
    // The normal (nx, ny) points to the limb's right; light comes from its left.
    fillRound(cr, c, Pt{mid.x + nx * half, mid.y + ny * half}, Pt{mid.x - nx * half, mid.y - ny * half});
    ink(cr, c);
}
