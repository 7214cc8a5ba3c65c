// The compiled form's stack machine. The top of the stack is kept out of
// memory; stack[1..depth] holds the entries below it (stack[1] the value the
// top held before the first push, never read).
#include "lang/compiled_evaluator.h"

#include "lang/compiled_code.h"
#include "lang/counted_division.h"
#include "lang/workareas.h"

namespace {

// steps multiply-adds of Horner's scheme: top times x plus the next addend.
Q_COMPLEX_INLINE q_complex hornerSteps(q_complex top, const q_complex& x, const q_complex* addends, int steps)
{
    for (int k = 0; k < steps; ++k)
        top = top * x + addends[k];
    return top;
}

// One pass over the compiled code; near-zero divisors are added to nearZero.
// Inlined into its callers, so that a row of evaluations sets the pass up once.
Q_COMPLEX_INLINE void runCompiled(CompiledCode& c, q_complex s, q_complex* stack, int& nearZero)
{
    c.s = s;
    int depth = 0;
    q_complex top;
    const CompiledInstruction* const end = c.code + c.count;
    for (const CompiledInstruction* in = c.code; in != end; ++in) {
        const q_complex& operand = *in->operand;
        switch (in->opcode) {
        case CO_PUSH: stack[++depth] = top; top = operand; break;
        case CO_PUSH_NEGATED: stack[++depth] = top; top = -operand; break;
        case CO_POP: *in->operand = top; top = stack[depth--]; break;
        case CO_ADD: top = stack[depth--] + top; break;
        case CO_SUB: top = stack[depth--] - top; break;
        case CO_MUL: top = stack[depth--] * top; break;
        case CO_DIV: top = countedQuotient(stack[depth--], top, nearZero); break;
        case CO_POW: top = qPow(stack[depth--], top); break;
        case CO_PARALLEL: top = countedParallel(stack[depth--], top, nearZero); break;
        case CO_ADD_OPERAND: top = top + operand; break;
        case CO_SUB_OPERAND: top = top - operand; break;
        case CO_MUL_OPERAND: top = top * operand; break;
        case CO_DIV_OPERAND: top = countedQuotient(top, operand, nearZero); break;
        case CO_POW_OPERAND: top = qPow(top, operand); break;
        case CO_PARALLEL_OPERAND: top = countedParallel(top, operand, nearZero); break;
        case CO_MUL_ADD: top = hornerSteps(top, operand, in->addend, in->steps); break;
        case CO_PUSH_MUL_ADD:
            stack[++depth] = top;
            top = hornerSteps(in->addend[0], operand, in->addend + 1, in->steps);
            break;
        case CO_MIN: top = -top; break;
        case CO_EXP: top = qExp(top); break;
        case CO_LOG: top = qLog(top); break;
        case CO_LN: top = qLn(top); break;
        case CO_SIN: top = qSin(top); break;
        case CO_COS: top = qCos(top); break;
        case CO_TAN: top = qTan(top); break;
        case CO_SINH: top = qSinh(top); break;
        case CO_COSH: top = qCosh(top); break;
        case CO_TANH: top = qTanh(top); break;
        case CO_SQRT: top = qSqrt(top); break;
        default: __builtin_unreachable();  // the compile emits no other opcode
        }
    }
}

q_complex probedValue(const WorkAreas& w, int probe)
{
    return probe < 0 ? w.anonymousResult : w.identValues[probe];
}

}  // namespace

q_complex evaluateCompiled(q_complex s, int probe)
{
    WorkAreas& w = workAreas;
    int nearZero = 0;
    runCompiled(*w.compiled, s, w.evalStack, nearZero);
    w.divZeroCount += nearZero;
    return probedValue(w, probe);
}

void evaluateCompiledInOrder(const double* sRe, const double* sIm, int n, int probe, double* valueRe,
                             double* valueIm)
{
    WorkAreas& w = workAreas;
    int nearZero = 0;
    for (int k = 0; k < n; ++k) {
        runCompiled(*w.compiled, q_complex(sRe[k], sIm[k]), w.evalStack, nearZero);
        const q_complex value = probedValue(w, probe);
        valueRe[k] = value.re;
        valueIm[k] = value.im;
    }
    w.divZeroCount += nearZero;
}
