// The game's command line: --help, the display and headless-run options,
// the random seed (the time in seconds unless --seed), then the game.
#include <cstdio>
#include <ctime>
#include <string>

#include "game.h"
#include "run.h"

int main(int argc, char** argv) {
    RunOptions options;
    std::string error;
    if (!parseCommandLine(argc, argv, options, error)) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), usageText("game", true).c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(usageText("game", true).c_str(), stdout);
        return 0;
    }
    startRun(options, argv[0]);
    const uint32_t seed = options.seedGiven ? options.seed : static_cast<uint32_t>(std::time(nullptr));
    runGame(seed);
}
