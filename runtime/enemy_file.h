// The enemy file "body\QMXD_ene%2d.dat": twelve 44-byte records, little-endian,
// 528 bytes, no header. The game loads it at every stage start; the editor
// loads it on an enemy change and on LOAD, and writes it on SAVE.
#pragma once
#include <string>
#include "body.h"

constexpr int kEnemyFileSize = 528;

// "body\QMXD_ene 3.dat" for enemy 3: the number right-aligned in two columns.
std::string enemyFileName(int n);

// Reads up to 528 bytes over the Body. Every field takes the stored value
// except `parent`, which keeps its link. A missing file changes nothing.
void loadBody(Body& body, int n);

// Writes the 528 bytes, replacing the old file only once the new one is
// complete. Returns false when the file could not be written.
bool saveBody(const Body& body, int n);

// The byte image of a Body as saveBody writes it (linked parts store their
// parent index + 1, free parts and the soul 0), and the reverse used by
// loadBody (`bytes` may be short: only the records and fields it covers change).
void encodeBody(const Body& body, unsigned char out[kEnemyFileSize]);
void decodeBody(Body& body, const unsigned char* bytes, std::size_t count);
