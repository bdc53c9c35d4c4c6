// Decoding .bmp files, and refusing damaged ones without crashing.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace {
using namespace platform;

using Bytes = std::vector<uint8_t>;

void put16(Bytes& b, std::size_t at, uint16_t v) {
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}

void put32(Bytes& b, std::size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

// An uncompressed BMP with a 40-byte info header; `rows` are top to bottom,
// 0x00RRGGBB. A negative height stores the rows top-down.
Bytes makeBmp(int width, const std::vector<std::vector<uint32_t>>& rows, int bits, bool topDown) {
    const int height = int(rows.size());
    const std::size_t stride = (std::size_t(width) * bits / 8 + 3) & ~std::size_t(3);
    Bytes b(54 + stride * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, uint32_t(b.size()));
    put32(b, 10, 54);
    put32(b, 14, 40);
    put32(b, 18, uint32_t(width));
    put32(b, 22, uint32_t(topDown ? -height : height));
    put16(b, 26, 1);
    put16(b, 28, uint16_t(bits));
    put32(b, 34, uint32_t(stride * height));
    for (int y = 0; y < height; ++y) {
        const std::size_t row = 54 + stride * (topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const uint32_t c = rows[y][x];
            uint8_t* p = &b[row + std::size_t(x) * bits / 8];
            p[0] = uint8_t(c);
            p[1] = uint8_t(c >> 8);
            p[2] = uint8_t(c >> 16);
        }
    }
    return b;
}

class PlatformBmp : public ::testing::Test {
protected:
    std::string path_ = ::testing::TempDir() + "platform_bmp_test.bmp";
    void write(const Bytes& bytes) {
        FILE* f = std::fopen(path_.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    void TearDown() override { std::remove(path_.c_str()); }
};

const std::vector<std::vector<uint32_t>> kPicture = {
    {0xFF0000, 0x00FF00, 0x0000FF},
    {0x123456, 0xFFFFFF, 0x000000},
};

TEST_F(PlatformBmp, DecodesRowsTopToBottomAsRgb) {
    struct Case {
        const char* name;
        int bits;
        bool topDown;
    } cases[] = {{"24-bit bottom-up, padded rows", 24, false},
                 {"24-bit top-down", 24, true},
                 {"32-bit bottom-up", 32, false}};
    for (const Case& c : cases) {
        write(makeBmp(3, kPicture, c.bits, c.topDown));
        Image image;
        ASSERT_TRUE(loadBmp(path_.c_str(), image)) << c.name;
        EXPECT_EQ(image.width, 3) << c.name;
        EXPECT_EQ(image.height, 2) << c.name;
        EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x000000}))
            << c.name;
    }
}

TEST_F(PlatformBmp, RefusesMissingDamagedAndAbsurdFiles) {
    const Bytes good = makeBmp(3, kPicture, 24, false);
    auto truncated = [&](std::size_t n) { return Bytes(good.begin(), good.begin() + n); };
    auto withSize = [&](uint32_t width, uint32_t height) {
        Bytes b = good;
        put32(b, 18, width);
        put32(b, 22, height);
        return b;
    };
    Bytes notBmp = good;
    notBmp[0] = 'P';
    Bytes garbage(4096);
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = uint8_t(i * 131 + 7);
    Bytes garbageAfterMagic = garbage;
    garbageAfterMagic[0] = 'B';
    garbageAfterMagic[1] = 'M';
    Bytes badBits = good;
    put16(badBits, 28, 13);

    struct Case {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"magic only", truncated(2)},
        {"file header only", truncated(14)},
        {"half an info header", truncated(34)},
        {"headers without pixels", truncated(54)},
        {"last row cut short", truncated(good.size() - 5)},
        {"not a BMP", notBmp},
        {"garbage", garbage},
        {"garbage after the magic", garbageAfterMagic},
        {"13 bits per pixel", badBits},
        {"wider than 8192", withSize(8193, 2)},
        {"taller than 8192", withSize(3, 8193)},
        {"taller than 8192 top-down", withSize(3, uint32_t(-8193))},
        {"huge both ways", withSize(0x7FFFFFFF, 0x7FFFFFFF)},
        {"zero width", withSize(0, 2)},
        {"negative width", withSize(uint32_t(-3), 2)},
        {"zero height", withSize(3, 0)},
        {"large but pixels missing", withSize(8192, 8192)},
    };
    for (const Case& c : cases) {
        write(c.bytes);
        Image image;
        EXPECT_FALSE(loadBmp(path_.c_str(), image)) << c.name;
    }
    Image image;
    EXPECT_FALSE(loadBmp((path_ + ".missing").c_str(), image));
    EXPECT_FALSE(loadBmp(::testing::TempDir().c_str(), image)) << "a folder";
}

} // namespace
