// The translation of the internal code into its compiled form: one pass over
// the instructions with a stack of what each stack entry will hold. Pushes are
// held back until an operation needs their value, so that the operation can
// take a constant, s or a cell as its operand directly, and an operation on
// constants alone is done here once instead of at every evaluation.
#include "lang/compiled_code.h"

#include <algorithm>
#include <iterator>

#include "lang/cal_operations.h"
#include "lang/workareas.h"

namespace {

enum EntryKind : uint8_t {
    ENTRY_ON_STACK,  // computed at run time and on the run-time stack
    ENTRY_CONSTANT,  // known now, not yet pushed
    ENTRY_S,         // s, not yet pushed
    ENTRY_CELL,      // a value cell, not yet read
};

// Every member has its initial value, so that the translator in static
// storage is zero bytes from the start instead of being cleared at startup.
struct Entry {
    EntryKind kind = ENTRY_ON_STACK;
    bool negated = false;  // s or a cell with MIN applied
    int cell = 0;          // ENTRY_CELL: the identifier number, -1 the anonymous result
    q_complex constant;
};

// ADD..PARALLEL taking b from the stack, or b as the operand.
CompiledOpcode binaryOpcode(int function, bool operandForm)
{
    switch (function) {
    case FN_ADD: return operandForm ? CO_ADD_OPERAND : CO_ADD;
    case FN_SUB: return operandForm ? CO_SUB_OPERAND : CO_SUB;
    case FN_MUL: return operandForm ? CO_MUL_OPERAND : CO_MUL;
    case FN_DIV: return operandForm ? CO_DIV_OPERAND : CO_DIV;
    case FN_POW: return operandForm ? CO_POW_OPERAND : CO_POW;
    default: return operandForm ? CO_PARALLEL_OPERAND : CO_PARALLEL;
    }
}

CompiledOpcode unaryOpcode(int function)
{
    switch (function) {
    case FN_MIN: return CO_MIN;
    case FN_EXP: return CO_EXP;
    case FN_LOG: return CO_LOG;
    case FN_LN: return CO_LN;
    case FN_SIN: return CO_SIN;
    case FN_COS: return CO_COS;
    case FN_TAN: return CO_TAN;
    case FN_SINH: return CO_SINH;
    case FN_COSH: return CO_COSH;
    case FN_TANH: return CO_TANH;
    default: return CO_SQRT;
    }
}

// The evaluator's operations on constants. A division by a near-zero
// divisor is counted at every evaluation, so it is left to run time.
bool foldBinary(int function, const q_complex& a, const q_complex& b, q_complex& result)
{
    int nearZero = 0;
    result = applyBinaryFunction(function, a, b, nearZero);
    return nearZero == 0;
}

class Translator {
public:
    // Ready for a compile into out.
    void start(CompiledCode& out);
    void translate(const Instruction* code, int count);

private:
    void push(const Entry& entry);
    void readCell(int cell);
    void applyBinary(int function);
    void applyUnary(int function);
    void popInto(int cell);
    void materialize(int index);
    void materializeUpTo(int end);
    void emit(CompiledOpcode opcode, const Entry& operand);
    void resolve(const Entry& operand, int32_t& slot, q_complex*& pointer);
    bool fuseMultiplyAdd(int function, const Entry& addend);
    void joinHornerSteps();
    int cellIndex(int cell);
    void fail() { out_->complete = false; }

