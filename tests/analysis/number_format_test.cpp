#include "analysis/number_format.h"

#include <gtest/gtest.h>

#include <cmath>

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
