#include "figure.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

Box mirrorBox(const Box& b, int cx) { return Box{2 * cx - b.right(), b.y, b.w, b.h}; }

Box spanBox(double xa, double xb, double halfWidth, int top, int height) {
    const int left = static_cast<int>(std::min(xa, xb) - halfWidth);
    const int right = static_cast<int>(std::max(xa, xb) + halfWidth + 0.5);
    return Box{left, top, right - left, height};
}

bool overlaps(const Box& a, const Box& b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

[[noreturn]] void layoutFault(const char* what, int a, int b) {
    std::fprintf(stderr, "assetgen: figure layout fault: %s (parts %d and %d)\n", what, a, b);
    std::exit(2);
}

void checkLayout(const Layout& layout) {
    for (int i = 1; i < kPartCount; ++i) {
        const Box& b = layout.slots[i].box;
        if (b.w <= 0 || b.h <= 0 || b.x < 0 || b.y < 0 || b.right() > kFigureMaxRight ||
            b.bottom() > kSheetHeight)
            layoutFault("box outside the figure area", i, i);
        for (int j = i + 1; j < kPartCount; ++j)
            if (overlaps(b, layout.slots[j].box)) layoutFault("boxes overlap", i, j);
    }
}

// Lays out the figure's right side; the left side is its mirror image.
void layoutRightSide(const Proportions& s, Layout& out, int torsoTop, int legTop) {
    const int torsoLeft = s.cx - s.torsoW / 2;
    const Pt shoulder{torsoLeft - s.armW / 2.0, double(torsoTop + s.shoulderDrop)};
    const Pt wrist{shoulder.x - s.armSpread, shoulder.y + s.armH};
    Box arm = spanBox(shoulder.x, wrist.x, s.armW / 2.0, int(shoulder.y), s.armH);
    arm.w = torsoLeft - arm.x;  // the arm reaches exactly to the torso's edge
    out.slots[rightArm] = Slot{arm, shoulder, wrist, double(s.armW), false};

    const Box hand{int(wrist.x - s.handW / 2.0), int(wrist.y), s.handW, s.handH};
    out.slots[rightHand] = Slot{hand, wrist, Pt{wrist.x, wrist.y + s.handH}, double(s.handW), false};

    const int legInner = s.cx - s.legGap / 2;
    const Pt hip{legInner - s.legW / 2.0, double(legTop)};
    const Pt ankle{hip.x - s.legSpread, double(legTop + s.legH)};
    Box leg = spanBox(hip.x, ankle.x, s.legW / 2.0, legTop, s.legH);
    leg.w = legInner - leg.x;
    out.slots[rightLeg] = Slot{leg, hip, ankle, double(s.legW), false};

    const Box foot{int(ankle.x - s.footW / 2.0) - s.footOut, int(ankle.y), s.footW, s.footH};
    out.slots[rightFoot] = Slot{foot, ankle, Pt{ankle.x, ankle.y + s.footH}, double(s.footW), false};
}

Slot mirrored(const Slot& s, int cx) {
    return Slot{mirrorBox(s.box, cx), Pt{2.0 * cx - s.top.x, s.top.y}, Pt{2.0 * cx - s.bottom.x, s.bottom.y},
                s.thick, true};
}

Rect tightRect(const Image& sheet, const Box& box) {
    int x0 = box.right(), y0 = box.bottom(), x1 = box.x - 1, y1 = box.y - 1;
    for (int y = box.y; y < box.bottom(); ++y)
        for (int x = box.x; x < box.right(); ++x)
            if (!sheet.isBlack(x, y)) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    if (x1 < x0) return Rect{};
    return Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

// Black pixels of a box that no black path connects to the box's border
// would let the ground show through the middle of a part; they become a
// dark ink colour instead (they are tiny gaps between touching outlines).
void closeGaps(Image& sheet, const Box& box) {
    std::vector<char> open(size_t(box.w) * box.h, 0);
    std::vector<std::pair<int, int>> todo;
    auto visit = [&](int x, int y) {
        if (x < box.x || y < box.y || x >= box.right() || y >= box.bottom() || !sheet.isBlack(x, y)) return;
        char& seen = open[size_t(y - box.y) * box.w + (x - box.x)];
        if (!seen) seen = 1, todo.push_back({x, y});
    };
    for (int x = box.x; x < box.right(); ++x) visit(x, box.y), visit(x, box.bottom() - 1);
    for (int y = box.y; y < box.bottom(); ++y) visit(box.x, y), visit(box.right() - 1, y);
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        visit(x + 1, y), visit(x - 1, y), visit(x, y + 1), visit(x, y - 1);
    }
    for (int y = box.y; y < box.bottom(); ++y)
        for (int x = box.x; x < box.right(); ++x)
            if (sheet.isBlack(x, y) && !open[size_t(y - box.y) * box.w + (x - box.x)]) {
                uint8_t* p = sheet.at(x, y);
                p[0] = 28, p[1] = 20, p[2] = 30;
            }
}

PartPainter painterOf(const Creature& c, int part) {
    switch (part) {
        case head: return c.head;
        case torso: return c.torso;
        case hips: return c.hips;
        case rightArm: case leftArm: return c.arm;
        case rightHand: case leftHand: return c.hand;
        case rightLeg: case leftLeg: return c.leg;
        default: return c.foot;
    }
}

// The right-side slot that a left part is painted from.
int rightTwin(int part) {
    switch (part) {
        case leftArm: return rightArm;
        case leftHand: return rightHand;
        case leftLeg: return rightLeg;
        case leftFoot: return rightFoot;
        default: return part;
    }
}

}  // namespace

