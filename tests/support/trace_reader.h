// Reading the JSON-lines trace of a headless run: a minimal JSON reader
// (objects, arrays, strings, numbers, true/false/null) and shorthands for the
// keys the tests look at (texts, parts, plain numbers). Used by the
// end-to-end tests of both programs.
#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

struct Json {
    enum Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Null;
    bool boolean = false;
    double number = 0.0;
    std::string string;
    std::vector<Json> items;                              // Array
    std::vector<std::pair<std::string, Json>> members;    // Object, in order

    bool has(const char* key) const;
    // A missing key or index gives a Null value.
    const Json& operator[](const char* key) const;
    const Json& operator[](int index) const;
    std::size_t size() const { return kind == Array ? items.size() : members.size(); }
    // A number; the trace's "nan", "inf", "-inf" strings read as those values;
    // anything else reads as NaN.
    double num() const;
    // Truncated toward zero; INT_MIN for anything that is not a finite
    // number in the int range (so a missing key never reads as 0 or -1).
    int asInt() const;
};

// False (with a message in `error`) when the text is not one JSON value.
bool parseJson(const std::string& text, Json& value, std::string& error);

// One value per line of the file. A line that does not parse becomes a Null
// value and its message is appended to `errors` (when given).
std::vector<Json> readTrace(const std::string& path, std::string* errors = nullptr);

// Shorthands on one trace line.
int traceInt(const Json& line, const char* key);
double traceNumber(const Json& line, const char* key);

struct TraceText {
    int x = 0, y = 0;
    int r = 0, g = 0, b = 0;
    std::string text;    // UTF-8
};
std::vector<TraceText> traceTexts(const Json& line);
// The first text drawn with exactly this content, or null.
const TraceText* findText(const std::vector<TraceText>& texts, const std::string& text);
// True when some text starts with `prefix`.
bool hasTextStartingWith(const Json& line, const std::string& prefix);

struct TracePart {
    float life = 0, x = 0, y = 0, vx = 0, vy = 0;
    int parent = -1;
    float srcX = 0, srcY = 0, width = 0, height = 0;
    int hold = 0;
};
std::vector<TracePart> traceParts(const Json& line);
