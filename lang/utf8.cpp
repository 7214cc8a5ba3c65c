// Well-formed UTF-8 by the ranges of RFC 3629.
#include "lang/utf8.h"

namespace {

bool inRange(unsigned char byte, unsigned char low, unsigned char high)
{
    return byte >= low && byte <= high;
}

bool isContinuation(unsigned char byte)
{
    return inRange(byte, 0x80, 0xBF);
}

// The second byte's range is narrowed after E0, ED, F0 and F4 to exclude
// overlong forms, surrogates and code points above U+10FFFF.
void secondByteRange(unsigned char lead, unsigned char& low, unsigned char& high)
{
    low = 0x80;
    high = 0xBF;
    if (lead == 0xE0)
        low = 0xA0;
    else if (lead == 0xED)
        high = 0x9F;
    else if (lead == 0xF0)
        low = 0x90;
    else if (lead == 0xF4)
        high = 0x8F;
}

int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (inRange(lead, 0xC2, 0xDF))
        return 2;
    if (inRange(lead, 0xE0, 0xEF))
        return 3;
    if (inRange(lead, 0xF0, 0xF4))
        return 4;
    return 0;
}

}  // namespace

int utf8CharacterLength(const char* text, size_t left)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    if (left == 0)
        return 0;
    const int length = sequenceLength(bytes[0]);
    if (length == 0 || static_cast<size_t>(length) > left)
        return 0;
    if (length == 1)
        return 1;
    unsigned char low, high;
    secondByteRange(bytes[0], low, high);
    if (!inRange(bytes[1], low, high))
        return 0;
    for (int i = 2; i < length; ++i) {
        if (!isContinuation(bytes[i]))
            return 0;
    }
    return length;
}
