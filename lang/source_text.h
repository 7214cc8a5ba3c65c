// Loading the editor's text into the source buffer for a compile.
#pragma once
#include <string>

// Converts utf8 to code page 932 into workAreas.source: at most 16381 bytes,
// cut on a whole character, unrepresentable characters as "?". false when the
// text was longer and only its start is in the buffer.
bool loadSourceText(const std::string& utf8);
