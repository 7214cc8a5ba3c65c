// Step figures of a FILT run against the closed forms of a second-order system.
#include <cmath>
#include <functional>
#include <string>

#include "analysis/graph_csv.h"
#include "tests/analysis/run_fixture.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kZeta = 0.5;
constexpr double kOmegaN = 2.0;

// The unit step response of wn^2 / (s^2 + 2 zeta wn s + wn^2).
double stepResponse(double t)
{
    const double wd = kOmegaN * std::sqrt(1 - kZeta * kZeta);
    const double phi = std::acos(kZeta);
    return 1 - std::exp(-kZeta * kOmegaN * t) / std::sqrt(1 - kZeta * kZeta) * std::sin(wd * t + phi);
}

// Where the exact response crosses level, between a and b.
double exactCrossing(double level, double a, double b)
{
    for (int i = 0; i < 200; ++i) {
        const double middle = (a + b) / 2;
        ((stepResponse(a) - level) * (stepResponse(middle) - level) <= 0 ? b : a) = middle;
    }
    return a;
}

class StepReadingsTest : public RunTest {
protected:
    // Tuned FILT parameters: levels good to about 1e-10.
    void SetUp() override
    {
        RunTest::SetUp();
        view.settings.timeStart = 0.02;
        view.settings.timeEnd = 8;
        view.settings.timeCount = 100;
        view.settings.filtA = 12;
        view.settings.filtK1 = 60;
        view.settings.filtK2 = 2;
    }
};

}  // namespace

TEST_F(StepReadingsTest, SecondOrderStepAgainstItsClosedForms)
{
    ASSERT_EQ(filt("W = 2; Z = 0.5; F(s) = W*W/(s*(s*s + 2*Z*W*s + W*W)); PROBE F(s);"), RUN_CLEAN);
    const StepReadings& r = view.readings.step;
    ASSERT_TRUE(r.finalValue && r.riseTime && r.overshoot && r.peakTime && r.settlingTime);
    EXPECT_NEAR(*r.finalValue, 1.0, 1e-13);
    const double wd = kOmegaN * std::sqrt(1 - kZeta * kZeta);
    EXPECT_NEAR(*r.peakTime, kPi / wd, 1e-6);
    EXPECT_NEAR(*r.overshoot, 100 * std::exp(-kZeta * kPi / std::sqrt(1 - kZeta * kZeta)), 1e-6);
    const double rise = exactCrossing(0.9, 0, kPi / wd) - exactCrossing(0.1, 0, kPi / wd);
    EXPECT_NEAR(*r.riseTime, rise, 1e-8);
    // The last time the exact response leaves the 2 % band lies between two of its extremes.
    double settling = 0;
    for (int k = 1; k < 20; ++k) {
        const double extreme = k * kPi / wd;
        if (std::abs(stepResponse(extreme) - 1) > 0.02) {
            const double edge = stepResponse(extreme) > 1 ? 1.02 : 0.98;
            settling = exactCrossing(edge, extreme, extreme + kPi / wd);
        }
    }
    EXPECT_NEAR(*r.settlingTime, settling, 1e-8);
}

TEST_F(StepReadingsTest, FiguresThatDoNotExistAreEmpty)
{
    struct Case {
        const char* program;
        bool finalValue;
        bool settles;
    };
    const Case cases[] = {
        {"F(s) = 1/(s*s); PROBE F(s);", false, false},         // a ramp: s F(s) grows without bound at 0
        {"F(s) = 1/(s+1); PROBE F(s);", true, false},          // final value 0: no figures relative to it
        {"F(s) = 1/(s*(s+0.05)); PROBE F(s);", true, false},   // still rising at the end of the range
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        ASSERT_EQ(filt(c.program), RUN_CLEAN);
        const StepReadings& r = view.readings.step;
        EXPECT_EQ(r.finalValue.has_value(), c.finalValue);
        EXPECT_EQ(r.settlingTime.has_value(), c.settles);
    }
    EXPECT_FALSE(view.readings.step.riseTime) << "90 % of 20 is not reached by t = 8";
}

TEST_F(StepReadingsTest, ErrorEstimateAddsAColumnAndItsLargestValue)
{
    const std::string program = "F(s) = 1/(s*(s+1)); PROBE F(s);";
    ASSERT_EQ(filt(program), RUN_CLEAN);
    const std::string csvWithout = graphCsvText(view);
    EXPECT_EQ(hooks->resultListing.columns.size(), 4u);
    EXPECT_FALSE(view.readings.step.maxErrorEstimate);

    view.settings.filtErrorEstimate = 1;
    ASSERT_EQ(filt(program), RUN_CLEAN);
    ASSERT_EQ(hooks->resultListing.columns.size(), 5u);
    EXPECT_EQ(hooks->resultListing.columns[3].heading, "error[linear]");
    EXPECT_EQ(hooks->readingsListing.rows.back()[0], "max_error_estimate");
    ASSERT_TRUE(view.readings.step.maxErrorEstimate);
    const std::string csvWith = graphCsvText(view);
    EXPECT_EQ(csvWith.substr(0, csvWith.find('\n') + 1), "time[sec], amplitude[linear], error[linear] \r\n");

    // Turned off after the run, the CSV is as without it, as the graph drops the band.
    view.settings.filtErrorEstimate = 0;
    EXPECT_EQ(graphCsvText(view), csvWithout);
}
