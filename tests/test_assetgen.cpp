// Tests of the data set generator: runs assetgen into temporary folders and
// checks the files the programs will load (names, formats, sizes), the
// enemy sheets against their enemy files, determinism, and that an
// author's enemy file or a player's high score is never overwritten.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "body.h"
#include "enemy_file.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

uint32_t u16(const Bytes& b, size_t at) { return b[at] | (b[at + 1] << 8); }
uint32_t u32(const Bytes& b, size_t at) { return u16(b, at) | (u16(b, at + 2) << 16); }

fs::path freshFolder(const std::string& tag) {
    const fs::path dir = fs::temp_directory_path() / ("assetgen_" + tag + "_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

int runAssetgen(const fs::path& dir) {
    const std::string command = std::string("\"") + ASSETGEN_BINARY + "\" \"" + dir.string() + "\"";
    return std::system(command.c_str());
}

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;  // top row first
    const uint8_t* at(int x, int y) const { return &rgb[(size_t(y) * width + x) * 3]; }
    bool drawn(int x, int y) const {
        const uint8_t* p = at(x, y);
        return p[0] || p[1] || p[2];
    }
    // The 16-bit value the programs turn the pixel into; 0 is transparent.
    uint16_t rgb565(int x, int y) const {
        const uint8_t* p = at(x, y);
        return uint16_t(((p[0] >> 3) << 11) | ((p[1] >> 2) << 5) | (p[2] >> 3));
    }
};

// Reads an uncompressed 24-bit BMP, failing the test on any other form.
Picture readBmp(const fs::path& path) {
    const Bytes b = readBytes(path);
    Picture pic;
    EXPECT_GE(b.size(), 54u) << path;
    if (b.size() < 54) return pic;
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(u32(b, 2), b.size()) << "file size field";
    EXPECT_EQ(u32(b, 14), 40u) << "BITMAPINFOHEADER";
    EXPECT_EQ(u16(b, 26), 1u) << "planes";
    EXPECT_EQ(u16(b, 28), 24u) << "bits per pixel";
    EXPECT_EQ(u32(b, 30), 0u) << "no compression";
    const int32_t w = int32_t(u32(b, 18)), h = int32_t(u32(b, 22));
    EXPECT_GT(w, 0);
    EXPECT_GT(h, 0) << "bottom-up rows";
    const uint32_t offset = u32(b, 10);
    const size_t row = (size_t(w) * 3 + 3) & ~size_t(3);
    EXPECT_EQ(b.size(), offset + row * h) << path;
    if (w <= 0 || h <= 0 || b.size() < offset + row * h) return pic;
    pic.width = w, pic.height = h;
    pic.rgb.resize(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* src = &b[offset + row * (h - 1 - y) + x * 3];
            uint8_t* dst = &pic.rgb[(size_t(y) * w + x) * 3];
            dst[0] = src[2], dst[1] = src[1], dst[2] = src[0];
        }
    return pic;
}

struct Sound {
    uint32_t rate = 0;
    std::vector<int16_t> samples;
};

// Reads a RIFF/WAVE file, checking for a 16-byte PCM "fmt " chunk, 16-bit mono.
Sound readWav(const fs::path& path) {
    const Bytes b = readBytes(path);
    Sound s;
    EXPECT_GE(b.size(), 44u) << path;
    if (b.size() < 44) return s;
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(u32(b, 4), b.size() - 8);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 12), "WAVE");
    bool sawFormat = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const std::string id(b.begin() + at, b.begin() + at + 4);
        const uint32_t len = u32(b, at + 4);
        if (id == "fmt ") {
            sawFormat = true;
            EXPECT_EQ(len, 16u) << "plain PCM format chunk";
            EXPECT_EQ(u16(b, at + 8), 1u) << "PCM";
            EXPECT_EQ(u16(b, at + 10), 1u) << "mono";
            s.rate = u32(b, at + 12);
            EXPECT_EQ(u32(b, at + 16), s.rate * 2) << "bytes per second";
            EXPECT_EQ(u16(b, at + 20), 2u) << "block alignment";
            EXPECT_EQ(u16(b, at + 22), 16u) << "bits per sample";
        } else if (id == "data") {
            EXPECT_TRUE(sawFormat) << "format before data";
            EXPECT_LE(at + 8 + len, b.size());
            for (size_t i = 0; i + 1 < len && at + 9 + i < b.size(); i += 2)
                s.samples.push_back(int16_t(u16(b, at + 8 + i)));
        }
        at += 8 + len + (len & 1);
    }
    return s;
}

struct Rect {
    int x, y, w, h;
    int right() const { return x + w; }
    int bottom() const { return y + h; }
    bool contains(int px, int py) const { return px >= x && px < right() && py >= y && py < bottom(); }
};

