#include "trace_reader.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>

namespace {

struct Reader {
    const std::string& text;
    std::size_t at = 0;
    std::string error;

    bool fail(const char* what) {
        if (error.empty()) error = std::string(what) + " at byte " + std::to_string(at);
        return false;
    }
    void skipSpace() {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t' || text[at] == '\r' || text[at] == '\n'))
            ++at;
    }
    bool literal(const char* word) {
        std::size_t n = 0;
        while (word[n]) ++n;
        if (text.compare(at, n, word) != 0) return fail("unknown literal");
        at += n;
        return true;
    }
    bool value(Json& out);
    bool string(std::string& out);
    bool number(Json& out);
    bool array(Json& out);
    bool object(Json& out);
};

void appendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool readHex4(const std::string& text, std::size_t at, uint32_t& code) {
    if (at + 4 > text.size()) return false;
    code = 0;
    for (std::size_t i = at; i < at + 4; ++i) {
        const char c = text[i];
        code <<= 4;
        if (c >= '0' && c <= '9') code |= static_cast<uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f') code |= static_cast<uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') code |= static_cast<uint32_t>(c - 'A' + 10);
        else return false;
    }
    return true;
}

bool Reader::string(std::string& out) {
    ++at;   // opening quote
    while (at < text.size()) {
        const char c = text[at++];
        if (c == '"') return true;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (at >= text.size()) break;
        const char e = text[at++];
        switch (e) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
            uint32_t code;
            if (!readHex4(text, at, code)) return fail("bad \\u escape");
            at += 4;
            uint32_t low;
            if (code >= 0xD800 && code < 0xDC00 && text.compare(at, 2, "\\u") == 0 &&
                readHex4(text, at + 2, low) && low >= 0xDC00 && low < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                at += 6;
            }
            appendUtf8(out, code);
            break;
        }
        default: return fail("bad escape");
        }
    }
    return fail("unterminated string");
}

bool Reader::number(Json& out) {
    const char* start = text.c_str() + at;
    char* end = nullptr;
    out.kind = Json::Number;
    out.number = std::strtod(start, &end);
    if (end == start) return fail("bad number");
    at += static_cast<std::size_t>(end - start);
    return true;
}

bool Reader::array(Json& out) {
    out.kind = Json::Array;
    ++at;
    skipSpace();
    if (at < text.size() && text[at] == ']') {
        ++at;
        return true;
    }
    for (;;) {
        out.items.emplace_back();
        if (!value(out.items.back())) return false;
        skipSpace();
        if (at >= text.size()) return fail("unterminated array");
        const char c = text[at++];
        if (c == ']') return true;
        if (c != ',') return fail("expected , or ]");
    }
}

bool Reader::object(Json& out) {
    out.kind = Json::Object;
    ++at;
    skipSpace();
    if (at < text.size() && text[at] == '}') {
        ++at;
        return true;
    }
    for (;;) {
        skipSpace();
        if (at >= text.size() || text[at] != '"') return fail("expected a key");
        std::string key;
        if (!string(key)) return false;
        skipSpace();
        if (at >= text.size() || text[at++] != ':') return fail("expected :");
        out.members.emplace_back(key, Json());
        if (!value(out.members.back().second)) return false;
        skipSpace();
        if (at >= text.size()) return fail("unterminated object");
        const char c = text[at++];
        if (c == '}') return true;
        if (c != ',') return fail("expected , or }");
    }
}

bool Reader::value(Json& out) {
    skipSpace();
    if (at >= text.size()) return fail("unexpected end");
    const char c = text[at];
    if (c == '{') return object(out);
    if (c == '[') return array(out);
    if (c == '"') {
        out.kind = Json::String;
        return string(out.string);
    }
    if (c == 't' || c == 'f') {
        out.kind = Json::Bool;
        out.boolean = c == 't';
        return literal(c == 't' ? "true" : "false");
    }
    if (c == 'n') return literal("null");
    return number(out);
}

const Json kNull;

} // namespace

bool Json::has(const char* key) const {
    for (const auto& m : members)
        if (m.first == key) return true;
    return false;
}

const Json& Json::operator[](const char* key) const {
    for (const auto& m : members)
        if (m.first == key) return m.second;
    return kNull;
}

const Json& Json::operator[](int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < items.size() ? items[static_cast<std::size_t>(index)] : kNull;
}

double Json::num() const {
    if (kind == Number) return number;
    if (kind == Bool) return boolean ? 1.0 : 0.0;
    if (kind == String) {
        if (string == "inf") return std::numeric_limits<double>::infinity();
        if (string == "-inf") return -std::numeric_limits<double>::infinity();
    }
    return std::numeric_limits<double>::quiet_NaN();
}

int Json::asInt() const {
    const double v = num();
    if (!(v >= -2147483648.0 && v <= 2147483647.0)) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

bool parseJson(const std::string& text, Json& value, std::string& error) {
    Reader reader{text, 0, std::string()};
    value = Json();
    if (!reader.value(value)) {
        error = reader.error;
        return false;
    }
    reader.skipSpace();
    if (reader.at != text.size()) {
        error = "trailing characters at byte " + std::to_string(reader.at);
        return false;
    }
    return true;
}

std::vector<Json> readTrace(const std::string& path, std::string* errors) {
    std::vector<Json> lines;
    std::ifstream in(path);
    if (!in && errors) *errors += "cannot open " + path + "\n";
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        Json value;
        std::string error;
        if (!parseJson(text, value, error) && errors)
            *errors += "line " + std::to_string(number) + ": " + error + "\n";
        lines.push_back(std::move(value));
    }
    return lines;
}

int traceInt(const Json& line, const char* key) { return line[key].asInt(); }

double traceNumber(const Json& line, const char* key) { return line[key].num(); }

std::vector<TraceText> traceTexts(const Json& line) {
    std::vector<TraceText> texts;
    for (const Json& t : line["texts"].items) {
        TraceText text;
        text.x = t["x"].asInt();
        text.y = t["y"].asInt();
        text.r = t["rgb"][0].asInt();
        text.g = t["rgb"][1].asInt();
        text.b = t["rgb"][2].asInt();
        text.text = t["text"].string;
        texts.push_back(text);
    }
    return texts;
}

const TraceText* findText(const std::vector<TraceText>& texts, const std::string& text) {
    for (const TraceText& t : texts)
        if (t.text == text) return &t;
    return nullptr;
}

bool hasTextStartingWith(const Json& line, const std::string& prefix) {
    for (const Json& t : line["texts"].items)
        if (t["text"].string.compare(0, prefix.size(), prefix) == 0) return true;
    return false;
}

std::vector<TracePart> traceParts(const Json& line) {
    std::vector<TracePart> parts;
    for (const Json& p : line["parts"].items) {
        TracePart part;
        part.life = static_cast<float>(p["life"].num());
        part.x = static_cast<float>(p["x"].num());
        part.y = static_cast<float>(p["y"].num());
        part.vx = static_cast<float>(p["vx"].num());
        part.vy = static_cast<float>(p["vy"].num());
        part.parent = p["parent"].asInt();
        part.srcX = static_cast<float>(p["srcX"].num());
        part.srcY = static_cast<float>(p["srcY"].num());
        part.width = static_cast<float>(p["width"].num());
        part.height = static_cast<float>(p["height"].num());
        part.hold = p["hold"].asInt();
        parts.push_back(part);
    }
    return parts;
}
