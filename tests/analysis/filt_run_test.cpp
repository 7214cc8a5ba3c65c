#include <algorithm>
#include <cmath>

#include "analysis/run_messages.h"
#include "tests/analysis/run_fixture.h"

using FiltRun = RunTest;

TEST_F(FiltRun, SampleProgramWithTheViewsSettings)
{
    ASSERT_EQ(filt(kSampleProgram), RUN_CLEAN);
    EXPECT_EQ(hooks->compileOutput, "syntax: OK \r\n");
    const std::vector<std::string> expected = {
        "wait", "end wait", "output", "reset code", "clear results", "repaint", "output",
        "code listing", "result listing", "filt analysis values", "filt graph values"};
    EXPECT_EQ(events(), expected);
    EXPECT_EQ(view.graphMode, GRAPH_FILT);
    ASSERT_EQ(view.pointCount, 40);
    EXPECT_EQ(view.timePoints[0].t, 0.1);
    EXPECT_EQ(view.filt.timeAxisMin, 0.0625);
    EXPECT_EQ(view.filt.timeAxisMax, 4);

    double lmin = 1e300, lmax = -1e300;
    for (int i = 0; i < 40; ++i) {
        lmin = std::min(lmin, view.timePoints[i].level);
        lmax = std::max(lmax, view.timePoints[i].level);
    }
    EXPECT_EQ(view.filt.levelMin, lmin);
    EXPECT_EQ(view.filt.levelMax, lmax);

    const FiltAnalysisPush& setup = hooks->filtAnalysis;
    EXPECT_EQ(setup.start, 0.1);
    EXPECT_EQ(setup.end, 4.0);
    EXPECT_EQ(setup.count, 40);
    EXPECT_EQ(setup.k2, 0.2);
    const FiltGraphPush& graph = hooks->filtGraph;
    EXPECT_EQ(graph.timeAxisMin, 0.0625);
    EXPECT_EQ(graph.timeAxisMax, 4);
    EXPECT_EQ(graph.levelMin, lmin);
    EXPECT_EQ(graph.levelMax, lmax);
}

TEST_F(FiltRun, SetupFromTheProgram)
{
    ASSERT_EQ(filt(kSampleProgram, 1), RUN_CLEAN);
    EXPECT_EQ(view.pointCount, 80);
    EXPECT_EQ(view.settings.timeStart, 0.01);
    EXPECT_EQ(view.settings.timeEnd, 5);
    EXPECT_EQ(view.filt.timeAxisMin, 0.0078125);
    EXPECT_EQ(view.filt.timeAxisMax, 8);
    EXPECT_EQ(hooks->filtAnalysis.count, 80);
    EXPECT_EQ(hooks->filtAnalysis.a, 4.0);
}

TEST_F(FiltRun, EqualLevelsStayEqual)
{
    ASSERT_EQ(filt("F(s) = 0; PROBE F(s);"), RUN_CLEAN);
    EXPECT_EQ(view.filt.levelMin, 0);
    EXPECT_EQ(view.filt.levelMax, 0);
}

// Time ranges are bounded first and repaired second, like sweeps: finite,
// strictly increasing, written back, and the same points on a second run.
TEST_F(FiltRun, HostileRangesAreBoundedThenRepaired)
{
    const double nan = std::nan("");
    struct Case {
        const char* name;
        const char* program;  // TIME and FILT statements, taken in place of the settings
        double start, end;
        int count;
        double boundStart, boundEnd;
        int boundCount;
        double axisMin, axisMax;
    };
    const Case cases[] = {
        {"more points than the arrays", "", 0.1, 4.0, 5000, 0.1, 4.0, 2048, 0.0625, 4},
        {"backwards", "", 4.0, 0.5, 10, 0.5, 4.0, 10, 0.5, 4},
        {"equal ends", "", 3, 3, 10, 3, 13, 10, 2, 16},
        {"negative start", "", -1, 2, 10, 1e-15, 2, 10, std::pow(0.5, 50), 2},
        {"both ends negative", "", -5, -1, 10, 1e-15, 1e-15 + 10, 10, std::pow(0.5, 50), 16},
        {"end past the limit", "", 1, 1e12, 2, 1, 1e9, 2, 1, std::pow(2.0, 30)},
        {"whole range past the limit", "", 2e9, 3e9, 4, 1e9 - 10, 1e9, 4, std::pow(2.0, 29), std::pow(2.0, 30)},
        {"not a number", "", nan, 4, 10, 1e-15, 4, 10, std::pow(0.5, 50), 4},
        {"infinite from the program", "TIME 1e999, 1e999, 1e999; FILT 4, 0, 4, 0;", 0, 0, 0, 1e9 - 10, 1e9, 2048,
         std::pow(2.0, 29), std::pow(2.0, 30)},
    };
    for (const Case& c : cases) {
        view = ViewData{};
        AnalysisSettings& s = view.settings;
        s.timeStart = c.start;
        s.timeEnd = c.end;
        s.timeCount = c.count;
        const std::string program = std::string("F(s) = 1/(s+1); PROBE F(s); ") + c.program;
        const SweepRange bound{c.boundStart, c.boundEnd, c.boundCount};
        ASSERT_EQ(filt(program, *c.program != '\0'), RUN_CLEAN) << c.name;
        EXPECT_EQ(timeRange(s), bound) << c.name;
        EXPECT_EQ(pushedRange(hooks->filtAnalysis), bound) << c.name;
        EXPECT_EQ(view.filt.timeAxisMin, c.axisMin) << c.name;
        EXPECT_EQ(view.filt.timeAxisMax, c.axisMax) << c.name;
        EXPECT_EQ(view.pointCount, c.boundCount) << c.name;
        const auto first = view.timePoints;
        expectFiniteAxis(first, view.pointCount, &TimePoint::t, c.name);
        ASSERT_EQ(filt(program, 0), RUN_CLEAN) << c.name;
        EXPECT_EQ(timeRange(s), bound) << c.name;
        EXPECT_TRUE(samePoints(first, view.timePoints, view.pointCount)) << c.name;
    }
}

