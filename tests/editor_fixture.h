// Shared set-up of the editor's tests: key messages as the window procedure
// delivers them, and a temporary working folder holding the tiny data set,
// with a headless display, for tests that load images and enemy files.
#pragma once
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "data_fixture.h"
#include "editor_state.h"
#include "menu.h"
#include "mouse.h"
#include "platform/platform.h"
#include "window.h"

// A key-down message: the flag is set, then the editor's menu step runs.
inline void keyDownMessage(EditorState& editor, int code) {
    keyState[code] = 1;
    menuKeyDown(editor, code);
}

inline void keyUpMessage(int code) { keyState[code] = 0; }

inline void clearKeys() { std::memset(keyState, 0, sizeof keyState); }

class EditorFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char cwd[PATH_MAX];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        oldDir = cwd;
        dir = makeTempDir("qmx_editor_");
        writeTinyDataSet(dir);
        ASSERT_EQ(chdir(dir.c_str()), 0);
        platform::useHeadless({});
        resetMouseDevice();
        clearKeys();
    }
    void TearDown() override {
        clearKeys();
        ASSERT_EQ(chdir(oldDir.c_str()), 0);
    }

    std::string path(const std::string& name) const { return dir + "/" + name; }

    std::string oldDir;
    std::string dir;
    EditorState editor;
};

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
