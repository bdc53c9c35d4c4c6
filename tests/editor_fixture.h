// Shared set-up of the editor's tests: key messages as the window procedure
// delivers them, and a temporary working folder holding the tiny data set,
// with a headless display, for tests that load images and enemy files.
#pragma once
#include <unistd.h>

#include <climits>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "data_fixture.h"
#include "editor_state.h"
#include "locked_folder.h"
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

