// Arithmetic and elementary functions of q_complex, each by its fixed formula.
#include "lang/complex.h"

#include <cmath>

namespace {

// Divisor parts smaller than this are replaced, so a division by zero gives
// huge finite parts instead of infinities.
constexpr double kDivisionGuard = 1e-128;

// log10(e) / 2: LOG's real part is the common logarithm of the modulus.
constexpr double kHalfLog10E = 0.2171472409516259;

// The replacement for a tiny divisor part takes its sign from d, the divisor's
// imaginary part, in both branches of the division.
double guardedRatio(double numerator, double divisor, double d)
{
    if (std::fabs(divisor) > kDivisionGuard)
        return numerator / divisor;
    return d > 0 ? numerator / kDivisionGuard : numerator / -kDivisionGuard;
}

double guardedDenominator(double den)
{
    if (std::fabs(den) < kDivisionGuard)
        return den > 0 ? kDivisionGuard : -kDivisionGuard;
    return den;
}

}  // namespace

q_complex operator+(const q_complex& a, const q_complex& b)
{
    return {a.re + b.re, a.im + b.im};
}

q_complex operator-(const q_complex& a, const q_complex& b)
{
    return {a.re - b.re, a.im - b.im};
}

q_complex operator*(const q_complex& a, const q_complex& b)
{
    return {a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im};
}

// Smith's method; the NaN cases fall into the second branch.
q_complex operator/(const q_complex& x, const q_complex& y)
{
    const double a = x.re, b = x.im, c = y.re, d = y.im;
    if (std::fabs(c) >= std::fabs(d)) {
        const double r = guardedRatio(d, c, d);
        const double den = guardedDenominator(d * r + c);
        return {(b * r + a) / den, (b - a * r) / den};
    }
    const double r = guardedRatio(c, d, d);
    const double den = guardedDenominator(c * r + d);
    return {(a * r + b) / den, (b * r - a) / den};
}

q_complex operator-(const q_complex& z)
{
    return {-z.re, -z.im};
}

double modulus(double p, double q)
{
    if (q == 0)
        return p;
    if (p > q) {
        const double t = q / p;
        return p * std::sqrt(1 + t * t);
    }
    const double t = p / q;
    return q * std::sqrt(1 + t * t);
}

double modulus(const q_complex& z)
{
    return modulus(std::fabs(z.re), std::fabs(z.im));
}

q_complex powReal(const q_complex& z, double p)
{
    const double phi = std::atan2(z.im, z.re) * p;
    const double m = std::pow(modulus(z), p);
    return {std::cos(phi) * m, std::sin(phi) * m};
}

q_complex qPow(const q_complex& z, const q_complex& w)
{
    const double u = w.re, v = w.im;
    if (u == 0 && v == 0)
        return {1, 0};
    if (v == 0)
        return powReal(z, u);
    const double logModulus = std::log(modulus(z));
    const double angle = std::atan2(z.im, z.re);
    const double m = std::exp(u * logModulus - v * angle);
    const double phi = v * logModulus + u * angle;
    return {std::cos(phi) * m, std::sin(phi) * m};
}

q_complex qExp(const q_complex& z)
{
    const double m = std::exp(z.re);
    return {std::cos(z.im) * m, std::sin(z.im) * m};
}

// The squares are taken unscaled, and the argument is not divided by ln 10.
q_complex qLog(const q_complex& z)
{
    return {std::log(z.re * z.re + z.im * z.im) * kHalfLog10E, std::atan2(z.im, z.re)};
}

q_complex qLn(const q_complex& z)
{
    return {std::log(modulus(z)), std::atan2(z.im, z.re)};
}

q_complex qSin(const q_complex& z)
{
    return {std::sin(z.re) * std::cosh(z.im), std::cos(z.re) * std::sinh(z.im)};
}

q_complex qCos(const q_complex& z)
{
    return {std::cos(z.re) * std::cosh(z.im), -(std::sin(z.re) * std::sinh(z.im))};
}

// Through the double angle: one shared factor for both parts.
q_complex qTan(const q_complex& z)
{
    const double x2 = 2 * z.re, y2 = 2 * z.im;
    const double k = 1 / (std::cosh(y2) + std::cos(x2));
    return {std::sin(x2) * k, std::sinh(y2) * k};
}

q_complex qSinh(const q_complex& z)
{
    return {std::sinh(z.re) * std::cos(z.im), std::cosh(z.re) * std::sin(z.im)};
}

q_complex qCosh(const q_complex& z)
{
    return {std::cosh(z.re) * std::cos(z.im), std::sinh(z.re) * std::sin(z.im)};
}

q_complex qTanh(const q_complex& z)
{
    const double x2 = 2 * z.re, y2 = 2 * z.im;
    const double k = 1 / (std::cos(y2) + std::cosh(x2));
    return {std::sinh(x2) * k, std::sin(y2) * k};
}

// The principal root by the half-modulus; the part computed by division takes
// the sign of y.
q_complex qSqrt(const q_complex& z)
{
    if (z.re == 0 && z.im == 0)
        return {0, 0};
    const double w = std::sqrt((std::fabs(z.re) + modulus(z)) * 0.5);
    if (z.re >= 0)
        return {w, z.im / (w + w)};
    const double t = z.im < 0 ? -w : w;
    return {z.im / (t + t), t};
}
