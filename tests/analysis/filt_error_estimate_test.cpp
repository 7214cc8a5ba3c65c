// The FILT error estimate against exact inverses: wherever the true error
// exceeds 1e-12 the estimate is at least as large, with the default FILT
// parameters and with tuned ones.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "analysis/filt_error_estimate.h"
#include "analysis/filt_second_inversion.h"
#include "analysis/settings_readers.h"
#include "tests/analysis/run_fixture.h"

namespace {

constexpr double kPi = 3.141592653589793;

struct Transform {
    const char* program;
    std::function<double(double)> inverse;
    double jumpAt;  // the inverse jumps there; points within 0.2 of it are not compared (0: no jump)
};

const Transform kTransforms[] = {
    {"F(s) = 1/s;", [](double) { return 1.0; }, 0},
    {"F(s) = 1/(s+1);", [](double t) { return std::exp(-t); }, 0},
    {"F(s) = 1/(s*s+s+1);",
     [](double t) { return 2 / std::sqrt(3.0) * std::exp(-t / 2) * std::sin(std::sqrt(3.0) / 2 * t); }, 0},
    {"F(s) = 1/sqrt(s);", [](double t) { return 1 / std::sqrt(kPi * t); }, 0},
    {"F(s) = exp(-s)/s;", [](double t) { return t > 1 ? 1.0 : 0.0; }, 1},
};

struct Parameters {
    const char* name;
    double a, b, k1, k2;
};

const Parameters kParameters[] = {
    {"default", 4, 0, 4, 0.2},
    {"tuned", 8, 0, 16, 0},
    {"finely tuned", 12, 0, 300, 0},
};

class FiltErrorEstimateTest : public RunTest {};

}  // namespace

TEST_F(FiltErrorEstimateTest, CoversTheTrueErrorOfExactInverses)
{
    for (const Parameters& p : kParameters) {
        for (const Transform& f : kTransforms) {
            SCOPED_TRACE(std::string(p.name) + ": " + f.program);
            view.settings = AnalysisSettings{};
            view.settings.timeStart = 0.05;
            view.settings.timeEnd = 5;
            view.settings.timeCount = 200;
            view.settings.filtA = p.a;
            view.settings.filtB = p.b;
            view.settings.filtK1 = p.k1;
            view.settings.filtK2 = p.k2;
            view.settings.filtErrorEstimate = 1;
            ASSERT_EQ(filt(std::string(f.program) + " PROBE F(s);"), RUN_CLEAN);
            ASSERT_EQ(view.errorEstimateTaken, 1);
            std::vector<double> ratios;
            for (int i = 0; i < view.pointCount; ++i) {
                const TimePoint& point = view.timePoints[i];
                if (f.jumpAt > 0 && std::abs(point.t - f.jumpAt) < 0.2)
                    continue;
                const double error = std::abs(point.level - f.inverse(point.t));
                if (error <= 1e-12)
                    continue;
                EXPECT_GE(view.levelErrors[i], error) << "t = " << point.t;
                ratios.push_back(view.levelErrors[i] / error);
            }
            if (ratios.empty())
                continue;
            std::sort(ratios.begin(), ratios.end());
            std::printf("%-12s %-20s estimate / error: median %.3g, worst %.3g, over %zu points\n", p.name,
                        f.program, ratios[ratios.size() / 2], ratios.front(), ratios.size());
        }
    }
}

// The second inversion is computed in the run's own engine pass, on every
// thread: the run's points and the cells it leaves are those of a run without
// the estimate, bit for bit, and the estimate is the one that the plain
// evaluator's second inversion gives.
TEST_F(FiltErrorEstimateTest, SecondInversionRidesAlongWithoutChangingTheRun)
{
    const std::string program = "A = 2; F(s) = A*exp(-s*0.3)/(s*(s*s + s + A)); PROBE F(s);";
    const EngineSettings before = engineSettings();
    for (int threads : {1, 2, 3}) {
        SCOPED_TRACE(threads);
        setEngineSettings(EngineSettings{threads, PATH_FASTEST});
        view.settings = AnalysisSettings{};
        view.settings.timeCount = 2048;
        view.settings.filtK1 = 8;
        ASSERT_EQ(filt(program), RUN_CLEAN);
        const std::vector<TimePoint> plain(view.timePoints.begin(), view.timePoints.begin() + view.pointCount);
        const std::vector<q_complex> plainCells(workAreas.identValues, workAreas.identValues + workAreas.identCount);

        view.settings.filtErrorEstimate = 1;
        ASSERT_EQ(filt(program), RUN_CLEAN);
        ASSERT_EQ(view.errorEstimateTaken, 1);
        ASSERT_EQ(view.pointCount, int(plain.size()));
        for (int i = 0; i < view.pointCount; ++i) {
            ASSERT_EQ(view.timePoints[i].t, plain[i].t) << i;
            ASSERT_EQ(view.timePoints[i].level, plain[i].level) << i;
        }
        for (int i = 0; i < workAreas.identCount; ++i) {
            EXPECT_EQ(workAreas.identValues[i].re, plainCells[i].re) << "cell " << i;
            EXPECT_EQ(workAreas.identValues[i].im, plainCells[i].im) << "cell " << i;
        }

        std::vector<FiltLevel> second(view.pointCount);
        {
            ProbedFunction h(findProbe());
            for (int i = 0; i < view.pointCount; ++i)
                second[i] = filtLevelAt(h, view.timePoints[i].t, secondInversionParameters(view.settings));
        }
        std::vector<double> errors(view.pointCount);
        estimateLevelErrors(view.timePoints.data(), view.pointCount, view.settings, second.data(), errors.data());
        for (int i = 0; i < view.pointCount; ++i)
            ASSERT_EQ(view.levelErrors[i], errors[i]) << i;
    }
    setEngineSettings(before);
}
