// The twenty sound voices: 0 to 11 the hit sound, 12 to 19 the screams.
// initSound builds them once at start-up; playSound is called by the blood
// and the part steps. Each play is remembered for the frame's trace.
#pragma once
#include <cstdint>
#include <vector>

constexpr int kSoundCount = 20;

// 1 when every file was loaded; 0 with the name of the first file that
// could not be loaded in `failedFile`.
int32_t initSound(const char** failedFile);

// The file voice `index` is loaded from ("wave2\\Kill.wav" for 0 to 11),
// or null for an index outside 0 to 19.
const char* soundFileName(int index);

// Plays voice `index` once; a voice still playing goes on unchanged.
void playSound(int index);

struct SoundPlay {
    int buffer;
    bool started;
};
// The plays since the last clearSoundPlays: each game frame starts by
// clearing them, so they hold one frame's plays for its trace line.
const std::vector<SoundPlay>& soundPlays();
void clearSoundPlays();
