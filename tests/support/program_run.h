// Runs a program binary the way a player's shell would, for end-to-end
// tests: in a given working folder, with arguments, capturing its exit code,
// standard output and standard error, and killing it after a timeout.
#pragma once
#include <string>
#include <vector>

struct ProgramResult {
    int exitCode = -1;        // the exit status; -1 when killed or not started
    bool timedOut = false;
    std::string out;          // standard output
    std::string err;          // standard error
};

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workDir, int timeoutSeconds = 60);

// A headless run: --headless --frames N --data DIR, plus --script and
// --trace when they are given (non-empty), plus any further arguments.
// The program runs in `dir`, which is also the data folder.
ProgramResult runHeadless(const std::string& program, const std::string& dir, int frames,
                          const std::string& script = "", const std::string& trace = "",
                          const std::vector<std::string>& extra = {});
