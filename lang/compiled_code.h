// The compiled form of the internal code: what the engines run for every s.
// It is made once per compile from the internal code, which stays as it is
// (the listing shows it). No-op instructions are dropped, constant
// subexpressions folded, a push fused with the operation that takes it, and
// every operand resolved to where its value lives. Each instruction applies
// the evaluator's operations to the same values in the same order, so every
// result keeps its bits.
#pragma once
#include <cstdint>

#include "lang/complex.h"
#include "lang/instruction.h"
#include "lang/workareas.h"

enum CompiledOpcode : uint8_t {
    CO_PUSH,          // push the operand
    CO_PUSH_NEGATED,  // push the operand negated
    CO_POP,           // pop the top into the operand, a value cell
    // a below b on the stack, both replaced by the result
    CO_ADD, CO_SUB, CO_MUL, CO_DIV, CO_POW, CO_PARALLEL,
    // a on top of the stack, b the operand; the top replaced by the result
    CO_ADD_OPERAND, CO_SUB_OPERAND, CO_MUL_OPERAND, CO_DIV_OPERAND, CO_POW_OPERAND, CO_PARALLEL_OPERAND,
    // steps of Horner's scheme: a on top of the stack times the operand plus the
    // next addend, steps times over; the addends are consecutive
    CO_MUL_ADD,
    // a push of the first addend, then CO_MUL_ADD with the addends after it
    CO_PUSH_MUL_ADD,
    // the top replaced by the function's value
    CO_MIN, CO_EXP, CO_LOG, CO_LN, CO_SIN, CO_COS, CO_TAN, CO_SINH, CO_COSH, CO_TANH, CO_SQRT,
};

// Every instruction becomes at most two (a push and the operation).
constexpr int kCompiledCapacity = 2 * kCodeCapacity;
// The identifiers' cells and the anonymous result.
constexpr int kCellCapacity = kIdentValueCapacity + 1;
// Operand slots of a batch: s, then one per constant, then one per value cell.
constexpr int kSlotS = 0;
constexpr int kSlotCapacity = 1 + kCodeCapacity + kCellCapacity;

struct CompiledInstruction {
    CompiledOpcode opcode;
    int32_t slot;         // batches: the operand's slot
    int32_t addendSlot;   // CO_MUL_ADD, CO_PUSH_MUL_ADD: the first addend's slot
    int32_t steps;        // CO_MUL_ADD, CO_PUSH_MUL_ADD: the multiply-adds
    q_complex* operand;   // single evaluations: s, a constant or a value cell
    q_complex* addend;    // CO_MUL_ADD, CO_PUSH_MUL_ADD: the first addend
};

// Obtained as zero bytes with the work areas (made from no instructions, not
// complete), then made by every compile.
struct CompiledCode {
    CompiledInstruction code[kCompiledCapacity];
    int count;
    // False when the internal code could not be compiled (it is unbalanced);
    // the engines then run the evaluator itself.
    bool complete;

    q_complex s;  // the s of the single evaluation under way
    q_complex constants[kCodeCapacity];  // slot 1 + k
    int constantCount;
    // Slot 1 + constantCount + k belongs to the cell of identifier cellNumbers[k]
    // (-1: the anonymous result); cellWritten[k] when the program assigns it.
    int cellNumbers[kCellCapacity];
    bool cellWritten[kCellCapacity];
    int cellCount;
    int cellIndex[kCellCapacity];  // by identifier number + 1; -1 when the program leaves it alone

    int maxDepth;  // the deepest the stack gets
    // Every value cell the program reads has been written earlier in the same
    // evaluation: the result does not depend on earlier evaluations.
    bool selfContained;

    int sourceCount;     // the instruction count it was made from
    unsigned generation;  // a new number for every compile

    // The slot of the cell of identifier number (-1: the anonymous result); -1 when unused.
    int cellSlot(int number) const;
    // The program can be run for many s at once, in any order, with this probe.
    bool runsIndependently(int probe) const;
};

// Makes workAreas.compiled from the first codeCount instructions of the code area.
void compileInternalCode();

// The compiled form of the code as it stands, made again if the code changed
// since the last compile.
CompiledCode& currentCompiledCode();
