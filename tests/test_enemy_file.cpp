// The enemy file: its name, its 528-byte layout, loading over a Body (links
// kept, short and long files, missing files), saving (replacing the old file
// only once the new one is complete), and damaged values that must still
// draw and hit-test safely.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "body.h"
#include "data_fixture.h"
#include "enemy_file.h"
#include "surface.h"
#include "video.h"

namespace fs = std::filesystem;

namespace {

uint32_t le32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

float leFloat(const std::vector<unsigned char>& b, std::size_t at) {
    const uint32_t word = le32(b, at);
    float f;
    std::memcpy(&f, &word, 4);
    return f;
}

void putLe32(std::vector<unsigned char>& b, std::size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

void putLeFloat(std::vector<unsigned char>& b, std::size_t at, float f) {
    uint32_t word;
    std::memcpy(&word, &f, 4);
    putLe32(b, at, word);
}

uint32_t bitsOf(float f) {
    uint32_t word;
    std::memcpy(&word, &f, 4);
    return word;
}

// Every field of every part a different value.
Body distinctBody() {
    Body body{};
    for (int k = 0; k < kPartCount; ++k) {
        BodyPart& p = body.parts[k];
        p.life = 4.0f + k;
        p.x = 10.5f * k;
        p.y = -3.25f * k;
        p.vx = 0.125f + k;
        p.vy = -0.0625f - k;
        p.srcX = 100.0f + k;
        p.srcY = 200.0f + k;
        p.width = 10.0f + k;
        p.height = 20.0f + k;
        p.hold = k == 0 ? kSoulHold : k;
    }
    return body;
}

// Runs each test in a fresh temporary working folder with a body/ folder.
class EnemyFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = fs::current_path();
        dir = makeTempDir("qmx_enemy_file_");
        fs::current_path(dir);
        fs::create_directory("body");
    }
    void TearDown() override { fs::current_path(previous); }

    static std::string path(int n) { return "body/QMXD_ene " + std::to_string(n) + ".dat"; }

    fs::path previous;
    std::string dir;
};

TEST(EnemyFileName, NumberRightAlignedInTwoColumns) {
    EXPECT_EQ(enemyFileName(0), "body\\QMXD_ene 0.dat");
    EXPECT_EQ(enemyFileName(3), "body\\QMXD_ene 3.dat");
    EXPECT_EQ(enemyFileName(7), "body\\QMXD_ene 7.dat");
    EXPECT_EQ(enemyFileName(12), "body\\QMXD_ene12.dat");
}

TEST_F(EnemyFileTest, SaveWritesTheRecordsByteByByte) {
    Body body = distinctBody();
    linkBody(body);
    body.parts[leftArm].parent = kNoParent;   // came off
    body.parts[leftArm].x = 321.5f;
    ASSERT_TRUE(saveBody(body, 3));

    const std::vector<unsigned char> b = readBytes(path(3));
    ASSERT_EQ(b.size(), 528u);
    for (int k = 0; k < kPartCount; ++k) {
        SCOPED_TRACE(testing::Message() << "record " << k);
        const BodyPart& p = body.parts[k];
        const std::size_t at = 44 * k;
        EXPECT_EQ(le32(b, at + 0), bitsOf(p.life));
        EXPECT_EQ(le32(b, at + 4), bitsOf(p.x));
        EXPECT_EQ(le32(b, at + 8), bitsOf(p.y));
        EXPECT_EQ(le32(b, at + 12), bitsOf(p.vx));
        EXPECT_EQ(le32(b, at + 16), bitsOf(p.vy));
        if (k == soul || k == leftArm)
            EXPECT_EQ(le32(b, at + 20), 0u) << "no link";
        else
            EXPECT_NE(le32(b, at + 20), 0u) << "linked";
        EXPECT_EQ(le32(b, at + 24), bitsOf(p.srcX));
        EXPECT_EQ(le32(b, at + 28), bitsOf(p.srcY));
        EXPECT_EQ(le32(b, at + 32), bitsOf(p.width));
        EXPECT_EQ(le32(b, at + 36), bitsOf(p.height));
        EXPECT_EQ(le32(b, at + 40), uint32_t(p.hold));
    }
    // Spot checks against literal bytes, independent of the struct.
    EXPECT_EQ(leFloat(b, 44 * 6 + 4), 321.5f);
    EXPECT_EQ(le32(b, 40), 1000u);
    EXPECT_EQ(b[40], 0xE8);
    EXPECT_EQ(b[41], 0x03);
    EXPECT_EQ(b[44 + 0], 0x00);   // 5.0f = 0x40A00000, little-endian
    EXPECT_EQ(b[44 + 2], 0xA0);
    EXPECT_EQ(b[44 + 3], 0x40);
}

