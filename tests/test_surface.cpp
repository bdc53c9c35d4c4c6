// Surfaces: blitClipped's clipping and colour key, fillRect's clamping,
// clearSurface. Pixels are checked over the whole destination, so a copy or
// fill that strays outside its expected area is caught too.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <memory>

#include "surface.h"

namespace {

constexpr uint16_t kBackground = 0x1234;

// A source whose every pixel tells where it came from; never 0, so keyed
// copies copy all of it unless a test puts zeros in.
uint16_t sourcePixel(int x, int y) { return static_cast<uint16_t>(1 + x + 640 * (y % 100)); }

class SurfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int y = 0; y < kSurfaceHeight; ++y)
            for (int x = 0; x < kSurfaceWidth; ++x) {
                src->at(x, y) = sourcePixel(x, y);
                dst->at(x, y) = kBackground;
            }
        src->colorKey = true;
        dst->colorKey = false;
    }

    // Every destination pixel must be `expected(x, y)`; reports the first
    // few that differ.
    void expectDestination(const std::function<uint16_t(int, int)>& expected) {
        int wrong = 0;
        for (int y = 0; y < kSurfaceHeight; ++y)
            for (int x = 0; x < kSurfaceWidth; ++x) {
                const uint16_t want = expected(x, y);
                if (dst->at(x, y) != want && ++wrong <= 5)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << dst->at(x, y) << ", expected "
                                  << want;
            }
        EXPECT_EQ(wrong, 0) << "pixels differing";
    }

    void expectUntouched() {
        expectDestination([](int, int) { return kBackground; });
    }

    std::unique_ptr<Surface> src = std::make_unique<Surface>();
    std::unique_ptr<Surface> dst = std::make_unique<Surface>();
};

// A copy that ends up at destination columns [x0, x0 + w) and rows
// [y0, y0 + h), taking source pixel (x - dx, y - dy) for destination (x, y).
struct BlitCase {
    const char* name;
    int32_t x, y, width, height, sourceX, sourceY;
    int x0, y0, w, h;   // expected destination area (w or h 0: nothing)
    int dx, dy;         // destination minus source position
};

