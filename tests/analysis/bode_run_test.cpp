#include <algorithm>
#include <cmath>

#include "analysis/run_messages.h"
#include "tests/analysis/run_fixture.h"

using BodeRun = RunTest;

// The wait cursor shows while the engine runs; the output pane and the view
// change only once the points are there.
const std::vector<std::string> kCleanBodeEvents = {
    "wait", "end wait", "output", "reset code", "clear results", "repaint", "output",
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

// Ranges typed into the pane or written in the program, however hostile, are
// bounded first and repaired second: a finite, strictly increasing range,
// written back, and a second run with the written-back settings sweeps the
// very same points.
TEST_F(BodeRun, HostileRangesAreBoundedThenRepaired)
{
    const double inf = HUGE_VAL;
    const double nan = std::nan("");
    struct Case {
        const char* name;
        const char* program;  // a setup statement, taken in place of the settings
        double start, end;
        int count, arithmetic;
        double boundStart, boundEnd;
        int boundCount;
    };
    const Case cases[] = {
        {"more points than the arrays", "", 0.1, 20, 5000, 1, 0.1, 20, 2047},
        {"geometric start below 0.01", "", 0.001, 10, 80, 0, 0.01, 10, 80},
        {"negative start", "", -4, 10, 0, 1, 0, 10, 0},
        {"backwards", "", 30, 2, 80, 1, 2, 30, 80},
        {"equal ends", "", 5, 5, 80, 1, 5, 105, 80},
        {"end past the limit", "", 1, 1e30, 10, 0, 1, 1e18, 10},
        {"geometric range below its minimum", "", 0.001, 0.005, 80, 0, 0.01, 0.01 + 100, 80},
        {"whole range past the limit", "", 1e19, 2e19, 80, 0, 1e18 - 100, 1e18, 80},
        {"arithmetic, both ends negative", "", -10, -20, 80, 1, 0, 100, 80},
        {"geometric, both ends negative", "", -10, -5, 80, 0, 0.01, 0.01 + 100, 80},
        {"not a number", "", nan, nan, 80, 1, 0, 100, 80},
        {"infinite", "", -inf, inf, 80, 0, 0.01, 1e18, 80},
        {"infinite from the program", "FREQ 1e999, 1e999, 1e999, GEO;", 0, 0, 0, 0, 1e18 - 100, 1e18, 2047},
        {"overflow and underflow from the program", "OMEGA 1e999, 1e-999, 10, ARITH;", 0, 0, 0, 0, 0, 1e18, 10},
    };
    for (const Case& c : cases) {
        view = ViewData{};
        AnalysisSettings& s = view.settings;
        s.sweepStart = c.start;
        s.sweepEnd = c.end;
        s.sweepCount = c.count;
        s.sweepArithmetic = c.arithmetic;
        const std::string program = std::string("H(s) = 1/(s+1); PROBE H(s); ") + c.program;
        const SweepRange bound{c.boundStart, c.boundEnd, c.boundCount};
        ASSERT_EQ(bode(program, *c.program != '\0'), RUN_CLEAN) << c.name;
        EXPECT_EQ(sweepRange(s), bound) << c.name;
        EXPECT_EQ(pushedRange(hooks->bodeAnalysis), bound) << c.name;
        EXPECT_EQ(view.pointCount, std::max(c.boundCount, 2)) << c.name;
        const auto first = view.frequencyPoints;
        expectFiniteAxis(first, view.pointCount, &FrequencyPoint::omega, c.name);
        ASSERT_EQ(bode(program, 0), RUN_CLEAN) << c.name;
        EXPECT_EQ(sweepRange(s), bound) << c.name;
        EXPECT_TRUE(samePoints(first, view.frequencyPoints, view.pointCount)) << c.name;
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
    const std::vector<std::string> expected = {"wait",   "end wait",       "output",       "reset code",
                                               "clear results", "repaint", "output",       "result listing",
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
