#include <cmath>

#include "analysis/run_messages.h"
#include "tests/analysis/run_fixture.h"

using BodeRun = RunTest;

const std::vector<std::string> kCleanBodeEvents = {
    "output", "reset code", "clear results", "wait", "repaint", "end wait", "output",
    "code listing", "result listing", "bode analysis values", "bode graph values"};

TEST_F(BodeRun, SampleProgramWithTheViewsSettings)
{
    ASSERT_EQ(bode(kSampleProgram), RUN_CLEAN);
    EXPECT_EQ(hooks->compileOutput, "syntax: OK");
    EXPECT_EQ(events(), kCleanBodeEvents);
    EXPECT_EQ(view.sourceText, kSampleProgram);
    EXPECT_EQ(view.workAreasReady, 1);
    EXPECT_EQ(view.graphMode, GRAPH_BODE);
    ASSERT_EQ(view.pointCount, 80);
    EXPECT_EQ(view.frequencyPoints[0].omega, 0.1);
    EXPECT_NEAR(view.frequencyPoints[79].omega, 20, 1e-13);
    EXPECT_EQ(view.bode.linearGain, 1);
    EXPECT_EQ(view.bode.linearFreqAxis, 1);
    EXPECT_EQ(view.bode.linGainMax, 1.25);
    EXPECT_EQ(view.bode.freqAxisMin, 0.1);
    EXPECT_EQ(view.bode.freqAxisMax, 20);
    EXPECT_EQ(view.bode.radianUnits, 1);
    EXPECT_EQ(hooks->codeListing.rows.size(), static_cast<size_t>(workAreas.codeCount));
    EXPECT_EQ(hooks->resultListing.rows.size(), 80u);

    const BodeAnalysisPush& setup = hooks->bodeAnalysis;
    EXPECT_EQ(setup.start, 0.1);
    EXPECT_EQ(setup.end, 20);
    EXPECT_EQ(setup.count, 80);
    EXPECT_EQ(setup.inOmega, 1);
    EXPECT_EQ(setup.arithmetic, 1);
    const BodeGraphPush& graph = hooks->bodeGraph;
    EXPECT_EQ(graph.showGain, 1);
    EXPECT_EQ(graph.showPhase, 1);
    EXPECT_EQ(graph.freqAxisMax, 20);
    EXPECT_EQ(graph.linGainMax, 1.25);
    EXPECT_EQ(graph.linearGain, 1);
    EXPECT_EQ(graph.linearFreqAxis, 1);
}

TEST_F(BodeRun, SetupFromTheProgramInHz)
{
    ASSERT_EQ(bode(kSampleProgram, 1), RUN_CLEAN);
    ASSERT_EQ(view.pointCount, 80);
    EXPECT_NEAR(view.frequencyPoints[0].omega, 0.6283185307179586, 1e-15);
    EXPECT_NEAR(view.frequencyPoints[79].omega, 62.83185307179586, 1e-12);
    EXPECT_EQ(view.bode.radianUnits, 0);
    EXPECT_EQ(view.bode.freqAxisMin, 0.1);
    EXPECT_EQ(view.bode.freqAxisMax, 10);
    EXPECT_EQ(view.bode.linearFreqAxis, 0);
    EXPECT_EQ(view.bode.linearGain, 0);
    EXPECT_EQ(hooks->bodeAnalysis.start, 0.1);
    EXPECT_EQ(hooks->bodeAnalysis.end, 10);
    EXPECT_EQ(hooks->bodeAnalysis.count, 80);
    EXPECT_EQ(hooks->bodeAnalysis.inOmega, 0);
    EXPECT_EQ(hooks->bodeAnalysis.arithmetic, 0);
    EXPECT_EQ(view.settings.sweepInOmega, 0);
}

TEST_F(BodeRun, GainAxisOfFlatResponses)
{
    struct Case {
        const char* program;
        int arithmetic;  // the gain axis follows: 1 linear, 0 dB
        double dbRef, dbDiv, linGainMin, linGainMax;
    };
    const BodeDisplaySettings defaults;
    const Case cases[] = {
        {"H(s) = 1; PROBE H(s);", 0, 40, 4, defaults.linGainMin, defaults.linGainMax},
        {"H(s) = 1; PROBE H(s);", 1, defaults.dbRef, defaults.dbDiv, 1, std::pow(1.25, 11)},
        {"H(s) = 0; PROBE H(s);", 0, 20, 50, defaults.linGainMin, defaults.linGainMax},
        {"H(s) = 0; PROBE H(s);", 1, defaults.dbRef, defaults.dbDiv, 1e-24, std::pow(1.25, 11)},
    };
    for (const Case& c : cases) {
        view = ViewData{};
        view.settings.sweepArithmetic = c.arithmetic;
        ASSERT_EQ(bode(c.program), RUN_CLEAN) << c.program;
        EXPECT_EQ(view.bode.dbRef, c.dbRef) << c.program << c.arithmetic;
        EXPECT_EQ(view.bode.dbDiv, c.dbDiv) << c.program << c.arithmetic;
        EXPECT_EQ(view.bode.linGainMin, c.linGainMin) << c.program << c.arithmetic;
        EXPECT_DOUBLE_EQ(view.bode.linGainMax, c.linGainMax) << c.program << c.arithmetic;
    }
}

