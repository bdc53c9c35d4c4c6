// The headless run's trace: one JSON object per frame, written by endFrame
// just before the frame is shown. The runtime writes frame, mouse, texts and
// parts; each program adds its own keys through a hook.
#pragma once
#include <cstdint>
#include <string>

#include "body.h"

// One JSON line under construction. Values are appended with the helpers
// below; commas are placed automatically.
struct TraceLine {
    std::string text;
    bool needComma = false;
};

void traceKey(TraceLine& line, const char* key);   // "key": (inside an object)
void traceBeginObject(TraceLine& line);
void traceEndObject(TraceLine& line);
void traceBeginArray(TraceLine& line);
void traceEndArray(TraceLine& line);
void traceInt(TraceLine& line, int64_t value);
void traceBool(TraceLine& line, bool value);
// %.9g, so it reads back as the same float; "nan", "inf", "-inf" as strings.
void traceFloat(TraceLine& line, float value);
void traceString(TraceLine& line, const std::string& utf8);
// Shorthands for "key": value inside an object.
void traceField(TraceLine& line, const char* key, int value);
void traceField(TraceLine& line, const char* key, int64_t value);
void traceField(TraceLine& line, const char* key, float value);
void traceField(TraceLine& line, const char* key, bool value);

// The program's own keys, added after the runtime's.
using TraceHook = void (*)(TraceLine& line);

// Opens the trace file; false when it cannot be created.
bool openTrace(const char* path);
bool tracing();
// The Body whose twelve records go into "parts", and the program's hook.
void setTraceSource(const Body* body, TraceHook hook);
// Called by drawText for every text drawn while tracing.
void traceDrawnText(int32_t x, int32_t y, int red, int green, int blue, const std::string& utf8);
// Writes the frame's line and forgets its texts. Called by endFrame.
void writeTraceLine(int frame);
void closeTrace();
