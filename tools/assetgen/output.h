// Writing the generated files into the data folder. Every file goes through
// a temporary file and a rename, so a killed run never leaves half a file.
// main calls these once per file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum class WriteResult { written, unchanged, kept, failed };

// Writes the bytes unless the file already holds exactly them.
WriteResult writeGenerated(const std::string& path, const std::vector<uint8_t>& bytes);

// Writes the bytes only when no file of that name exists: for files that
// belong to the author or the player once they are there.
WriteResult writeIfAbsent(const std::string& path, const std::vector<uint8_t>& bytes);
