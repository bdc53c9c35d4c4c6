// The seam between the programs and the machine. Two backends stand behind
// it: the SDL one (a real window, mouse, keyboard, audio) and the headless
// one (virtual clock, input from a script, frames kept for screenshots).
// This header is SDL-free; only the .cpp files of this folder include SDL.
// The runtime calls it: video.cpp presents, window.cpp pumps events and
// waits, mouse.cpp nothing (events arrive through the pump).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

struct DisplayOptions {
    const char* title = "";
    bool windowed = false;
    int scale = 1;             // window size multiplier with windowed
};

// One input event in the terms the programs read.
struct Event {
    enum Kind { None, Mouse, KeyDown, KeyUp, Close, Quit };
    Kind kind = None;
    uint32_t offset = 0;       // Mouse: 0 x, 4 y, 8 wheel, 12..15 buttons
    int32_t data = 0;          // Mouse: counts, or bit 7 set = pressed
    int key = 0;               // KeyDown/KeyUp: Windows virtual-key code
};

// An event of the input script, due in the message handling just before
// frame `frame` starts.
struct ScriptedEvent {
    int frame = 0;
    Event event;
};

// --- Backend choice, once at start-up ---------------------------------------
// Headless: no window, no audio device, a virtual clock that the frame end
// advances, device events taken from the script. Calling it again starts a
// fresh headless session (clock 0, frame 0, new script, no voices).
void useHeadless(std::vector<ScriptedEvent> script);
bool isHeadless();

// --- Display, events, clock ------------------------------------------------
// SDL: opens the window (full-screen desktop unless windowed) with a 640x480
// RGB565 streaming texture and relative mouse mode. False with a message in
// `error` when no display can be had.
// Headless: nothing to open, always true.
bool openDisplay(const DisplayOptions& options, std::string& error);
// Shows a 640x480 RGB565 frame (headless: keeps a copy for screenshots).
void presentFrame(const uint16_t* pixels);
// The last presented frame, 640x480 RGB565.
const uint16_t* presentedFrame();
// Takes the next device event, waiting at most `timeoutMs` for one (0: do
// not wait). False when none came. SDL: events come in arrival order, except
// that a run of mouse motion with nothing else between is merged into one X
// and one Y event; such a run is held back until something else arrives or
// the wait is over, so that a fast mouse cannot flood the 16-event buffer.
// Headless: the script's events of the current frame in file order; when
// they are used up, the virtual clock moves on by `timeoutMs` and false is
// returned.
bool waitEvent(Event& event, uint32_t timeoutMs);
// Milliseconds; headless: the virtual clock, which only waitEvent advances.
uint32_t ticks();
// Headless: the next frame begins; its scripted events become due.
void beginNextFrame();
// Shows a modal message box (the text is UTF-8); false when none could be
// shown (always false headless).
bool showMessageBox(const char* caption, const char* text);
void closeDisplay();

// --- Images (both backends) ----------------------------------------------
struct Image {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom
};
// Decodes a .bmp file. False when the file is missing or not a valid image.
bool loadBmp(const char* path, Image& image);

// --- Audio ---------------------------------------------------------------
// PCM format as a wave file describes it.
struct PcmFormat {
    uint16_t formatTag = 1;        // 1: integer PCM, 3: IEEE float
    uint16_t channels = 1;
    uint32_t samplesPerSec = 22050;
    uint16_t bitsPerSample = 16;
};
// Opens the audio device (falling back to a silent driver); false when no
// audio at all can be had, and the game then runs silent. Headless: no
// device; voices are kept only for their length.
bool openAudio(int voiceCount);
// Converts the samples once for the device and keeps them as voice `index`.
// False when the format cannot be converted (that voice stays silent).
bool loadVoice(int index, const PcmFormat& format, const unsigned char* data, std::size_t size);
// Starts voice `index` from its beginning unless it is still playing;
// true when it was started. Headless: "still playing" follows the virtual
// clock and the sound's length.
bool playVoice(int index);
void closeAudio();

} // namespace platform