TEST_F(EnemyFileTest, LoadTakesEveryFieldButKeepsTheLinks) {
    std::vector<unsigned char> b(528);
    const uint32_t storedParents[] = {7, 0xFFFFFFFFu, 0, 1, 13, 0x80000000u, 2, 0, 3, 4, 5, 12};
    for (int k = 0; k < kPartCount; ++k) {
        const std::size_t at = 44 * k;
        putLeFloat(b, at + 0, 1.5f * k);
        putLeFloat(b, at + 4, 2.5f * k);
        putLeFloat(b, at + 8, 3.5f * k);
        putLeFloat(b, at + 12, 4.5f * k);
        putLeFloat(b, at + 16, 5.5f * k);
        putLe32(b, at + 20, storedParents[k]);
        putLeFloat(b, at + 24, 6.5f * k);
        putLeFloat(b, at + 28, 7.5f * k);
        putLeFloat(b, at + 32, 8.5f * k);
        putLeFloat(b, at + 36, 9.5f * k);
        putLe32(b, at + 40, uint32_t(-3 * k));
    }
    writeBytes(path(5), b);

    Body body = distinctBody();
    linkBody(body);
    body.parts[rightFoot].parent = kNoParent;
    const Body before = body;
    loadBody(body, 5);
    for (int k = 0; k < kPartCount; ++k) {
        SCOPED_TRACE(testing::Message() << "part " << k);
        const BodyPart& p = body.parts[k];
        EXPECT_EQ(p.life, 1.5f * k);
        EXPECT_EQ(p.x, 2.5f * k);
        EXPECT_EQ(p.y, 3.5f * k);
        EXPECT_EQ(p.vx, 4.5f * k);
        EXPECT_EQ(p.vy, 5.5f * k);
        EXPECT_EQ(p.parent, before.parts[k].parent);
        EXPECT_EQ(p.srcX, 6.5f * k);
        EXPECT_EQ(p.srcY, 7.5f * k);
        EXPECT_EQ(p.width, 8.5f * k);
        EXPECT_EQ(p.height, 9.5f * k);
        EXPECT_EQ(p.hold, -3 * k);
    }
}

TEST_F(EnemyFileTest, SaveThenLoadGivesTheSameBody) {
    Body saved = distinctBody();
    linkBodyForEdit(saved);
    ASSERT_TRUE(saveBody(saved, 0));
    Body loaded = distinctBody();
    linkBody(loaded);
    for (BodyPart& p : loaded.parts) p.width = -1;
    loadBody(loaded, 0);
    EXPECT_EQ(std::memcmp(&loaded, &saved, sizeof saved), 0);
}

