#include "panes/property_grid_text.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cstdint>
#include <limits>

#include "analysis/number_format.h"
#include "panes/font_dialog.h"

namespace {

struct SignedText {
    bool negative = false;
    QByteArray digits;  // the text after the sign
};

SignedText splitSign(const QString& typed)
{
    QByteArray text = typed.trimmed().toLatin1();
    SignedText result;
    if (!text.isEmpty() && (text[0] == '+' || text[0] == '-')) {
        result.negative = text[0] == '-';
        text.remove(0, 1);
    }
    result.digits = text;
    return result;
}

bool startsWithDigit(const QByteArray& text)
{
    const int first = !text.isEmpty() && text[0] == '.' ? 1 : 0;
    return text.size() > first && text[first] >= '0' && text[first] <= '9';
}

// An out-of-range decimal is too large unless its exponent is negative.
bool overflows(const QByteArray& text)
{
    const int exponent = qMax(text.indexOf('e'), text.indexOf('E'));
    return exponent < 0 || exponent + 1 >= text.size() || text[exponent + 1] != '-';
}

}  // namespace

QString showSingle(float value)
{
    return QString::fromStdString(formatDouble("%G", static_cast<double>(value)));
}

QString showInteger(long value)
{
    return QString::fromStdString(formatInt("%ld", value));
}

QString showColour(Colorref colour)
{
    return QStringLiteral("RGB(%1, %2, %3)").arg(redOf(colour)).arg(greenOf(colour)).arg(blueOf(colour));
}

QString showFont(const QFont& font)
{
    const QFont shown = shownFont(font);
    return QStringLiteral("%1(%2)").arg(shown.family()).arg(shown.pointSize());
}

float toSingle(double value)
{
    if (value > FLT_MAX)
        return FLT_MAX;
    if (value < -FLT_MAX)
        return -FLT_MAX;
    return static_cast<float>(value);
}

float readSingle(const QString& typed)
{
    const SignedText text = splitSign(typed);
    if (!startsWithDigit(text.digits))
        return 0.0f;
    const char* begin = text.digits.constData();
    float value = 0.0f;
    const auto [end, error] = std::from_chars(begin, begin + text.digits.size(), value);
    if (error == std::errc::result_out_of_range)
        value = overflows(QByteArray(begin, static_cast<int>(end - begin))) ? FLT_MAX : 0.0f;
    else if (error != std::errc())
        value = 0.0f;
    return text.negative ? -value : value;
}

long readInteger(const QString& typed)
{
    const SignedText text = splitSign(typed);
    const char* begin = text.digits.constData();
    long long magnitude = 0;
    const std::errc error = std::from_chars(begin, begin + text.digits.size(), magnitude).ec;
    if (error == std::errc::result_out_of_range)
        magnitude = std::numeric_limits<long long>::max();
    else if (error != std::errc() || magnitude < 0)
        return 0;
    const long long value = text.negative ? -magnitude : magnitude;
    return static_cast<long>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}