Layout layoutFigure(const Proportions& s) {
    Layout out{};
    const int footTop = s.floorY - s.footH;
    const int legTop = footTop - s.legH;
    const int hipsTop = legTop - s.hipsH;
    const int torsoTop = hipsTop - s.torsoH;
    const int headTop = torsoTop - s.headH;
    const double cx = s.cx;

    out.slots[head] = Slot{Box{s.cx - s.headW / 2, headTop, s.headW, s.headH}, Pt{cx, double(headTop)},
                           Pt{cx, double(torsoTop)}, double(s.headW), false};
    out.slots[torso] = Slot{Box{s.cx - s.torsoW / 2, torsoTop, s.torsoW, s.torsoH}, Pt{cx, double(torsoTop)},
                            Pt{cx, double(hipsTop)}, double(s.torsoW), false};
    out.slots[hips] = Slot{Box{s.cx - s.hipsW / 2, hipsTop, s.hipsW, s.hipsH}, Pt{cx, double(hipsTop)},
                           Pt{cx, double(legTop)}, double(s.hipsW), false};
    layoutRightSide(s, out, torsoTop, legTop);
    out.slots[leftArm] = mirrored(out.slots[rightArm], s.cx);
    out.slots[leftHand] = mirrored(out.slots[rightHand], s.cx);
    out.slots[leftLeg] = mirrored(out.slots[rightLeg], s.cx);
    out.slots[leftFoot] = mirrored(out.slots[rightFoot], s.cx);
    checkLayout(out);
    return out;
}

RenderedFigure renderFigure(const Creature& creature) {
    const Layout layout = layoutFigure(creature.shape);
    cairo_surface_t* surface = newCanvas(kSheetWidth, kSheetHeight);
    cairo_t* cr = cairo_create(surface);
    for (int part = 1; part < kPartCount; ++part) {
        const Box& box = layout.slots[part].box;
        cairo_save(cr);
        cairo_rectangle(cr, box.x, box.y, box.w, box.h);
        cairo_clip(cr);
        Slot slot = layout.slots[rightTwin(part)];
        if (part != rightTwin(part)) {
            cairo_translate(cr, 2.0 * creature.shape.cx, 0);
            cairo_scale(cr, -1, 1);
            slot.left = true;
        }
        painterOf(creature, part)(cr, slot);
        cairo_restore(cr);
    }
    cairo_destroy(cr);

    RenderedFigure result;
    result.sheet = imageFromSurface(surface, true);
    cairo_surface_destroy(surface);
    for (int part = 1; part < kPartCount; ++part) {
        closeGaps(result.sheet, layout.slots[part].box);
        result.rects[part] = tightRect(result.sheet, layout.slots[part].box);
        if (result.rects[part].w == 0) {
            std::fprintf(stderr, "assetgen: %s: part %d has no pixels\n", creature.name, part);
            std::exit(2);
        }
    }
    return result;
}
