// Conversions between UTF-8 (the GUI's and the command line's text) and code page 932
// (the interpreter's buffers and the files Brenno writes).
#pragma once
#include <cstddef>
#include <string>

bool isValidUtf8(const std::string& bytes);

// Every character that code page 932 cannot represent becomes "?" (so does
// every byte that is no UTF-8). The second form stops before the first
// character that would take the result past limit bytes.
std::string utf8ToCp932Replacing(const std::string& utf8);
std::string utf8ToCp932Replacing(const std::string& utf8, size_t limit);

// Fails on the first character that code page 932 cannot represent; badChar then
// holds that character (UTF-8) and line its 1-based line number.
struct Cp932Failure {
    std::string badChar;
    int line = 0;
};
bool utf8ToCp932Strict(const std::string& utf8, std::string& out, Cp932Failure& failure);

// Bytes that are not valid code page 932 become U+FFFD.
std::string cp932ToUtf8(const std::string& cp932);
// Fails on the first bytes that are no code page 932 character.
bool cp932ToUtf8Strict(const std::string& cp932, std::string& utf8);
