#include "analysis/evaluation_engine.h"

#include <algorithm>
#include <memory>
#include <thread>
#include <vector>

#include "analysis/parallel_runner.h"
#include "lang/batch_evaluator.h"
#include "lang/compiled_code.h"
#include "lang/compiled_evaluator.h"
#include "lang/evaluator.h"
#include "lang/workareas.h"

namespace {

// Points are grouped into units of about this many evaluations at most (a
// point is never split), a few units per thread, so the threads finish together.
constexpr int kUnitsPerThread = 8;
constexpr int kSmallestUnit = 4 * kBatchLanes;

EngineSettings currentSettings;

// One thread's buffers: the values of s of a unit and the probe's values
// there, and room for batches. One block, left uncleared: its pages cost
// nothing until a run uses them.
struct WorkerRoom {
    double sRe[kPointEvaluationCapacity];
    double sIm[kPointEvaluationCapacity];
    double re[kPointEvaluationCapacity];
    double im[kPointEvaluationCapacity];
    BatchScratch batch;
    long long nearZero = 0;
};

// The threads and their rooms, made once for a thread count and kept: a run
// itself allocates nothing. The calling thread's room comes first; the others
// with the first run that shares its points out.
struct Engine {
    explicit Engine(int threads) : runner(threads) { rooms.emplace_back(new WorkerRoom); }

    void furnishAllRooms()
    {
        while (static_cast<int>(rooms.size()) < runner.threads())
            rooms.emplace_back(new WorkerRoom);
    }

    ParallelRunner runner;
    std::vector<std::unique_ptr<WorkerRoom>> rooms;
    int unitStart[kPlanPointCapacity + 1];
    int unitEvaluations[kPlanPointCapacity];
    int unitCount = 0;
};

int threadsWanted()
{
    static const int cores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    return currentSettings.threads > 0 ? currentSettings.threads : cores;
}

Engine& engine()
{
    static std::unique_ptr<Engine> current;
    const int threads = threadsWanted();
    if (!current || current->runner.threads() != threads)
        current = std::make_unique<Engine>(threads);
    return *current;
}

enum BlockMode { BLOCK_BATCH, BLOCK_COMPILED, BLOCK_EVALUATOR };

// The points of a run shared out in units; each unit's values of s are
// evaluated in blocks of kBatchLanes, between which progress is reported and
// a request to stop is heard.
class RunJob : public UnitWork {
public:
    RunJob(Engine& engine, EvaluationPlan& plan, int probe, BlockMode mode, RunProgress* progress)
        : engine_(engine), plan_(plan), probe_(probe), mode_(mode), progress_(progress),
          code_(currentCompiledCode())
    {
    }

    void runUnit(int unit, int worker) override;

private:
    bool stopped() const { return progress_ != nullptr && progress_->cancelRequested.load(std::memory_order_relaxed); }
    void evaluateBlock(WorkerRoom& room, int from, int n);

