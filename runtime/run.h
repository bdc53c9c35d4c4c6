// The command line both programs share and the set-up it asks for: backend
// choice, input script, trace, screenshots, data folder, random seed. Each
// program's main() parses it and calls startRun before its start-up.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Shot {
    int frame;
    std::string path;
};

struct RunOptions {
    bool headless = false;
    bool windowed = false;
    int scale = 1;
    int frames = -1;            // headless: number of frames to run
    std::string script;
    std::string trace;
    std::vector<Shot> shots;
    std::string dataDir;
    bool seedGiven = false;
    uint32_t seed = 0;
    bool help = false;
};

// False with a message when the command line is not understood.
bool parseCommandLine(int argc, char** argv, RunOptions& options, std::string& error);
std::string usageText(const char* program, bool withSeed);

// Selects the backend, loads the script, opens the trace and changes into
// the data folder (--data, else the current folder if it holds the data set,
// else the "data" folder beside the program). On failure: a message on
// stderr and exit code 1.
void startRun(const RunOptions& options, const char* argv0);

// The options of the run in progress (display settings, shots, frames).
const RunOptions& currentRun();
