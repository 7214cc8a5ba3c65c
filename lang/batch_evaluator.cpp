// The batch stack machine. Every lane loop runs over all kBatchLanes lanes, a
// fixed count the compiler unrolls and vectorises; lanes past n repeat the
// last s and are left out of the results and the division count.
#include "lang/batch_evaluator.h"

#include <cmath>

#include "lang/counted_division.h"

namespace {

q_complex lane(const LaneValues& v, int l)
{
    return {v.re[l], v.im[l]};
}

void setLane(LaneValues& v, int l, const q_complex& z)
{
    v.re[l] = z.re;
    v.im[l] = z.im;
}

template <typename Operation>
void mapLanes(LaneValues& out, const LaneValues& in, Operation operation)
{
    for (int l = 0; l < kBatchLanes; ++l)
        setLane(out, l, operation(lane(in, l)));
}

// a = a op b, lane by lane.
template <typename Operation>
void combineLanes(LaneValues& a, const LaneValues& b, Operation operation)
{
    for (int l = 0; l < kBatchLanes; ++l)
        setLane(a, l, operation(lane(a, l), lane(b, l)));
}

// The near-zero divisors among the first n lanes.
int countNearZero(const LaneValues& divisor, int n)
{
    int count = 0;
    for (int l = 0; l < n; ++l)
        count += nearZeroDivisor(lane(divisor, l));
    return count;
}

int countNearZeroSums(const LaneValues& a, const LaneValues& b, int n)
{
    int count = 0;
    for (int l = 0; l < n; ++l)
        count += nearZeroDivisor(lane(a, l) + lane(b, l));
    return count;
}

// The operations as closures, which the lane loops inline.
constexpr auto kSum = [](const q_complex& a, const q_complex& b) { return a + b; };
constexpr auto kDifference = [](const q_complex& a, const q_complex& b) { return a - b; };
constexpr auto kProduct = [](const q_complex& a, const q_complex& b) { return a * b; };
constexpr auto kQuotient = [](const q_complex& a, const q_complex& b) { return a / b; };
constexpr auto kParallel = [](const q_complex& a, const q_complex& b) { return (a * b) / (a + b); };
constexpr auto kNegation = [](const q_complex& z) { return -z; };

// steps multiply-adds of Horner's scheme: top times x plus the next addend.
void hornerStepLanes(LaneValues& top, const LaneValues& x, const LaneValues* addends, int steps)
{
    for (int k = 0; k < steps; ++k) {
        combineLanes(top, x, kProduct);
        combineLanes(top, addends[k], kSum);
    }
}

// e^z lane by lane. Lanes of one FILT time point or one sweep share the real
// part of the argument, so e^re is taken again only when it changes.
void exponentialLanes(LaneValues& z)
{
    double lastRe = 0;
    double lastExp = 1;
    for (int l = 0; l < kBatchLanes; ++l) {
        if (!(z.re[l] == lastRe)) {
            lastRe = z.re[l];
            lastExp = std::exp(lastRe);
        }
        setLane(z, l, qExpScaled(lane(z, l), lastExp));
    }
}

void loadPoints(LaneValues& s, const double* sRe, const double* sIm, int n)
{
    for (int l = 0; l < kBatchLanes; ++l) {
        const int from = l < n ? l : n - 1;
        s.re[l] = sRe[from];
        s.im[l] = sIm[from];
    }
}

void broadcastConstants(const CompiledCode& code, BatchScratch& scratch)
{
    if (scratch.constantsOf == code.generation)
        return;
    for (int k = 0; k < code.constantCount; ++k) {
        for (int l = 0; l < kBatchLanes; ++l)
            setLane(scratch.slots[1 + k], l, code.constants[k]);
    }
    scratch.constantsOf = code.generation;
}

}  // namespace

bool runsInBatches(const CompiledCode& code, int probe)
{
    return code.runsIndependently(probe) && code.maxDepth <= kBatchStackDepth;
}

int evaluateBatch(const CompiledCode& code, int probe, const double* sRe, const double* sIm, int n,
                  BatchScratch& scratch, double* valueRe, double* valueIm)
{
    broadcastConstants(code, scratch);
    loadPoints(scratch.slots[kSlotS], sRe, sIm, n);
    LaneValues* const stack = scratch.stack;
    int depth = 0;
    int nearZero = 0;
    for (int i = 0; i < code.count; ++i) {
        const CompiledInstruction& in = code.code[i];
        LaneValues& operand = scratch.slots[in.slot];
        LaneValues& top = stack[depth];
        switch (in.opcode) {
        case CO_PUSH: stack[++depth] = operand; break;
        case CO_PUSH_NEGATED: mapLanes(stack[++depth], operand, kNegation); break;
        case CO_POP: operand = stack[depth--]; break;
        case CO_ADD: combineLanes(stack[--depth], top, kSum); break;
        case CO_SUB: combineLanes(stack[--depth], top, kDifference); break;
        case CO_MUL: combineLanes(stack[--depth], top, kProduct); break;
        case CO_DIV:
            nearZero += countNearZero(top, n);
            combineLanes(stack[--depth], top, kQuotient);
            break;
        case CO_POW: combineLanes(stack[--depth], top, qPow); break;
        case CO_PARALLEL:
            nearZero += countNearZeroSums(stack[depth - 1], top, n);
            combineLanes(stack[--depth], top, kParallel);
            break;
        case CO_ADD_OPERAND: combineLanes(top, operand, kSum); break;
        case CO_SUB_OPERAND: combineLanes(top, operand, kDifference); break;
        case CO_MUL_OPERAND: combineLanes(top, operand, kProduct); break;
        case CO_DIV_OPERAND:
            nearZero += countNearZero(operand, n);
            combineLanes(top, operand, kQuotient);
            break;
        case CO_POW_OPERAND: combineLanes(top, operand, qPow); break;
        case CO_PARALLEL_OPERAND:
            nearZero += countNearZeroSums(top, operand, n);
            combineLanes(top, operand, kParallel);
            break;
        case CO_MUL_ADD: hornerStepLanes(top, operand, scratch.slots + in.addendSlot, in.steps); break;
        case CO_PUSH_MUL_ADD:
            stack[++depth] = scratch.slots[in.addendSlot];
            hornerStepLanes(stack[depth], operand, scratch.slots + in.addendSlot + 1, in.steps);
            break;
        case CO_MIN: mapLanes(top, top, kNegation); break;
        case CO_EXP: exponentialLanes(top); break;
        case CO_LOG: mapLanes(top, top, qLog); break;
        case CO_LN: mapLanes(top, top, qLn); break;
        case CO_SIN: mapLanes(top, top, qSin); break;
        case CO_COS: mapLanes(top, top, qCos); break;
        case CO_TAN: mapLanes(top, top, qTan); break;
        case CO_SINH: mapLanes(top, top, qSinh); break;
        case CO_COSH: mapLanes(top, top, qCosh); break;
        case CO_TANH: mapLanes(top, top, qTanh); break;
        case CO_SQRT: mapLanes(top, top, qSqrt); break;
        }
    }
    const LaneValues& result = scratch.slots[code.cellSlot(probe)];
    for (int l = 0; l < n; ++l) {
        valueRe[l] = result.re[l];
        valueIm[l] = result.im[l];
    }
    return nearZero;
}
