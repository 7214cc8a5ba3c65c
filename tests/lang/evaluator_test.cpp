// Evaluation: statement order, values kept between evaluations and compiles,
// the anonymous result and the division-by-zero count.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "lang/evaluator.h"
#include "lang_fixture.h"

namespace {

class EvaluatorTest : public LangTest {
protected:
    void SetUp() override
    {
        LangTest::SetUp();
        workAreas.anonymousResult = q_complex();
        workAreas.divZeroCount = 0;
    }

    void compileClean(const std::string& text)
    {
        compile(text);
        ASSERT_EQ(workAreas.errorCount, 0) << diagnostics();
    }

    // The value of a program whose last expression statement is the result.
    q_complex anonymousValue(const std::string& text, q_complex s = q_complex())
    {
        compileClean(text);
        return evaluateProgram(s, -1);
    }
};

TEST_F(EvaluatorTest, SampleProgramAtOneRadianPerSecond)
{
    compileClean(kSampleProgram);
    const q_complex h = evaluateAtOmega(1.0, 1);
    EXPECT_NEAR(h.re, std::sin(1.2), 1e-15);
    EXPECT_NEAR(h.im, std::cos(1.2) - 1, 1e-15);
    EXPECT_EQ(workAreas.divZeroCount, 0);
}

struct ValueCase {
    const char* text;
    double value;
};

TEST_F(EvaluatorTest, OperatorsFollowPrecedenceAndAssociativity)
{
    const ValueCase cases[] = {
        {"-2 ** 2;", -4}, {"2 ** 3 ** 2;", 512}, {"8/2/2;", 2}, {"1-2-3;", -4},
        {"6 // 3 * 2;", 4}, {"2 ** -1;", 0.5}, {"1 - -2;", 3}, {"2 * -3 + 1;", -5},
        {"K = 2 * 3; K + 1;", 7}, {"1; 2; 3;", 3},
    };
    for (const ValueCase& c : cases) {
        const q_complex z = anonymousValue(c.text);
        EXPECT_EQ(z.re, c.value) << c.text;
        EXPECT_EQ(z.im, 0) << c.text;
    }
}

TEST_F(EvaluatorTest, AReferenceBeforeItsDefinitionSeesThePreviousEvaluation)
{
    compileClean("G(s) = 2 * H(s); H(s) = 1/s; PROBE G;");
    const q_complex first = evaluateProgram(q_complex(2, 0), 1);
    EXPECT_EQ(first.re, 0) << "H was never evaluated before";
    const q_complex second = evaluateProgram(q_complex(4, 0), 1);
    EXPECT_EQ(second.re, 1) << "2 * H at the first point, 1/2";
}

TEST_F(EvaluatorTest, ALaterDefinitionOverwritesAnEarlierOne)
{
    compileClean("H(s) = s; H(s) = H(s) + 1; PROBE H;");
    const q_complex h = evaluateProgram(q_complex(3, 2), 1);
    EXPECT_EQ(h.re, 4);
    EXPECT_EQ(h.im, 2);
}

TEST_F(EvaluatorTest, NearZeroDivisorsAreCountedAndTheEvaluationGoesOn)
{
    q_complex z = anonymousValue("1/s;", q_complex(0, 0));
    EXPECT_EQ(z.re, 1 / -1e-128);
    EXPECT_EQ(workAreas.divZeroCount, 1);

    z = anonymousValue("1 // 0;");
    EXPECT_EQ(z.re, 0);
    EXPECT_EQ(workAreas.divZeroCount, 1) << "the parallel's sum 1 is no near-zero divisor";

    compileClean("s // -s;");
    evaluateProgram(q_complex(1, 1), -1);
    evaluateProgram(q_complex(2, 0), -1);
    EXPECT_EQ(workAreas.divZeroCount, 3);

    anonymousValue("0 ** -1; ln(0);");
    EXPECT_EQ(workAreas.divZeroCount, 3) << "infinities of other operations are not counted";
}

TEST_F(EvaluatorTest, ValuesSurviveARecompile)
{
    compileClean("a = 5; b = 7;");
    evaluateProgram(q_complex(), -1);
    compileClean("c = 1; PROBE b;");  // c takes a's number 1; b, now number 2, is never assigned
    const q_complex b = evaluateProgram(q_complex(), 2);
    EXPECT_EQ(b.re, 7);
    EXPECT_EQ(workAreas.identValues[1].re, 1);
}

TEST_F(EvaluatorTest, AProgramWithoutExpressionStatementsKeepsTheAnonymousResult)
{
    anonymousValue("42;");
    const q_complex z = anonymousValue("a = 1;");
    EXPECT_EQ(z.re, 42);
}

TEST_F(EvaluatorTest, EmptyCodeReturnsTheProbedCell)
{
    workAreas.identValues[3] = q_complex(1.5, -2);
    compileClean("/* nothing */");
    const q_complex z = evaluateProgram(q_complex(9, 9), 3);
    EXPECT_EQ(z.re, 1.5);
    EXPECT_EQ(z.im, -2);
}

TEST_F(EvaluatorTest, SettingInstructionsDoNotDisturbTheStack)
{
    compileClean("FREQ 1, 2, 3, GEO; H(s) = s * 2; TIME 1, 2, 3; FILT 1, 2, 3, 4; PROBE H(s);");
    EXPECT_EQ(evaluateAtOmega(3, 1).im, 6);
}

}  // namespace
