// Arbitrary bytes through text loading, compile and, after a clean compile,
// evaluation by the evaluator and by the compiled form, which must agree; the
// sanitizers and the checks below turn any fault into a crash.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "lang/cal_operations.h"
#include "lang/compiled_code.h"
#include "lang/compiled_evaluator.h"
#include "lang/editor_text.h"
#include "lang/encoding.h"
#include "lang/evaluator.h"
#include "lang/parser.h"
#include "lang/source_text.h"
#include "lang/workareas.h"

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// A program file's text as the editor holds it: valid UTF-8, every line
// ended by CR LF.
void checkEditorText(const std::string& text)
{
    check(isValidUtf8(text));
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r')
            check(i + 1 < text.size() && text[i + 1] == '\n');
        if (text[i] == '\n')
            check(i > 0 && text[i - 1] == '\r');
    }
}

// The first byte chooses the road: the editor's UTF-8 text through the
// conversion, raw code page 932 bytes straight into the source buffer, or the
// rest read as a program file's bytes the way the editor opens one.
void loadInput(const std::string& input)
{
    switch (input.empty() ? 0 : static_cast<unsigned char>(input[0]) % 3) {
    case 0:
        loadSourceText(input);
        return;
    case 1: {
        const size_t length = std::min(input.size() - 1, static_cast<size_t>(kSourceTextLimit));
        std::memcpy(workAreas.source, input.data() + 1, length);
        workAreas.source[length] = '\0';
        return;
    }
    default: {
        const std::string text = editorTextOf(input.substr(1));
        checkEditorText(text);
        loadSourceText(text);
        return;
    }
    }
}

void checkAreas()
{
    const WorkAreas& w = workAreas;
    check(w.diagLength >= 0 && w.diagLength < kDiagnosticsCapacity);
    check(std::strlen(w.diagnostics) == static_cast<size_t>(w.diagLength));
    check(w.codeCount >= 0 && w.codeCount <= kCodeCapacity);
    check(w.identCount >= 1 && w.identCount <= kIdentCapacity);
    check(w.nodeCount >= 0 && w.nodeCount <= kNodeCapacity);
    check(std::strlen(w.lineText) <= static_cast<size_t>(kLineTextLimit));
}

// Clean code is balanced statement by statement and stays within the stack.
void checkStackUse()
{
    int depth = 0;
    for (int i = 0; i < workAreas.codeCount; ++i) {
        const Instruction& instruction = workAreas.code[i];
        switch (instruction.opcode) {
        case PSH_IDNT: case PSH_LEXPR: case PSH_NMBR: case PSH_S:
            ++depth;
            break;
        case POP_IDNT: case POP_LEXPR:
            check(depth == 1);
            --depth;
            break;
        case CAL:
            depth -= isBinaryFunction(instruction.operand) ? 1 : 0;
            break;
        default:
            break;
        }
        check(depth >= 0 && depth <= 200);
    }
    check(depth == 0);
}

// Equal, or both NaN: a NaN's sign follows the compiler's order of operands.
bool sameValue(double a, double b)
{
    return std::isnan(a) ? std::isnan(b) : std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameValue(const q_complex& a, const q_complex& b)
{
    return sameValue(a.re, b.re) && sameValue(a.im, b.im);
}

struct Cells {
    std::vector<q_complex> values;
    q_complex anonymous;
    int divZeroCount;

    static Cells now()
    {
        const WorkAreas& w = workAreas;
        return Cells{std::vector<q_complex>(w.identValues, w.identValues + kIdentValueCapacity), w.anonymousResult,
                     w.divZeroCount};
    }
    void restore() const
    {
        std::copy(values.begin(), values.end(), workAreas.identValues);
        workAreas.anonymousResult = anonymous;
        workAreas.divZeroCount = divZeroCount;
    }
    bool same(const Cells& other) const
    {
        for (size_t n = 0; n < values.size(); ++n)
            if (!sameValue(values[n], other.values[n]))
                return false;
        return sameValue(anonymous, other.anonymous) && divZeroCount == other.divZeroCount;
    }
};

// Both evaluations from the same cells, at a few points, for a few probes.
void evaluateAFew()
{
    check(currentCompiledCode().complete);
    const q_complex points[] = {{0, 0}, {0, 1}, {1e-3, -2}, {1e200, 1e200}};
    const Cells before = Cells::now();
    for (int probe = -1; probe < workAreas.identCount && probe < 4; ++probe) {
        before.restore();
        std::vector<q_complex> results;
        for (const q_complex& s : points)
            results.push_back(evaluateProgram(s, probe));
        const Cells afterEvaluator = Cells::now();
        before.restore();
        for (size_t i = 0; i < std::size(points); ++i)
            check(sameValue(evaluateCompiled(points[i], probe), results[i]));
        check(Cells::now().same(afterEvaluator));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool held = allocWorkAreas() == 0;
    check(held);
    const std::string input(reinterpret_cast<const char*>(data), size);
    check(isValidUtf8(cp932ToUtf8(input)));

    resetCompiler();
    loadInput(input);
    const int result = compileProgram();
    check(result >= 0 && result <= 2);
    checkAreas();
    if (workAreas.errorCount == 0) {
        checkStackUse();
        evaluateAFew();
    }
    return 0;
}
