// The wave file's chunk reader: files with extra and odd-length chunks, a
// 16-byte "fmt ", and every way a file can lie about its lengths.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data_fixture.h"
#include "wave_file.h"

namespace {

using Bytes = std::vector<unsigned char>;

void put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

Bytes chunk(const char* id, const Bytes& data, bool pad = true) {
    Bytes out(id, id + 4);
    put32(out, static_cast<uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    if (pad && (data.size() & 1)) out.push_back(0);
    return out;
}

// A format record: PCM, stereo, 11025 Hz, 8 bits; `length` 16 or 18 bytes.
Bytes formatData(std::size_t length, uint16_t extra = 0) {
    const unsigned char full[18] = {1, 0, 2, 0, 0x11, 0x2B, 0, 0, 0x22, 0x56, 0, 0, 2, 0, 8, 0,
                                    static_cast<unsigned char>(extra), static_cast<unsigned char>(extra >> 8)};
    return Bytes(full, full + length);
}

Bytes riff(const std::vector<Bytes>& chunks, const char* form = "WAVE") {
    Bytes body(form, form + 4);
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    Bytes out = {'R', 'I', 'F', 'F'};
    put32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

const Bytes kSamples = {10, 20, 30, 40, 50, 60};

class WaveFileTest : public ::testing::Test {
protected:
    std::string dir = makeTempDir("qmx_wave_");

    // Writes the bytes and loads them; the result of loadFile.
    int32_t load(WaveFile& wave, const Bytes& bytes) {
        const std::string path = dir + "/sound.wav";
        writeBytes(path, bytes);
        return wave.loadFile(path.c_str());
    }
};

} // namespace

TEST_F(WaveFileTest, ReadsFormatAndSamples) {
    WaveFile wave;
    ASSERT_EQ(load(wave, riff({chunk("fmt ", formatData(18, 0x1234)), chunk("data", kSamples)})), 1);
    WaveFormatEx format{};
    EXPECT_EQ(wave.readFormat(format), 1);
    EXPECT_EQ(format.formatTag, 1);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.samplesPerSec, 11025u);
    EXPECT_EQ(format.avgBytesPerSec, 22050u);
    EXPECT_EQ(format.blockAlign, 2);
    EXPECT_EQ(format.bitsPerSample, 8);
    EXPECT_EQ(format.extraSize, 0x1234);
    EXPECT_EQ(wave.dataSize(), kSamples.size());

    unsigned char out[16];
    std::memset(out, 0xEE, sizeof out);
    EXPECT_EQ(wave.readData(out, sizeof out), kSamples.size());
    EXPECT_EQ(Bytes(out, out + kSamples.size()), kSamples);
    EXPECT_EQ(out[kSamples.size()], 0xEE);
    // A smaller destination gets only what fits.
    std::memset(out, 0xEE, sizeof out);
    EXPECT_EQ(wave.readData(out, 4), 4u);
    EXPECT_EQ(out[4], 0xEE);
}

TEST_F(WaveFileTest, ExtraChunksLoadTheSameAsWithout) {
    const Bytes list = {'I', 'N', 'F', 'O', 'a', 'b', 'c'};   // odd length: padded
    const std::vector<Bytes> layouts[] = {
        {chunk("fmt ", formatData(16)), chunk("LIST", list), chunk("data", kSamples)},
        {chunk("JUNK", Bytes(3, 0)), chunk("fmt ", formatData(16)), chunk("fact", Bytes(4, 9)),
         chunk("data", kSamples), chunk("LIST", list)},
        {chunk("data", kSamples), chunk("fmt ", formatData(18))},
    };
    for (const auto& layout : layouts) {
        WaveFile wave;
        ASSERT_EQ(load(wave, riff(layout)), 1);
        WaveFormatEx format{};
        EXPECT_EQ(wave.readFormat(format), 1);
        EXPECT_EQ(format.samplesPerSec, 11025u);
        EXPECT_EQ(format.bitsPerSample, 8);
        unsigned char out[8] = {};
        EXPECT_EQ(wave.readData(out, sizeof out), kSamples.size());
        EXPECT_EQ(Bytes(out, out + kSamples.size()), kSamples);
    }
}

TEST_F(WaveFileTest, SixteenByteFormatLendsTheNextTwoBytesOnlyIfThereAreAny) {
    WaveFile wave;
    WaveFormatEx format{};
    // Followed by "data": extraSize takes "da".
    ASSERT_EQ(load(wave, riff({chunk("fmt ", formatData(16)), chunk("data", kSamples)})), 1);
    format.extraSize = 0xBEEF;
    EXPECT_EQ(wave.readFormat(format), 1);
    EXPECT_EQ(format.bitsPerSample, 8);
    EXPECT_EQ(format.extraSize, 'd' | 'a' << 8);

    // The last chunk of the file: nothing follows, extraSize is left alone.
    ASSERT_EQ(load(wave, riff({chunk("data", kSamples), chunk("fmt ", formatData(16))})), 1);
    format.extraSize = 0xBEEF;
    EXPECT_EQ(wave.readFormat(format), 1);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.extraSize, 0xBEEF);
}

