#include "enemy_file.h"

#include <cstdio>
#include <cstring>

#include "files.h"

namespace {

constexpr int kFieldsPerRecord = 11;
constexpr int kRecordSize = 44;
constexpr int kParentField = 5;

uint32_t* fieldWord(BodyPart& part, int field) {
    // The record is eleven 4-byte fields in file order (asserted in body.h).
    return reinterpret_cast<uint32_t*>(&part) + field;
}

uint32_t fieldValue(const BodyPart& part, int field) {
    uint32_t word;
    std::memcpy(&word, reinterpret_cast<const unsigned char*>(&part) + 4 * field, 4);
    return word;
}

} // namespace

std::string enemyFileName(int n) {
    char name[64];
    std::snprintf(name, sizeof name, "body\\QMXD_ene%2d.dat", n);
    return name;
}

void encodeBody(const Body& body, unsigned char out[kEnemyFileSize]) {
    for (int k = 0; k < kPartCount; ++k) {
        for (int f = 0; f < kFieldsPerRecord; ++f) {
            const uint32_t word = fieldValue(body.parts[k], f);
            unsigned char* at = out + kRecordSize * k + 4 * f;
            for (int b = 0; b < 4; ++b) at[b] = static_cast<unsigned char>(word >> (8 * b));
        }
    }
}

void decodeBody(Body& body, const unsigned char* bytes, std::size_t count) {
    if (count > kEnemyFileSize) count = kEnemyFileSize;
    for (std::size_t i = 0; i < count; ++i) {
        const int k = static_cast<int>(i / kRecordSize);
        const int f = static_cast<int>(i % kRecordSize) / 4;
        const int b = static_cast<int>(i % 4);
        // The stored link is no link of ours: each part keeps the one it has.
        if (f == kParentField) continue;
        uint32_t word;
        std::memcpy(&word, fieldWord(body.parts[k], f), 4);
        word = (word & ~(0xFFu << (8 * b))) | (uint32_t(bytes[i]) << (8 * b));
        std::memcpy(fieldWord(body.parts[k], f), &word, 4);
    }
}

void loadBody(Body& body, int n) {
    unsigned char bytes[kEnemyFileSize];
    const long got = readFilePrefix(enemyFileName(n).c_str(), bytes, sizeof bytes);
    if (got > 0) decodeBody(body, bytes, static_cast<std::size_t>(got));
}

bool saveBody(const Body& body, int n) {
    unsigned char bytes[kEnemyFileSize];
    encodeBody(body, bytes);
    return writeFileAtomic(enemyFileName(n).c_str(), bytes, sizeof bytes);
}
