// File access by the programs' own file names ("body\ene3.bmp"), relative to
// the working folder. Used by every loader and writer of game data.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// The name with `\` read as the folder separator.
std::string nativePath(const char* name);

// Reads at most `capacity` bytes from the start of the file; returns how many
// were read, or -1 when the file cannot be opened.
long readFilePrefix(const char* name, void* buffer, std::size_t capacity);

// Reads the whole file; false when it cannot be opened or read.
bool readWholeFile(const char* name, std::vector<unsigned char>& bytes);

// Replaces the file with `size` bytes: writes a temporary file in the same
// folder, flushes it to disk and renames it over the old one, so a crash or
// a full disk leaves the old file intact. False when any step failed.
bool writeFileAtomic(const char* name, const void* data, std::size_t size);
