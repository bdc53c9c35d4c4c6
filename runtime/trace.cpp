#include "trace.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "mouse.h"

namespace {

struct DrawnText {
    int32_t x, y;
    int red, green, blue;
    std::string utf8;
};

std::FILE* traceFile = nullptr;
const Body* traceBody = nullptr;
TraceHook traceHook = nullptr;
std::vector<DrawnText> frameTexts;

void separate(TraceLine& line) {
    if (line.needComma) line.text += ',';
    line.needComma = true;
}

void open(TraceLine& line, char bracket) {
    separate(line);
    line.text += bracket;
    line.needComma = false;
}

void close(TraceLine& line, char bracket) {
    line.text += bracket;
    line.needComma = true;
}

void writeMouse(TraceLine& line) {
    traceKey(line, "mouse");
    traceBeginObject(line);
    traceField(line, "x", int64_t(mouse.mouseX));
    traceField(line, "y", int64_t(mouse.mouseY));
    traceField(line, "moveX", int64_t(mouse.moveX));
    traceField(line, "moveY", int64_t(mouse.moveY));
    traceField(line, "wheel", int64_t(mouse.wheel));
    traceField(line, "left", int64_t(mouse.leftButton));
    traceField(line, "right", int64_t(mouse.rightButton));
    traceField(line, "middle", int64_t(mouse.middleButton));
    traceEndObject(line);
}

void writeTexts(TraceLine& line) {
    traceKey(line, "texts");
    traceBeginArray(line);
    for (const DrawnText& t : frameTexts) {
        traceBeginObject(line);
        traceField(line, "x", int64_t(t.x));
        traceField(line, "y", int64_t(t.y));
        traceKey(line, "rgb");
        traceBeginArray(line);
        traceInt(line, t.red);
        traceInt(line, t.green);
        traceInt(line, t.blue);
        traceEndArray(line);
        traceKey(line, "text");
        traceString(line, t.utf8);
        traceEndObject(line);
    }
    traceEndArray(line);
}

void writePart(TraceLine& line, const BodyPart& p) {
    traceBeginObject(line);
    traceField(line, "life", p.life);
    traceField(line, "x", p.x);
    traceField(line, "y", p.y);
    traceField(line, "vx", p.vx);
    traceField(line, "vy", p.vy);
    traceField(line, "parent", int64_t(parentIndex(p)));
    traceField(line, "srcX", p.srcX);
    traceField(line, "srcY", p.srcY);
    traceField(line, "width", p.width);
    traceField(line, "height", p.height);
    traceField(line, "hold", int64_t(p.hold));
    traceEndObject(line);
}

void writeParts(TraceLine& line) {
    traceKey(line, "parts");
    traceBeginArray(line);
    static const Body empty{};
    const Body& body = traceBody ? *traceBody : empty;
    for (const BodyPart& p : body.parts) writePart(line, p);
    traceEndArray(line);
}

} // namespace

void traceKey(TraceLine& line, const char* key) {
    separate(line);
    line.text += '"';
    line.text += key;
    line.text += "\":";
    line.needComma = false;
}

void traceBeginObject(TraceLine& line) { open(line, '{'); }
void traceEndObject(TraceLine& line) { close(line, '}'); }
void traceBeginArray(TraceLine& line) { open(line, '['); }
void traceEndArray(TraceLine& line) { close(line, ']'); }

void traceInt(TraceLine& line, int64_t value) {
    separate(line);
    line.text += std::to_string(value);
}

void traceBool(TraceLine& line, bool value) {
    separate(line);
    line.text += value ? "true" : "false";
}

void traceFloat(TraceLine& line, float value) {
    if (std::isnan(value)) return traceString(line, "nan");
    if (std::isinf(value)) return traceString(line, value > 0 ? "inf" : "-inf");
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", double(value));
    separate(line);
    line.text += buffer;
}

void traceString(TraceLine& line, const std::string& utf8) {
    separate(line);
    line.text += '"';
    for (unsigned char c : utf8) {
        if (c == '"' || c == '\\') {
            line.text += '\\';
            line.text += char(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            line.text += escape;
        } else {
            line.text += char(c);
        }
    }
    line.text += '"';
}

void traceField(TraceLine& line, const char* key, int value) { traceField(line, key, int64_t(value)); }
void traceField(TraceLine& line, const char* key, int64_t value) { traceKey(line, key); traceInt(line, value); }
void traceField(TraceLine& line, const char* key, float value) { traceKey(line, key); traceFloat(line, value); }
void traceField(TraceLine& line, const char* key, bool value) { traceKey(line, key); traceBool(line, value); }

bool openTrace(const char* path) {
    traceFile = std::fopen(path, "w");
    return traceFile != nullptr;
}

bool tracing() { return traceFile != nullptr; }

void setTraceSource(const Body* body, TraceHook hook) {
    traceBody = body;
    traceHook = hook;
}

void traceDrawnText(int32_t x, int32_t y, int red, int green, int blue, const std::string& utf8) {
    frameTexts.push_back({x, y, red, green, blue, utf8});
}

void writeTraceLine(int frame) {
    if (!traceFile) return;
    TraceLine line;
    traceBeginObject(line);
    traceField(line, "frame", int64_t(frame));
    writeMouse(line);
    writeTexts(line);
    writeParts(line);
    if (traceHook) traceHook(line);
    traceEndObject(line);
    line.text += '\n';
    std::fputs(line.text.c_str(), traceFile);
    frameTexts.clear();
}

void closeTrace() {
    if (traceFile) std::fclose(traceFile);
    traceFile = nullptr;
}
