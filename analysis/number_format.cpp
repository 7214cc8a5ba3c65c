#include "analysis/number_format.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kExponentDigits = 3;

// Pads the exponent of the first number in text to three digits; a width
// padding of leading blanks gives up as many blanks as digits were added.
std::string widenExponent(std::string text)
{
    for (size_t i = 0; i + 2 < text.size(); ++i) {
        const char c = text[i];
        if ((c != 'e' && c != 'E') || (text[i + 1] != '+' && text[i + 1] != '-') ||
            !std::isdigit(static_cast<unsigned char>(text[i + 2])))
            continue;
        size_t digitsEnd = i + 2;
        while (digitsEnd < text.size() && std::isdigit(static_cast<unsigned char>(text[digitsEnd])))
            ++digitsEnd;
        const int digits = static_cast<int>(digitsEnd - (i + 2));
        if (digits >= kExponentDigits)
            return text;
        const int added = kExponentDigits - digits;
        text.insert(i + 2, static_cast<size_t>(added), '0');
        int blanks = 0;
        while (blanks < added && blanks < static_cast<int>(text.size()) && text[blanks] == ' ')
            ++blanks;
        return text.substr(static_cast<size_t>(blanks));
    }
    return text;
}

}  // namespace

std::string formatDouble(const char* format, double value)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, value);
    return widenExponent(buffer);
}

std::string formatInt(const char* format, long value)
{
    char buffer[64];
    // "%d" reads an int and "%ld" a long: pass the argument the format asks for.
    if (std::strchr(format, 'l') != nullptr)
        std::snprintf(buffer, sizeof buffer, format, value);
    else
        std::snprintf(buffer, sizeof buffer, format, static_cast<int>(value));
    return buffer;
}
