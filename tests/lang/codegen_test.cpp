// The internal code of statements, the worked example and the code area limit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/codegen.h"
#include "lang_fixture.h"

namespace {

struct Expected {
    int opcode;
    int operand;
    double value;
};

class CodegenTest : public LangTest {
protected:
    void expectCode(const std::vector<Expected>& expected)
    {
        ASSERT_EQ(workAreas.codeCount, static_cast<int>(expected.size()));
        for (size_t i = 0; i < expected.size(); ++i) {
            const Instruction& got = workAreas.code[i];
            EXPECT_EQ(kCodeNames[got.opcode], std::string(kCodeNames[expected[i].opcode])) << "at " << i;
            EXPECT_EQ(got.operand, expected[i].operand) << "at " << i;
            EXPECT_EQ(got.value, expected[i].value) << "at " << i;
        }
    }
};

TEST_F(CodegenTest, SampleProgramCompilesToTheTwentyTwoInstructions)
{
    ASSERT_EQ(compile(std::string(kSampleProgram) + "/* 0-order Hold (sampling period 1.2sec) */\r\n"), 0);
    EXPECT_EQ(workAreas.errorCount, 0);
    EXPECT_STREQ(workAreas.identifiers[1], "H");
    expectCode({
        {PSH_NMBR, 0, 1}, {PSH_S, 0, 0}, {CAL, FN_MIN, 0}, {PSH_NMBR, 0, 1.2},
        {CAL, FN_MUL, 0}, {CAL, FN_EXP, 0}, {CAL, FN_SUB, 0}, {PSH_S, 0, 0},
        {CAL, FN_DIV, 0}, {POP_LEXPR, 1, 0},
        {SET_FREQ_INITIAL, 0, 0.1}, {SET_FREQ_FINAL, 0, 10}, {SET_FREQ_TICKS, 0, 80},
        {SET_FREQ_SEQ_TYPE, FREQ_SEQ_GEO, 0},
        {SET_TIME_INITIAL, 0, 0.01}, {SET_TIME_FINAL, 0, 5}, {SET_TIME_TICKS, 0, 80},
        {SET_FILT_A, 0, 4}, {SET_FILT_B, 0, 0}, {SET_FILT_K1, 0, 4}, {SET_FILT_K2, 0, 0.2},
        {SET_PROBE, 1, 0},
    });
}

TEST_F(CodegenTest, StatementsEmitTheirInstructionsInTextOrder)
{
    compile("PROBE G; OMEGA 1, 100, 50, ARITH; K = 2; G(s) = K * G(s) // s; 3; -K; ;");
    ASSERT_EQ(workAreas.errorCount, 0);
    expectCode({
        {SET_PROBE, 1, 0},
        {SET_OMEGA_INITIAL, 0, 1}, {SET_OMEGA_FINAL, 0, 100}, {SET_OMEGA_TICKS, 0, 50},
        {SET_OMEGA_SEQ_TYPE, FREQ_SEQ_ARITH, 0},
        {PSH_NMBR, 0, 2}, {POP_IDNT, 2, 0},
        {PSH_IDNT, 2, 0}, {PSH_LEXPR, 1, 0}, {CAL, FN_MUL, 0}, {PSH_S, 0, 0}, {CAL, FN_PARALLEL, 0},
        {POP_LEXPR, 1, 0},
        {PSH_NMBR, 0, 3}, {POP_IDNT, -1, 0},
        {PSH_IDNT, 2, 0}, {CAL, FN_MIN, 0}, {POP_IDNT, -1, 0},
    });
}

TEST_F(CodegenTest, ANameAndItsFunctionFormShareTheOperand)
{
    compile("H; H(s);");
    expectCode({{PSH_IDNT, 1, 0}, {POP_IDNT, -1, 0}, {PSH_LEXPR, 1, 0}, {POP_IDNT, -1, 0}});
}

TEST_F(CodegenTest, OperatorsBindByPrecedence)
{
    compile("-a * b ** -c ** d - e;");
    expectCode({
        {PSH_IDNT, 1, 0}, {CAL, FN_MIN, 0},
        {PSH_IDNT, 2, 0}, {PSH_IDNT, 3, 0}, {PSH_IDNT, 4, 0}, {CAL, FN_POW, 0}, {CAL, FN_MIN, 0},
        {CAL, FN_POW, 0}, {CAL, FN_MUL, 0},
        {PSH_IDNT, 5, 0}, {CAL, FN_SUB, 0},
        {POP_IDNT, -1, 0},
    });
}

TEST_F(CodegenTest, ListingNamesFollowTheCodes)
{
    EXPECT_STREQ(kCodeNames[OP_EMPTY], "");
    EXPECT_STREQ(kCodeNames[SET_PROBE], "SET_PROBE");
    EXPECT_STREQ(kCodeNames[kFunctionNameBase + FN_EMPTY], "");
    EXPECT_STREQ(kCodeNames[kFunctionNameBase + FN_SQRT], "SQRT");
    EXPECT_STREQ(kCodeNames[kFunctionNameBase + FREQ_SEQ_GEO], "FREQ_SEQ_GEO");
}

std::string repeated(const std::string& text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

TEST_F(CodegenTest, CodeAreaHolds2048Instructions)
{
    EXPECT_EQ(compile(repeated("x=1;", 1024)), 0);
    EXPECT_EQ(workAreas.codeCount, kCodeCapacity);
    EXPECT_EQ(workAreas.errorCount, 0);
    EXPECT_EQ(diagnostics(), "");
}

TEST_F(CodegenTest, InstructionBeyondTheCodeAreaFailsTheCompile)
{
    compile(repeated("x=1;", 1024) + "PROBE x; PROBE x;");
    EXPECT_EQ(workAreas.codeCount, kCodeCapacity);
    EXPECT_EQ(diagnostics(), repeated("ERROR : code-area over-flow. \r\n", 2));
    EXPECT_EQ(workAreas.errorCount, 1) << "the refused instructions fail the compile once";
}

TEST_F(CodegenTest, OverflowMessageAloneLeavesTheErrorCount)
{
    resetCompiler();
    workAreas.codeCount = kCodeCapacity;
    emitInstruction(PSH_S, 0, 0);
    EXPECT_EQ(workAreas.errorCount, 0);
    EXPECT_EQ(workAreas.codeCount, kCodeCapacity);
    EXPECT_EQ(diagnostics(), "ERROR : code-area over-flow. \r\n");
}

}  // namespace
