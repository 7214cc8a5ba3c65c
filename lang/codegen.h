// Internal code generation: instructions appended to the code area.
#pragma once
#include "lang/workareas.h"

void emitInstruction(int opcode, int operand, double value);
void generateCode(const Node* node);
