// The video layer on the headless backend: image loading (placement, only
// the image's area written, scaling, the stop on a bad file), drawing of
// parts and outlines, text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "body.h"
#include "data_fixture.h"
#include "platform/platform.h"
#include "surface.h"
#include "video.h"

namespace fs = std::filesystem;

namespace {

constexpr uint16_t kBackground = 0x0842;

int red5(uint16_t p) { return p >> 11; }
int green6(uint16_t p) { return (p >> 5) & 0x3F; }
int blue5(uint16_t p) { return p & 0x1F; }

class VideoTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::useHeadless({});
        previous = fs::current_path();
        fs::current_path(makeTempDir("qmx_video_"));
        fs::create_directories("body");
        fillAll(*surface, kBackground);
    }
    void TearDown() override { fs::current_path(previous); }

    static void fillAll(Surface& s, uint16_t value) {
        for (uint16_t& p : s.pixels) p = value;
    }

    // Every pixel of `s` must be `expected(x, y)`; reports the first few
    // that differ.
    static void expectPixels(const Surface& s, const std::function<uint16_t(int, int)>& expected) {
        int wrong = 0;
        for (int y = 0; y < kSurfaceHeight; ++y)
            for (int x = 0; x < kSurfaceWidth; ++x)
                if (s.at(x, y) != expected(x, y) && ++wrong <= 5)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << s.at(x, y)
                                  << ", expected " << expected(x, y);
        EXPECT_EQ(wrong, 0) << "pixels differing";
    }

    fs::path previous;
    std::unique_ptr<Surface> surface = std::make_unique<Surface>();
};

// An image whose pixel colour tells its position (never black).
std::vector<uint32_t> gradient(int width, int height) {
    std::vector<uint32_t> rgb(std::size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) rgb[std::size_t(y) * width + x] = uint32_t((x % 32) * 8 + 7) << 16 |
                                                                          uint32_t((y % 64) * 4 + 3) << 8 | 0x80;
    return rgb;
}

uint16_t gradient565(int x, int y) { return rgb565((x % 32) * 8 + 7, (y % 64) * 4 + 3, 0x80); }

TEST_F(VideoTest, ImageAtItsOwnSizeChangesOnlyItsArea) {
    writeBmp24("body/g.bmp", 200, 150, gradient(200, 150));
    loadBitmap(*surface, "body\\g.bmp", 0, 0, 0, 0);
    expectPixels(*surface, [](int x, int y) { return x < 200 && y < 150 ? gradient565(x, y) : kBackground; });
}

TEST_F(VideoTest, ImageScaledToTheScreenFillsIt) {
    writeSolidBmp24("body/s.bmp", 200, 150, 0xFF8000);
    loadBitmap(*surface, "body\\s.bmp", 0, 0, 640, 480);
    expectPixels(*surface, [](int, int) { return rgb565(0xFF, 0x80, 0x00); });
}

