// Numbers as every part of Brenno shows and writes them: the C library's
// formatted output with the exponent widened to at least three digits
// (1E-005, -1E+099), so listings, labels and saved files read the same everywhere.
#pragma once
#include <string>

std::string formatDouble(const char* format, double value);
// formatDouble's text appended to text, without a string of its own.
void appendDouble(std::string& text, const char* format, double value);
std::string formatInt(const char* format, long value);
