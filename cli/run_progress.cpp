#include "cli/run_progress.h"

#include <chrono>
#include <cstdio>
#include <future>

namespace {

using Clock = std::chrono::steady_clock;
// A run shorter than this shows nothing; afterwards the line follows every few ticks.
constexpr auto kQuietStart = std::chrono::milliseconds(250);
constexpr auto kTick = std::chrono::milliseconds(50);

class ProgressLine {
public:
    void show(int percent)
    {
        if (percent == shown_)
            return;
        std::fprintf(stderr, "\rbrenno-cli: %d%%", percent);
        std::fflush(stderr);
        shown_ = percent;
    }
    // The terminal's line as it was before, for the run's message.
    ~ProgressLine()
    {
        if (shown_ >= 0)
            std::fputs("\r\033[K", stderr);
    }

private:
    int shown_ = -1;
};

}  // namespace

int computeShowingProgress(const RunPlan& plan, RunProgress& progress, bool onTerminal)
{
    // Nothing to show: a thread would only cost the start of every short run.
    // An interrupt still stops the run, through the progress's cancel flag.
    if (!onTerminal)
        return computeRunPoints(plan, &progress);
    std::future<int> points = std::async(std::launch::async, [&] { return computeRunPoints(plan, &progress); });
    const Clock::time_point started = Clock::now();
    ProgressLine line;
    while (points.wait_for(kTick) != std::future_status::ready)
        if (Clock::now() - started >= kQuietStart)
            line.show(percentDone(progress));
    return points.get();
}
