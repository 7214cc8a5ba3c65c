// Code generation: instructions appended to the code area, expression trees
// turned into stack code by a post-order walk.
#include "lang/codegen.h"

void emitInstruction(int opcode, int operand, double value)
{
    WorkAreas& w = workAreas;
    if (w.codeCount >= kCodeCapacity) {
        reportAreaOverflow("ERROR : code-area over-flow.");
        return;
    }
    w.code[w.codeCount++] = Instruction{opcode, operand, value};
}

// The tree is at most one statement's 2048 nodes deep, so recursion is safe.
void generateCode(const Node* node)
{
    if (node == nullptr)
        return;
    generateCode(node->left);
    generateCode(node->right);
    switch (node->kind) {
    case NODE_NUMBER:
        emitInstruction(PSH_NMBR, 0, node->value);
        break;
    case NODE_IDENT:
        emitInstruction(PSH_IDNT, node->operand, 0);
        break;
    case NODE_S:
        emitInstruction(PSH_S, node->operand, 0);
        break;
    case NODE_LEXPR:
        emitInstruction(PSH_LEXPR, node->operand, 0);
        break;
    default:
        emitInstruction(CAL, node->kind, 0);
        break;
    }
}
