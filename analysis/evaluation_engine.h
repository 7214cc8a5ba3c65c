// The evaluations of an analysis run: every point needs the probed function
// at one or more values of s. Programs whose result depends on s alone are
// evaluated in batches, their points shared out over the cores; the others
// one s at a time, in the order of the points, as the evaluator always did.
// The results, the value cells and the division count are the same to the
// bit on every path and at any thread count.
#pragma once
#include <atomic>

#include "lang/workareas.h"

// Where a run's values of s come from and where its results go.
class EvaluationPlan {
public:
    virtual ~EvaluationPlan() = default;
    virtual int pointCount() const = 0;
    // How many values of s point needs, at most kPointEvaluationCapacity.
    virtual int evaluationsOf(int point) const = 0;
    // The values of s of the points first .. end - 1, one point after the
    // other, each in the order a single evaluation takes them.
    virtual void pointsOf(int first, int end, double* sRe, double* sIm) const = 0;
    // The probe's values at those s: the points' results. Called once per point.
    virtual void takeValues(int first, int end, const double* re, const double* im) = 0;
};

constexpr int kPointEvaluationCapacity = 20480;
// The points of one plan at most: a run's, and as many again for the FILT
// error estimate's second inversion, which runs in the same plan.
constexpr int kPlanPointCapacity = 2 * kResultCapacity;

// Shared between a run and whoever watches it from another thread: how far
// the run is, and a request to stop. The run adds to evaluationsDone after
// every batch of evaluations and looks at cancelRequested before the next.
struct RunProgress {
    std::atomic<long long> evaluationsTotal{0};
    std::atomic<long long> evaluationsDone{0};
    std::atomic<bool> cancelRequested{false};
};

// Whole percent of the evaluations done: 0 until the run has counted them.
inline int percentDone(const RunProgress& progress)
{
    const long long total = progress.evaluationsTotal;
    return total > 0 ? static_cast<int>(progress.evaluationsDone * 100 / total) : 0;
}

enum EvaluationPath {
    PATH_FASTEST,    // batches on every thread where the program allows, else the compiled form
    PATH_COMPILED,   // the compiled form, one s at a time, on the calling thread
    PATH_EVALUATOR,  // the evaluator itself, one s at a time
};

// A thread pays off once it is handed about a millisecond of work: this many
// compiled instructions run.
constexpr long long kWorthAThread = 200000;

struct EngineSettings {
    int threads = 0;  // 0: one per core
    EvaluationPath path = PATH_FASTEST;
    // The least work a unit of points is given (tests share small runs out finely).
    long long unitWork = kWorthAThread;
};

// For the whole process; the application keeps the defaults, brenno-cli
// takes --jobs, tests and benchmarks choose paths.
void setEngineSettings(const EngineSettings& settings);
EngineSettings engineSettings();

// Evaluates every point of plan for probe and adds the near-zero divisors met
// to workAreas.divZeroCount. The value cells end as after evaluating the
// points one by one in order. false: progress asked to stop, and the points
// after the last finished batch hold nothing valid.
bool evaluatePlan(EvaluationPlan& plan, int probe, RunProgress* progress);
