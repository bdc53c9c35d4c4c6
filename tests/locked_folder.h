// A folder that refuses new files while the object lives, for tests of
// saving where writing fails (the editor's SAVE into a locked folder).
#pragma once
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

// Makes a folder refuse new files for as long as it lives: by its mode, or,
// for a user the mode does not stop (root), by the immutable attribute.
// `locked()` is false when neither works here.
class LockedFolder {
public:
    explicit LockedFolder(const std::string& folder) : folder_(folder) {
        chmod(folder_.c_str(), 0555);
        if (refusesNewFiles()) return;
        setImmutable(true);
        immutable_ = refusesNewFiles();
    }
    ~LockedFolder() {
        if (immutable_) setImmutable(false);
        chmod(folder_.c_str(), 0755);
    }
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

    bool locked() const { return locked_; }

private:
    bool refusesNewFiles() {
        const std::string probe = folder_ + "/probe";
        std::FILE* f = std::fopen(probe.c_str(), "wb");
        if (f) {
            std::fclose(f);
            std::remove(probe.c_str());
        }
        locked_ = f == nullptr;
        return locked_;
    }
    void setImmutable(bool on) {
        const int fd = open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return;
        int flags = 0;
        if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        close(fd);
    }

    std::string folder_;
    bool immutable_ = false;
    bool locked_ = false;
};
