#include "run.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/platform.h"
#include "script.h"
#include "trace.h"

namespace fs = std::filesystem;

namespace {

RunOptions run;

bool parseNumber(const char* text, long long low, long long high, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text, &end, 0);
    return end != text && *end == '\0' && value >= low && value <= high;
}

bool parseShot(const std::string& arg, Shot& shot) {
    const size_t colon = arg.find(':');
    long long frame;
    if (colon == std::string::npos || colon + 1 >= arg.size()) return false;
    if (!parseNumber(arg.substr(0, colon).c_str(), 0, 1LL << 30, frame)) return false;
    shot = {int(frame), arg.substr(colon + 1)};
    return true;
}

// Options that take a value; false with a message when it is bad.
bool takeValue(const std::string& name, const char* value, RunOptions& o, std::string& error) {
    long long n;
    bool ok = true;
    if (name == "--scale") ok = parseNumber(value, 1, 16, n) && (o.scale = int(n), true);
    else if (name == "--frames") ok = parseNumber(value, 1, 1LL << 30, n) && (o.frames = int(n), true);
    else if (name == "--seed") ok = parseNumber(value, 0, 0xFFFFFFFFLL, n) && (o.seed = uint32_t(n), o.seedGiven = true);
    else if (name == "--script") o.script = value;
    else if (name == "--trace") o.trace = value;
    else if (name == "--data") o.dataDir = value;
    else if (name == "--shot") {
        Shot shot;
        ok = parseShot(value, shot);
        if (ok) o.shots.push_back(shot);
    } else {
        error = "unknown option " + name;
        return false;
    }
    if (!ok) error = "bad value for " + name + ": " + value;
    return ok;
}

bool holdsDataSet(const fs::path& dir) {
    std::error_code ec;
    return fs::exists(dir / "lion.bmp", ec);
}

fs::path programFolder(const char* argv0) {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) self = fs::absolute(argv0, ec);
    return self.parent_path();
}

[[noreturn]] void failStart(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    std::exit(1);
}

void loadScript(const std::string& path) {
    std::vector<platform::ScriptedEvent> events;
    if (!path.empty()) {
        std::ifstream in(path);
        if (!in) failStart("cannot read the script " + path);
        std::stringstream text;
        text << in.rdbuf();
        std::string error;
        if (!parseScript(text.str(), events, error)) failStart(error);
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const platform::ScriptedEvent& a, const platform::ScriptedEvent& b) { return a.frame < b.frame; });
    platform::useHeadless(std::move(events));
}

// Output paths given relative to where the program was started stay so
// after the change into the data folder.
void anchorOutputs(RunOptions& o) {
    std::error_code ec;
    if (!o.trace.empty()) o.trace = fs::absolute(o.trace, ec).string();
    for (Shot& shot : o.shots) shot.path = fs::absolute(shot.path, ec).string();
    if (!o.script.empty()) o.script = fs::absolute(o.script, ec).string();
}

void enterDataFolder(const RunOptions& o, const char* argv0) {
    fs::path dir = o.dataDir;
    if (dir.empty()) dir = holdsDataSet(fs::current_path()) ? fs::current_path() : programFolder(argv0) / "data";
    std::error_code ec;
    fs::current_path(dir, ec);
    if (ec) failStart("cannot use the data folder " + dir.string() + ": " + ec.message());
}

} // namespace

bool parseCommandLine(int argc, char** argv, RunOptions& o, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") o.help = true;
        else if (arg == "--headless") o.headless = true;
        else if (arg == "--windowed") o.windowed = true;
        else if (i + 1 < argc && arg.rfind("--", 0) == 0) {
            if (!takeValue(arg, argv[++i], o, error)) return false;
        } else {
            error = "unknown or incomplete option " + arg;
            return false;
        }
    }
    if (o.headless && o.frames < 1) {
        error = "--headless needs --frames N";
        return false;
    }
    if (!o.headless && (!o.script.empty() || !o.trace.empty() || !o.shots.empty() || o.frames > 0)) {
        error = "--frames, --script, --trace and --shot need --headless";
        return false;
    }
    return true;
}

std::string usageText(const char* program, bool withSeed) {
    const std::string seed = withSeed ? " [--seed S]" : "";
    return std::string("usage: ") + program + " [--windowed] [--scale N] [--data DIR]" + seed + " [--help]\n" +
           "       " + program + " --headless --frames N [--script FILE] [--trace FILE] [--shot F:FILE.png]..." +
           " [--data DIR]" + seed + "\n";
}

void startRun(const RunOptions& options, const char* argv0) {
    run = options;
    anchorOutputs(run);
    if (run.headless) loadScript(run.script);
    enterDataFolder(run, argv0);
    if (!run.trace.empty() && !openTrace(run.trace.c_str())) failStart("cannot write the trace " + run.trace);
}

const RunOptions& currentRun() { return run; }
