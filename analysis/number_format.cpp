#include "analysis/number_format.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kExponentDigits = 3;
// "%E" shows seven significant digits, "%G" and "%g" at most six.
constexpr int kExponentFormDigits = 7;
constexpr int kShortestFormDigits = 6;
// Room for any of the three short formats: sign, 17 digits, point, exponent.
constexpr int kShortFormatRoom = 32;

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

std::string formatWithPrintf(const char* format, double value)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, value);
    return widenExponent(buffer);
}

// A finite value rounded to a number of significant digits, as printf's
// exponent form rounds it (std::to_chars rounds exactly as printf does).
struct RoundedDecimal {
    bool negative;
    char digits[kExponentFormDigits];
    int digitCount;
    int exponent;  // of the first digit, after rounding
};

RoundedDecimal roundDecimal(double value, int significant)
{
    char text[kShortFormatRoom];
    const char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                    significant - 1).ptr;
    RoundedDecimal rounded{};
    const char* p = text;
    rounded.negative = *p == '-';
    if (rounded.negative)
        ++p;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            rounded.digits[rounded.digitCount++] = *p;
    }
    std::from_chars(p[1] == '+' ? p + 2 : p + 1, end, rounded.exponent);
    return rounded;
}

// Appends 'E' or 'e', the sign and three digits.
char* writeExponent(char* out, int exponent, char letter)
{
    *out++ = letter;
    *out++ = exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    *out++ = static_cast<char>('0' + magnitude / 100);
    *out++ = static_cast<char>('0' + magnitude / 10 % 10);
    *out++ = static_cast<char>('0' + magnitude % 10);
    return out;
}

// "INF", "-INF", "NAN" or "-NAN" in the format's case, as the C library writes them.
char* writeNonFinite(char* out, double value, bool upper)
{
    if (std::signbit(value))
        *out++ = '-';
    const char* word = std::isnan(value) ? (upper ? "NAN" : "nan") : (upper ? "INF" : "inf");
    std::memcpy(out, word, 3);
    return out + 3;
}

// "%E": d.ddddddE+ddd.
char* writeExponentForm(char* out, double value)
{
    const RoundedDecimal r = roundDecimal(value, kExponentFormDigits);
    if (r.negative)
        *out++ = '-';
    *out++ = r.digits[0];
    *out++ = '.';
    std::memcpy(out, r.digits + 1, kExponentFormDigits - 1);
    return writeExponent(out + kExponentFormDigits - 1, r.exponent, 'E');
}

// The digits after the point without trailing zeros, and the point only
// when a digit follows it.
char* writeFraction(char* out, const char* digits, int count)
{
    while (count > 0 && digits[count - 1] == '0')
        --count;
    if (count == 0)
        return out;
    *out++ = '.';
    std::memcpy(out, digits, static_cast<size_t>(count));
    return out + count;
}

// "%G" and "%g": six significant digits in fixed form for exponents from -4
// to 5, else in exponent form; trailing zeros dropped.
char* writeShortestForm(char* out, double value, bool upper)
{
    const RoundedDecimal r = roundDecimal(value, kShortestFormDigits);
    if (r.negative)
        *out++ = '-';
    const int x = r.exponent;
    if (x < -4 || x >= kShortestFormDigits) {
        *out++ = r.digits[0];
        out = writeFraction(out, r.digits + 1, kShortestFormDigits - 1);
        return writeExponent(out, x, upper ? 'E' : 'e');
    }
    if (x < 0) {
        char fraction[kShortestFormDigits + 4];
        std::memset(fraction, '0', static_cast<size_t>(-x - 1));
        std::memcpy(fraction - x - 1, r.digits, kShortestFormDigits);
        *out++ = '0';
        return writeFraction(out, fraction, kShortestFormDigits - x - 1);
    }
    std::memcpy(out, r.digits, static_cast<size_t>(x + 1));
    return writeFraction(out + x + 1, r.digits + x + 1, kShortestFormDigits - x - 1);
}

// The three formats of points and listings, without printf; null for any other.
char* writeShortFormat(char* out, const char* format, double value)
{
    const bool exponentForm = std::strcmp(format, "%E") == 0;
    const bool upper = exponentForm || std::strcmp(format, "%G") == 0;
    if (!exponentForm && !upper && std::strcmp(format, "%g") != 0)
        return nullptr;
    if (!std::isfinite(value))
        return writeNonFinite(out, value, upper);
    return exponentForm ? writeExponentForm(out, value) : writeShortestForm(out, value, upper);
}

}  // namespace

std::string formatDouble(const char* format, double value)
{
    char text[kShortFormatRoom];
    if (char* end = writeShortFormat(text, format, value))
        return std::string(text, end);
    return formatWithPrintf(format, value);
}

void appendDouble(std::string& text, const char* format, double value)
{
    char buffer[kShortFormatRoom];
    if (char* end = writeShortFormat(buffer, format, value))
        text.append(buffer, end);
    else
        text += formatWithPrintf(format, value);
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
