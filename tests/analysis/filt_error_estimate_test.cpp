// The FILT error estimate against exact inverses: wherever the true error
// exceeds 1e-12 the estimate is at least as large, with the default FILT
// parameters and with tuned ones.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

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
