// Readings taken at the end of a run: listed for the output pane, and
// invisible to everything the run shows or leaves behind.
#include <vector>

#include "analysis/graph_csv.h"
#include "tests/analysis/run_fixture.h"

namespace {

constexpr const char* kDelayedLoop = "A = 2;\r\nG(s) = A/(s*(s+1));\r\nL(s) = G(s)*exp(-s*0.2);\r\nPROBE L(s);\r\n";

// What a run leaves: its points, its CSV, its listings and the value cells.
struct Traces {
    std::string csv;
    std::vector<std::vector<std::string>> resultRows;
    std::vector<std::vector<std::string>> codeRows;
    std::vector<q_complex> cells;
    int divZeroCount;
};

class RunReadingsTest : public RunTest {
protected:
    void SetUp() override
    {
        RunTest::SetUp();
        view.settings.sweepArithmetic = 0;
        view.settings.sweepStart = 0.01;
        view.settings.sweepEnd = 100;
    }

    Traces traces() const
    {
        return Traces{graphCsvText(view), hooks->resultListing.rows, hooks->codeListing.rows,
                      std::vector<q_complex>(workAreas.identValues, workAreas.identValues + workAreas.identCount),
                      workAreas.divZeroCount};
    }

    // The same run on fresh work areas, with the readings taken or not.
    Traces tracesOf(const std::string& program, bool takesReadings)
    {
        freeWorkAreas();
        EXPECT_EQ(allocWorkAreas(), 0);
        view.workAreasReady = 0;
        hooks = std::make_unique<RecordingHooks>(program);
        hooks->takesReadings = takesReadings;
        RunBodeAnalysis(view, *hooks, 0);
        return traces();
    }
};

void expectSameTraces(const Traces& a, const Traces& b)
{
    EXPECT_EQ(a.csv, b.csv);
    EXPECT_EQ(a.resultRows, b.resultRows);
    EXPECT_EQ(a.codeRows, b.codeRows);
    ASSERT_EQ(a.cells.size(), b.cells.size());
    for (size_t i = 0; i < a.cells.size(); ++i) {
        EXPECT_EQ(a.cells[i].re, b.cells[i].re) << "cell " << i;
        EXPECT_EQ(a.cells[i].im, b.cells[i].im) << "cell " << i;
    }
    EXPECT_EQ(a.divZeroCount, b.divZeroCount);
}

}  // namespace

TEST_F(RunReadingsTest, BodeRunListsItsMarginsByName)
{
    ASSERT_EQ(bode(kDelayedLoop), RUN_CLEAN);
    EXPECT_EQ(view.readings.state, READINGS_TAKEN);
    const Listing& listing = hooks->readingsListing;
    ASSERT_EQ(listing.columns.size(), 3u);
    std::vector<std::string> names;
    for (const auto& row : listing.rows)
        names.push_back(row[0]);
    EXPECT_EQ(names, (std::vector<std::string>{"gain_crossover_rad_s", "phase_margin_deg", "phase_crossover_rad_s",
                                                "gain_margin_db", "bandwidth_rad_s", "peak_gain_db", "peak_rad_s"}));
    EXPECT_FALSE(listing.rows[1][1].empty());
    EXPECT_EQ(listing.rows[4][1], "") << "no finite gain at s = 0: no bandwidth";
}

TEST_F(RunReadingsTest, ReadingsChangeNothingTheRunShowsOrLeaves)
{
    // The second program reads G before it assigns it: its points depend on
    // the previous evaluation, so extra evaluations must leave no trace.
    for (const char* program : {kDelayedLoop, "L(s) = G(s)*2;\r\nG(s) = 1/(s+1);\r\nPROBE L(s);\r\n"}) {
        SCOPED_TRACE(program);
        const Traces without = tracesOf(program, false);
        const Traces with = tracesOf(program, true);
        expectSameTraces(without, with);
    }
    EXPECT_EQ(view.readings.state, READINGS_NOT_PURE);
    EXPECT_EQ(hooks->readingsListing.rows.back()[0], "note");
}

TEST_F(RunReadingsTest, AFailedRunLeavesNoReadings)
{
    ASSERT_EQ(bode(kDelayedLoop), RUN_CLEAN);
    ASSERT_EQ(bode("L(s) = ;"), RUN_FAILED);
    EXPECT_EQ(view.readings.state, READINGS_NONE);
    EXPECT_TRUE(hooks->readingsListing.rows.empty());
    EXPECT_EQ(hooks->readingsListing.columns.size(), 3u);
}
