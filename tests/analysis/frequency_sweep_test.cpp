#include "analysis/frequency_sweep.h"

#include <cmath>

#include "analysis/point_quantities.h"
#include "analysis/settings_readers.h"
#include "tests/analysis/analysis_fixture.h"

class FrequencySweep : public WorkAreasTest {
protected:
    int sweep(const char* program, double start, double end, int count, int16_t arithmetic)
    {
        EXPECT_EQ(compile(program), 0) << program;
        return frequencySweep(findProbe(), start, end, count, arithmetic);
    }
    static double omegaAt(int i) { return workAreas.sweepPoints[i].omega; }
};

constexpr const char* kUnitGain = "H(s) = 1; PROBE H(s);";

TEST_F(FrequencySweep, CountsBelowTwoGiveStartAndEnd)
{
    for (int count : {0, 1, -5}) {
        for (int16_t arithmetic : {0, 1}) {
            ASSERT_EQ(sweep(kUnitGain, 0.5, 8, count, arithmetic), 2) << count;
            EXPECT_DOUBLE_EQ(omegaAt(0), 0.5);
            EXPECT_DOUBLE_EQ(omegaAt(1), 8);
        }
    }
}

TEST_F(FrequencySweep, ArithmeticStepsAreComputedFromTheIndex)
{
    ASSERT_EQ(sweep(kUnitGain, 0.1, 20, 80, 1), 80);
    const double step = 19.9 / 79;
    for (int i = 0; i < 80; ++i)
        EXPECT_EQ(omegaAt(i), 0.1 + i * step) << i;
    EXPECT_NEAR(omegaAt(79), 20, 1e-13);
}

TEST_F(FrequencySweep, GeometricPointsShareOneRatio)
{
    ASSERT_EQ(sweep(kUnitGain, 0.6283185307179586, 62.83185307179586, 80, 0), 80);
    const double ratio = std::pow(10.0, 2.0 / 79);
    for (int i = 1; i < 80; ++i)
        EXPECT_NEAR(omegaAt(i) / omegaAt(i - 1), ratio, 1e-12) << i;
    EXPECT_NEAR(omegaAt(0), 0.6283185307179586, 1e-15);
    EXPECT_NEAR(omegaAt(79), 62.83185307179586, 1e-12);
}

TEST_F(FrequencySweep, RangeEdges)
{
    EXPECT_EQ(sweep(kUnitGain, 0.1, 20, 5000, 1), 2048);
    EXPECT_NEAR(omegaAt(2047), 0.1 + 2047 * (19.9 / 4999), 1e-12);

    ASSERT_EQ(sweep(kUnitGain, -3, 6, 4, 1), 4);
    EXPECT_EQ(omegaAt(0), 0);
    EXPECT_EQ(omegaAt(1), 2);

    ASSERT_EQ(sweep(kUnitGain, 9, 3, 4, 1), 4);
    EXPECT_EQ(omegaAt(1), 7);
    EXPECT_EQ(omegaAt(3), 3);

    ASSERT_EQ(sweep(kUnitGain, 2, 2, 3, 0), 3);
    EXPECT_DOUBLE_EQ(omegaAt(2), 2);
}

TEST_F(FrequencySweep, EvaluatesTheProbeAtJOmega)
{
    ASSERT_EQ(sweep(kUnitGain, 0.1, 20, 10, 1), 10);
    for (int i = 0; i < 10; ++i) {
        const FrequencyPoint& p = workAreas.sweepPoints[i];
        EXPECT_EQ(linearGain(p), 1);
        EXPECT_EQ(dbGain(p), 0);
        EXPECT_EQ(phaseRadians(p), 0);
    }
    // s itself: j*omega, a quarter turn.
    ASSERT_EQ(sweep("s;", 2, 4, 3, 1), 3);
    EXPECT_EQ(workAreas.sweepPoints[1].value.im, 3);
    EXPECT_EQ(phaseDegrees(workAreas.sweepPoints[1]), 90);
}

TEST_F(FrequencySweep, CountsDivisionsByZeroOfThisSweepOnly)
{
    sweep("H(s) = 1/s; PROBE H(s);", 0, 1, 3, 1);
    EXPECT_EQ(workAreas.divZeroCount, 1);
    sweep("H(s) = 1/s; PROBE H(s);", 1, 2, 3, 1);
    EXPECT_EQ(workAreas.divZeroCount, 0);
}
