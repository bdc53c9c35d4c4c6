// The headless input script: one event per line, "<frame> <event> [args]",
// '#' starts a comment. Read once by startRun.
#pragma once
#include <string>
#include <vector>

#include "platform/platform.h"

// False with a message naming the line when the script is not understood.
bool parseScript(const std::string& text, std::vector<platform::ScriptedEvent>& events,
                 std::string& error);