    Engine& engine_;
    EvaluationPlan& plan_;
    const int probe_;
    const BlockMode mode_;
    RunProgress* const progress_;
    const CompiledCode& code_;
};

void RunJob::evaluateBlock(WorkerRoom& room, int from, int n)
{
    if (mode_ == BLOCK_BATCH) {
        room.nearZero += evaluateBatch(code_, probe_, room.sRe + from, room.sIm + from, n,
                                       room.batch, room.re + from, room.im + from);
        return;
    }
    if (mode_ == BLOCK_COMPILED) {
        evaluateCompiledInOrder(room.sRe + from, room.sIm + from, n, probe_, room.re + from,
                                room.im + from);
        return;
    }
    for (int k = from; k < from + n; ++k) {
        const q_complex value = evaluateProgram(q_complex(room.sRe[k], room.sIm[k]), probe_);
        room.re[k] = value.re;
        room.im[k] = value.im;
    }
}

void RunJob::runUnit(int unit, int worker)
{
    // Once stopped, the units left are passed over without making their values of s.
    if (stopped())
        return;
    WorkerRoom& room = *engine_.rooms[worker];
    const int first = engine_.unitStart[unit];
    const int end = engine_.unitStart[unit + 1];
    const int count = engine_.unitEvaluations[unit];
    plan_.pointsOf(first, end, room.sRe, room.sIm);
    for (int from = 0; from < count; from += kBatchLanes) {
        if (stopped())
            return;
        const int n = std::min(kBatchLanes, count - from);
        evaluateBlock(room, from, n);
        if (progress_ != nullptr)
            progress_->evaluationsDone += n;
    }
    plan_.takeValues(first, end, room.re, room.im);
}

// Consecutive points in units of about total / (threads * kUnitsPerThread)
// evaluations, and of enough work each to be worth a thread; returns the total.
long long divideIntoUnits(Engine& engine, const EvaluationPlan& plan, int instructions)
{
    const int points = plan.pointCount();
    long long total = 0;
    for (int point = 0; point < points; ++point)
        total += plan.evaluationsOf(point);
    const long long wanted = total / (engine.runner.threads() * kUnitsPerThread);
    const long long worthAThread = currentSettings.unitWork / std::max(instructions, 1);
    const long long unitSize =
        std::clamp<long long>(std::max(wanted, worthAThread), kSmallestUnit, kPointEvaluationCapacity);
    engine.unitCount = 0;
    for (int point = 0; point < points; ++point) {
        const int evaluations = plan.evaluationsOf(point);
        if (point > 0 && engine.unitEvaluations[engine.unitCount - 1] + evaluations <= unitSize) {
            engine.unitEvaluations[engine.unitCount - 1] += evaluations;
            continue;
        }
        engine.unitStart[engine.unitCount] = point;
        engine.unitEvaluations[engine.unitCount++] = evaluations;
    }
    engine.unitStart[engine.unitCount] = points;
    return total;
}

BlockMode blockMode(const CompiledCode& code, int probe)
{
    if (currentSettings.path == PATH_EVALUATOR || !code.complete)
        return BLOCK_EVALUATOR;
    if (currentSettings.path == PATH_COMPILED || !runsInBatches(code, probe))
        return BLOCK_COMPILED;
    return BLOCK_BATCH;
}

// The value cells as the last evaluation of the points one by one leaves
// them: the program's result depends on s alone, so one evaluation at the
// last s gives them. It is not counted again.
void settleCells(const EvaluationPlan& plan, int probe, WorkerRoom& room)
{
    const int last = plan.pointCount() - 1;
    plan.pointsOf(last, last + 1, room.sRe, room.sIm);
    const int k = plan.evaluationsOf(last) - 1;
    const int counted = workAreas.divZeroCount;
    evaluateCompiled(q_complex(room.sRe[k], room.sIm[k]), probe);
    workAreas.divZeroCount = counted;
}

}  // namespace

void setEngineSettings(const EngineSettings& settings)
{
    currentSettings = settings;
}

EngineSettings engineSettings()
{
    return currentSettings;
}

bool evaluatePlan(EvaluationPlan& plan, int probe, RunProgress* progress)
{
    Engine& e = engine();
    const CompiledCode& code = currentCompiledCode();
    const long long total = divideIntoUnits(e, plan, code.count);
    if (progress != nullptr)
        progress->evaluationsTotal = total;
    const BlockMode mode = blockMode(code, probe);
    RunJob job(e, plan, probe, mode, progress);
    if (mode != BLOCK_BATCH) {
        for (int unit = 0; unit < e.unitCount; ++unit)
            job.runUnit(unit, 0);
    } else {
        for (const auto& room : e.rooms)
            room->nearZero = 0;
        if (e.unitCount > 1)
            e.furnishAllRooms();
        e.runner.run(e.unitCount, job);
        for (const auto& room : e.rooms)
            workAreas.divZeroCount += static_cast<int>(room->nearZero);
    }
    const bool finished = progress == nullptr || !progress->cancelRequested;
    if (finished && mode == BLOCK_BATCH && plan.pointCount() > 0)
        settleCells(plan, probe, *e.rooms[0]);
    return finished;
}
