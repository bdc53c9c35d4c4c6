#include "generate.h"
#include <cstdio>
#include <filesystem>
#include <string>
#include "bmp_writer.h"
#include "creatures.h"
#include "enemy_file.h"
#include "enemy_record.h"
#include "grounds.h"
#include "output.h"
#include "preview.h"
#include "signal.h"
#include "sounds.h"
#include "sprites.h"
#include "wav_writer.h"

namespace {

class Writer {
public:
    explicit Writer(const GenerateOptions& o) : options_(o) {}

    void picture(const std::string& name, const Image& image) {
        check(name, writeGenerated(options_.dataDir + "/" + name, encodeBmp(image)));
        std::string flat = name.substr(0, name.size() - 4) + ".png";
        for (char& c : flat)
            if (c == '/') c = '_';
        preview(flat, image);
    }
    void sound(const std::string& name, const std::vector<int16_t>& samples) {
        check(name, writeGenerated(options_.dataDir + "/" + name, encodeWav(samples, kSampleRate)));
    }
    void preview(const std::string& name, const Image& image) {
        if (!options_.previewDir.empty()) writePreviewPng(image, (options_.previewDir + "/" + name).c_str());
    }
    void authorFile(const std::string& name, const std::vector<uint8_t>& bytes) {
        check(name, writeIfAbsent(options_.dataDir + "/" + name, bytes));
    }
    int failures() const { return failures_; }

private:
    void check(const std::string& name, WriteResult result) {
        if (result != WriteResult::failed) return;
        std::fprintf(stderr, "assetgen: cannot write %s/%s\n", options_.dataDir.c_str(), name.c_str());
        ++failures_;
    }

    const GenerateOptions& options_;
    int failures_ = 0;
};

// The enemy file name with the folder separator of this system.
std::string enemyDatName(int n) {
    std::string name = enemyFileName(n);
    for (char& c : name)
        if (c == '\\') c = '/';
    return name;
}

void writeEnemies(Writer& out, const Image (&grounds)[3]) {
    for (int n = 0; n < kEnemyCount; ++n) {
        const RenderedFigure figure = renderFigure(enemyCreature(n));
        out.picture("body/ene" + std::to_string(n) + ".bmp", figure.sheet);
        out.authorFile(enemyDatName(n), enemyFileBytes(figure));
        out.preview("linked_ene" + std::to_string(n) + ".png", linkedFigureOver(grounds[n % 3], figure));
    }
}

void writeGrounds(Writer& out, const Image (&grounds)[3]) {
    out.picture("gnd/biru.bmp", grounds[0]);
    out.picture("gnd/n_nest.bmp", grounds[1]);
    out.picture("gnd/sakamiti.bmp", grounds[2]);
}

void writeSprites(Writer& out) {
    out.picture("lion.bmp", paintOpenHand());
    out.picture("lion_h.bmp", paintGripHand());
    out.picture("lion_h-.bmp", paintHoldMark());
    out.picture("bloods2.bmp", paintBloodStrip());
}

void writeSounds(Writer& out) {
    out.sound("wave2/Kill.wav", synthHit());
    for (int n = 1; n <= kScreamCount; ++n) out.sound("wave2/himei" + std::to_string(n) + ".wav", synthScream(n));
}

}  // namespace

int generateAll(const GenerateOptions& options) {
    if (!options.previewDir.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(options.previewDir, ignored);
    }
    Writer out(options);
    const Image grounds[3] = {paintCityStreet(), paintNest(), paintSlopeStreet()};
    writeGrounds(out, grounds);
    writeEnemies(out, grounds);
    writeSprites(out);
    writeSounds(out);
    return out.failures();
}
