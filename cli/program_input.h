// A program file read as the editor's open reads it.
#pragma once
#include <string>

// Reads path ("-": standard input) whole and returns its text as UTF-8,
// exactly as the editor holds it after opening the file (encoding and line
// ends), so both compile the same. false with error set when the file cannot
// be read, is no plain file or is far too large to be a program.
bool readProgramText(const std::string& path, std::string& utf8, std::string& error);
