#include "output.h"
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool sameContent(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec) || fs::file_size(path, ec) != bytes.size() || ec) return false;
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return old == bytes;
}

WriteResult replaceAtomically(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    fs::path temp = path;
    temp += ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            fs::remove(temp, ec);
            return WriteResult::failed;
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        return WriteResult::failed;
    }
    return WriteResult::written;
}

}  // namespace

WriteResult writeGenerated(const std::string& path, const std::vector<uint8_t>& bytes) {
    if (sameContent(path, bytes)) return WriteResult::unchanged;
    return replaceAtomically(path, bytes);
}

WriteResult writeIfAbsent(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(path, ec))) return WriteResult::kept;
    return replaceAtomically(path, bytes);
}
