#include "data_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "body.h"
#include "enemy_file.h"

namespace fs = std::filesystem;

namespace {

void put16(std::vector<unsigned char>& out, uint32_t v) {
    out.push_back(static_cast<unsigned char>(v));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

void put32(std::vector<unsigned char>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putTag(std::vector<unsigned char>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

// A figure drawn on a 100 x 130 sheet: head on top, arms beside the torso,
// legs below the hips, feet at the bottom.
void paintSheet(std::vector<uint32_t>& pixels, int enemy) {
    pixels.assign(kTinySheetWidth * kTinySheetHeight, 0);
    for (int i = 1; i < 12; ++i) {
        const TinyRect& r = kTinyFigure[i];
        const uint32_t colour = 0x101010u * static_cast<uint32_t>(i) + 0x200000u * static_cast<uint32_t>(enemy) + 0x0F;
        for (int y = static_cast<int>(r.srcY); y < static_cast<int>(r.srcY + r.height); ++y)
            for (int x = static_cast<int>(r.srcX); x < static_cast<int>(r.srcX + r.width); ++x)
                pixels[y * kTinySheetWidth + x] = colour;
    }
}

void writeEnemyFile(const std::string& path) {
    Body body{};
    for (int i = 1; i < 12; ++i) {
        body.parts[i].srcX = kTinyFigure[i].srcX;
        body.parts[i].srcY = kTinyFigure[i].srcY;
        body.parts[i].width = kTinyFigure[i].width;
        body.parts[i].height = kTinyFigure[i].height;
    }
    linkBodyForEdit(body);
    unsigned char bytes[kEnemyFileSize];
    encodeBody(body, bytes);
    writeBytes(path, std::vector<unsigned char>(bytes, bytes + kEnemyFileSize));
}

std::vector<int16_t> tone(int length, int period, int16_t amplitude) {
    std::vector<int16_t> samples(length);
    for (int i = 0; i < length; ++i)
        samples[i] = (i % period) < period / 2 ? amplitude : static_cast<int16_t>(-amplitude);
    return samples;
}

} // namespace

const TinyRect kTinyFigure[12] = {
    {0, 0, 0, 0},        // soul
    {40, 0, 20, 20},     // head
    {35, 20, 30, 40},    // torso
    {35, 60, 30, 15},    // hips
    {15, 20, 20, 30},    // rightArm
    {15, 50, 20, 10},    // rightHand
    {65, 20, 20, 30},    // leftArm
    {65, 50, 20, 10},    // leftHand
    {35, 75, 14, 40},    // rightLeg
    {35, 115, 14, 10},   // rightFoot
    {51, 75, 14, 40},    // leftLeg
    {51, 115, 14, 10},   // leftFoot
};

std::string makeTempDir(const std::string& prefix) {
    std::string pattern = (fs::temp_directory_path() / (prefix + "XXXXXX")).string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    return buffer.data();
}

void makeParentDirs(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty()) fs::create_directories(parent);
}

void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    makeParentDirs(path);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBmp24(const std::string& path, int width, int height, const std::vector<uint32_t>& rgb) {
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
    std::vector<unsigned char> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, 54 + imageBytes);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);
    put32(out, imageBytes);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {   // bottom-up rows
        const std::size_t rowStart = out.size();
        for (int x = 0; x < width; ++x) {
            const uint32_t p = rgb[static_cast<std::size_t>(y) * width + x];
            out.push_back(static_cast<unsigned char>(p));         // blue
            out.push_back(static_cast<unsigned char>(p >> 8));    // green
            out.push_back(static_cast<unsigned char>(p >> 16));   // red
        }
        out.resize(rowStart + rowBytes, 0);
    }
    writeBytes(path, out);
}

void writeSolidBmp24(const std::string& path, int width, int height, uint32_t rgb) {
    writeBmp24(path, width, height, std::vector<uint32_t>(static_cast<std::size_t>(width) * height, rgb));
}

std::vector<unsigned char> wavBytes16(const std::vector<int16_t>& samples, uint32_t sampleRate,
                                      uint16_t channels) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<unsigned char> out;
    putTag(out, "RIFF");
    put32(out, 4 + 8 + 16 + 8 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);                               // integer PCM
    put16(out, channels);
    put32(out, sampleRate);
    put32(out, sampleRate * channels * 2);       // bytes per second
    put16(out, static_cast<uint16_t>(channels * 2));
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (int16_t s : samples) put16(out, static_cast<uint16_t>(s));
    return out;
}

void writeWav16(const std::string& path, const std::vector<int16_t>& samples, uint32_t sampleRate,
                uint16_t channels) {
    writeBytes(path, wavBytes16(samples, sampleRate, channels));
}

void writeTinyDataSet(const std::string& dir) {
    const std::string base = dir + "/";
    writeSolidBmp24(base + "lion.bmp", 25, 25, 0xF0C0A0);
    writeSolidBmp24(base + "lion_h.bmp", 25, 25, 0xE0B090);
    writeSolidBmp24(base + "lion_h-.bmp", 25, 25, 0xD0A080);
    writeSolidBmp24(base + "bloods2.bmp", 60, 10, 0xC00000);
    writeSolidBmp24(base + "gnd/biru.bmp", 64, 48, kTinyGroundBiru);
    writeSolidBmp24(base + "gnd/n_nest.bmp", 64, 48, kTinyGroundNest);
    writeSolidBmp24(base + "gnd/sakamiti.bmp", 64, 48, kTinyGroundSakamiti);
    std::vector<uint32_t> sheet;
    for (int n = 0; n < 8; ++n) {
        paintSheet(sheet, n);
        writeBmp24(base + "body/ene" + std::to_string(n) + ".bmp", kTinySheetWidth, kTinySheetHeight, sheet);
        char name[32];
        std::snprintf(name, sizeof name, "body/QMXD_ene%2d.dat", n);
        writeEnemyFile(base + name);
    }
    // A 50 ms hit and 100 ms screams at 22050 Hz.
    writeWav16(base + "wave2/Kill.wav", tone(1102, 40, 8000));
    for (int n = 1; n <= 8; ++n)
        writeWav16(base + "wave2/himei" + std::to_string(n) + ".wav", tone(2205, 20 + n, 6000));
}
