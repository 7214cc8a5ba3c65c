// A program file read as the editor's open reads it.
#pragma once
#include <string>

// Reads path ("-": standard input) whole and returns its text as UTF-8, in the
// encoding the editor's open takes it to be in.
// false with error set when the file cannot be read or is far too large to be
// a program (the source buffer holds 16381 bytes; a stream without end must not
// keep the command reading).
bool readProgramText(const std::string& path, std::string& utf8, std::string& error);
