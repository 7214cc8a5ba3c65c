// The compiled form against the evaluator: the same results, value cells and
// division counts to the bit, one s at a time and in batches, for the
// language's own cases and for thousands of random programs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "analysis/settings_readers.h"
#include "lang/batch_evaluator.h"
#include "lang/compiled_code.h"
#include "lang/compiled_evaluator.h"
#include "lang/evaluator.h"
#include "lang_fixture.h"
#include "tests/support/random_programs.h"

namespace {

// Equal bits. Two NaNs count as equal whatever their signs and payloads:
// IEEE arithmetic leaves those open, and the compiler's order of the operands
// of each operation decides them.
bool sameBits(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameBits(const q_complex& a, const q_complex& b)
{
    return sameBits(a.re, b.re) && sameBits(a.im, b.im);
}

// Points of every kind: zero, the imaginary axis, far out, tiny.
const q_complex kPoints[] = {{0, 0}, {0, 1}, {0.5, -2}, {-1e-3, 1e5}, {1e200, 0}, {4, 1.2}, {-0.0, 3}};
constexpr int kPointCount = static_cast<int>(std::size(kPoints));

// The value cells and results of a row of evaluations.
struct Evaluations {
    std::vector<q_complex> results;
    std::vector<q_complex> cells;  // the anonymous result first
    int divZeroCount = 0;
};

class CompiledCodeTest : public LangTest {
protected:
    // Cells that earlier evaluations left behind, the same for every path.
    static void leaveCells()
    {
        workAreas.anonymousResult = q_complex(-7, 0.25);
        for (int n = 0; n < kIdentValueCapacity; ++n)
            workAreas.identValues[n] = q_complex(n * 0.5 - 3, -n);
        workAreas.divZeroCount = 0;
    }

    static Evaluations evaluateRow(q_complex (*evaluate)(q_complex, int), int probe)
    {
        leaveCells();
        Evaluations row;
        for (const q_complex& s : kPoints)
            row.results.push_back(evaluate(s, probe));
        row.cells.push_back(workAreas.anonymousResult);
        for (int n = 1; n < workAreas.identCount; ++n)
            row.cells.push_back(workAreas.identValues[n]);
        row.divZeroCount = workAreas.divZeroCount;
        return row;
    }

    // The program's probe, or the anonymous result when it names none.
    static int probeOf()
    {
        const int probe = findProbe();
        return probe < -1 ? -1 : probe;
    }

    void expectSameAsEvaluator(const std::string& program)
    {
        SCOPED_TRACE(program);
        compile(program);
        ASSERT_EQ(workAreas.errorCount, 0) << diagnostics();
        const CompiledCode& code = currentCompiledCode();
        ASSERT_TRUE(code.complete);
        const int probe = probeOf();
        countJoinedSteps(code);
        const Evaluations plain = evaluateRow(evaluateProgram, probe);
        const Evaluations compiled = evaluateRow(evaluateCompiled, probe);
        for (int i = 0; i < kPointCount; ++i)
            EXPECT_TRUE(sameBits(compiled.results[i], plain.results[i])) << "at point " << i;
        for (size_t k = 0; k < plain.cells.size(); ++k)
            EXPECT_TRUE(sameBits(compiled.cells[k], plain.cells[k])) << "cell " << k;
        EXPECT_EQ(compiled.divZeroCount, plain.divZeroCount);
        if (runsInBatches(code, probe))
            expectSameInABatch(code, probe, plain);
    }

    void expectSameInABatch(const CompiledCode& code, int probe, const Evaluations& plain)
    {
        ++batchedPrograms;
        double sRe[kPointCount], sIm[kPointCount], re[kPointCount], im[kPointCount];
        for (int i = 0; i < kPointCount; ++i) {
            sRe[i] = kPoints[i].re;
            sIm[i] = kPoints[i].im;
        }
        const std::vector<q_complex> cellsBefore(workAreas.identValues, workAreas.identValues + kIdentValueCapacity);
        const int nearZero = evaluateBatch(code, probe, sRe, sIm, kPointCount, *scratch, re, im);
        for (int i = 0; i < kPointCount; ++i)
            EXPECT_TRUE(sameBits(q_complex(re[i], im[i]), plain.results[i])) << "batch lane " << i;
        EXPECT_EQ(nearZero, plain.divZeroCount);
        EXPECT_EQ(std::memcmp(cellsBefore.data(), workAreas.identValues, sizeof(q_complex) * kIdentValueCapacity), 0)
            << "a batch leaves the work areas' cells alone";
    }

    void countJoinedSteps(const CompiledCode& code)
    {
        for (int i = 0; i < code.count; ++i) {
            const CompiledInstruction& in = code.code[i];
            if (in.opcode == CO_PUSH_MUL_ADD || (in.opcode == CO_MUL_ADD && in.steps > 1))
                return void(++programsWithJoinedSteps);
        }
    }

    std::unique_ptr<BatchScratch> scratch = std::make_unique<BatchScratch>();
    int batchedPrograms = 0;
    int programsWithJoinedSteps = 0;  // a polynomial's multiply-adds run as one loop
};

TEST_F(CompiledCodeTest, TheSampleRunsInSevenInstructions)
{
    compile(kSampleProgram);
    const CompiledCode& code = currentCompiledCode();
    // The settings are dropped, -s is one push, and 1.2 and s are taken as operands.
    const CompiledOpcode expected[] = {CO_PUSH, CO_PUSH_NEGATED, CO_MUL_OPERAND, CO_EXP,
                                       CO_SUB, CO_DIV_OPERAND, CO_POP};
    ASSERT_EQ(code.count, static_cast<int>(std::size(expected)));
    for (int i = 0; i < code.count; ++i)
        EXPECT_EQ(code.code[i].opcode, expected[i]) << "at " << i;
    EXPECT_EQ(code.code[1].slot, kSlotS);
    EXPECT_EQ(code.code[2].operand->re, 1.2);
}

TEST_F(CompiledCodeTest, ConstantsAreFoldedWhereNothingIsCountedAndPairsFused)
{
    struct Case {
        const char* program;
        int count;  // compiled instructions
    };
    const Case cases[] = {
        {"H(s) = s * -0.1; PROBE H;", 3},       // PUSH s, MUL by the constant -0.1 - 0j, POP
        {"K = 2 ** 3 + sin(1); PROBE K;", 2},   // PUSH 8 + sin(1), POP
        {"K = 2; H(s) = K * s; PROBE H;", 5},   // K's value is known where H reads it
        {"H(s) = s / 0; PROBE H;", 3},          // counted at every evaluation: not folded
        {"H(s) = s + 1 // -1; PROBE H;", 5},    // a // b of a + b = 0: not folded
        {"H(s) = (2*s + 3)*s + 1; PROBE H;", 2}, // push 2 and two multiply-adds in one, POP
        {"H(s) = (((1*s + 2)*s + 3)*s + 4)*s + 5; PROBE H;", 2},
        // Steps stay apart where an addend is not a constant or the operand changes
        // (G takes three instructions).
        {"G(s) = 1/s; H(s) = ((2*s + G)*s + 3)*s + 4; PROBE H;", 3 + 4},
        {"H(s) = ((2*s + s)*s + 3)*s + 4; PROBE H;", 4},
        {"G(s) = 1/s; H(s) = ((2*s + 3)*G + 4)*s + 5; PROBE H;", 3 + 4},
        {"H(s) = (s*s + 3)*s + 4; PROBE H;", 3},  // PUSH s, one multiply-add of two steps, POP
    };
    for (const Case& c : cases) {
        compile(c.program);
        EXPECT_EQ(currentCompiledCode().count, c.count) << c.program;
    }
}

TEST_F(CompiledCodeTest, ProgramsRunInBatchesOnlyWhenNoResultDependsOnEarlierEvaluations)
{
    struct Case {
        const char* program;
        bool independent;
    };
    const Case cases[] = {
        {kSampleProgram, true},
        {"G(s) = 2 * H(s); H(s) = 1/s; PROBE G;", false},  // G reads H of the previous s
        {"H(s) = s; H(s) = H(s) + 1; PROBE H;", true},
        {"K = 3; H(s) = K * s; PROBE H;", true},
        {"H(s) = K * s; PROBE H;", false},                  // K keeps whatever its cell held
        {"H(s) = s; PROBE b;", false},                      // the probe is never assigned
        {"1/s;", true},
        {"a = 1;", false},                                  // the anonymous result is left from before
    };
    for (const Case& c : cases) {
        compile(c.program);
        EXPECT_EQ(runsInBatches(currentCompiledCode(), probeOf()), c.independent) << c.program;
    }
}

TEST_F(CompiledCodeTest, TheLanguagesCasesGiveTheEvaluatorsBits)
{
    const char* const programs[] = {
        kSampleProgram,
        "-2 ** 2; 2 ** 3 ** 2; 8/2/2; 1-2-3; 6 // 3 * 2; 2 ** -1; 1 - -2; 2 * -3 + 1;",
        "K = 2 * 3; K + 1;",
        "G(s) = 2 * H(s); H(s) = 1/s; PROBE G;",
        "H(s) = s; H(s) = H(s) + 1; PROBE H;",
        "1/s; 1 // 0; s // -s; 0 ** -1; ln(0);",
        "a = 5; b = 7; c = a * b; PROBE c;",
        "H(s) = exp(-0.1*s)*sinh(0.5*sqrt(s))/sinh(sqrt(s))/s; PROBE H(s);",
        "H(s) = log(s) + ln(s) + sin(s) - cos(s) * tan(s) + sinh(s) / cosh(s) - tanh(s) ** s; PROBE H(s);",
        "H(s) = -(-s) - -(-(-s)) + -(2 * -s); PROBE H(s);",
        "H(s) = sqrt(-4 - 0 * s) + (3 + 4 * s) / (1 + 2 * s); PROBE H;",
        "FREQ 1, 2, 3, GEO; H(s) = s * 2; TIME 1, 2, 3; FILT 1, 2, 3, 4; PROBE H(s);",
        "x = 1e-200 * 1e-200; H(s) = s / x + s // -s; PROBE H;",
        "G(s) = 1/s; H(s) = ((((2*s + 3)*s + G)*s + 4)*s + 5)*G + 6; PROBE H;",
        "H(s) = (((((0.5*s + 1.5)*s + 2.25)*s + 3)*s + 1e300)*s + 1e-200)/((1*s + 2)*s + 1)/s; PROBE H;",
    };
    for (const char* program : programs)
        expectSameAsEvaluator(program);
}

TEST_F(CompiledCodeTest, RandomProgramsGiveTheEvaluatorsBits)
{
    RandomPrograms programs(2026);
    for (int i = 0; i < 3000; ++i) {
        const std::string program = programs.next();
        expectSameAsEvaluator(program);
        if (HasFailure())
            return;
    }
    EXPECT_GT(batchedPrograms, 300) << "many of them run in batches";
    EXPECT_GT(programsWithJoinedSteps, 100) << "many of them join multiply-adds";
}

}  // namespace
