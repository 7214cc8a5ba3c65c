// A view and recording hooks for running analyses as the GUI would.
#pragma once
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <tuple>

#include "analysis/analysis_runs.h"
#include "tests/analysis/analysis_fixture.h"
#include "tests/analysis/recording_hooks.h"

class RunTest : public WorkAreasTest {
protected:
    RunOutcome bode(const std::string& text, int useProgram = 0)
    {
        hooks = std::make_unique<RecordingHooks>(text);
        return RunBodeAnalysis(view, *hooks, useProgram);
    }
    RunOutcome filt(const std::string& text, int useProgram = 0)
    {
        hooks = std::make_unique<RecordingHooks>(text);
        return RunFiltAnalysis(view, *hooks, useProgram);
    }
    const std::vector<std::string>& events() const { return hooks->events; }

    ViewData view;
    std::unique_ptr<RecordingHooks> hooks;
};

// After every failure: no points, the result headers alone, the code emptied.
inline void expectFailureEnding(const ViewData& view, const RecordingHooks& hooks, size_t resultColumns)
{
    EXPECT_EQ(view.pointCount, 0);
    EXPECT_EQ(workAreas.codeCount, 0);
    EXPECT_EQ(hooks.resultListing.columns.size(), resultColumns);
    EXPECT_TRUE(hooks.resultListing.rows.empty());
    EXPECT_EQ(hooks.codeListing.columns.size(), 5u);
    EXPECT_TRUE(hooks.codeListing.rows.empty());
    EXPECT_EQ(hooks.events.back(), "repaint");
}

// A range as a run leaves it: start, end and count, in the settings or pushed to a pane.
using SweepRange = std::tuple<double, double, int>;

inline SweepRange sweepRange(const AnalysisSettings& s) { return {s.sweepStart, s.sweepEnd, s.sweepCount}; }
inline SweepRange timeRange(const AnalysisSettings& s) { return {s.timeStart, s.timeEnd, s.timeCount}; }
template <typename Pushed>
SweepRange pushedRange(const Pushed& values)
{
    return {values.start, values.end, values.count};
}

// Bit for bit, as a second run with the written-back settings must repeat the first.
template <typename Point, size_t N>
bool samePoints(const std::array<Point, N>& a, const std::array<Point, N>& b, int count)
{
    return std::memcmp(a.data(), b.data(), static_cast<size_t>(count) * sizeof(Point)) == 0;
}

// Each point's frequency or time is a finite number, and the last is not below the first.
template <typename Point, size_t N>
void expectFiniteAxis(const std::array<Point, N>& points, int count, double Point::*coordinate, const char* name)
{
    for (int i = 0; i < count; ++i)
        ASSERT_TRUE(std::isfinite(points[i].*coordinate)) << name << " point " << i;
    EXPECT_LE(points[0].*coordinate, points[count - 1].*coordinate) << name;
}