Rect rectOf(const BodyPart& p) { return Rect{int(p.srcX), int(p.srcY), int(p.width), int(p.height)}; }

// Black pixels inside the rectangle that cannot reach its border through
// other black pixels: holes through which the ground would show.
int transparentHoles(const Picture& sheet, const Rect& r) {
    std::vector<char> seen(size_t(r.w) * r.h, 0);
    std::vector<std::pair<int, int>> todo;
    auto visit = [&](int x, int y) {
        if (!r.contains(x, y) || sheet.drawn(x, y)) return;
        char& s = seen[size_t(y - r.y) * r.w + (x - r.x)];
        if (!s) s = 1, todo.push_back({x, y});
    };
    for (int x = r.x; x < r.right(); ++x) visit(x, r.y), visit(x, r.bottom() - 1);
    for (int y = r.y; y < r.bottom(); ++y) visit(r.x, y), visit(r.right() - 1, y);
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        visit(x + 1, y), visit(x - 1, y), visit(x, y + 1), visit(x, y - 1);
    }
    int holes = 0;
    for (int y = r.y; y < r.bottom(); ++y)
        for (int x = r.x; x < r.right(); ++x)
            if (!sheet.drawn(x, y) && !seen[size_t(y - r.y) * r.w + (x - r.x)]) ++holes;
    return holes;
}

// Drawn pixels that the programs would still turn into transparent black.
int vanishingPixels(const Picture& pic) {
    int count = 0;
    for (int y = 0; y < pic.height; ++y)
        for (int x = 0; x < pic.width; ++x)
            if (pic.drawn(x, y) && pic.rgb565(x, y) == 0) ++count;
    return count;
}

std::string datName(int n) {
    std::string name = enemyFileName(n);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

class AssetgenOutput : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = freshFolder("out");
        ASSERT_EQ(runAssetgen(dir_), 0);
    }
    static void TearDownTestSuite() { fs::remove_all(dir_); }
    static fs::path dir_;
};
fs::path AssetgenOutput::dir_;

TEST_F(AssetgenOutput, PicturesHaveTheirNamesAndSizes) {
    struct Case {
        std::string name;
        int width, height;
    };
    std::vector<Case> cases = {{"gnd/biru.bmp", 640, 480},   {"gnd/n_nest.bmp", 640, 480},
                               {"gnd/sakamiti.bmp", 640, 480}, {"lion.bmp", 100, 100},
                               {"lion_h.bmp", 100, 100},     {"lion_h-.bmp", 100, 100},
                               {"bloods2.bmp", 600, 100}};
    for (int n = 0; n < 8; ++n) cases.push_back({"body/ene" + std::to_string(n) + ".bmp", 640, 480});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Picture pic = readBmp(dir_ / c.name);
        EXPECT_EQ(pic.width, c.width);
        EXPECT_EQ(pic.height, c.height);
    }
}

TEST_F(AssetgenOutput, KeyedSpritesUseNoColourThatTurnsTransparent) {
    for (const char* name : {"lion.bmp", "lion_h.bmp", "lion_h-.bmp", "bloods2.bmp"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(vanishingPixels(readBmp(dir_ / name)), 0);
    }
}

TEST_F(AssetgenOutput, HandSpritesReachTheirTopLeftCornerWhichIsThePointer) {
    for (const char* name : {"lion.bmp", "lion_h.bmp", "lion_h-.bmp"}) {
        SCOPED_TRACE(name);
        const Picture pic = readBmp(dir_ / name);
        int nearCorner = 0, total = 0;
        for (int y = 0; y < pic.height; ++y)
            for (int x = 0; x < pic.width; ++x)
                if (pic.drawn(x, y)) ++total, nearCorner += (x < 25 && y < 25);
        EXPECT_GT(nearCorner, 20) << "something to point with in the top-left quarter of the 25x25 sprite";
        EXPECT_GT(total, 300);
    }
}

TEST_F(AssetgenOutput, BloodCellsAreAllDrawnAndTheStainLiesOnTheFloor) {
    const Picture strip = readBmp(dir_ / "bloods2.bmp");
    ASSERT_EQ(strip.width, 600);
    for (int cell = 0; cell < 6; ++cell) {
        SCOPED_TRACE(cell + 1);
        int drawn = 0, reddish = 0, lowest = -1;
        for (int y = 0; y < 100; ++y)
            for (int x = cell * 100; x < cell * 100 + 100; ++x)
                if (strip.drawn(x, y)) {
                    const uint8_t* p = strip.at(x, y);
                    ++drawn, lowest = y;
                    reddish += p[0] > 2 * p[1] && p[0] > 2 * p[2];
                }
        EXPECT_GT(drawn, 150);
        EXPECT_EQ(reddish, drawn) << "blood is red";
        if (cell == 5) {
            EXPECT_EQ(lowest, 99) << "the landed stain touches the cell's bottom row";
        }
    }
}

TEST_F(AssetgenOutput, SoundsArePcmMonoOfTheRightLengthWithoutClicks) {
    struct Case {
        std::string name;
        double minSeconds, maxSeconds;
    };
    std::vector<Case> cases = {{"wave2/Kill.wav", 0.05, 0.4}};
    for (int n = 1; n <= 8; ++n) cases.push_back({"wave2/himei" + std::to_string(n) + ".wav", 0.5, 1.5});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Sound s = readWav(dir_ / c.name);
        ASSERT_GT(s.rate, 0u);
        ASSERT_FALSE(s.samples.empty());
        const double seconds = double(s.samples.size()) / s.rate;
        EXPECT_GE(seconds, c.minSeconds);
        EXPECT_LT(seconds, c.maxSeconds);
        int peak = 0;
        for (int16_t v : s.samples) peak = std::max(peak, std::abs(int(v)));
        EXPECT_LT(peak, 32767) << "below full scale";
        EXPECT_GT(peak, 16384) << "normalised, not faint";
        // The first and last millisecond start and end at silence.
        const size_t ms = s.rate / 1000;
        for (size_t i = 0; i < ms; ++i) {
            EXPECT_LT(std::abs(int(s.samples[i])), 2000) << "sample " << i;
            EXPECT_LT(std::abs(int(s.samples[s.samples.size() - 1 - i])), 2000) << "sample from end " << i;
        }
        EXPECT_LT(std::abs(int(s.samples.front())), 64);
        EXPECT_LT(std::abs(int(s.samples.back())), 64);
    }
}

