// The evaluator: one pass of the stack machine over the code area for one s.
#include "lang/evaluator.h"

#include "lang/workareas.h"

namespace {

// Divisors this close to zero are counted; the guarded division goes ahead.
constexpr double kNearZeroDivisor = 1e-128;

q_complex countedDivision(const q_complex& a, const q_complex& b)
{
    if (modulus(b) < kNearZeroDivisor)
        ++workAreas.divZeroCount;
    return a / b;
}

q_complex applyBinary(int function, const q_complex& a, const q_complex& b)
{
    switch (function) {
    case FN_ADD: return a + b;
    case FN_SUB: return a - b;
    case FN_MUL: return a * b;
    case FN_DIV: return countedDivision(a, b);
    case FN_POW: return qPow(a, b);
    default: return countedDivision(a * b, a + b);  // FN_PARALLEL
    }
}

q_complex applyUnary(int function, const q_complex& z)
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

// Replaces the operands on top of the stack by the result; returns the new depth.
int applyFunction(int function, q_complex* stack, int depth)
{
    switch (function) {
    case FN_ADD: case FN_SUB: case FN_MUL: case FN_DIV: case FN_POW: case FN_PARALLEL:
        stack[depth - 2] = applyBinary(function, stack[depth - 2], stack[depth - 1]);
        return depth - 1;
    case FN_MIN: case FN_EXP: case FN_LOG: case FN_LN: case FN_SIN: case FN_COS:
    case FN_TAN: case FN_SINH: case FN_COSH: case FN_TANH: case FN_SQRT:
        stack[depth - 1] = applyUnary(function, stack[depth - 1]);
        return depth;
    default:
        return depth;
    }
}

// Operand n > 0 is identifier n's cell, n < 0 the anonymous result.
q_complex& valueCell(WorkAreas& w, int operand)
{
    return operand > 0 ? w.identValues[operand] : w.anonymousResult;
}

}  // namespace

// Compiled code is balanced and no deeper than the parser's stack, so the
// depth is not tested. Operand 0 ("s" in the table) neither pushes nor pops.
q_complex evaluateProgram(q_complex s, int probe)
{
    WorkAreas& w = workAreas;
    q_complex* stack = w.evalStack;
    int depth = 0;
    for (int i = 0; i < w.codeCount; ++i) {
        const Instruction& instruction = w.code[i];
        const int operand = instruction.operand;
        switch (instruction.opcode) {
        case PSH_IDNT:
        case PSH_LEXPR:
            if (operand != 0)
                stack[depth++] = valueCell(w, operand);
            break;
        case POP_IDNT:
        case POP_LEXPR:
            if (operand != 0)
                valueCell(w, operand) = stack[--depth];
            break;
        case PSH_NMBR:
            stack[depth++] = q_complex(instruction.value, 0);
            break;
        case PSH_S:
            stack[depth++] = s;
            break;
        case CAL:
            depth = applyFunction(operand, stack, depth);
            break;
        default:
            break;
        }
    }
    return probe < 0 ? w.anonymousResult : w.identValues[probe];
}

q_complex evaluateAtOmega(double omega, int probe)
{
    return evaluateProgram(q_complex(0, omega), probe);
}
