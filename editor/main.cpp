// The editor's command line: --help, the display and headless-run options,
// then the editor itself.
#include <cstdio>
#include <string>

#include "editor.h"
#include "run.h"

int main(int argc, char** argv) {
    RunOptions options;
    std::string error;
    if (!parseCommandLine(argc, argv, options, error)) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), usageText("editor", false).c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(usageText("editor", false).c_str(), stdout);
        return 0;
    }
    startRun(options, argv[0]);
    runEditor();
}
