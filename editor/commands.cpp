#include "commands.h"

#include <cstdio>

#include "enemy_file.h"
#include "files.h"
#include "part_edit.h"
#include "window.h"

void saveCommand(EditorState& editor) {
    const int n = currentEnemy(editor);
    if (saveBody(editor.body, n) || editor.saveFailureReported) return;
    editor.saveFailureReported = true;
    std::fprintf(stderr, "editor: could not save %s; the file on disk is unchanged\n",
                 nativePath(enemyFileName(n).c_str()).c_str());
}

void loadCommand(EditorState& editor) { loadBody(editor.body, currentEnemy(editor)); }

void resetCommand(EditorState& editor) { resetBody(editor.body); }

namespace {

void runKeyCommand(EditorState& editor) {
    if (getKeyB() == 0 || editor.enemyLoaded == 0) return;
    switch (editor.menuSelection) {
    case kRowSave: saveCommand(editor); break;
    case kRowLoad: loadCommand(editor); break;
    case kRowReset: resetCommand(editor); break;
    default: break;
    }
}

void drawAllOutlines(const EditorState& editor) {
    for (int i = 1; i < kPartCount; ++i)
        drawSheetOutline(editor.body.parts[i], editor.menuSelection == i + 2 ? 1 : 0);
}

void relinkOnTest(EditorState& editor) {
    if (editor.relinkArmed != 1) return;
    editor.relinkArmed = 0;
    linkBodyForEdit(editor.body);
}

} // namespace

void runRowCommand(EditorState& editor) {
    const int32_t row = editor.menuSelection;
    if (row <= kRowReset)
        runKeyCommand(editor);
    else if (row <= kRelinkRow)
        drawAllOutlines(editor);
    else if (row == kTestRow)
        relinkOnTest(editor);
}
