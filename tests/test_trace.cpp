// The trace: values written so that every line is valid JSON and floats
// read back exactly, and the runtime's part of a frame's line.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "body.h"
#include "data_fixture.h"
#include "mouse.h"
#include "trace.h"
#include "trace_reader.h"
#include "video.h"

namespace {

std::string floatText(float value) {
    TraceLine line;
    traceFloat(line, value);
    return line.text;
}

TEST(Trace, FloatsReadBackAsTheSameFloat) {
    const float values[] = {0.0f, 1.0f, -2.5f, 0.1f, 1.0f / 3.0f, 480.0f - 123.456f, 16777217.0f,
                            1e30f, -1e-30f, FLT_MAX, FLT_MIN, std::numeric_limits<float>::denorm_min(),
                            3.4028233e38f, 0.30000001f};
    for (float v : values) {
        const std::string text = floatText(v);
        SCOPED_TRACE(text);
        const float back = std::strtof(text.c_str(), nullptr);
        EXPECT_EQ(std::memcmp(&back, &v, sizeof v), 0);
        Json json;
        std::string error;
        EXPECT_TRUE(parseJson(text, json, error)) << error;
    }
    EXPECT_EQ(floatText(0.1f), "0.100000001");
    EXPECT_EQ(floatText(4.0f), "4");
}

TEST(Trace, NonFiniteFloatsBecomeStrings) {
    EXPECT_EQ(floatText(std::numeric_limits<float>::quiet_NaN()), "\"nan\"");
    EXPECT_EQ(floatText(-std::numeric_limits<float>::quiet_NaN()), "\"nan\"");
    EXPECT_EQ(floatText(std::numeric_limits<float>::infinity()), "\"inf\"");
    EXPECT_EQ(floatText(-std::numeric_limits<float>::infinity()), "\"-inf\"");
}

TEST(Trace, StringsAreEscaped) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {"plain", "\"plain\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"body\\ene0.bmp", "\"body\\\\ene0.bmp\""},
        {"a\nb\tc\x01", "\"a\\u000ab\\u0009c\\u0001\""},
        {"\xE9\xA0\xAD", "\"\xE9\xA0\xAD\""},   // UTF-8 passes unchanged
        {"", "\"\""},
    };
    for (const Case& c : cases) {
        TraceLine line;
        traceString(line, c.in);
        EXPECT_EQ(line.text, c.out);
        Json json;
        std::string error;
        ASSERT_TRUE(parseJson(line.text, json, error)) << error;
        EXPECT_EQ(json.string, c.in);
    }
}

TEST(Trace, CommasArePlacedBetweenValues) {
    TraceLine line;
    traceBeginObject(line);
    traceField(line, "a", 1);
    traceKey(line, "list");
    traceBeginArray(line);
    traceInt(line, -2);
    traceBool(line, true);
    traceBeginObject(line);
    traceEndObject(line);
    traceBeginArray(line);
    traceEndArray(line);
    traceEndArray(line);
    traceField(line, "f", 1.5f);
    traceField(line, "b", false);
    traceField(line, "big", int64_t(1) << 40);
    traceEndObject(line);
    EXPECT_EQ(line.text, "{\"a\":1,\"list\":[-2,true,{},[]],\"f\":1.5,\"b\":false,\"big\":1099511627776}");
}

void gameKeys(TraceLine& line) { traceField(line, "stage", 3); }

TEST(Trace, FrameLineHoldsFrameMouseTextsAndParts) {
    const std::string path = makeTempDir("qmx_trace_") + "/t.jsonl";
    ASSERT_TRUE(openTrace(path.c_str()));
    ASSERT_TRUE(tracing());

    Body body{};
    for (int i = 0; i < kPartCount; ++i) body.parts[i].srcX = 10.0f * i;
    linkBody(body);
    body.parts[rightHand].parent = kNoParent;
    body.parts[leftArm].life = std::numeric_limits<float>::quiet_NaN();
    body.parts[head].vx = 0.1f;
    setTraceSource(&body, gameKeys);
    resetMouseDevice();
    mouse.mouseX = -3;
    mouse.moveY = 9;
    mouse.leftButton = 2;

    traceDrawnText(5, 6, 255, 128, 0, "say \"\xE9\xA0\xAD\"");
    Surface* scratch = &spareSurface;
    drawText(*scratch, 1, 2, "\x93\xaa", 1, 2, 3);   // drawText feeds the trace, decoded
    writeTraceLine(7);
    writeTraceLine(8);   // the texts belong to one frame only
    setTraceSource(nullptr, nullptr);
    writeTraceLine(9);
    closeTrace();
    EXPECT_FALSE(tracing());
    writeTraceLine(10);   // after closing: nothing, no crash

    std::string errors;
    const std::vector<Json> lines = readTrace(path, &errors);
    EXPECT_EQ(errors, "");
    ASSERT_EQ(lines.size(), 3u);
    const Json& l = lines[0];
    EXPECT_EQ(traceInt(l, "frame"), 7);
    EXPECT_EQ(l["mouse"]["x"].asInt(), -3);
    EXPECT_EQ(l["mouse"]["y"].asInt(), 200);
    EXPECT_EQ(l["mouse"]["moveY"].asInt(), 9);
    EXPECT_EQ(l["mouse"]["left"].asInt(), 2);
    for (const char* key : {"moveX", "wheel", "right", "middle"}) EXPECT_TRUE(l["mouse"].has(key)) << key;

    const std::vector<TraceText> texts = traceTexts(l);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "say \"\xE9\xA0\xAD\"");
    EXPECT_EQ(texts[0].x, 5);
    EXPECT_EQ(texts[0].g, 128);
    EXPECT_EQ(texts[1].text, "\xE9\xA0\xAD");
    EXPECT_EQ(texts[1].b, 3);

    const std::vector<TracePart> parts = traceParts(l);
    ASSERT_EQ(parts.size(), 12u);
    EXPECT_EQ(parts[soul].parent, -1);
    EXPECT_EQ(parts[soul].hold, 1000);
    EXPECT_EQ(parts[rightHand].parent, -1);
    EXPECT_EQ(parts[leftHand].parent, leftArm);
    EXPECT_EQ(parts[leftFoot].parent, leftLeg);
    EXPECT_TRUE(std::isnan(parts[leftArm].life));
    EXPECT_EQ(parts[head].vx, 0.1f);
    EXPECT_EQ(parts[torso].x, 10.0f);
    for (const char* key : {"life", "x", "y", "vx", "vy", "parent", "srcX", "srcY", "width", "height", "hold"})
        EXPECT_TRUE(l["parts"][3].has(key)) << key;
    EXPECT_EQ(traceInt(l, "stage"), 3) << "the program's own keys follow";

    EXPECT_EQ(traceTexts(lines[1]).size(), 0u);
    EXPECT_EQ(traceInt(lines[1], "frame"), 8);
    ASSERT_EQ(traceParts(lines[2]).size(), 12u) << "twelve parts even without a Body";
    EXPECT_FALSE(lines[2].has("stage"));
}

TEST(Trace, OpenFailsForAPathThatCannotBeCreated) {
    EXPECT_FALSE(openTrace("/nonexistent-folder/qmx/t.jsonl"));
    EXPECT_FALSE(tracing());
}

}  // namespace
