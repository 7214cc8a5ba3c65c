// The evaluator: one pass of the stack machine over the code area for one s.
#include "lang/evaluator.h"

#include "lang/cal_operations.h"
#include "lang/workareas.h"

namespace {

// Replaces the operands on top of the stack by the result; returns the new depth.
int applyFunction(int function, q_complex* stack, int depth)
{
    if (isBinaryFunction(function)) {
        stack[depth - 2] = applyBinaryFunction(function, stack[depth - 2], stack[depth - 1], workAreas.divZeroCount);
        return depth - 1;
    }
    if (isUnaryFunction(function))
        stack[depth - 1] = applyUnaryFunction(function, stack[depth - 1]);
    return depth;
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
