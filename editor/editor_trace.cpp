#include "editor_trace.h"

void traceEditorKeys(TraceLine& line) {
    traceField(line, "menuSelection", static_cast<int64_t>(editorState.menuSelection));
    traceField(line, "enemyIndex", static_cast<int64_t>(editorState.enemyIndex));
    traceField(line, "enemyLoaded", static_cast<int64_t>(editorState.enemyLoaded));
    traceField(line, "relinkArmed", static_cast<int64_t>(editorState.relinkArmed));
}

void installEditorTrace() { setTraceSource(&editorState.body, traceEditorKeys); }
