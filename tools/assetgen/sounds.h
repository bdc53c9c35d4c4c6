// The game's sounds, made by our own synthesis: the wet hit played with
// every blood splash (wave2/Kill.wav) and eight different screams for parts
// torn off (wave2/himei1.wav to himei8.wav). 16-bit mono samples at
// kSampleRate; main writes them as WAV files.
#pragma once
#include <cstdint>
#include <vector>

constexpr int kScreamCount = 8;

std::vector<int16_t> synthHit();
// Scream n, 1 to 8.
std::vector<int16_t> synthScream(int n);
