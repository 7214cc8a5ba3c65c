// Numbers: the span of a number in the text and its value.
#include "lang/number_text.h"

#include <cstdlib>
#include <locale.h>

#include "lang/workareas.h"

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isExponentLetter(char c)
{
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

int digitsAt(const char* text)
{
    int n = 0;
    while (isDigit(text[n]))
        ++n;
    return n;
}

int exponentLength(const char* text)
{
    if (!isExponentLetter(text[0]))
        return 0;
    const int sign = text[1] == '+' || text[1] == '-' ? 1 : 0;
    const int digits = digitsAt(text + 1 + sign);
    return digits == 0 ? 0 : 1 + sign + digits;
}

// The application may switch LC_NUMERIC to a locale with a decimal comma; the
// "C" locale object is static in the C library, so obtaining it allocates nothing.
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return locale;
}

}  // namespace

int numberLength(const char* text)
{
    int n = digitsAt(text);
    if (text[n] == '.')
        n += 1 + digitsAt(text + n + 1);
    return n + exponentLength(text + n);
}

double convertNumber(const char* text, int length)
{
    // The copy ends the conversion at the span (strtod alone would read 0x10 as
    // hexadecimal) and turns a d exponent into the e that strtod knows.
    char digits[kSourceCapacity];
    for (int i = 0; i < length; ++i)
        digits[i] = text[i] == 'd' || text[i] == 'D' ? 'e' : text[i];
    digits[length] = '\0';
    return strtod_l(digits, nullptr, cLocale());
}
