// Complex numbers of the transfer-function language: the value type of the
// evaluator, the identifier cells and every analysis result point. The
// operations are defined here, once, so that every evaluation path inlines
// the same formulas; every target that includes this header is built without
// fused multiply-add (the flag comes with brenno_lang).
#pragma once
#include <cmath>

struct q_complex {
    double re = 0.0;
    double im = 0.0;

    q_complex() = default;
    q_complex(double real, double imag) : re(real), im(imag) {}
};

// The formulas are fixed, not textbook: the analyses depend on the exact bits
// (guarded division, LOG's unscaled argument, TAN through the double angle,
// SQRT by the half-modulus).

// Inlined wherever they are used, even into the large switch of an evaluation
// loop: the operands stay in registers instead of going through memory.
#define Q_COMPLEX_INLINE inline __attribute__((always_inline))

namespace complex_detail {

// Divisor parts smaller than this are replaced, so a division by zero gives
// huge finite parts instead of infinities.
constexpr double kDivisionGuard = 1e-128;

// log10(e) / 2: LOG's real part is the common logarithm of the modulus.
constexpr double kHalfLog10E = 0.2171472409516259;

// The replacement for a tiny divisor part takes its sign from d, the divisor's
// imaginary part, in both branches of the division.
Q_COMPLEX_INLINE double guardedRatio(double numerator, double divisor, double d)
{
    if (std::fabs(divisor) > kDivisionGuard)
        return numerator / divisor;
    return d > 0 ? numerator / kDivisionGuard : numerator / -kDivisionGuard;
}

Q_COMPLEX_INLINE double guardedDenominator(double den)
{
    if (std::fabs(den) < kDivisionGuard)
        return den > 0 ? kDivisionGuard : -kDivisionGuard;
    return den;
}

}  // namespace complex_detail

Q_COMPLEX_INLINE q_complex operator+(const q_complex& a, const q_complex& b)
{
    return {a.re + b.re, a.im + b.im};
}

Q_COMPLEX_INLINE q_complex operator-(const q_complex& a, const q_complex& b)
{
    return {a.re - b.re, a.im - b.im};
}

Q_COMPLEX_INLINE q_complex operator*(const q_complex& a, const q_complex& b)
{
    return {a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im};
}

// Smith's method; the NaN cases fall into the second branch.
Q_COMPLEX_INLINE q_complex operator/(const q_complex& x, const q_complex& y)
{
    using namespace complex_detail;
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

Q_COMPLEX_INLINE q_complex operator-(const q_complex& z)
{
    return {-z.re, -z.im};
}

// |p + qj| for p, q >= 0, scaled so that neither square overflows.
Q_COMPLEX_INLINE double modulus(double p, double q)
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

// modulus(|re|, |im|): the linear gain of a sweep point.
Q_COMPLEX_INLINE double modulus(const q_complex& z)
{
    return modulus(std::fabs(z.re), std::fabs(z.im));
}

Q_COMPLEX_INLINE q_complex powReal(const q_complex& z, double p)
{
    const double phi = std::atan2(z.im, z.re) * p;
    const double m = std::pow(modulus(z), p);
    return {std::cos(phi) * m, std::sin(phi) * m};
}

Q_COMPLEX_INLINE q_complex qPow(const q_complex& z, const q_complex& w)
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

// e^z from m = e^re(z), for callers that can reuse m for equal real parts.
Q_COMPLEX_INLINE q_complex qExpScaled(const q_complex& z, double m)
{
    return {std::cos(z.im) * m, std::sin(z.im) * m};
}

Q_COMPLEX_INLINE q_complex qExp(const q_complex& z)
{
    return qExpScaled(z, std::exp(z.re));
}

// The squares are taken unscaled, and the argument is not divided by ln 10.
Q_COMPLEX_INLINE q_complex qLog(const q_complex& z)
{
    return {std::log(z.re * z.re + z.im * z.im) * complex_detail::kHalfLog10E, std::atan2(z.im, z.re)};
}

Q_COMPLEX_INLINE q_complex qLn(const q_complex& z)
{
    return {std::log(modulus(z)), std::atan2(z.im, z.re)};
}

Q_COMPLEX_INLINE q_complex qSin(const q_complex& z)
{
    return {std::sin(z.re) * std::cosh(z.im), std::cos(z.re) * std::sinh(z.im)};
}

Q_COMPLEX_INLINE q_complex qCos(const q_complex& z)
{
    return {std::cos(z.re) * std::cosh(z.im), -(std::sin(z.re) * std::sinh(z.im))};
}

// Through the double angle: one shared factor for both parts.
Q_COMPLEX_INLINE q_complex qTan(const q_complex& z)
{
    const double x2 = 2 * z.re, y2 = 2 * z.im;
    const double k = 1 / (std::cosh(y2) + std::cos(x2));
    return {std::sin(x2) * k, std::sinh(y2) * k};
}

Q_COMPLEX_INLINE q_complex qSinh(const q_complex& z)
{
    return {std::sinh(z.re) * std::cos(z.im), std::cosh(z.re) * std::sin(z.im)};
}

Q_COMPLEX_INLINE q_complex qCosh(const q_complex& z)
{
    return {std::cosh(z.re) * std::cos(z.im), std::sinh(z.re) * std::sin(z.im)};
}

Q_COMPLEX_INLINE q_complex qTanh(const q_complex& z)
{
    const double x2 = 2 * z.re, y2 = 2 * z.im;
    const double k = 1 / (std::cos(y2) + std::cosh(x2));
    return {std::sinh(x2) * k, std::sin(y2) * k};
}

// The principal root by the half-modulus; the part computed by division takes
// the sign of y.
Q_COMPLEX_INLINE q_complex qSqrt(const q_complex& z)
{
    if (z.re == 0 && z.im == 0)
        return {0, 0};
    const double w = std::sqrt((std::fabs(z.re) + modulus(z)) * 0.5);
    if (z.re >= 0)
        return {w, z.im / (w + w)};
    const double t = z.im < 0 ? -w : w;
    return {z.im / (t + t), t};
}