TEST_F(VideoTest, ImagePlacedAtAnOffsetAndCutAtTheEdges) {
    writeBmp24("g.bmp", 40, 30, gradient(40, 30));
    struct Case {
        const char* name;
        int32_t x, y;
    } cases[] = {
        {"inside", 300, 100}, {"off the left", -10, 5}, {"off the bottom right", 620, 470},
        {"wholly off", 640, 0}, {"far off", INT32_MAX, INT32_MIN}, {"far off left", INT32_MIN, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fillAll(*surface, kBackground);
        loadBitmap(*surface, "g.bmp", c.x, c.y, 0, 0);
        expectPixels(*surface, [&](int x, int y) {
            const int64_t ix = int64_t(x) - c.x, iy = int64_t(y) - c.y;
            return ix >= 0 && ix < 40 && iy >= 0 && iy < 30 ? gradient565(int(ix), int(iy)) : kBackground;
        });
    }
}

TEST_F(VideoTest, ImageLargerThanTheScreenIsCut) {
    writeSolidBmp24("wide.bmp", 700, 500, 0x00FF00);
    loadBitmap(*surface, "wide.bmp", 0, 0, 0, 0);
    expectPixels(*surface, [](int, int) { return rgb565(0, 0xFF, 0); });
}

TEST_F(VideoTest, SpritesInARowLeaveTheirNeighboursIntact) {
    writeSolidBmp24("a.bmp", 50, 50, 0xFF0000);
    writeSolidBmp24("b.bmp", 50, 50, 0x0000FF);
    writeSolidBmp24("strip.bmp", 60, 10, 0x00FF00);
    loadBitmap(*surface, "a.bmp", 0, 200, 25, 25);
    loadBitmap(*surface, "b.bmp", 25, 200, 25, 25);
    loadBitmap(*surface, "strip.bmp", 0, 0, 600, 100);   // a later load above them
    expectPixels(*surface, [](int x, int y) {
        if (y < 100 && x < 600) return rgb565(0, 0xFF, 0);
        if (y >= 200 && y < 225 && x < 25) return rgb565(0xFF, 0, 0);
        if (y >= 200 && y < 225 && x >= 25 && x < 50) return rgb565(0, 0, 0xFF);
        return kBackground;
    });
}

TEST_F(VideoTest, ShrinkingAveragesTheCoveredPixels) {
    // A 4x4 black and white checker at half size: each output pixel covers
    // two black and two white pixels, so mid grey (nearest-neighbour
    // picking would give pure black or white).
    std::vector<uint32_t> checker(16);
    for (int i = 0; i < 16; ++i) checker[i] = ((i % 4) + (i / 4)) % 2 ? 0xFFFFFF : 0x000000;
    writeBmp24("checker.bmp", 4, 4, checker);
    loadBitmap(*surface, "checker.bmp", 10, 10, 2, 2);
    for (int y = 10; y < 12; ++y)
        for (int x = 10; x < 12; ++x) {
            SCOPED_TRACE(testing::Message() << "pixel " << x << ", " << y);
            const uint16_t p = surface->at(x, y);
            EXPECT_NEAR(red5(p), 16, 1);
            EXPECT_NEAR(green6(p), 32, 1);
            EXPECT_NEAR(blue5(p), 16, 1);
        }
    EXPECT_EQ(surface->at(12, 10), kBackground);
    EXPECT_EQ(surface->at(10, 12), kBackground);

    // Three columns into two: each output column covers one and a half.
    writeBmp24("thirds.bmp", 3, 1, {0xFF0000, 0x000000, 0x000000});
    loadBitmap(*surface, "thirds.bmp", 0, 0, 2, 1);
    EXPECT_NEAR(red5(surface->at(0, 0)), 170 >> 3, 1) << "255 * 1 / 1.5";
    EXPECT_EQ(red5(surface->at(1, 0)), 0);
}

TEST_F(VideoTest, EnlargingRepeatsPixels) {
    writeBmp24("two.bmp", 2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
    loadBitmap(*surface, "two.bmp", 0, 0, 4, 6);
    const uint16_t colours[4] = {rgb565(255, 0, 0), rgb565(0, 255, 0), rgb565(0, 0, 255), 0xFFFF};
    expectPixels(*surface, [&](int x, int y) {
        if (x >= 4 || y >= 6) return kBackground;
        return colours[(y / 3) * 2 + x / 2];
    });
}

TEST_F(VideoTest, ZeroInOneDimensionKeepsThatDimension) {
    writeSolidBmp24("bar.bmp", 8, 3, 0x123456);
    loadBitmap(*surface, "bar.bmp", 0, 0, 16, 0);
    expectPixels(*surface, [](int x, int y) { return x < 16 && y < 3 ? rgb565(0x12, 0x34, 0x56) : kBackground; });
}

using VideoDeathTest = VideoTest;

TEST_F(VideoDeathTest, BadImageEndsTheProgramWithItsMessage) {
    writeBytes("short.bmp", {'B', 'M', 0x36, 0x10});
    std::vector<unsigned char> truncated;
    {
        writeSolidBmp24("full.bmp", 40, 40, 0xFFFFFF);
        truncated = readBytes("full.bmp");
        truncated.resize(truncated.size() / 2);
        writeBytes("truncated.bmp", truncated);
    }
    writeBytes("text.bmp", std::vector<unsigned char>(200, 'x'));
    writeBytes("empty.bmp", {});
    fs::create_directories("folder.bmp");
    const char* names[] = {"missing.bmp", "short.bmp", "truncated.bmp", "text.bmp", "empty.bmp", "folder.bmp"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        EXPECT_EXIT(loadBitmap(*surface, name, 0, 0, 0, 0), ::testing::ExitedWithCode(1),
                    std::string("^") + name + " ファイルが見つかりません\n$");
    }
    // The name is shown as the program wrote it.
    EXPECT_EXIT(loadBitmap(*surface, "gnd\\none.bmp", 0, 0, 25, 25), ::testing::ExitedWithCode(1),
                "^gnd\\\\none\\.bmp ファイルが見つかりません\n$");
}

TEST_F(VideoTest, OutlineEdgesAreTruncatedEachOnItsOwn) {
    drawRectOutline(*surface, 10.7f, 20.2f, 30.5f, 40.9f, 0);
    // (10, 20, 30, 1), (10, 61, 30, 1), (10, 20, 1, 40), (41, 20, 1, 40).
    expectPixels(*surface, [](int x, int y) {
        const bool top = y == 20 && x >= 10 && x < 40;
        const bool bottom = y == 61 && x >= 10 && x < 40;
        const bool left = x == 10 && y >= 20 && y < 60;
        const bool right = x == 41 && y >= 20 && y < 60;
        return top || bottom || left || right ? uint16_t(0x00FF) : kBackground;
    });
    EXPECT_EQ(surface->at(41, 61), kBackground) << "the far corner stays undrawn";
}

TEST_F(VideoTest, OutlineColourIsColourTimes65280Plus255) {
    drawRectOutline(*surface, 0, 0, 5, 5, 1);
    EXPECT_EQ(surface->at(0, 0), 0xFFFF);
    drawRectOutline(*surface, 100, 100, 5, 5, 0);
    EXPECT_EQ(surface->at(100, 100), 0x00FF);
    drawRectOutline(*surface, 200, 200, 5, 5, 2);   // 2 * 65280 + 255 = 0x1FEFF
    EXPECT_EQ(surface->at(200, 200), 0xFEFF);
}

TEST_F(VideoTest, OutlineOfNegativeFractionsTruncatesTowardZero) {
    drawRectOutline(*surface, -0.7f, -0.5f, 3.9f, 2.9f, 0);
    // top (0, 0, 3, 1); bottom at y trunc(2.4) = 2; left (0, 0, 1, 2);
    // right at x trunc(3.2) = 3.
    expectPixels(*surface, [](int x, int y) {
        const bool on = (y == 0 && x < 3) || (y == 2 && x < 3) || (x == 0 && y < 2) || (x == 3 && y < 2);
        return on ? uint16_t(0x00FF) : kBackground;
    });
}

TEST_F(VideoTest, PartOutlineUsesTheResolvedPositionOnTheBackBuffer) {
    Body body{};
    body.parts[soul].x = 100;
    body.parts[soul].y = 50;
    body.parts[head].parent = linkTo(soul);
    body.parts[head].x = 10.5f;
    body.parts[head].y = 5;
    body.parts[head].width = 20;
    body.parts[head].height = 10;
    fillAll(backBuffer, kBackground);
    const BodyPart before = body.parts[head];
    drawPartOutline(body, body.parts[head], 1);
    EXPECT_EQ(std::memcmp(&before, &body.parts[head], sizeof before), 0);
    expectPixels(backBuffer, [](int x, int y) {
        const bool h = (y == 55 || y == 65) && x >= 110 && x < 130;
        const bool v = (x == 110 || x == 130) && y >= 55 && y < 65;
        return h || v ? uint16_t(0xFFFF) : kBackground;
    });
}

TEST_F(VideoTest, DrawPartCopiesTheTruncatedSheetRectangleWithTheKey) {
    auto sheet = std::make_unique<Surface>();
    for (int y = 0; y < kSurfaceHeight; ++y)
        for (int x = 0; x < kSurfaceWidth; ++x) sheet->at(x, y) = uint16_t(0x100 + x + y);
    sheet->at(51, 31) = 0;   // a transparent pixel of the part
    setColorKey(*sheet);
    BodyPart part{};
    part.x = 3.9f;
    part.y = -0.7f;
    part.srcX = 50.99f;
    part.srcY = 30.5f;
    part.width = 4.9f;
    part.height = 3.2f;
    drawPart(*surface, part, *sheet);
    // blit (3, 0, 4, 3) from (50, 30).
    expectPixels(*surface, [](int x, int y) {
        if (x < 3 || x >= 7 || y >= 3) return kBackground;
        const int sx = x - 3 + 50, sy = y + 30;
        return sx == 51 && sy == 31 ? kBackground : uint16_t(0x100 + sx + sy);
    });
}

TEST_F(VideoTest, InitClearsTheSurfacesAndFlipShowsTheBackBuffer) {
    fillAll(backgroundSurface, 0x1111);
    fillAll(effectsSurface, 0x2222);
    EXPECT_EQ(initVideo(), 1);
    expectPixels(backgroundSurface, [](int, int) { return uint16_t(0); });
    expectPixels(effectsSurface, [](int, int) { return uint16_t(0); });
    fillAll(backBuffer, 0x3333);
    backBuffer.at(639, 479) = 0x4444;
    flipFrame();
    expectPixels(primarySurface, [](int x, int y) { return x == 639 && y == 479 ? uint16_t(0x4444) : uint16_t(0x3333); });
    EXPECT_EQ(std::memcmp(platform::presentedFrame(), backBuffer.pixels, sizeof backBuffer.pixels), 0);
}

// Text: exact colour, transparent background, nothing for "".
class TextTest : public VideoTest {};

TEST_F(TextTest, EmptyTextDrawsNothing) {
    drawText(*surface, 10, 10, "", 255, 255, 255);
    expectPixels(*surface, [](int, int) { return kBackground; });
}

TEST_F(TextTest, TextIsDrawnInExactlyItsColourOnATransparentBackground) {
    struct Case {
        const char* text;
        int r, g, b;
        uint16_t expected;
    } cases[] = {
        {"SCORE 123", 255, 0, 0, rgb565(255, 0, 0)},
        {"\x93\xaa", 0, 255, 255, rgb565(0, 255, 255)},   // a kanji
        {"Ab", 0x1FF, 0x100, 0x280, rgb565(0xFF, 0x00, 0x80)},   // low bytes only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        fillAll(*surface, kBackground);
        drawText(*surface, 100, 200, c.text, c.r, c.g, c.b);
        int drawn = 0, minX = 640, maxX = -1, minY = 480, maxY = -1;
        for (int y = 0; y < kSurfaceHeight; ++y)
            for (int x = 0; x < kSurfaceWidth; ++x) {
                const uint16_t p = surface->at(x, y);
                if (p == kBackground) continue;
                ASSERT_EQ(p, c.expected) << "at " << x << ", " << y;
                ++drawn;
                minX = std::min(minX, x), maxX = std::max(maxX, x);
                minY = std::min(minY, y), maxY = std::max(maxY, y);
            }
        if (drawn == 0) GTEST_SKIP() << "no Japanese-capable font installed";
        EXPECT_LT(drawn, 16 * 16 * int(std::strlen(c.text))) << "a background was filled";
        EXPECT_GE(minX, 100);
        EXPECT_GE(minY, 200);
        EXPECT_LT(maxY, 200 + 20) << "one line of a 16-pixel font";
        EXPECT_LT(maxX, 100 + 16 * int(std::strlen(c.text)));
    }
}

TEST_F(TextTest, TextAtTheEdgesIsCut) {
    const int32_t positions[][2] = {{630, 470}, {-5, -5}, {INT32_MIN, INT32_MIN}, {INT32_MAX, 100}, {100, INT32_MAX}};
    for (const auto& at : positions) drawText(*surface, at[0], at[1], "WWWW", 255, 255, 255);
    for (int y = 16; y < 460; ++y)
        for (int x = 16; x < 620; ++x) ASSERT_EQ(surface->at(x, y), kBackground) << x << ", " << y;
}

}  // namespace
