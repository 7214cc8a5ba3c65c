// Ctrl+C (SIGINT) and SIGTERM. Before a run computes, nothing has been written,
// so they end brenno-cli at once. From then on they ask the run to stop at its
// next look at its progress, and brenno-cli ends as soon as no file is half
// written; the files it had to write stay as they were.
#pragma once

struct RunProgress;

// The handlers, from the start of brenno-cli.
void installInterruptHandlers();
// While it lives, an interrupt asks the run to stop instead of ending the process.
class StopRunOnInterrupt {
public:
    explicit StopRunOnInterrupt(RunProgress& progress);
    ~StopRunOnInterrupt();
    StopRunOnInterrupt(const StopRunOnInterrupt&) = delete;
    StopRunOnInterrupt& operator=(const StopRunOnInterrupt&) = delete;
};
// The signal that arrived, or 0.
int receivedInterrupt();
// What the shell shows for a process ended by the signal: 130 for SIGINT, 143 for SIGTERM.
constexpr int exitStatusOfInterrupt(int signal) { return 128 + signal; }