TEST_F(BodeRun, SetupIsRepairedAndBoundedThenWrittenBack)
{
    struct Case {
        double start, end;
        int count, arithmetic;
        double boundStart, boundEnd;
        int boundCount, points;
    };
    const Case cases[] = {
        {0.1, 20, 5000, 1, 0.1, 20, 2047, 2047},
        {0.001, 10, 80, 0, 0.01, 10, 80, 80},
        {-4, 10, 0, 1, 0, 10, 0, 2},
        {30, 2, 80, 1, 2, 30, 80, 80},
        {5, 5, 80, 1, 5, 105, 80, 80},
        {1, 1e30, 10, 0, 1, 1e18, 10, 10},
    };
    for (const Case& c : cases) {
        view = ViewData{};
        view.settings.sweepStart = c.start;
        view.settings.sweepEnd = c.end;
        view.settings.sweepCount = c.count;
        view.settings.sweepArithmetic = c.arithmetic;
        ASSERT_EQ(bode("H(s) = 1/(s+1); PROBE H(s);"), RUN_CLEAN) << c.start;
        EXPECT_EQ(view.pointCount, c.points) << c.start;
        EXPECT_EQ(view.settings.sweepStart, c.boundStart) << c.start;
        EXPECT_EQ(view.settings.sweepEnd, c.boundEnd) << c.start;
        EXPECT_EQ(view.settings.sweepCount, c.boundCount) << c.start;
        EXPECT_EQ(hooks->bodeAnalysis.start, c.boundStart) << c.start;
        EXPECT_EQ(hooks->bodeAnalysis.end, c.boundEnd) << c.start;
        EXPECT_EQ(hooks->bodeAnalysis.count, c.boundCount) << c.start;
    }
}

TEST_F(BodeRun, FailureEndings)
{
    struct Case {
        const char* program;
        const char* message;  // nullptr: the compiler's diagnostics
    };
    const Case cases[] = {
        {"", "f(s) = ? \r\n"},
        {"H(s) = 1/s;", "error: No PROBE-statement or Not found system-probing-IDENT"},
        {"H(s) = (1/s;\r\nPROBE H(s);", nullptr},
    };
    for (const Case& c : cases) {
        view.pointCount = 7;
        EXPECT_EQ(bode(c.program), RUN_FAILED) << c.program;
        if (c.message)
            EXPECT_EQ(hooks->compileOutput, c.message);
        else
            EXPECT_EQ(hooks->compileOutput.rfind(" syntax error \r\n [LINE] ", 0), 0u) << hooks->compileOutput;
        EXPECT_EQ(view.graphMode, GRAPH_BODE);
        expectFailureEnding(view, *hooks, 5);
        EXPECT_EQ(hooks->resultListing.columns[1].heading, "omega[rad/sec]");
    }
}

TEST_F(BodeRun, MissingProgramSetupLeavesTheSettings)
{
    const AnalysisSettings before = view.settings;
    EXPECT_EQ(bode("H(s) = 1/s; PROBE H(s);", 1), RUN_FAILED);
    EXPECT_EQ(hooks->compileOutput, kNoFreqSetupMessage);
    const std::vector<std::string> expected = {"output", "reset code", "clear results", "output", "repaint"};
    EXPECT_EQ(events(), expected);
    EXPECT_EQ(view.pointCount, 0);
    EXPECT_EQ(view.settings.sweepStart, before.sweepStart);
    EXPECT_EQ(view.settings.sweepCount, before.sweepCount);
}

TEST_F(BodeRun, DivisionByZeroKeepsThePointsButNotTheCode)
{
    view.settings.sweepStart = 0;
    view.bode.linearFreqAxis = 0;
    EXPECT_EQ(bode("H(s) = 1/s; PROBE H(s);"), RUN_DIVIDED_BY_ZERO);
    EXPECT_EQ(hooks->compileOutput, kDividedByZeroMessage);
    const std::vector<std::string> expected = {"output", "reset code",     "clear results", "wait",
                                               "repaint", "end wait",      "output",        "result listing",
                                               "code listing", "repaint"};
    EXPECT_EQ(events(), expected);
    EXPECT_EQ(view.pointCount, 80);
    EXPECT_EQ(hooks->resultListing.rows.size(), 80u);
    EXPECT_EQ(workAreas.codeCount, 0);
    EXPECT_TRUE(hooks->codeListing.rows.empty());
    EXPECT_EQ(view.bode.linearFreqAxis, 0);
}

TEST_F(BodeRun, JapaneseCommentsCompile)
{
    EXPECT_EQ(bode("H(s) = 1/(s+1); /* 一次遅れ */ PROBE H(s);"), RUN_CLEAN);
    EXPECT_EQ(hooks->compileOutput, "syntax: OK");
}
