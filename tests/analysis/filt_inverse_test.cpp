#include "analysis/filt_inverse.h"

#include <cmath>

#include "analysis/number_format.h"
#include "analysis/settings_readers.h"
#include "tests/analysis/analysis_fixture.h"

class FiltInverse : public WorkAreasTest {
protected:
    int invert(const char* program, double start, double end, int count, double k1 = 4.0, double k2 = 0.2)
    {
        EXPECT_EQ(compile(program), 0) << program;
        return filtInverse(findProbe(), start, end, count, 4.0, 0.0, k1, k2);
    }
    static const TimePoint& point(int i) { return workAreas.filtPoints[i]; }
};

// C counts the evaluations: every one runs the whole program once.
constexpr const char* kCountedStep = "C = C + 1; F(s) = 1/s; PROBE F(s);";

TEST_F(FiltInverse, TimesStepByRangeOverCount)
{
    ASSERT_EQ(invert("F(s) = 1/s; PROBE F(s);", 0.1, 4.0, 40), 40);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(point(i).t, 0.1 + i * 0.0975) << i;
    EXPECT_NEAR(point(39).t, 3.9025, 1e-12);

    ASSERT_EQ(invert("F(s) = 1/s; PROBE F(s);", 0.01, 5, 80), 80);
    EXPECT_NEAR(point(79).t, 4.937625, 1e-12);
}

TEST_F(FiltInverse, RangeEdges)
{
    for (int count : {0, 1}) {
        ASSERT_EQ(invert("F(s) = 1/s; PROBE F(s);", 1, 3, count), 2);
        EXPECT_EQ(point(0).t, 1);
        EXPECT_EQ(point(1).t, 2);
    }
    ASSERT_EQ(invert("F(s) = 1/s; PROBE F(s);", 0, 1, 4), 4);
    EXPECT_EQ(point(0).t, 1e-6);
    ASSERT_EQ(invert("F(s) = 1/s; PROBE F(s);", 3, 1, 4), 4);
    EXPECT_EQ(point(1).t, 2.5);
    EXPECT_EQ(invert("F(s) = 1/s; PROBE F(s);", 0.1, 4, 5000), 2048);
}

TEST_F(FiltInverse, ReferenceTransforms)
{
    ASSERT_EQ(invert("F(s) = 1/s; PROBE F(s);", 0.1, 4.0, 40), 40);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(formatDouble("%G", point(i).level), "0.999647") << point(i).t;

    ASSERT_EQ(invert("F(s) = 1/(s+1); PROBE F(s);", 0.1, 4.0, 40), 40);
    for (int i = 0; i < 40; ++i)
        EXPECT_NEAR(point(i).level, std::exp(-point(i).t), 3e-4) << point(i).t;
}

TEST_F(FiltInverse, SampleHoldStepsDownAtItsPeriod)
{
    ASSERT_EQ(invert(kSampleProgram, 0.01, 5, 80), 80);
    for (int i = 0; i < 80; ++i) {
        const double t = point(i).t;
        if (t < 1.1) {
            EXPECT_NEAR(point(i).level, 1, 0.04) << t;
        } else if (t > 2) {
            EXPECT_NEAR(point(i).level, 0, 0.04) << t;
        } else {
            EXPECT_LT(point(i).level, 1.14) << t;
            EXPECT_GT(point(i).level, -0.14) << t;
        }
    }
}

TEST_F(FiltInverse, TermsPerPointFollowK1AndK2UpToTheCap)
{
    struct Case {
        double k1, k2;
        int evaluationsPerPoint;  // 2R plain terms and 5 tail terms
    };
    const Case cases[] = {
        {4.0, 0.2, 13},
        {0.5, 0.0, 5},
        {NAN, 0.0, 5},
        {1e12, 0.0, 2 * kFiltTermCap + 5},
    };
    for (const Case& c : cases) {
        freeWorkAreas();
        ASSERT_EQ(allocWorkAreas(), 0);
        invert(kCountedStep, 1, 2, 2, c.k1, c.k2);
        EXPECT_EQ(cellValue("C"), 2 * c.evaluationsPerPoint) << c.k1;
    }
}
