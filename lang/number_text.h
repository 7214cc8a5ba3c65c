// The numbers of the language: decimal only, with e, E, d or D as exponent letter.
#pragma once

// Length of the number that starts at text (a digit, or a point and a digit):
// digits, an optional point and digits, an optional exponent. An exponent
// letter without digits after it (and its optional sign) is not part of it.
int numberLength(const char* text);

// The value of the length bytes at text by the C library's decimal conversion
// in the "C" locale: too large gives +infinity, too small 0 or a subnormal.
double convertNumber(const char* text, int length);