    CompiledCode* out_ = nullptr;
    Entry stack_[kCodeCapacity];
    int depth_ = 0;           // entries on the translation stack
    int runtimeDepth_ = 0;    // of them, pushed at run time
    int firstHeldBack_ = 0;   // entries from here up are not pushed yet
    // Cells assigned earlier in the evaluation, and the constants assigned to them.
    bool assigned_[kCellCapacity] = {};
    bool holdsConstant_[kCellCapacity] = {};
    q_complex assignedConstant_[kCellCapacity];
};

// The translator holds an entry for every instruction. It lives in static
// storage rather than on the stack, so that a compile touches only the pages
// of the entries it uses (a short brenno-cli run pays for every page it
// touches); compiles run one at a time, like the parser.
Translator translator;

void Translator::start(CompiledCode& out)
{
    out_ = &out;
    depth_ = 0;
    runtimeDepth_ = 0;
    firstHeldBack_ = 0;
    std::fill(std::begin(assigned_), std::end(assigned_), false);
    std::fill(std::begin(holdsConstant_), std::end(holdsConstant_), false);
}

int Translator::cellIndex(int cell)
{
    int& index = out_->cellIndex[cell + 1];
    if (index < 0) {
        index = out_->cellCount++;
        out_->cellNumbers[index] = cell;
        out_->cellWritten[index] = false;
    }
    return index;
}

// A cell's slot follows the constants, whose number is known only at the end:
// until then it holds -1 - the cell's index. Operations without an operand
// point at s all the same: never at nothing.
void Translator::resolve(const Entry& operand, int32_t& slot, q_complex*& pointer)
{
    slot = kSlotS;
    pointer = &out_->s;
    if (operand.kind == ENTRY_CONSTANT) {
        slot = 1 + out_->constantCount;
        pointer = &out_->constants[out_->constantCount];
        out_->constants[out_->constantCount++] = operand.constant;
    } else if (operand.kind == ENTRY_CELL) {
        slot = -1 - cellIndex(operand.cell);
        pointer = operand.cell < 0 ? &workAreas.anonymousResult : &workAreas.identValues[operand.cell];
    }
}

void Translator::emit(CompiledOpcode opcode, const Entry& operand)
{
    CompiledInstruction& in = out_->code[out_->count++];
    in.opcode = opcode;
    resolve(operand, in.slot, in.operand);
    resolve(Entry{ENTRY_ON_STACK, false, 0, {}}, in.addendSlot, in.addend);
    in.steps = 1;
}

// An addition of an operand right after a multiplication by one: the
// multiplication's result is the top of the stack.
bool Translator::fuseMultiplyAdd(int function, const Entry& addend)
{
    if (function != FN_ADD || out_->count == 0 || out_->code[out_->count - 1].opcode != CO_MUL_OPERAND)
        return false;
    CompiledInstruction& in = out_->code[out_->count - 1];
    in.opcode = CO_MUL_ADD;
    resolve(addend, in.addendSlot, in.addend);
    joinHornerSteps();
    return true;
}

// The slot of the addend a further step of a multiply-add would take.
int32_t nextAddendSlot(const CompiledInstruction& in)
{
    return in.addendSlot + in.steps + (in.opcode == CO_PUSH_MUL_ADD ? 1 : 0);
}

// A multiply-add right after another by the same operand, whose addend is the
// constant after the other's, becomes its next step; after the push of the
// constant before its addend, it starts from that constant. A polynomial in
// Horner form is then one loop instead of one dispatch a degree.
void Translator::joinHornerSteps()
{
    if (out_->count < 2)
        return;
    CompiledInstruction& before = out_->code[out_->count - 2];
    const CompiledInstruction& last = out_->code[out_->count - 1];
    if (last.addendSlot < 1)
        return;  // the addend is s or a cell
    const bool multiplyAdd = before.opcode == CO_MUL_ADD || before.opcode == CO_PUSH_MUL_ADD;
    if (multiplyAdd && before.addendSlot >= 1 && before.slot == last.slot &&
        last.addendSlot == nextAddendSlot(before)) {
        ++before.steps;
        --out_->count;
    } else if (before.opcode == CO_PUSH && before.slot >= 1 && last.addendSlot == before.slot + 1) {
        before.opcode = CO_PUSH_MUL_ADD;
        before.addendSlot = before.slot;
        before.addend = before.operand;
        before.slot = last.slot;
        before.operand = last.operand;
        --out_->count;
    }
}

void Translator::materialize(int index)
{
    Entry& entry = stack_[index];
    if (entry.kind == ENTRY_ON_STACK)
        return;
    emit(entry.negated ? CO_PUSH_NEGATED : CO_PUSH, entry);
    entry.kind = ENTRY_ON_STACK;
    out_->maxDepth = std::max(out_->maxDepth, ++runtimeDepth_);
}

// Pushes, in order, every entry below end that is not pushed yet.
void Translator::materializeUpTo(int end)
{
    for (int i = firstHeldBack_; i < end; ++i)
        materialize(i);
    firstHeldBack_ = std::max(firstHeldBack_, end);
}

void Translator::push(const Entry& entry)
{
    stack_[depth_++] = entry;
}

// A cell read after its assignment in the same evaluation; a constant
// assigned to it is taken as it is.
void Translator::readCell(int cell)
{
    const int k = cell + 1;
    if (!assigned_[k])
        out_->selfContained = false;
    if (holdsConstant_[k])
        push(Entry{ENTRY_CONSTANT, false, 0, assignedConstant_[k]});
    else
        push(Entry{ENTRY_CELL, false, cell, {}});
}

void Translator::applyBinary(int function)
{
    if (depth_ < 2)
        return fail();
    Entry& a = stack_[depth_ - 2];
    const Entry& b = stack_[depth_ - 1];
    q_complex folded;
    if (a.kind == ENTRY_CONSTANT && b.kind == ENTRY_CONSTANT && foldBinary(function, a.constant, b.constant, folded)) {
        a.constant = folded;
        --depth_;
        return;
    }
    const bool operandForm = b.kind != ENTRY_ON_STACK && !b.negated;
    if (operandForm) {
        materializeUpTo(depth_ - 1);
        if (!fuseMultiplyAdd(function, b))
            emit(binaryOpcode(function, true), b);
    } else {
        materializeUpTo(depth_);
        emit(binaryOpcode(function, false), Entry{ENTRY_ON_STACK, false, 0, {}});
        --runtimeDepth_;
    }
    --depth_;
    firstHeldBack_ = depth_;
}

void Translator::applyUnary(int function)
{
    if (depth_ < 1)
        return fail();
    Entry& z = stack_[depth_ - 1];
    if (z.kind == ENTRY_CONSTANT) {
        z.constant = applyUnaryFunction(function, z.constant);
        return;
    }
    // -(-x) is x to the bit, so MIN only flips a held-back push.
    if (function == FN_MIN && z.kind != ENTRY_ON_STACK) {
        z.negated = !z.negated;
        return;
    }
    materializeUpTo(depth_);
    emit(unaryOpcode(function), Entry{ENTRY_ON_STACK, false, 0, {}});
}

void Translator::popInto(int cell)
{
    if (depth_ < 1)
        return fail();
    const Entry top = stack_[depth_ - 1];
    materializeUpTo(depth_);
    emit(CO_POP, Entry{ENTRY_CELL, false, cell, {}});
    out_->cellWritten[cellIndex(cell)] = true;
    const int k = cell + 1;
    assigned_[k] = true;
    holdsConstant_[k] = top.kind == ENTRY_CONSTANT;
    assignedConstant_[k] = top.constant;
    --runtimeDepth_;
    --depth_;
    firstHeldBack_ = depth_;
}

void Translator::translate(const Instruction* code, int count)
{
    for (int i = 0; i < count && out_->complete; ++i) {
        const Instruction& in = code[i];
        switch (in.opcode) {
        case PSH_IDNT:
        case PSH_LEXPR:
            if (in.operand != 0)
                readCell(in.operand < 0 ? -1 : in.operand);
            break;
        case POP_IDNT:
        case POP_LEXPR:
            if (in.operand != 0)
                popInto(in.operand < 0 ? -1 : in.operand);
            break;
        case PSH_NMBR:
            push(Entry{ENTRY_CONSTANT, false, 0, q_complex(in.value, 0)});
            break;
        case PSH_S:
            push(Entry{ENTRY_S, false, 0, {}});
            break;
        case CAL:
            if (isBinaryFunction(in.operand))
                applyBinary(in.operand);
            else if (isUnaryFunction(in.operand))
                applyUnary(in.operand);
            break;
        default:
            break;
        }
    }
    // Cells take the slots after the constants, now that their number is known.
    for (int i = 0; i < out_->count; ++i) {
        for (int32_t* slot : {&out_->code[i].slot, &out_->code[i].addendSlot}) {
            if (*slot < 0)
                *slot = 1 + out_->constantCount + (-1 - *slot);
        }
    }
}

}  // namespace

