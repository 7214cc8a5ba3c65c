#include "cli/interrupts.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <initializer_list>

#include "analysis/evaluation_engine.h"

namespace {

volatile sig_atomic_t interruptSignal = 0;
std::atomic<RunProgress*> interruptedRun{nullptr};
static_assert(std::atomic<RunProgress*>::is_always_lock_free, "the signal handler reads it");

// Only what is safe in a signal handler: a flag, an atomic, _exit.
void onInterrupt(int signal)
{
    interruptSignal = signal;
    RunProgress* run = interruptedRun.load();
    if (run == nullptr)
        _exit(exitStatusOfInterrupt(signal));
    run->cancelRequested = true;
}

}  // namespace

void installInterruptHandlers()
{
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGINT, SIGTERM})
        sigaction(signal, &action, nullptr);
}

StopRunOnInterrupt::StopRunOnInterrupt(RunProgress& progress) { interruptedRun.store(&progress); }

StopRunOnInterrupt::~StopRunOnInterrupt() { interruptedRun.store(nullptr); }

int receivedInterrupt() { return interruptSignal; }
