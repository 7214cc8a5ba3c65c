#include "analysis/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

struct FormatCase {
    const char* format;
    double value;
    const char* expected;
};

TEST(NumberFormat, WidensExponentToThreeDigits)
{
    const FormatCase cases[] = {
        {"%G", 1e-5, "1E-005"},
        {"%G", -1e99, "-1E+099"},
        {"%E", 0.01591549, "1.591549E-002"},
        {"%E", -45.0, "-4.500000E+001"},
        {"%E", 0.0, "0.000000E+000"},
        {"%E", 1e300, "1.000000E+300"},
        {"%g", 80.0, "80"},
        {"%G", 6.283185307179586, "6.28319"},
        {"%G", 1234567.0, "1.23457E+006"},
        {"%4.2f", -3.14159, "-3.14"},
        {"%4.2f", 0.5, "0.50"},
        {"%4.2g", 0.5, " 0.5"},
        {"%4.2g", 1e-5, "1e-005"},
        {"%G", INFINITY, "INF"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(formatDouble(c.format, c.value), c.expected) << c.format << " " << c.value;
}

TEST(NumberFormat, Integers)
{
    EXPECT_EQ(formatInt("%d", 0), "0");
    EXPECT_EQ(formatInt("%ld", -2047), "-2047");
}

namespace {

// The C library's text with the exponent widened to three digits, the way
// the short formats put it at the end of the number.
std::string printfReference(const char* format, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    std::string text = buffer;
    const size_t e = text.find_first_of("eE");
    if (e != std::string::npos && text.size() - e - 2 < 3)
        text.insert(e + 2, 3 - (text.size() - e - 2), '0');
    return text;
}

double fromBits(uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Values where a formatter goes wrong: zeros, the ends of the range,
// subnormals, powers of ten and their neighbours, decimal ties that are exact
// in binary, and values that round up to the next power of ten.
std::vector<double> edgeValues()
{
    std::vector<double> values = {0.0, -0.0, INFINITY, -INFINITY, NAN, -NAN, 5e-324, -5e-324,
                                  2.2250738585072009e-308, 2.2250738585072014e-308, 1.7976931348623157e308,
                                  0.5, 0.125, 0.0001, 0.00001, 123456.5, 999999.5, 9999995, 99999.95, 9.9999995,
                                  0.000099999995, 1e-5 * 0.999999, 2.5, 1.5, 0.015625};
    for (int e = -324; e <= 308; ++e) {
        const double p = std::pow(10.0, e);
        values.insert(values.end(), {p, -p, std::nextafter(p, 0.0), std::nextafter(p, INFINITY)});
    }
    // Eight and seven significant digits ending in 5: ties for "%E" and "%G".
    for (long m = 10000005; m < 100000000; m += 1234570)
        for (int e = -20; e <= 20; ++e)
            values.push_back(std::ldexp(static_cast<double>(m), e));
    for (long m = 1000005; m < 10000000; m += 123450)
        values.push_back(static_cast<double>(m));
    return values;
}

}  // namespace

TEST(NumberFormat, ShortFormatsMatchTheCLibrary)
{
    std::vector<double> values = edgeValues();
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-12, 12);
    for (int i = 0; i < 100000; ++i) {
        values.push_back(fromBits(random()));
        values.push_back(std::pow(10.0, exponent(random)) * (i % 2 ? 1 : -1));
    }
    for (const char* format : {"%E", "%G", "%g"}) {
        for (const double value : values) {
            const std::string expected = printfReference(format, value);
            ASSERT_EQ(formatDouble(format, value), expected) << format << " of " << value;
            std::string appended = "x";
            appendDouble(appended, format, value);
            ASSERT_EQ(appended, "x" + expected);
        }
    }
}
