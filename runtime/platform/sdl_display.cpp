// The SDL window: full-screen desktop or windowed, the 640x480 RGB565 frame
// scaled to fit (aspect kept, nearest neighbour), relative mouse mode, and
// the message box.
#include <SDL.h>

#include "platform/backends.h"

namespace platform::sdl {

namespace {
struct Display {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    bool videoStarted = false;  // our share of SDL's video subsystem
};
Display gDisplay;

void setHints() {
    // Raw device counts, whatever the size of the window.
    SDL_SetHint(SDL_HINT_MOUSE_RELATIVE_SCALING, "0");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    // Closing the window is the program's close request, not a quit as well.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
}

// SDL falls back on its invisible drivers when no window system answers;
// a game nobody can see is no display unless they were asked for by name.
bool invisibleFallback() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver) return true;
    const std::string name = driver;
    if (name != "offscreen" && name != "dummy") return false;
    const char* requested = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    return !requested || std::string(requested).find(name) == std::string::npos;
}

SDL_Window* createWindow(const DisplayOptions& options) {
    if (options.windowed) {
        const int scale = options.scale < 1 ? 1 : (options.scale > 16 ? 16 : options.scale);
        return SDL_CreateWindow(options.title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                kScreenWidth * scale, kScreenHeight * scale, 0);
    }
    return SDL_CreateWindow(options.title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kScreenWidth,
                            kScreenHeight, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

SDL_Renderer* createRenderer(SDL_Window* window) {
    if (SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0)) return renderer;
    return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

// Makes the renderer and the frame texture for the window just created.
bool createCanvas(std::string& error) {
    gDisplay.renderer = createRenderer(gDisplay.window);
    if (!gDisplay.renderer) {
        error = std::string("cannot draw into the window: ") + SDL_GetError();
        return false;
    }
    SDL_RenderSetLogicalSize(gDisplay.renderer, kScreenWidth, kScreenHeight);
    gDisplay.texture = SDL_CreateTexture(gDisplay.renderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                                         kScreenWidth, kScreenHeight);
    if (!gDisplay.texture) {
        error = std::string("cannot make the frame texture: ") + SDL_GetError();
        return false;
    }
    return true;
}

void blankWindow() {
    SDL_SetRenderDrawColor(gDisplay.renderer, 0, 0, 0, 255);
    SDL_RenderClear(gDisplay.renderer);
    SDL_RenderPresent(gDisplay.renderer);
}

void takeMouse() {
    SDL_ShowCursor(SDL_DISABLE);
    // Without relative mode (some drivers lack it) motion still arrives,
    // only bounded by the window: play on rather than fail.
    SDL_SetRelativeMouseMode(SDL_TRUE);
    SDL_StopTextInput();
}
} // namespace

bool openDisplay(const DisplayOptions& options, std::string& error) {
    closeDisplay();
    setHints();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error = std::string("cannot open the display: ") + SDL_GetError();
        return false;
    }
    gDisplay.videoStarted = true;
    if (invisibleFallback()) {
        error = "cannot open the display: no window system found (DISPLAY or WAYLAND_DISPLAY not set?)";
        closeDisplay();
        return false;
    }
    gDisplay.window = createWindow(options);
    if (!gDisplay.window) {
        error = std::string("cannot open a window: ") + SDL_GetError();
        closeDisplay();
        return false;
    }
    if (!createCanvas(error)) {
        closeDisplay();
        return false;
    }
    blankWindow();
    takeMouse();
    return true;
}

void presentFrame(const uint16_t* pixels) {
    if (!gDisplay.texture) return;
    SDL_UpdateTexture(gDisplay.texture, nullptr, pixels, kScreenWidth * sizeof(uint16_t));
    SDL_RenderClear(gDisplay.renderer);
    SDL_RenderCopy(gDisplay.renderer, gDisplay.texture, nullptr, nullptr);
    SDL_RenderPresent(gDisplay.renderer);
}

void closeDisplay() {
    if (gDisplay.window) {
        SDL_SetRelativeMouseMode(SDL_FALSE);
        SDL_ShowCursor(SDL_ENABLE);
    }
    if (gDisplay.texture) SDL_DestroyTexture(gDisplay.texture);
    if (gDisplay.renderer) SDL_DestroyRenderer(gDisplay.renderer);
    if (gDisplay.window) SDL_DestroyWindow(gDisplay.window);
    // Gives back the screen saver and everything else video took over.
    if (gDisplay.videoStarted) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    gDisplay = Display();
}

bool showMessageBox(const char* caption, const char* text) {
    if (gDisplay.window) {
        // The box needs a free pointer to be clicked.
        SDL_SetRelativeMouseMode(SDL_FALSE);
        SDL_ShowCursor(SDL_ENABLE);
    }
    const bool ownVideo = !SDL_WasInit(SDL_INIT_VIDEO);
    if (ownVideo && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    const bool shown = SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption, text, nullptr) == 0;
    if (ownVideo) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return shown;
}

} // namespace platform::sdl