// A and B for which e^(A+B*t)/t is no normal number somewhere in the time
// range would give infinite, zero or not-a-number levels: the run says so.
TEST_F(FiltRun, UnusableFiltParametersAreRefused)
{
    struct Case {
        const char* name;
        double a, b;
        bool usable;
    };
    const Case cases[] = {
        {"the usual", 4, 0, true},
        {"large A still in range", 700, 0, true},
        {"A typed as 1e40 (the pane's largest single)", 3.4028234663852886e38, 0, false},
        {"A overflowing at the start", 706, 0, false},
        {"B overflowing at the end", 4, 200, false},
        {"A underflowing", -800, 0, false},
        {"B underflowing at the end", 4, -200, false},
        {"A and B underflowing inside the range only", -709.5, 1, false},
        {"A not a number", std::nan(""), 0, false},
    };
    for (const Case& c : cases) {
        view = ViewData{};
        view.settings.filtA = c.a;
        view.settings.filtB = c.b;
        const RunOutcome outcome = filt("F(s) = 1/(s+1); PROBE F(s);");
        if (c.usable) {
            EXPECT_EQ(outcome, RUN_CLEAN) << c.name;
            continue;
        }
        EXPECT_EQ(outcome, RUN_FAILED) << c.name;
        EXPECT_EQ(hooks->compileOutput.rfind("error: FILT A = ", 0), 0u) << c.name << ": " << hooks->compileOutput;
        expectFailureEnding(view, *hooks, 4);
    }
    filt("F(s) = 1/(s+1); PROBE F(s); TIME 0.1, 4, 40; FILT 1e999, 0, 4, 0.2;", 1);
    EXPECT_EQ(hooks->compileOutput,
              "error: FILT A = INF, B = 0 cannot be used from t = 0.1 to 4: e^(A+B*t)/t is out of the range of "
              "numbers \r\n");
}

TEST_F(FiltRun, FailureEndings)
{
    const char* noProbe[] = {"", "F(s) = 1/s;", "/* nothing */"};
    for (const char* program : noProbe) {
        EXPECT_EQ(filt(program), RUN_FAILED) << program;
        EXPECT_EQ(hooks->compileOutput, kFiltNoProbeMessage);
        EXPECT_EQ(view.graphMode, GRAPH_FILT);
        expectFailureEnding(view, *hooks, 4);
        EXPECT_EQ(hooks->resultListing.columns[1].heading, "time[sec]");
    }
    EXPECT_EQ(filt("F(s) = 1/s; PROBE F(s); $"), RUN_FAILED);
    EXPECT_NE(hooks->compileOutput.find("WORD OR CHARACTER INVALID"), std::string::npos) << hooks->compileOutput;
    expectFailureEnding(view, *hooks, 4);
}

TEST_F(FiltRun, MissingProgramSetup)
{
    EXPECT_EQ(filt("F(s) = 1/s; TIME 0.01, 5, 80; PROBE F(s);", 1), RUN_FAILED);
    EXPECT_EQ(hooks->compileOutput, kNoTimeSetupMessage);
    EXPECT_EQ(events().back(), "repaint");
    EXPECT_EQ(view.pointCount, 0);
    EXPECT_EQ(view.settings.timeStart, AnalysisSettings{}.timeStart);
}

TEST_F(FiltRun, DivisionByZeroKeepsThePoints)
{
    EXPECT_EQ(filt("F(s) = 1/(s-s); PROBE F(s);"), RUN_DIVIDED_BY_ZERO);
    EXPECT_EQ(hooks->compileOutput, kDividedByZeroMessage);
    EXPECT_EQ(view.pointCount, 40);
    EXPECT_EQ(workAreas.codeCount, 0);
    EXPECT_TRUE(hooks->codeListing.rows.empty());
    EXPECT_EQ(hooks->resultListing.rows.size(), 40u);
    EXPECT_EQ(events().back(), "repaint");
    EXPECT_EQ(std::count(events().begin(), events().end(), "filt analysis values"), 0);
}