TEST_F(EnemyFileTest, ShortFileReplacesOnlyTheBytesRead) {
    // Bytes of a complete file, different from the Body in every field.
    Body fileBody = distinctBody();
    for (BodyPart& p : fileBody.parts) {
        p.life += 1000;
        p.srcX += 1000;
        p.hold += 1000;
    }
    unsigned char full[kEnemyFileSize];
    encodeBody(fileBody, full);
    for (std::size_t length : {std::size_t(1), std::size_t(2), std::size_t(43), std::size_t(44),
                               std::size_t(46), std::size_t(66), std::size_t(300), std::size_t(527)}) {
        SCOPED_TRACE(testing::Message() << length << " bytes");
        writeBytes(path(2), std::vector<unsigned char>(full, full + length));
        Body body = distinctBody();
        linkBody(body);
        // What the memory holds after reading `length` bytes over it, with
        // each link put back.
        Body expected = body;
        std::memcpy(&expected, full, length);
        for (int k = 0; k < kPartCount; ++k) expected.parts[k].parent = body.parts[k].parent;
        loadBody(body, 2);
        EXPECT_EQ(std::memcmp(&body, &expected, sizeof body), 0);
    }
}

TEST_F(EnemyFileTest, LongFileIsReadOnlyUpTo528Bytes) {
    Body fileBody = distinctBody();
    std::vector<unsigned char> b(528);
    encodeBody(fileBody, b.data());
    std::vector<unsigned char> longer = b;
    longer.resize(1000, 0x7F);   // would be absurd values if read on
    writeBytes(path(4), longer);
    Body body{};
    loadBody(body, 4);   // a read past 528 bytes would also show under ASan
    for (int k = 0; k < kPartCount; ++k) body.parts[k].parent = fileBody.parts[k].parent;
    EXPECT_EQ(std::memcmp(&body, &fileBody, sizeof body), 0);
}

TEST_F(EnemyFileTest, MissingOrEmptyFileChangesNothing) {
    Body body = distinctBody();
    linkBody(body);
    const Body before = body;
    loadBody(body, 6);   // no such file
    EXPECT_EQ(std::memcmp(&body, &before, sizeof body), 0);
    writeBytes(path(6), {});
    loadBody(body, 6);
    EXPECT_EQ(std::memcmp(&body, &before, sizeof body), 0);
    fs::remove_all("body");   // not even the folder
    loadBody(body, 6);
    EXPECT_EQ(std::memcmp(&body, &before, sizeof body), 0);
}

TEST_F(EnemyFileTest, MissingFileThenLinkKeepsThePreviousFigure) {
    Body body = distinctBody();
    linkBody(body);
    body.parts[soul].x = 500;   // the old figure has run off
    body.parts[head].parent = kNoParent;
    loadBody(body, 1);
    linkBody(body);
    EXPECT_EQ(body.parts[head].srcX, 101.0f);
    EXPECT_EQ(body.parts[soul].x, distinctBody().parts[leftArm].width) << "a new soul position";
    EXPECT_EQ(parentIndex(body.parts[head]), soul);
}

TEST_F(EnemyFileTest, SaveReplacesAnOldFileWholly) {
    writeBytes(path(1), std::vector<unsigned char>(2000, 0x55));
    Body body = distinctBody();
    ASSERT_TRUE(saveBody(body, 1));
    const std::vector<unsigned char> b = readBytes(path(1));
    ASSERT_EQ(b.size(), 528u);
    EXPECT_EQ(leFloat(b, 44 * 11 + 24), 111.0f);
    EXPECT_FALSE(fs::exists(path(1) + ".tmp")) << "no temporary file left behind";
}

TEST_F(EnemyFileTest, FailedSaveReportsFalseAndKeepsTheOldFile) {
    const Body body = distinctBody();
    const std::vector<unsigned char> old(528, 0x11);

    // The folder does not exist.
    fs::remove_all("body");
    EXPECT_FALSE(saveBody(body, 3));
    EXPECT_FALSE(fs::exists("body"));

    // The new file cannot be created beside the old one (its temporary name
    // is taken by a folder).
    fs::create_directory("body");
    writeBytes(path(3), old);
    fs::create_directory(path(3) + ".tmp");
    EXPECT_FALSE(saveBody(body, 3));
    EXPECT_EQ(readBytes(path(3)), old);
    fs::remove_all(path(3) + ".tmp");

    // The old file's name is a folder: nothing can replace it.
    fs::create_directory(path(4));
    EXPECT_FALSE(saveBody(body, 4));
    EXPECT_TRUE(fs::is_directory(path(4)));
}

