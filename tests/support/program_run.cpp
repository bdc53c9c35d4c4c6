#include "program_run.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "data_fixture.h"

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// In the child: working folder, output files, then the program.
[[noreturn]] void execChild(const std::string& program, const std::vector<std::string>& args,
                            const std::string& workDir, const std::string& outPath,
                            const std::string& errPath) {
    const int devNull = open("/dev/null", O_RDONLY);
    const int outFd = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int errFd = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    setpgid(0, 0);   // its own group, so a timeout ends its children too
    if (devNull < 0 || outFd < 0 || errFd < 0 || chdir(workDir.c_str()) != 0) _exit(127);
    dup2(devNull, 0);
    dup2(outFd, 1);
    dup2(errFd, 2);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
}

} // namespace

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workDir, int timeoutSeconds) {
    ProgramResult result;
    const std::string captureDir = makeTempDir("qmx_run_");
    const std::string outPath = captureDir + "/stdout";
    const std::string errPath = captureDir + "/stderr";
    const pid_t pid = fork();
    if (pid < 0) return result;
    if (pid == 0) execChild(program, args, workDir, outPath, errPath);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) return result;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(-pid, SIGKILL);
            waitpid(pid, &status, 0);
            result.timedOut = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!result.timedOut && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    result.out = slurp(outPath);
    result.err = slurp(errPath);
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    std::remove(captureDir.c_str());
    return result;
}

ProgramResult runHeadless(const std::string& program, const std::string& dir, int frames,
                          const std::string& script, const std::string& trace,
                          const std::vector<std::string>& extra) {
    std::vector<std::string> args = {"--headless", "--frames", std::to_string(frames), "--data", dir};
    if (!script.empty()) {
        args.push_back("--script");
        args.push_back(script);
    }
    if (!trace.empty()) {
        args.push_back("--trace");
        args.push_back(trace);
    }
    args.insert(args.end(), extra.begin(), extra.end());
    return runProgram(program, args, dir);
}