TEST_F(AssetgenOutput, TheEightScreamsAreDifferent) {
    std::map<std::vector<int16_t>, int> seen;
    for (int n = 1; n <= 8; ++n) {
        const Sound s = readWav(dir_ / ("wave2/himei" + std::to_string(n) + ".wav"));
        EXPECT_TRUE(seen.emplace(s.samples, n).second) << "himei" << n << " repeats himei" << seen[s.samples];
    }
}

TEST_F(AssetgenOutput, TheEightSheetsShowDifferentFigures) {
    std::map<Bytes, int> seen;
    for (int n = 0; n < 8; ++n) {
        const Bytes b = readBytes(dir_ / ("body/ene" + std::to_string(n) + ".bmp"));
        EXPECT_TRUE(seen.emplace(b, n).second) << "ene" << n << " repeats ene" << seen[b];
    }
}

class EnemySheet : public AssetgenOutput, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        const int n = GetParam();
        sheet_ = readBmp(dir_ / ("body/ene" + std::to_string(n) + ".bmp"));
        file_ = readBytes(dir_ / datName(n));
        ASSERT_EQ(file_.size(), size_t(kEnemyFileSize));
        decodeBody(body_, file_.data(), file_.size());
        for (int i = 1; i < kPartCount; ++i) rects_[i] = rectOf(body_.parts[i]);
    }
    Picture sheet_;
    Bytes file_;
    Body body_{};
    Rect rects_[kPartCount]{};
};

TEST_P(EnemySheet, FileHoldsFreshLifeAndTheSoulMark) {
    EXPECT_EQ(body_.parts[soul].hold, kSoulHold);
    for (int i = 1; i < kPartCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(body_.parts[i].life, 4.0f);
        EXPECT_EQ(body_.parts[i].hold, 0);
        EXPECT_EQ(body_.parts[i].vx, 0.0f);
        EXPECT_EQ(body_.parts[i].vy, 0.0f);
        EXPECT_NE(u32(file_, 44 * i + 20), 0u) << "a linked part";
    }
    EXPECT_EQ(u32(file_, 20), 0u) << "the soul has no parent";
}

TEST_P(EnemySheet, RectanglesLieOnTheSheetWithoutOverlapping) {
    for (int i = 1; i < kPartCount; ++i) {
        SCOPED_TRACE(i);
        const Rect& r = rects_[i];
        EXPECT_GT(r.w, 0);
        EXPECT_GT(r.h, 0);
        EXPECT_GE(r.x, 0);
        EXPECT_GE(r.y, 0);
        EXPECT_LE(r.right(), sheet_.width);
        EXPECT_LE(r.bottom(), sheet_.height);
        EXPECT_LE(r.right(), 480) << "the editor's menu is written from x = 480 on";
        for (int j = i + 1; j < kPartCount; ++j) {
            const Rect& o = rects_[j];
            EXPECT_FALSE(r.x < o.right() && o.x < r.right() && r.y < o.bottom() && o.y < r.bottom())
                << "parts " << i << " and " << j << " overlap";
        }
    }
}

