// The compiled form run for many values of s at once, lane by lane: every
// value is an array of lanes, so each instruction is dispatched once for the
// whole batch and its arithmetic runs over the lanes in one loop. Only for
// programs whose result does not depend on earlier evaluations
// (CompiledCode::runsIndependently); each lane gets the bits a single
// evaluation at its s gives.
#pragma once
#include "lang/compiled_code.h"

constexpr int kBatchLanes = 32;
// Deeper programs are run one s at a time.
constexpr int kBatchStackDepth = 256;

struct alignas(64) LaneValues {
    double re[kBatchLanes];
    double im[kBatchLanes];
};

// One thread's room for batches: the operand slots (s, the constants
// broadcast to every lane, the program's own value cells) and the stack.
struct BatchScratch {
    LaneValues slots[kSlotCapacity];
    LaneValues stack[kBatchStackDepth + 1];
    unsigned constantsOf = 0;  // the generation of the code whose constants the slots hold
};

// The program can run in batches with this probe.
bool runsInBatches(const CompiledCode& code, int probe);

// Evaluates code at the n (1..kBatchLanes) points sRe[i] + sIm[i]j and
// writes the probe's values to valueRe and valueIm. Returns how many
// near-zero divisors the n evaluations met. Writes no value cell of the
// work areas: the program's cells live in the scratch.
int evaluateBatch(const CompiledCode& code, int probe, const double* sRe, const double* sIm, int n,
                  BatchScratch& scratch, double* valueRe, double* valueIm);
