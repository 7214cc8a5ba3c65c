// Margins, bandwidth and peak against closed forms, delays included.
#include <cmath>
#include <string>

#include "analysis/bode_readings.h"
#include "analysis/frequency_sweep.h"
#include "analysis/settings_readers.h"
#include "lang/evaluator.h"
#include "tests/analysis/analysis_fixture.h"

namespace {

constexpr double kPi = 3.141592653589793;

class BodeReadingsTest : public WorkAreasTest {
protected:
    // The readings of a geometric sweep from 0.01 to 100 rad/s.
    BodeReadings readingsOf(const std::string& program, int count = 120)
    {
        EXPECT_EQ(compile(program), 0);
        const int probe = findProbe();
        const int n = frequencySweep(probe, 0.01, 100, count, 0);
        ProbedFunction h(probe);
        EXPECT_TRUE(h.dependsOnSAlone());
        return bodeReadings(workAreas.sweepPoints, n, h);
    }
};

std::string number(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

void expectClose(const Reading& reading, double expected, double relative, const char* name)
{
    ASSERT_TRUE(reading.has_value()) << name;
    EXPECT_NEAR(*reading, expected, relative * std::max(1.0, std::abs(expected))) << name;
}

}  // namespace

TEST_F(BodeReadingsTest, ThirdOrderLoopCrossesMinus180AtRootTwoWithGainMarginSixOverK)
{
    for (double k : {0.5, 2.0, 6.0, 12.0}) {
        SCOPED_TRACE(k);
        const BodeReadings r = readingsOf("K = " + number(k) + "; L(s) = K/(s*(s+1)*(s+2)); PROBE L(s);");
        expectClose(r.phaseCrossover, std::sqrt(2.0), 1e-14, "phase crossover");
        expectClose(r.gainMargin, 20 * std::log10(6 / k), 1e-12, "gain margin");
        // At the gain crossover |L| = 1, and the phase margin follows from the phase there.
        ASSERT_TRUE(r.gainCrossover);
        const double w = *r.gainCrossover;
        EXPECT_NEAR(k / (w * std::sqrt((w * w + 1) * (w * w + 4))), 1.0, 1e-14);
        const double phase = -kPi / 2 - std::atan(w) - std::atan(w / 2);
        expectClose(r.phaseMargin, 180 + phase * 180 / kPi, 1e-12, "phase margin");
        EXPECT_FALSE(r.bandwidth) << "no finite gain at s = 0";
    }
}

TEST_F(BodeReadingsTest, DelayedIntegratorHasPhaseMargin90DegreesLessTheDelaysPhaseAtOneRadian)
{
    for (double t : {0.1, 0.5, 1.0, 2.0}) {
        SCOPED_TRACE(t);
        const BodeReadings r = readingsOf("T = " + number(t) + "; L(s) = exp(-s*T)/s; PROBE L(s);");
        expectClose(r.gainCrossover, 1.0, 1e-14, "gain crossover");
        expectClose(r.phaseMargin, 90 - t * 180 / kPi, 1e-12, "phase margin");
        // The phase first reaches -180 degrees at pi / (2T); later crossings have larger margins.
        expectClose(r.phaseCrossover, kPi / (2 * t), 1e-14, "phase crossover");
        expectClose(r.gainMargin, 20 * std::log10(kPi / (2 * t)), 1e-12, "gain margin");
    }
}

TEST_F(BodeReadingsTest, SecondOrderBandwidthAndResonancePeak)
{
    const double zeta = 0.2;
    const BodeReadings r = readingsOf("Z = 0.2; H(s) = 1/(s*s + 2*Z*s + 1); PROBE H(s);");
    expectClose(r.peakOmega, std::sqrt(1 - 2 * zeta * zeta), 1e-7, "peak frequency");
    expectClose(r.peakGain, -20 * std::log10(2 * zeta * std::sqrt(1 - zeta * zeta)), 1e-12, "peak gain");
    // |H|^2 = 1 / ((1 - w^2)^2 + (2 zeta w)^2) at 3 dB down: a quadratic in w^2.
    const double drop = std::pow(10.0, 0.3);
    const double b = 2 * (2 * zeta * zeta - 1);
    const double w2 = (-b + std::sqrt(b * b - 4 * (1 - drop))) / 2;
    expectClose(r.bandwidth, std::sqrt(w2), 1e-14, "bandwidth");
}

TEST_F(BodeReadingsTest, ReadingsWithoutACrossingInTheRangeAreEmpty)
{
    const BodeReadings lag = readingsOf("H(s) = 1/(s+1); PROBE H(s);");
    EXPECT_FALSE(lag.gainCrossover);
    EXPECT_FALSE(lag.phaseMargin);
    EXPECT_FALSE(lag.phaseCrossover);
    EXPECT_FALSE(lag.gainMargin);
    expectClose(lag.bandwidth, std::sqrt(std::pow(10.0, 0.3) - 1), 1e-14, "bandwidth");
    // The largest gain is at the start of the sweep: not refined, but a reading.
    expectClose(lag.peakOmega, 0.01, 1e-15, "peak frequency");

    const BodeReadings fast = readingsOf("H(s) = 1000/(s+1000); PROBE H(s);");
    EXPECT_FALSE(fast.bandwidth) << "3 dB down lies beyond the sweep";
}

TEST_F(BodeReadingsTest, ProgramReadingAnEarlierEvaluationsValueIsNotAFunctionOfSAlone)
{
    ASSERT_EQ(compile("H(s) = G(s)/s; G(s) = 1/(s+1); PROBE H(s);"), 0);
    EXPECT_FALSE(ProbedFunction(findProbe()).dependsOnSAlone());
    ASSERT_EQ(compile("PROBE X;"), 0);
    EXPECT_FALSE(ProbedFunction(findProbe()).dependsOnSAlone()) << "the probed cell is never written";
}

TEST_F(BodeReadingsTest, EvaluationsLeaveCellsAndDivisionCountAsTheyWere)
{
    ASSERT_EQ(compile("A = 3; H(s) = A/s; PROBE H(s);"), 0);
    const int probe = findProbe();
    evaluateAtOmega(2.0, probe);
    workAreas.divZeroCount = 5;
    const q_complex before = workAreas.identValues[probe];
    {
        ProbedFunction h(probe);
        EXPECT_GT(modulus(h.at(q_complex(0, 0))), 1e100) << "the guarded quotient";
        EXPECT_TRUE(h.lastDividedByZero());
        EXPECT_EQ(h.atOmega(4.0).im, -0.75);
        EXPECT_FALSE(h.lastDividedByZero());
    }
    EXPECT_EQ(workAreas.identValues[probe].im, before.im);
    EXPECT_EQ(workAreas.divZeroCount, 5);
}

TEST_F(BodeReadingsTest, BandwidthOfAHoldThatCannotBeEvaluatedAtZeroTakesTheLimit)
{
    // (1 - e^(-sT))/s is T at s = 0; its gain first falls 3 dB down near 2.78 / T.
    const BodeReadings r = readingsOf("H(s) = (1-exp(-s*1.2))/s; PROBE H(s);");
    ASSERT_TRUE(r.bandwidth);
    const double w = *r.bandwidth;
    // The gain at 0 is an extrapolated limit, good to about ten digits.
    EXPECT_NEAR(2 * std::abs(std::sin(w * 0.6)) / w / 1.2, std::pow(10.0, -3.0 / 20), 1e-9);
}
