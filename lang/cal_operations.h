// The operations that CAL applies, by function code: shared by the evaluator
// and by the compile that folds constants, so both compute alike.
#pragma once
#include "lang/complex.h"
#include "lang/counted_division.h"
#include "lang/instruction.h"

inline bool isBinaryFunction(int function)
{
    return function == FN_ADD || function == FN_SUB || function == FN_MUL || function == FN_DIV ||
           function == FN_POW || function == FN_PARALLEL;
}

inline bool isUnaryFunction(int function)
{
    return function >= FN_MIN && function <= FN_SQRT && function != FN_POW;
}

// a op b for a binary function code; near-zero divisors are added to nearZeroCount.
inline q_complex applyBinaryFunction(int function, const q_complex& a, const q_complex& b, int& nearZeroCount)
{
    switch (function) {
    case FN_ADD: return a + b;
    case FN_SUB: return a - b;
    case FN_MUL: return a * b;
    case FN_DIV: return countedQuotient(a, b, nearZeroCount);
    case FN_POW: return qPow(a, b);
    default: return countedParallel(a, b, nearZeroCount);  // FN_PARALLEL
    }
}

inline q_complex applyUnaryFunction(int function, const q_complex& z)
{
    switch (function) {
    case FN_MIN: return -z;
    case FN_EXP: return qExp(z);
    case FN_LOG: return qLog(z);
    case FN_LN: return qLn(z);
    case FN_SIN: return qSin(z);
    case FN_COS: return qCos(z);
    case FN_TAN: return qTan(z);
    case FN_SINH: return qSinh(z);
    case FN_COSH: return qCosh(z);
    case FN_TANH: return qTanh(z);
    default: return qSqrt(z);  // FN_SQRT
    }
}
