// Decoding of the programs' Shift-JIS texts (code page 932, where 0x5C is a
// backslash, not a yen sign) into UTF-8 for the font and the trace.
#pragma once
#include <string>

// Bytes that cannot be decoded become U+FFFD.
std::string cp932ToUtf8(const std::string& text);
