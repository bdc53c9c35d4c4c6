#include "files.h"

#include <cstdio>
#include <fstream>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

std::string nativePath(const char* name) {
    std::string path(name);
#ifndef _WIN32
    for (char& c : path)
        if (c == '\\') c = '/';
#endif
    return path;
}

long readFilePrefix(const char* name, void* buffer, std::size_t capacity) {
    std::FILE* f = std::fopen(nativePath(name).c_str(), "rb");
    if (!f) return -1;
    std::size_t got = std::fread(buffer, 1, capacity, f);
    std::fclose(f);
    return static_cast<long>(got);
}

bool readWholeFile(const char* name, std::vector<unsigned char>& bytes) {
    std::ifstream in(nativePath(name), std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

static bool flushToDisk(std::FILE* f) {
    if (std::fflush(f) != 0) return false;
#ifdef _WIN32
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
}

bool writeFileAtomic(const char* name, const void* data, std::size_t size) {
    const std::string path = nativePath(name);
    const std::string temp = path + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(data, 1, size, f) == size;
    ok = flushToDisk(f) && ok;
    ok = (std::fclose(f) == 0) && ok;
#ifdef _WIN32
    if (ok) std::remove(path.c_str());
#endif
    if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
    return ok;
}