TEST_F(WaveFileTest, RejectsFilesThatAreNotWholeWaveImages) {
    const Bytes good = riff({chunk("fmt ", formatData(16)), chunk("data", kSamples)});
    Bytes riffTooLong = good;
    riffTooLong[4] += 1;
    Bytes dataTooLong = good;
    dataTooLong[good.size() - kSamples.size() - 4] += 1;
    Bytes huge = riff({chunk("fmt ", formatData(16)), chunk("data", kSamples)});
    for (int i = 0; i < 4; ++i) huge[16 + i] = 0xFF;   // "fmt " length 4 GiB - 1
    Bytes truncated = good;
    truncated.resize(good.size() - 2);

    const struct {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"too short for a header", Bytes(good.begin(), good.begin() + 10)},
        {"not RIFF", Bytes{'R', 'I', 'F', 'X', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}},
        {"not WAVE", riff({chunk("fmt ", formatData(16)), chunk("data", kSamples)}, "AVI ")},
        {"no fmt", riff({chunk("data", kSamples)})},
        {"no data", riff({chunk("fmt ", formatData(16))})},
        {"fmt shorter than 16", riff({chunk("fmt ", formatData(14)), chunk("data", kSamples)})},
        {"RIFF length past the end", riffTooLong},
        {"data length past the end", dataTooLong},
        {"fmt length of 4 GiB", huge},
        {"truncated file", truncated},
    };
    for (const auto& c : cases) {
        WaveFile wave;
        EXPECT_EQ(load(wave, c.bytes), 0) << c.name;
        WaveFormatEx format{};
        EXPECT_EQ(wave.readFormat(format), 0) << c.name;
        EXPECT_EQ(wave.dataSize(), 0u) << c.name;
        unsigned char out[8];
        EXPECT_EQ(wave.readData(out, sizeof out), 0u) << c.name;
        EXPECT_EQ(wave.release(), 0) << c.name;
    }
}

TEST_F(WaveFileTest, LoadReplacesAndReleaseEmpties) {
    WaveFile wave;
    EXPECT_EQ(wave.release(), 0);
    EXPECT_EQ(wave.loadFile((dir + "/missing.wav").c_str()), 0);
    ASSERT_EQ(load(wave, riff({chunk("fmt ", formatData(16)), chunk("data", kSamples)})), 1);
    // A failed load leaves nothing of the old file behind.
    EXPECT_EQ(load(wave, Bytes{'x'}), 0);
    EXPECT_EQ(wave.dataSize(), 0u);
    ASSERT_EQ(load(wave, riff({chunk("fmt ", formatData(16)), chunk("data", kSamples)})), 1);
    EXPECT_EQ(wave.release(), 1);
    EXPECT_EQ(wave.release(), 0);
    EXPECT_EQ(wave.dataSize(), 0u);
}

TEST_F(WaveFileTest, ReadsFilesByTheProgramsBackslashNames) {
    writeWav16(dir + "/wave2/Kill.wav", {1, -1, 2, -2});
    WaveFile wave;
    EXPECT_EQ(wave.loadFile((dir + "\\wave2\\Kill.wav").c_str()), 1);
    EXPECT_EQ(wave.dataSize(), 8u);
}