int CompiledCode::cellSlot(int number) const
{
    const int index = cellIndex[number + 1];
    return index < 0 ? -1 : 1 + constantCount + index;
}

bool CompiledCode::runsIndependently(int probe) const
{
    const int index = probe >= -1 && probe < kIdentValueCapacity ? cellIndex[probe + 1] : -1;
    return complete && selfContained && index >= 0 && cellWritten[index];
}

namespace {

// Compiles are numbered across the whole process, not per work areas: the
// engine's threads keep the constants of the last code they ran, and work
// areas obtained again would otherwise number their first compile as the
// previous ones did.
unsigned nextGeneration()
{
    static unsigned last = 0;
    return ++last;
}

}  // namespace

void compileInternalCode()
{
    WorkAreas& w = workAreas;
    CompiledCode& c = *w.compiled;
    c.count = 0;
    c.complete = true;
    c.constantCount = 0;
    c.cellCount = 0;
    std::fill(std::begin(c.cellIndex), std::end(c.cellIndex), -1);
    c.maxDepth = 0;
    c.selfContained = true;
    c.sourceCount = w.codeCount;
    c.generation = nextGeneration();
    translator.start(c);
    translator.translate(w.code, w.codeCount);
}

CompiledCode& currentCompiledCode()
{
    if (workAreas.compiled->sourceCount != workAreas.codeCount)
        compileInternalCode();
    return *workAreas.compiled;
}
