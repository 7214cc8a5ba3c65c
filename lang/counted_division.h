// Division as the evaluator runs it: the guarded quotient, with a count of
// the divisors too close to zero, which the runs report afterwards.
#pragma once
#include "lang/complex.h"

// Divisors this close to zero are counted; the guarded division goes ahead.
constexpr double kNearZeroDivisor = 1e-128;

// The modulus is never below the larger part, so a divisor with a part of
// the limit or more needs no square root to be cleared.
Q_COMPLEX_INLINE bool nearZeroDivisor(const q_complex& divisor)
{
    const double p = std::fabs(divisor.re), q = std::fabs(divisor.im);
    if (p >= kNearZeroDivisor || q >= kNearZeroDivisor)
        return false;
    return modulus(p, q) < kNearZeroDivisor;
}

Q_COMPLEX_INLINE q_complex countedQuotient(const q_complex& a, const q_complex& b, int& nearZeroCount)
{
    if (nearZeroDivisor(b))
        ++nearZeroCount;
    return a / b;
}

// a // b: the product over the sum, the sum counted as the divisor.
Q_COMPLEX_INLINE q_complex countedParallel(const q_complex& a, const q_complex& b, int& nearZeroCount)
{
    return countedQuotient(a * b, a + b, nearZeroCount);
}
