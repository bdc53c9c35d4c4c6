#include "script.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <sstream>

#include "mouse.h"
#include "window.h"

namespace {

using platform::Event;

// A decimal int32 (leading zeros do not make it octal); anything else,
// including a number out of range, is not understood.
bool parseInt(const std::string& word, long& value) {
    if (word.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(word.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || v < INT32_MIN || v > INT32_MAX) return false;
    value = long(v);
    return true;
}

bool parseHexByte(const std::string& digits, int& value) {
    if (digits.empty() || digits.size() > 2) return false;
    char* end = nullptr;
    const long v = std::strtol(digits.c_str(), &end, 16);
    if (*end != '\0' || v <= 0) return false;
    value = int(v);
    return true;
}

Event mouseEvent(uint32_t offset, int32_t data) {
    Event e;
    e.kind = Event::Mouse;
    e.offset = offset;
    e.data = data;
    return e;
}

bool buttonOffset(const std::string& name, uint32_t& offset) {
    static const std::map<std::string, uint32_t> buttons = {
        {"left", kButtonLeft}, {"right", kButtonRight}, {"middle", kButtonMiddle}, {"button4", kButton4}};
    auto it = buttons.find(name);
    if (it == buttons.end()) return false;
    offset = it->second;
    return true;
}

bool keyCode(const std::string& name, int& code) {
    static const std::map<std::string, int> keys = {
        {"ESCAPE", VK_ESCAPE}, {"PAUSE", VK_PAUSE}, {"SPACE", VK_SPACE}, {"B", VK_B},
        {"UP", VK_UP}, {"DOWN", VK_DOWN}, {"LEFT", VK_LEFT}, {"RIGHT", VK_RIGHT},
        {"NUMPAD2", VK_NUMPAD2}, {"NUMPAD4", VK_NUMPAD4}, {"NUMPAD6", VK_NUMPAD6}, {"NUMPAD8", VK_NUMPAD8}};
    auto it = keys.find(name);
    if (it != keys.end()) {
        code = it->second;
        return true;
    }
    return name.size() > 2 && name[0] == '0' && (name[1] == 'x' || name[1] == 'X') &&
           parseHexByte(name.substr(2), code);
}

// The events of one line after its frame number; false when not understood.
bool parseEvent(const std::vector<std::string>& w, std::vector<Event>& out) {
    const std::string& verb = w[1];
    long a = 0, b = 0;
    if (verb == "move" && w.size() == 4 && parseInt(w[2], a) && parseInt(w[3], b)) {
        if (a != 0) out.push_back(mouseEvent(kMouseX, int32_t(a)));
        if (b != 0) out.push_back(mouseEvent(kMouseY, int32_t(b)));
        return true;
    }
    if ((verb == "movex" || verb == "movey" || verb == "wheel") && w.size() == 3 && parseInt(w[2], a)) {
        const uint32_t offset = verb == "movex" ? kMouseX : verb == "movey" ? kMouseY : kMouseWheel;
        out.push_back(mouseEvent(offset, int32_t(a)));
        return true;
    }
    uint32_t button;
    if ((verb == "press" || verb == "release") && w.size() == 3 && buttonOffset(w[2], button)) {
        out.push_back(mouseEvent(button, verb == "press" ? kButtonDown : 0));
        return true;
    }
    int code;
    if ((verb == "keydown" || verb == "keyup") && w.size() == 3 && keyCode(w[2], code)) {
        Event e;
        e.kind = verb == "keydown" ? Event::KeyDown : Event::KeyUp;
        e.key = code;
        out.push_back(e);
        return true;
    }
    if ((verb == "close" || verb == "quit") && w.size() == 2) {
        Event e;
        e.kind = verb == "close" ? Event::Close : Event::Quit;
        out.push_back(e);
        return true;
    }
    return false;
}

} // namespace

bool parseScript(const std::string& text, std::vector<platform::ScriptedEvent>& events, std::string& error) {
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (w.empty()) continue;
        long frame;
        std::vector<Event> parsed;
        if (w.size() < 2 || !parseInt(w[0], frame) || frame < 0 || !parseEvent(w, parsed)) {
            error = "script line " + std::to_string(number) + " not understood: " + line;
            return false;
        }
        for (const Event& e : parsed) events.push_back({int(frame), e});
    }
    return true;
}
