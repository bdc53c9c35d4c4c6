// Timings of the drawing every frame does: a full-screen copy of the ground,
// keyed sprite copies, fills, texts (cached and new) and image scaling.
// A frame has 50 ms; these show how little of it the drawing takes.
#include <benchmark/benchmark.h>

#include <string>

#include "image_scale.h"
#include "surface.h"
#include "video.h"

static void fillPattern(Surface& s) {
    for (int i = 0; i < kSurfaceWidth * kSurfaceHeight; ++i) s.pixels[i] = uint16_t((i * 2654435761u) >> 20) & 0xFFFE;
    s.colorKey = true;
}

static void BM_FullScreenCopy(benchmark::State& state) {
    fillPattern(backgroundSurface);
    for (auto _ : state) {
        blitClipped(backBuffer, 0, 0, 640, 480, backgroundSurface, 0, 0, 0);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullScreenCopy);

static void BM_KeyedSplashCopies(benchmark::State& state) {
    fillPattern(effectsSurface);
    for (auto _ : state) {
        // A busy frame: a hundred 100x100 blood splashes.
        for (int i = 0; i < 100; ++i)
            blitClipped(backBuffer, (i * 37) % 600 - 20, (i * 53) % 440 - 20, 100, 100, effectsSurface, 100 * (i % 6), 0, 1);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_KeyedSplashCopies);

static void BM_OutlineFills(benchmark::State& state) {
    for (auto _ : state) {
        for (int i = 0; i < 11; ++i) drawRectOutline(backBuffer, 10.5f + i * 40, 20.0f, 35.0f, 120.0f, 0);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OutlineFills);

static void BM_TextCached(benchmark::State& state) {
    for (auto _ : state) drawText(backBuffer, 200, 220, "normal mode ->L Click!", 255, 255, 255);
}
BENCHMARK(BM_TextCached);

static void BM_TextChangingNumber(benchmark::State& state) {
    int n = 0;
    char text[64];
    for (auto _ : state) {
        std::snprintf(text, sizeof text, "score=%4d", n++);
        drawText(backBuffer, 550, 446, text, 255, 255, 255);
    }
}
BENCHMARK(BM_TextChangingNumber);

static void BM_ScaleSpriteTo25(benchmark::State& state) {
    platform::Image image;
    image.width = image.height = 100;
    image.pixels.assign(100 * 100, 0x00C08040);
    for (auto _ : state) benchmark::DoNotOptimize(scaleImage(image, 25, 25));
}
BENCHMARK(BM_ScaleSpriteTo25);

BENCHMARK_MAIN();
