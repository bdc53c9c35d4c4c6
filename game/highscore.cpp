#include "highscore.h"

#include <cstring>

#include "files.h"

namespace {

constexpr std::size_t kRecordBytes = sizeof(ScoreRecord);

void putFloat(unsigned char* out, float value) {
    uint32_t word;
    std::memcpy(&word, &value, 4);
    for (int b = 0; b < 4; ++b) out[b] = static_cast<unsigned char>(word >> (8 * b));
}

float getFloat(const unsigned char* in) {
    const uint32_t word = uint32_t(in[0]) | uint32_t(in[1]) << 8 | uint32_t(in[2]) << 16 | uint32_t(in[3]) << 24;
    float value;
    std::memcpy(&value, &word, 4);
    return value;
}

// The file's little-endian byte image of the record, and back.
void encodeScore(const ScoreRecord& record, unsigned char out[kRecordBytes]) {
    putFloat(out, record.score);
    putFloat(out + 4, record.elapsed);
    putFloat(out + 8, record.timeUp);
    std::memcpy(out + 12, record.rest, sizeof record.rest);
}

void decodeScore(ScoreRecord& record, const unsigned char in[kRecordBytes]) {
    record.score = getFloat(in);
    record.elapsed = getFloat(in + 4);
    record.timeUp = getFloat(in + 8);
    std::memcpy(record.rest, in + 12, sizeof record.rest);
}

} // namespace

void readHighScore(ScoreRecord& record) {
    // A short file replaces only the bytes it has.
    unsigned char image[kRecordBytes];
    encodeScore(record, image);
    unsigned char bytes[kRecordBytes];
    const long got = readFilePrefix(kHighScoreFile, bytes, sizeof bytes);
    if (got <= 0) return;
    std::memcpy(image, bytes, static_cast<std::size_t>(got));
    decodeScore(record, image);
}

void writeHighScore(const ScoreRecord& record) {
    unsigned char image[kRecordBytes];
    encodeScore(record, image);
    writeFileAtomic(kHighScoreFile, image, sizeof image);
}

void settleBestScore(GameState& game) {
    ScoreRecord& run = game.scoreRecord;
    const bool bestIsNumber = game.bestScore == game.bestScore;
    const bool runIsNumber = run.score == run.score;
    if (run.score > game.bestScore || (!bestIsNumber && runIsNumber))
        game.bestScore = run.score;
    else
        run.score = game.bestScore;
}
