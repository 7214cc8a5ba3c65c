// How a program file's bytes are read: which of the two encodings they are in.
#pragma once
#include <string>

// The text of a program file as UTF-8. Brenno saves code page 932 with CR LF
// line ends, and bytes that read back as such a file are taken as one, so a
// saved file always opens as it was written, even where its bytes are also
// valid UTF-8 (half-width katakana in pairs, some kanji). Other files: UTF-8
// after a byte-order mark or when the bytes are valid UTF-8 (a lone LF or CR
// tells a file from another editor apart); code page 932 otherwise, bytes
// that are no character as U+FFFD.
std::string programFileText(const std::string& bytes);