TEST_F(EnemyFileTest, SaveIntoReadOnlyFolderFails) {
    const std::vector<unsigned char> old(528, 0x22);
    writeBytes(path(2), old);
    ASSERT_EQ(chmod("body", 0555), 0);
    if (access("body", W_OK) == 0) {
        chmod("body", 0755);
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    }
    EXPECT_FALSE(saveBody(distinctBody(), 2));
    chmod("body", 0755);
    EXPECT_EQ(readBytes(path(2)), old);
}

// Values a damaged file may hold. Loading takes them unchanged; drawing and
// hit testing must cope (the conversions to pixels saturate).
TEST_F(EnemyFileTest, DamagedValuesLoadAndThenDrawAndHitTestSafely) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float values[] = {nan, inf, -inf, 1e30f, -1e30f, 2147483648.0f, -2147483904.0f,
                            std::numeric_limits<float>::max(), std::numeric_limits<float>::denorm_min()};
    auto sheet = std::make_unique<Surface>();
    auto target = std::make_unique<Surface>();
    for (int y = 0; y < kSurfaceHeight; ++y)
        for (int x = 0; x < kSurfaceWidth; ++x) sheet->at(x, y) = 0x7777;
    sheet->colorKey = true;

    for (float v : values) {
        for (int field : {0, 1, 2, 3, 4, 6, 7, 8, 9}) {   // every float field
            SCOPED_TRACE(testing::Message() << "value " << v << " in field " << field);
            std::vector<unsigned char> b(528);
            Body fileBody = distinctBody();
            for (BodyPart& p : fileBody.parts) {
                p.srcX = 10;
                p.srcY = 10;
                p.width = 5;
                p.height = 5;
            }
            encodeBody(fileBody, b.data());
            for (int k = 0; k < kPartCount; ++k) putLeFloat(b, 44 * k + 4 * field, v);
            writeBytes(path(7), b);

            Body body{};
            loadBody(body, 7);
            float loaded;
            std::memcpy(&loaded, reinterpret_cast<const unsigned char*>(&body.parts[head]) + 4 * field, 4);
            if (std::isnan(v))
                EXPECT_TRUE(std::isnan(loaded));
            else
                EXPECT_EQ(loaded, v);
            linkBody(body);
            clearSurface(*target);
            for (int k = 1; k < kPartCount; ++k) {
                const BodyPart r = resolvePart(body, body.parts[k]);
                drawPart(*target, r, *sheet);
                for (int16_t m : {int16_t(0), int16_t(100), int16_t(-32768), int16_t(32767)})
                    hitTestPart(body, body.parts[k], m, m);
                drawPartOutline(body, body.parts[k], 0);
            }
            // Whatever was drawn came from the sheet (nothing wild was read).
            for (int y = 0; y < kSurfaceHeight; ++y)
                for (int x = 0; x < kSurfaceWidth; ++x)
                    if (target->at(x, y) != 0 && target->at(x, y) != 0x7777)
                        FAIL() << "stray pixel " << target->at(x, y) << " at " << x << ", " << y;
        }
    }
}

TEST_F(EnemyFileTest, NaNPartIsNeverHit) {
    Body body{};
    BodyPart& part = body.parts[torso];
    part.x = std::numeric_limits<float>::quiet_NaN();
    part.width = 10;
    part.height = 10;
    EXPECT_EQ(hitTestPart(body, part, 0, 0), 0);
    part.x = -std::numeric_limits<float>::infinity();
    part.width = std::numeric_limits<float>::infinity();
    EXPECT_EQ(hitTestPart(body, part, 0, 5), 0) << "-inf + inf is NaN: no hit";
}

}  // namespace
