// Every evaluation path and thread count gives the evaluator's results: the
// CSV and listing bytes of whole runs, the points of the engines, the value
// cells and the division count; progress is reported and a run can be stopped.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "analysis/evaluation_engine.h"
#include "analysis/filt_inverse.h"
#include "analysis/frequency_sweep.h"
#include "analysis/graph_csv.h"
#include "analysis/point_quantities.h"
#include "analysis/settings_readers.h"
#include "tests/analysis/run_fixture.h"
#include "tests/support/random_programs.h"

namespace {

struct NamedPath {
    const char* name;
    EngineSettings settings;
};

// The evaluator first: the others are compared with it. The runs here are
// small, so they are shared out in small units to keep every thread busy.
constexpr long long kSmallUnits = 1000;
const NamedPath kPaths[] = {
    {"evaluator", {1, PATH_EVALUATOR, kSmallUnits}},
    {"compiled", {1, PATH_COMPILED, kSmallUnits}},
    {"batches, 1 thread", {1, PATH_FASTEST, kSmallUnits}},
    {"batches, 2 threads", {2, PATH_FASTEST, kSmallUnits}},
    {"batches, 7 threads", {7, PATH_FASTEST, kSmallUnits}},
};

// Equal bits; two NaNs count as equal whatever their signs and payloads,
// which IEEE arithmetic leaves open (see the compiled code's tests).
bool sameValue(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string listingText(const Listing& listing)
{
    std::string text;
    for (const auto& row : listing.rows)
        for (const std::string& cell : row)
            text += cell + "\t";
    return text;
}

class EvaluationEngineTest : public RunTest {
protected:
    void TearDown() override
    {
        setEngineSettings(EngineSettings{});
        RunTest::TearDown();
    }

    // Cells that earlier runs left behind, the same before every path.
    static void leaveCells()
    {
        workAreas.anonymousResult = q_complex(-7, 0.25);
        for (int n = 0; n < kIdentValueCapacity; ++n)
            workAreas.identValues[n] = q_complex(n * 0.5 - 3, -n);
    }

    static std::vector<q_complex> cells()
    {
        std::vector<q_complex> all(workAreas.identValues, workAreas.identValues + kIdentValueCapacity);
        all.push_back(workAreas.anonymousResult);
        return all;
    }
};

struct RunBytes {
    RunOutcome outcome;
    std::string output, csv, listing;
    std::vector<q_complex> cells;
};

TEST_F(EvaluationEngineTest, WholeRunsWriteTheSameBytesOnEveryPath)
{
    const std::string programs[] = {
        kSampleProgram,
        "N(s) = ((0.5*s + 1.5)*s + 2.25)*s + 1; D(s) = (((s + 6.3925)*s + 20.4317)*s + 42.8021)*s + 1;"
        " H(s) = N(s)/D(s)/s; PROBE H(s);",
        "H(s) = exp(-0.1*s)*sinh(0.5*sqrt(s))/sinh(sqrt(s))/s; PROBE H(s);",
        "G(s) = 2 * H(s) + 1/(s + 1); H(s) = 1/s; PROBE G;",  // reads H of the point before
        "K = 2; H(s) = K / (s * s + 1); 1/s; PROBE H;",     // 1/s at 0 is counted in the sweep
    };
    view.settings.sweepCount = 700;
    view.settings.sweepStart = 0;
    view.settings.timeCount = 300;
    view.settings.filtK1 = 30;
    for (const std::string& program : programs) {
        for (const bool isBode : {true, false}) {
            std::vector<RunBytes> runs;
            for (const NamedPath& path : kPaths) {
                setEngineSettings(path.settings);
                leaveCells();
                const RunOutcome outcome = isBode ? bode(program) : filt(program);
                runs.push_back({outcome, hooks->compileOutput, graphCsvText(view), listingText(hooks->resultListing),
                                cells()});
            }
            for (size_t p = 1; p < runs.size(); ++p) {
                SCOPED_TRACE(std::string(kPaths[p].name) + (isBode ? " bode " : " filt ") + program);
                EXPECT_EQ(runs[p].outcome, runs[0].outcome);
                EXPECT_EQ(runs[p].output, runs[0].output);
                EXPECT_EQ(runs[p].csv, runs[0].csv);
                EXPECT_EQ(runs[p].listing, runs[0].listing);
                EXPECT_EQ(std::memcmp(runs[p].cells.data(), runs[0].cells.data(), runs[0].cells.size() * sizeof(q_complex)),
                          0);
            }
        }
    }
}

// What the engines leave: the points' values, the cells and the count.
struct EngineResult {
    std::vector<double> values;
    std::vector<q_complex> cells;
    int divZeroCount;
};

EngineResult runEngines(int probe)
{
    EngineResult result;
    frequencySweep(probe, 0.01, 30, 1000, 0);
    for (int i = 0; i < 1000; ++i)
        result.values.insert(result.values.end(), {workAreas.sweepPoints[i].value.re, workAreas.sweepPoints[i].value.im});
    result.divZeroCount = workAreas.divZeroCount;
    filtInverse(probe, 0.05, 4, 100, 4, 0, 3, 0.2);
    for (int i = 0; i < 100; ++i)
        result.values.push_back(workAreas.filtPoints[i].level);
    result.divZeroCount += workAreas.divZeroCount;
    result.cells.assign(workAreas.identValues, workAreas.identValues + kIdentValueCapacity);
    result.cells.push_back(workAreas.anonymousResult);
    return result;
}

TEST_F(EvaluationEngineTest, RandomProgramsGiveTheEvaluatorsValuesAtAnyThreadCount)
{
    RandomPrograms generator(11);
    std::vector<std::string> programs;
    while (programs.size() < 400) {
        const std::string program = generator.next();
        if (compile(program) == 0 && findProbe() >= -1)
            programs.push_back(program);
    }
    std::vector<std::vector<EngineResult>> results(std::size(kPaths));
    for (size_t p = 0; p < std::size(kPaths); ++p) {
        setEngineSettings(kPaths[p].settings);
        for (const std::string& program : programs) {
            compile(program);
            leaveCells();
            results[p].push_back(runEngines(findProbe()));
        }
    }
    const size_t oneThread = 2;
    for (size_t p = 1; p < std::size(kPaths); ++p) {
        for (size_t i = 0; i < programs.size(); ++i) {
            SCOPED_TRACE(std::string(kPaths[p].name) + ": " + programs[i]);
            const EngineResult& got = results[p][i];
            const EngineResult& want = results[0][i];
            ASSERT_EQ(got.divZeroCount, want.divZeroCount);
            for (size_t k = 0; k < want.values.size(); ++k)
                ASSERT_TRUE(sameValue(got.values[k], want.values[k])) << "value " << k;
            for (size_t k = 0; k < want.cells.size(); ++k)
                ASSERT_TRUE(sameValue(got.cells[k].re, want.cells[k].re) && sameValue(got.cells[k].im, want.cells[k].im))
                    << "cell " << k;
            // Batches on more threads run the same code as on one: the same bits, NaNs included.
            if (p > oneThread) {
                const EngineResult& single = results[oneThread][i];
                ASSERT_EQ(std::memcmp(got.values.data(), single.values.data(), sizeof(double) * got.values.size()), 0);
            }
        }
    }
}

TEST_F(EvaluationEngineTest, ProgressCountsEveryEvaluationAndAStoppedRunEndsEarly)
{
    ASSERT_EQ(compile(kSampleProgram), 0);
    const int probe = findProbe();
    for (const NamedPath& path : kPaths) {
        SCOPED_TRACE(path.name);
        setEngineSettings(path.settings);
        RunProgress finished;
        filtInverse(probe, 0.1, 4, 40, 4, 0, 4, 0.2, &finished);
        EXPECT_EQ(finished.evaluationsTotal, 40 * 13) << "R = 4 at every point: 8 plain and 5 tail terms";
        EXPECT_EQ(finished.evaluationsDone, finished.evaluationsTotal);

        RunProgress stopped;
        stopped.cancelRequested = true;
        frequencySweep(probe, 0.1, 20, 2047, 1, &stopped);
        EXPECT_EQ(stopped.evaluationsDone, 0);
        EXPECT_EQ(stopped.evaluationsTotal, 2047);
    }
}

// A run driven from a worker thread, as the application drives long runs,
// stops at the next batch once asked, long before its end.
TEST_F(EvaluationEngineTest, ARunOnAnotherThreadStopsWhenAsked)
{
    ASSERT_EQ(compile(kSampleProgram), 0);
    const int probe = findProbe();
    for (const NamedPath& path : {kPaths[1], kPaths[3]}) {
        SCOPED_TRACE(path.name);
        setEngineSettings(path.settings);
        RunProgress progress;
        std::thread run([&] { filtInverse(probe, 0.01, 5, 2048, 4, 0, 1e9, 0.2, &progress); });
        while (progress.evaluationsDone == 0)
            std::this_thread::yield();
        progress.cancelRequested = true;
        run.join();
        EXPECT_EQ(progress.evaluationsTotal, 2048LL * 20005);
        EXPECT_LT(progress.evaluationsDone, progress.evaluationsTotal / 2);
    }
}

// The points of s of a unit are made only for units that will be evaluated:
// a stop passes over the units left at once, however many there are.
class StoppingPlan : public EvaluationPlan {
public:
    explicit StoppingPlan(RunProgress& progress) : progress_(progress) {}
    int pointCount() const override { return 1000; }
    int evaluationsOf(int) const override { return 200; }
    void pointsOf(int first, int end, double* sRe, double* sIm) const override
    {
        ++unitsStarted;
        progress_.cancelRequested = true;
        for (int k = 0; k < (end - first) * 200; ++k) {
            sRe[k] = 0;
            sIm[k] = k;
        }
    }
    void takeValues(int, int, const double*, const double*) override {}

    mutable std::atomic<int> unitsStarted{0};

private:
    RunProgress& progress_;
};

TEST_F(EvaluationEngineTest, AStoppedRunStartsNoFurtherUnit)
{
    ASSERT_EQ(compile(kSampleProgram), 0);
    for (const NamedPath& path : {kPaths[1], kPaths[3]}) {
        SCOPED_TRACE(path.name);
        setEngineSettings(path.settings);
        RunProgress progress;
        StoppingPlan plan(progress);
        EXPECT_FALSE(evaluatePlan(plan, findProbe(), &progress));
        EXPECT_LE(plan.unitsStarted, path.settings.threads);
    }
}

}  // namespace

TEST_F(EvaluationEngineTest, WorkAreasObtainedAgainRunTheirOwnConstants)
{
    // Same shape, other constants: a second set of work areas must not run
    // with the constants the threads kept from the first.
    ASSERT_EQ(bode("Z = 0.2;\r\nH(s) = 1/(s*s + 2*Z*s + 1);\r\nPROBE H(s);\r\n"), RUN_CLEAN);
    freeWorkAreas();
    ASSERT_EQ(allocWorkAreas(), 0);
    view.workAreasReady = 0;
    ASSERT_EQ(bode("H(s) = 1/(s+1);\r\nPROBE H(s);\r\n"), RUN_CLEAN);
    const FrequencyPoint& first = view.frequencyPoints[0];
    EXPECT_DOUBLE_EQ(linearGain(first), 1 / std::sqrt(1 + first.omega * first.omega));
}
