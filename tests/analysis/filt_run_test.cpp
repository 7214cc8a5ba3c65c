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
        "output", "reset code", "clear results", "wait", "repaint", "end wait", "output",
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

TEST_F(FiltRun, SetupIsRepairedAndBoundedThenWrittenBack)
{
    struct Case {
        double start, end;
        int count;
        double boundStart, boundEnd;
        int boundCount, points;
        double axisMin, axisMax;
    };
    const Case cases[] = {
        {0.1, 4.0, 5000, 0.1, 4.0, 2048, 2048, 0.0625, 4},
        {4.0, 0.5, 10, 0.5, 4.0, 10, 10, 0.5, 4},
        {3, 3, 10, 3, 13, 10, 10, 2, 16},
        {-1, 2, 10, 1e-15, 2, 10, 10, std::pow(0.5, 50), 2},
        // An end the engine cannot use: the axis encloses the engine's minimum time.
        {-5, -1, 10, 1e-15, -1, 10, 10, std::pow(0.5, 50), std::pow(0.5, 19)},
        {1, 1e12, 2, 1, 1e9, 2, 2, 1, std::pow(2.0, 30)},
    };
    for (const Case& c : cases) {
        view = ViewData{};
        view.settings.timeStart = c.start;
        view.settings.timeEnd = c.end;
        view.settings.timeCount = c.count;
        ASSERT_EQ(filt("F(s) = 1/(s+1); PROBE F(s);"), RUN_CLEAN) << c.start;
        EXPECT_EQ(view.pointCount, c.points) << c.start;
        EXPECT_EQ(hooks->filtAnalysis.start, c.boundStart) << c.start;
        EXPECT_EQ(hooks->filtAnalysis.end, c.boundEnd) << c.start;
        EXPECT_EQ(hooks->filtAnalysis.count, c.boundCount) << c.start;
        EXPECT_EQ(view.settings.timeEnd, c.boundEnd) << c.start;
        EXPECT_EQ(view.filt.timeAxisMin, c.axisMin) << c.start;
        EXPECT_EQ(view.filt.timeAxisMax, c.axisMax) << c.start;
    }
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
