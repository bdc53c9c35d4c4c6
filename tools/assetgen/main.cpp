// assetgen DATA_DIR [--preview DIR]: paints and synthesises our data set
// into DATA_DIR. Run by the build's `data` target.
#include <cstdio>
#include <cstring>
#include "generate.h"

int main(int argc, char** argv) {
    GenerateOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--preview") == 0 && i + 1 < argc) {
            options.previewDir = argv[++i];
        } else if (argv[i][0] != '-' && options.dataDir.empty()) {
            options.dataDir = argv[i];
        } else {
            options.dataDir.clear();
            break;
        }
    }
    if (options.dataDir.empty()) {
        std::fprintf(stderr, "usage: assetgen DATA_DIR [--preview DIR]\n");
        return 2;
    }
    return generateAll(options) == 0 ? 0 : 1;
}