TEST_P(EnemySheet, EachRectangleIsTightAroundASolidPart) {
    for (int i = 1; i < kPartCount; ++i) {
        SCOPED_TRACE(i);
        const Rect& r = rects_[i];
        bool top = false, bottom = false, left = false, right = false;
        for (int x = r.x; x < r.right(); ++x) top |= sheet_.drawn(x, r.y), bottom |= sheet_.drawn(x, r.bottom() - 1);
        for (int y = r.y; y < r.bottom(); ++y) left |= sheet_.drawn(r.x, y), right |= sheet_.drawn(r.right() - 1, y);
        EXPECT_TRUE(top && bottom && left && right) << "every edge of the rectangle touches the part";
        EXPECT_EQ(transparentHoles(sheet_, r), 0);
    }
    EXPECT_EQ(vanishingPixels(sheet_), 0);
}

TEST_P(EnemySheet, RectanglesCoverEveryDrawnPixel) {
    int uncovered = 0;
    for (int y = 0; y < sheet_.height; ++y)
        for (int x = 0; x < sheet_.width; ++x) {
            if (!sheet_.drawn(x, y)) continue;
            bool covered = false;
            for (int i = 1; i < kPartCount && !covered; ++i) covered = rects_[i].contains(x, y);
            uncovered += !covered;
        }
    EXPECT_EQ(uncovered, 0);
}

TEST_P(EnemySheet, LinkedFigureStandsOnTheScreenBottom) {
    linkBody(body_);
    int lowest = 0, top = 480, left = 640, right = 0;
    for (int i = 1; i < kPartCount; ++i) {
        SCOPED_TRACE(i);
        const BodyPart p = resolvePart(body_, body_.parts[i]);
        EXPECT_EQ(p.x, body_.parts[soul].x + body_.parts[i].srcX);
        EXPECT_EQ(p.y, body_.parts[soul].y + body_.parts[i].srcY);
        lowest = std::max(lowest, int(p.y + p.height));
        top = std::min(top, int(p.y));
        left = std::min(left, int(p.x));
        right = std::max(right, int(p.x + p.width));
    }
    const BodyPart foot = resolvePart(body_, body_.parts[rightFoot]);
    EXPECT_EQ(foot.y + foot.height, 480.0f) << "the right foot rests on the bottom line";
    EXPECT_EQ(lowest, 480) << "nothing reaches below the right foot";
    EXPECT_GE(top, 0);
    EXPECT_GE(left, 0);
    EXPECT_LE(right, 640);
    EXPECT_GE(lowest - top, 250) << "a figure big enough to fight";
}

INSTANTIATE_TEST_SUITE_P(AllEnemies, EnemySheet, ::testing::Range(0, 8));

std::map<std::string, Bytes> folderContents(const fs::path& dir) {
    std::map<std::string, Bytes> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), dir).string()] = readBytes(entry.path());
    return files;
}

TEST(Assetgen, TwoRunsWriteTheSameBytes) {
    const fs::path a = freshFolder("run_a"), b = freshFolder("run_b");
    ASSERT_EQ(runAssetgen(a), 0);
    ASSERT_EQ(runAssetgen(b), 0);
    const auto first = folderContents(a), second = folderContents(b);
    EXPECT_EQ(first.size(), 8u + 8u + 3u + 4u + 9u);
    for (const auto& [name, bytes] : first) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(second.count(name));
        EXPECT_TRUE(second.at(name) == bytes);
    }
    fs::remove_all(a);
    fs::remove_all(b);
}

TEST(Assetgen, KeepsTheAuthorsEnemyFileAndThePlayersHighScore) {
    const fs::path dir = freshFolder("keep");
    fs::create_directories(dir / "body");
    const Bytes enemy(kEnemyFileSize, 0x5A), score(44, 0x11);
    std::ofstream(dir / datName(3), std::ios::binary).write(reinterpret_cast<const char*>(enemy.data()), enemy.size());
    std::ofstream(dir / "QMX_j.dat", std::ios::binary).write(reinterpret_cast<const char*>(score.data()), score.size());
    ASSERT_EQ(runAssetgen(dir), 0);
    ASSERT_EQ(runAssetgen(dir), 0) << "a second run over its own output also succeeds";
    EXPECT_TRUE(readBytes(dir / datName(3)) == enemy);
    EXPECT_TRUE(readBytes(dir / "QMX_j.dat") == score);
    EXPECT_EQ(readBytes(dir / datName(2)).size(), size_t(kEnemyFileSize)) << "missing enemy files are written";
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        EXPECT_NE(entry.path().extension(), ".part") << "no temporary file is left behind";
    fs::remove_all(dir);
}

TEST(Assetgen, WithoutAFolderItExplainsItsUse) {
    const std::string command = std::string("\"") + ASSETGEN_BINARY + "\" 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}

}  // namespace
