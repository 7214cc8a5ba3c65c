// A view and recording hooks for running analyses as the GUI would.
#pragma once
#include <memory>

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
