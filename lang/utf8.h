// UTF-8 sequences: their length and validity.
#pragma once
#include <cstddef>

// Length of the well-formed UTF-8 character at text (at most left bytes): 1 to 4,
// or 0 when the bytes are no character (overlong, surrogate, above U+10FFFF, cut).
int utf8CharacterLength(const char* text, size_t left);