TEST_F(SurfaceTest, BlitClipsToTheScreen) {
    const BlitCase cases[] = {
        {"inside", 100, 50, 30, 20, 5, 7, 100, 50, 30, 20, 95, 43},
        {"left edge cut", -10, 50, 30, 20, 100, 0, 0, 50, 20, 20, -110, 50},
        {"right edge cut", 630, 50, 30, 20, 0, 0, 630, 50, 10, 20, 630, 50},
        {"top edge cut", 50, -10, 20, 30, 0, 100, 50, 0, 20, 20, 50, -110},
        {"bottom edge cut", 50, 470, 20, 30, 0, 0, 50, 470, 20, 10, 50, 470},
        {"corner cut", -5, -6, 20, 20, 10, 10, 0, 0, 15, 14, -15, -16},
        {"at x 640", 640, 50, 30, 20, 0, 0, 0, 0, 0, 0, 0, 0},
        {"at y 480", 50, 480, 30, 20, 0, 0, 0, 0, 0, 0, 0, 0},
        {"all left of the screen", -30, 50, 30, 20, 100, 0, 0, 0, 0, 0, 0, 0},
        {"all above the screen", 50, -20, 30, 20, 0, 100, 0, 0, 0, 0, 0, 0},
        {"one column left", -29, 50, 30, 20, 100, 0, 0, 50, 1, 20, -129, 50},
        {"whole screen", 0, 0, 640, 480, 0, 0, 0, 0, 640, 480, 0, 0},
        {"zero width", 10, 10, 0, 20, 0, 0, 0, 0, 0, 0, 0, 0},
        {"negative height", 10, 10, 20, -5, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const BlitCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        blitClipped(*dst, c.x, c.y, c.width, c.height, *src, c.sourceX, c.sourceY, 0);
        expectDestination([&](int x, int y) {
            const bool inside = x >= c.x0 && x < c.x0 + c.w && y >= c.y0 && y < c.y0 + c.h;
            return inside ? sourcePixel(x - c.dx, y - c.dy) : kBackground;
        });
    }
}

TEST_F(SurfaceTest, BlitWithSourceReachingPastTheSourceDrawsNothing) {
    struct Case {
        const char* name;
        int32_t sourceX, sourceY, width, height;
    } cases[] = {
        {"right", 620, 0, 30, 10},
        {"bottom", 0, 470, 10, 30},
        {"left", -1, 0, 10, 10},
        {"top", 0, -1, 10, 10},
        {"huge source x", INT32_MAX, 0, 10, 10},
        {"huge source y", 0, INT32_MAX, 10, 10},
        {"most negative source x", INT32_MIN, 0, 10, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        blitClipped(*dst, 100, 100, c.width, c.height, *src, c.sourceX, c.sourceY, 0);
        expectUntouched();
    }
    // The check is made on the clipped rectangle: what clipping cut away
    // need not exist in the source.
    SetUp();
    blitClipped(*dst, -10, 0, 20, 5, *src, -10, 0, 0);
    expectDestination([](int x, int y) { return x < 10 && y < 5 ? sourcePixel(x, y) : kBackground; });
}

TEST_F(SurfaceTest, BlitEndingExactlyAtTheSourceEdgeCopies) {
    blitClipped(*dst, 0, 0, 10, 10, *src, 630, 470, 0);
    expectDestination([](int x, int y) { return x < 10 && y < 10 ? sourcePixel(x + 630, y + 470) : kBackground; });
}

TEST_F(SurfaceTest, HugeCoordinatesDrawNothingAndDoNotOverflow) {
    const int32_t values[] = {INT32_MIN, INT32_MIN + 1, -1000000, 1000000, INT32_MAX - 1, INT32_MAX};
    for (int32_t x : values)
        for (int32_t y : {0, INT32_MIN, INT32_MAX}) {
            SCOPED_TRACE(testing::Message() << "x " << x << " y " << y);
            blitClipped(*dst, x, y, 30, 30, *src, 0, 0, 0);
            blitClipped(*dst, x, y, INT32_MAX, INT32_MAX, *src, 0, 0, 1);
            fillRect(*dst, x, y, 30, 30, 0xFFFF);
            fillRect(*dst, x, y, INT32_MIN, INT32_MIN, 0xFFFF);
            expectUntouched();
        }
    // A huge size from the origin is cut to the screen, not wrapped around.
    blitClipped(*dst, 0, 0, INT32_MAX, INT32_MAX, *src, 0, 0, 0);
    expectDestination(sourcePixel);
    fillRect(*dst, -5, -5, INT32_MAX, INT32_MAX, 0x4321);
    expectDestination([](int, int) { return uint16_t(0x4321); });
}

TEST_F(SurfaceTest, KeyedCopySkipsZeroSourcePixels) {
    for (int x = 0; x < 40; x += 2) src->at(x, 3) = 0;
    blitClipped(*dst, 200, 100, 40, 10, *src, 0, 0, 1);
    expectDestination([](int x, int y) {
        if (x < 200 || x >= 240 || y < 100 || y >= 110) return kBackground;
        const int sx = x - 200, sy = y - 100;
        return sy == 3 && sx % 2 == 0 ? kBackground : sourcePixel(sx, sy);
    });
}

TEST_F(SurfaceTest, UnkeyedCopyCopiesZeroSourcePixels) {
    for (int x = 0; x < 40; x += 2) src->at(x, 3) = 0;
    blitClipped(*dst, 200, 100, 40, 10, *src, 0, 0, 0);
    expectDestination([](int x, int y) {
        if (x < 200 || x >= 240 || y < 100 || y >= 110) return kBackground;
        const int sx = x - 200, sy = y - 100;
        return sy == 3 && sx % 2 == 0 ? uint16_t(0) : sourcePixel(sx, sy);
    });
}

TEST_F(SurfaceTest, CopyWithinOneSurfaceBehavesLikeACopyFromTheOriginal) {
    // Overlapping rows within one surface, as scrolling by a few pixels does.
    blitClipped(*src, 5, 0, 100, 1, *src, 0, 0, 0);
    for (int x = 0; x < 100; ++x) ASSERT_EQ(src->at(x + 5, 0), sourcePixel(x, 0)) << "column " << x + 5;
}

struct FillCase {
    const char* name;
    int32_t x, y, width, height;
    int x0, y0, x1, y1;   // expected filled area, right/bottom exclusive
};

TEST_F(SurfaceTest, FillClampsEachSideToTheScreen) {
    const FillCase cases[] = {
        {"inside", 10, 20, 30, 40, 10, 20, 40, 60},
        {"left edge cut", -5, 20, 10, 3, 0, 20, 5, 23},
        {"top edge cut", 20, -5, 3, 10, 20, 0, 23, 5},
        {"right edge cut", 635, 0, 10, 2, 635, 0, 640, 2},
        {"bottom edge cut", 0, 475, 2, 10, 0, 475, 2, 480},
        {"larger than the screen", -100, -100, 1000, 1000, 0, 0, 640, 480},
        {"wholly left", -20, 20, 10, 5, 0, 0, 0, 0},
        {"wholly right", 640, 20, 10, 5, 0, 0, 0, 0},
        {"wholly below", 0, 480, 10, 5, 0, 0, 0, 0},
        {"ends at the left edge", -10, 20, 10, 5, 0, 0, 0, 0},
        {"zero width", 10, 10, 0, 5, 0, 0, 0, 0},
        {"zero height", 10, 10, 5, 0, 0, 0, 0, 0},
        {"negative width", 10, 10, -5, 5, 0, 0, 0, 0},
    };
    for (const FillCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        fillRect(*dst, c.x, c.y, c.width, c.height, 0xBEEF);
        expectDestination([&](int x, int y) {
            return x >= c.x0 && x < c.x1 && y >= c.y0 && y < c.y1 ? uint16_t(0xBEEF) : kBackground;
        });
    }
}

TEST_F(SurfaceTest, FillKeepsTheLow16BitsOfThePixelValue) {
    fillRect(*dst, 0, 0, 1, 1, 0xABCD1234u);
    fillRect(*dst, 1, 0, 1, 1, 0x00FFu + 65280u);   // colour 1 of an outline
    fillRect(*dst, 2, 0, 1, 1, 0xFFFF0000u);
    EXPECT_EQ(dst->at(0, 0), 0x1234);
    EXPECT_EQ(dst->at(1, 0), 0xFFFF);
    EXPECT_EQ(dst->at(2, 0), 0x0000);
    EXPECT_EQ(dst->at(3, 0), kBackground);
}

TEST_F(SurfaceTest, ClearSetsEveryPixelToZero) {
    clearSurface(*dst);
    expectDestination([](int, int) { return uint16_t(0); });
}

TEST(Rgb565, PacksTheTopBitsOfEachChannel) {
    EXPECT_EQ(rgb565(0, 0, 0), 0x0000);
    EXPECT_EQ(rgb565(255, 255, 255), 0xFFFF);
    EXPECT_EQ(rgb565(255, 0, 0), 0xF800);
    EXPECT_EQ(rgb565(0, 255, 0), 0x07E0);
    EXPECT_EQ(rgb565(0, 0, 255), 0x001F);
    EXPECT_EQ(rgb565(7, 3, 7), 0x0000);   // below one step of each channel
}

}  // namespace
