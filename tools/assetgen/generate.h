// Writes the whole data set into one folder, group by group. Called by
// main; with a preview folder it also leaves PNG copies of every picture
// there for people to look at.
#pragma once
#include <string>

struct GenerateOptions {
    std::string dataDir;
    std::string previewDir;  // empty: no previews
};

// Returns the number of files that could not be written.
int generateAll(const GenerateOptions& options);
