// A run stopped while it computes leaves everything as it was.
#include <cstring>
#include <thread>

#include "lang/value_cells.h"
#include "tests/analysis/run_fixture.h"
#include "tests/support/view_data_bytes.h"

namespace {

// G reads H before the program sets it, so every evaluation sees the value the
// previous one left: the cells carry over from one run to the next.
constexpr const char* kCarryingProgram = "G(s) = H(s) + 1; H(s) = 1/(s+1); PROBE G(s);";

// Stops the run once it has evaluated something.
class StopOnceStarted {
public:
    explicit StopOnceStarted(RunProgress& progress)
        : watcher_([&progress] {
              while (progress.evaluationsDone == 0)
                  std::this_thread::yield();
              progress.cancelRequested = true;
          })
    {
    }
    ~StopOnceStarted() { watcher_.join(); }

private:
    std::thread watcher_;
};

bool sameCells(const ValueCells& a, const ValueCells& b)
{
    return a.named.size() == b.named.size() &&
           std::memcmp(a.named.data(), b.named.data(), a.named.size() * sizeof(q_complex)) == 0 &&
           std::memcmp(&a.anonymous, &b.anonymous, sizeof a.anonymous) == 0;
}

}  // namespace

using RunStages = RunTest;

TEST_F(RunStages, AStoppedRunLeavesTheViewTheHooksAndTheValueCellsAsTheyWere)
{
    ASSERT_EQ(bode(kCarryingProgram), RUN_CLEAN);
    const ValueCells cellsBefore = saveValueCells();
    const std::string viewBefore = viewDataBytes(view);
    const std::vector<std::string> onlyTheCursor = {"wait", "end wait"};

    // Stopped before the first evaluation.
    RunProgress stopped;
    stopped.cancelRequested = true;
    hooks = std::make_unique<RecordingHooks>(kSampleProgram);
    EXPECT_EQ(RunBodeAnalysis(view, *hooks, 1, &stopped), RUN_STOPPED);
    EXPECT_EQ(events(), onlyTheCursor);
    EXPECT_EQ(viewDataBytes(view), viewBefore);

    // Stopped among 2048 time points of 20005 evaluations each, one s at a
    // time since the program's values carry over: the cells have changed by then.
    view.settings.timeCount = 2048;
    view.settings.filtK1 = 1e9;
    const std::string viewBeforeFilt = viewDataBytes(view);
    RunProgress progress;
    hooks = std::make_unique<RecordingHooks>(kCarryingProgram);
    RunOutcome outcome;
    {
        const StopOnceStarted stopper(progress);
        outcome = RunFiltAnalysis(view, *hooks, 0, &progress);
    }
    EXPECT_EQ(outcome, RUN_STOPPED);
    EXPECT_GT(progress.evaluationsDone, 0);
    EXPECT_EQ(events(), onlyTheCursor);
    EXPECT_EQ(viewDataBytes(view), viewBeforeFilt);
    EXPECT_TRUE(sameCells(saveValueCells(), cellsBefore));
}
