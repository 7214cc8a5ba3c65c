// The work areas: allocation, reset, the node area and the diagnostics cap.
#include <gtest/gtest.h>

#include <string>

#include "lang_fixture.h"

namespace {

using WorkAreasTest = LangTest;

TEST_F(WorkAreasTest, AllocationStartsWithZeroValuesAndTheNameS)
{
    EXPECT_TRUE(workAreasHeld());
    EXPECT_STREQ(workAreas.identifiers[0], "s");
    EXPECT_EQ(workAreas.identValues[kIdentValueCapacity - 1].re, 0);
    EXPECT_EQ(workAreas.evalStack[0].im, 0);
    EXPECT_EQ(workAreas.sweepPoints[kResultCapacity - 1].value.re, 0);
}

TEST_F(WorkAreasTest, FreeingTwiceReleasesNothingTwice)
{
    freeWorkAreas();
    EXPECT_FALSE(workAreasHeld());
    EXPECT_EQ(workAreas.source, nullptr);
    freeWorkAreas();
    EXPECT_EQ(allocWorkAreas(), 0);
}

TEST_F(WorkAreasTest, ResetKeepsValuesButRestartsTheCompile)
{
    compile("a = 1; b = #");
    workAreas.identValues[1] = q_complex(3, 4);
    resetCompiler();
    EXPECT_EQ(workAreas.errorCount, 0);
    EXPECT_EQ(workAreas.codeCount, 0);
    EXPECT_EQ(workAreas.identCount, 1);
    EXPECT_EQ(workAreas.diagLength, 0);
    EXPECT_EQ(diagnostics(), "");
    EXPECT_EQ(workAreas.sourcePos, 0);
    EXPECT_EQ(workAreas.identValues[1].re, 3);
}

TEST_F(WorkAreasTest, FullNodeAreaRefusesTheNodeWithoutCountingAnError)
{
    resetCompiler();
    workAreas.nodeCount = kNodeCapacity;
    EXPECT_EQ(newNode(NODE_NUMBER, 0, 1), nullptr);
    EXPECT_EQ(newNode(NODE_NUMBER, 0, 1), nullptr);
    EXPECT_EQ(workAreas.nodeCount, kNodeCapacity);
    EXPECT_EQ(workAreas.errorCount, 0);
    EXPECT_EQ(diagnostics(), "ERROR : node-area over-flow. \r\nERROR : node-area over-flow. \r\n");
}

std::string sumOfOnes(int terms)
{
    std::string text = "x = 1";
    for (int i = 1; i < terms; ++i)
        text += "+1";
    return text + ";";
}

TEST_F(WorkAreasTest, AStatementFillingTheCodeAreaFits)
{
    EXPECT_EQ(compile(sumOfOnes(1024)), 0);  // 2047 nodes, 2048 instructions with the pop
    EXPECT_EQ(workAreas.errorCount, 0);
    EXPECT_EQ(workAreas.codeCount, kCodeCapacity);
}

TEST_F(WorkAreasTest, AStatementBeyondTheNodeAreaFailsTheCompile)
{
    compile(sumOfOnes(1026));  // 2051 nodes
    EXPECT_EQ(diagnostics(), "ERROR : node-area over-flow. \r\nERROR : node-area over-flow. \r\n"
                             "ERROR : node-area over-flow. \r\n");
    EXPECT_EQ(workAreas.errorCount, 1);
}

TEST_F(WorkAreasTest, ErrorRecoveryFreesTheNodesOfTheSkippedStatement)
{
    std::string bad = sumOfOnes(1000);
    bad.insert(bad.size() - 1, " 1");
    EXPECT_EQ(compile(bad + "\n" + bad + "\n" + bad + "\ny = 2;"), 0);
    EXPECT_EQ(workAreas.errorCount, 3);
    EXPECT_EQ(diagnostics().find("node-area"), std::string::npos);
    EXPECT_EQ(workAreas.codeCount, 2);
}

TEST_F(WorkAreasTest, ARefusedNameFailsTheCompile)
{
    std::string text;
    for (int i = 1; i <= 1024; ++i)
        text += "n" + std::to_string(i) + ";";
    compile(text);
    EXPECT_EQ(diagnostics(), "ERROR : pool-area over-flow. \r\n");
    EXPECT_EQ(workAreas.errorCount, 1);
}

TEST_F(WorkAreasTest, DiagnosticsStopAtTheCapButErrorsAreStillCounted)
{
    const std::string line = "+" + std::string(250, ' ') + ";\n";
    std::string text;
    for (int i = 0; i < 64; ++i)
        text += line;
    compile(text);
    EXPECT_EQ(workAreas.errorCount, 64);
    EXPECT_GE(workAreas.diagLength, kDiagnosticsCap);
    EXPECT_LT(workAreas.diagLength, kDiagnosticsCapacity);
    const std::string shown = diagnostics();
    EXPECT_EQ(shown.size(), static_cast<size_t>(workAreas.diagLength));
    EXPECT_EQ(shown.substr(shown.size() - 3), " \r\n") << "the last message shown is whole";
}

TEST_F(WorkAreasTest, AppendedMessagesFollowEachOther)
{
    resetCompiler();
    appendDiagnostic("%s \r\n", "first");
    appendDiagnostic(" %s \r\n [LINE] %s \r\n", "second", "the line");
    EXPECT_EQ(diagnostics(), "first \r\n second \r\n [LINE] the line \r\n");
    EXPECT_EQ(workAreas.diagLength, 37);
}

}  // namespace
