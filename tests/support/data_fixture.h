// Small files for tests: a minimal complete data set that both programs can
// start on, and writers for the single pictures and sounds it is made of.
// Tests call these to fill a temporary folder before running a program.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A fresh empty folder under the system's temporary folder; the name starts
// with `prefix`. The folder is left behind for inspection after a failure.
std::string makeTempDir(const std::string& prefix);

// Creates the folders leading to `path` (not the file itself).
void makeParentDirs(const std::string& path);

// An uncompressed 24-bit BMP; `rgb` holds width*height pixels 0x00RRGGBB,
// rows top to bottom.
void writeBmp24(const std::string& path, int width, int height, const std::vector<uint32_t>& rgb);
// The same, every pixel one colour.
void writeSolidBmp24(const std::string& path, int width, int height, uint32_t rgb);

// The byte image of a 16-bit PCM wave file: "RIFF", a 16-byte "fmt " chunk,
// then "data". `samples` is interleaved when channels is 2.
std::vector<unsigned char> wavBytes16(const std::vector<int16_t>& samples,
                                      uint32_t sampleRate = 22050, uint16_t channels = 1);
void writeWav16(const std::string& path, const std::vector<int16_t>& samples,
                uint32_t sampleRate = 22050, uint16_t channels = 1);

void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> readBytes(const std::string& path);

// Sheet rectangles {srcX, srcY, width, height} of parts 1 to 11 of the tiny
// figure that every enemy of the tiny data set uses (index 0, the soul, is
// all zero). The sheet is kTinySheetWidth x kTinySheetHeight.
struct TinyRect {
    float srcX, srcY, width, height;
};
extern const TinyRect kTinyFigure[12];
constexpr int kTinySheetWidth = 100;
constexpr int kTinySheetHeight = 130;

// Writes into `dir`: the sprites lion.bmp, lion_h.bmp, lion_h-.bmp,
// bloods2.bmp; the grounds gnd\biru.bmp, gnd\n_nest.bmp, gnd\sakamiti.bmp
// (each a different solid colour); body\ene0..7.bmp and the eight enemy
// files body\QMXD_ene N.dat (the tiny figure, linked as the editor saves it);
// wave2\Kill.wav and wave2\himei1..8.wav (short 16-bit PCM sounds).
void writeTinyDataSet(const std::string& dir);

// The colours of the three grounds, for tests that tell them apart.
constexpr uint32_t kTinyGroundBiru = 0x406080;
constexpr uint32_t kTinyGroundNest = 0x208040;
constexpr uint32_t kTinyGroundSakamiti = 0x806020;
