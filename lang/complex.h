// Complex numbers of the transfer-function language: the value type of the
// evaluator, the identifier cells and every analysis result point.
#pragma once

struct q_complex {
    double re = 0.0;
    double im = 0.0;

    q_complex() = default;
    q_complex(double real, double imag) : re(real), im(imag) {}
};

// The formulas are fixed, not textbook: the analyses depend on the exact bits
// (guarded division, LOG's unscaled argument, TAN through the double angle,
// SQRT by the half-modulus).
q_complex operator+(const q_complex& a, const q_complex& b);
q_complex operator-(const q_complex& a, const q_complex& b);
q_complex operator*(const q_complex& a, const q_complex& b);
q_complex operator/(const q_complex& a, const q_complex& b);
q_complex operator-(const q_complex& z);

q_complex qPow(const q_complex& z, const q_complex& w);
q_complex qExp(const q_complex& z);
q_complex qLog(const q_complex& z);
q_complex qLn(const q_complex& z);
q_complex qSin(const q_complex& z);
q_complex qCos(const q_complex& z);
q_complex qTan(const q_complex& z);
q_complex qSinh(const q_complex& z);
q_complex qCosh(const q_complex& z);
q_complex qTanh(const q_complex& z);
q_complex qSqrt(const q_complex& z);

// |p + qj| for p, q >= 0, scaled so that neither square overflows.
double modulus(double p, double q);
// modulus(|re|, |im|): the linear gain of a sweep point.
double modulus(const q_complex& z);
q_complex powReal(const q_complex& z, double p);
