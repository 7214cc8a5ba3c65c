// The complex operations at their edge values, bit for bit where the formulas
// decide the bits (signed zeros, guarded division, infinities and NaNs).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "lang/complex.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kPi = std::acos(-1.0);

// Equal bits, or both NaN: tells 0 from -0.
bool sameDouble(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

::testing::AssertionResult isExactly(const q_complex& z, double re, double im)
{
    if (sameDouble(z.re, re) && sameDouble(z.im, im))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << z.re << ", " << z.im << ") expected (" << re << ", "
                                         << im << ")";
}

TEST(ComplexTest, ArithmeticKeepsSignedZeros)
{
    EXPECT_TRUE(isExactly(-q_complex(0, 0), -0.0, -0.0));
    EXPECT_TRUE(isExactly(q_complex(1, 2) + q_complex(3, -5), 4, -3));
    EXPECT_TRUE(isExactly(q_complex(1, 2) - q_complex(3, -5), -2, 7));
    EXPECT_TRUE(isExactly(q_complex(1, 2) * q_complex(3, 4), -5, 10));
}

TEST(ComplexTest, DivisionIsGuardedNearZero)
{
    EXPECT_TRUE(isExactly(q_complex(3, 4) / q_complex(1, 2), 2.2, -0.4));
    EXPECT_TRUE(isExactly(q_complex(1, 0) / q_complex(0, 0), 1 / -1e-128, -0.0));
    EXPECT_TRUE(isExactly(q_complex(0, 0) / q_complex(0, 0), -0.0, -0.0));
    EXPECT_TRUE(isExactly(q_complex(6, 3) / q_complex(2, 0), 3, 1.5));
    EXPECT_TRUE(isExactly(q_complex(1, 0) / q_complex(0, 2), 0, -0.5));
    // A tiny divisor takes the guard's sign from its imaginary part.
    EXPECT_TRUE(isExactly(q_complex(0, 1) / q_complex(0, 1e-200), 1 / 1e-128, 0));
    EXPECT_TRUE(isExactly(q_complex(0, 1) / q_complex(0, -1e-200), 1 / -1e-128, 0));
    EXPECT_TRUE(isExactly(q_complex(1, 0) / q_complex(1e-200, 0), 1 / 1e-128, 0));
}

TEST(ComplexTest, ModulusScalesToAvoidOverflow)
{
    EXPECT_EQ(modulus(3, 0), 3);
    EXPECT_EQ(modulus(0, 5), 5);
    EXPECT_EQ(modulus(3, 4), 5);
    EXPECT_EQ(modulus(4, 3), 5);
    EXPECT_EQ(modulus(1e300, 1e300), 1e300 * std::sqrt(2.0));
    EXPECT_EQ(modulus(q_complex(-3, -4)), 5);
}

TEST(ComplexTest, PowerEdgeValues)
{
    EXPECT_TRUE(isExactly(qPow(q_complex(0, 0), q_complex(0, 0)), 1, 0));
    EXPECT_TRUE(isExactly(qPow(q_complex(kNaN, 1), q_complex(0, 0)), 1, 0));
    EXPECT_TRUE(isExactly(qPow(q_complex(0, 0), q_complex(-1, 0)), kInf, kNaN));
    EXPECT_TRUE(isExactly(qPow(q_complex(2, 0), q_complex(3, 0)), 8, 0));
    EXPECT_TRUE(isExactly(qPow(q_complex(0, 0), q_complex(2, 0)), 0, 0));
    const q_complex root = qPow(q_complex(-8, 0), q_complex(1.0 / 3, 0));
    EXPECT_NEAR(root.re, 1, 1e-15);
    EXPECT_NEAR(root.im, std::sqrt(3.0), 1e-15);
    // e ** (i pi) by the general branch.
    const q_complex euler = qPow(q_complex(std::exp(1.0), 0), q_complex(0, kPi));
    EXPECT_NEAR(euler.re, -1, 1e-15);
    EXPECT_NEAR(euler.im, 0, 1e-15);
    EXPECT_TRUE(isExactly(powReal(q_complex(0, 2), 2), std::cos(kPi) * 4, std::sin(kPi) * 4));
}

TEST(ComplexTest, LogarithmsKeepTheUnscaledArgument)
{
    EXPECT_TRUE(isExactly(qLn(q_complex(0, 0)), -kInf, 0));
    EXPECT_TRUE(isExactly(qLog(q_complex(-1, 0)), 0, kPi));
    EXPECT_TRUE(isExactly(qLog(q_complex(100, 0)), std::log(10000.0) * 0.2171472409516259, 0));
    EXPECT_TRUE(isExactly(qLn(q_complex(0, 1)), 0, kPi / 2));
}

TEST(ComplexTest, TangentsGoThroughTheDoubleAngle)
{
    EXPECT_TRUE(isExactly(qTan(q_complex(kPi / 2, 0)), kInf, kNaN));
    EXPECT_TRUE(isExactly(qTan(q_complex(0.5, 0.25)),
                          std::sin(1.0) / (std::cosh(0.5) + std::cos(1.0)),
                          std::sinh(0.5) / (std::cosh(0.5) + std::cos(1.0))));
    EXPECT_TRUE(isExactly(qTanh(q_complex(0.25, 0.5)),
                          std::sinh(0.5) / (std::cos(1.0) + std::cosh(0.5)),
                          std::sin(1.0) / (std::cos(1.0) + std::cosh(0.5))));
}

TEST(ComplexTest, ElementaryFunctionsByTheirFormulas)
{
    const double x = 0.3, y = -1.7;
    const q_complex z(x, y);
    EXPECT_TRUE(isExactly(qExp(z), std::cos(y) * std::exp(x), std::sin(y) * std::exp(x)));
    EXPECT_TRUE(isExactly(qSin(z), std::sin(x) * std::cosh(y), std::cos(x) * std::sinh(y)));
    EXPECT_TRUE(isExactly(qCos(z), std::cos(x) * std::cosh(y), -(std::sin(x) * std::sinh(y))));
    EXPECT_TRUE(isExactly(qSinh(z), std::sinh(x) * std::cos(y), std::cosh(x) * std::sin(y)));
    EXPECT_TRUE(isExactly(qCosh(z), std::cosh(x) * std::cos(y), std::sinh(x) * std::sin(y)));
}

TEST(ComplexTest, SquareRootIsThePrincipalRoot)
{
    EXPECT_TRUE(isExactly(qSqrt(q_complex(0, 0)), 0, 0));
    EXPECT_TRUE(isExactly(qSqrt(q_complex(-0.0, -0.0)), 0, 0));
    EXPECT_TRUE(isExactly(qSqrt(q_complex(-4, 0)), 0, 2));
    EXPECT_TRUE(isExactly(qSqrt(q_complex(-4, -0.0)), -0.0, 2));
    EXPECT_TRUE(isExactly(qSqrt(q_complex(3, 4)), 2, 1));
    EXPECT_TRUE(isExactly(qSqrt(q_complex(-3, -4)), 1, -2));
    EXPECT_TRUE(isExactly(qSqrt(q_complex(4, 0)), 2, 0));
}

}  // namespace
