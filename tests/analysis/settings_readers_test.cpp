#include "analysis/settings_readers.h"

#include <climits>
#include <cmath>

#include "analysis/analysis_settings.h"
#include "tests/analysis/analysis_fixture.h"

using SettingsReaders = WorkAreasTest;

TEST_F(SettingsReaders, SampleProgramGivesItsSetupsAndProbe)
{
    ASSERT_EQ(compile(kSampleProgram), 0);
    double start = -1, end = -1;
    int count = -1;
    int16_t inOmega = -1, arithmetic = -1;
    EXPECT_EQ(readFreqSettings(start, end, count, inOmega, arithmetic), 1);
    EXPECT_EQ(start, 0.1);
    EXPECT_EQ(end, 10);
    EXPECT_EQ(count, 80);
    EXPECT_EQ(inOmega, 0);
    EXPECT_EQ(arithmetic, 0);

    double a = -1, b = -1, k1 = -1, k2 = -1;
    EXPECT_EQ(readTimeSettings(start, end, count, a, b, k1, k2), 1);
    EXPECT_EQ(start, 0.01);
    EXPECT_EQ(end, 5);
    EXPECT_EQ(count, 80);
    EXPECT_EQ(a, 4.0);
    EXPECT_EQ(b, 0.0);
    EXPECT_EQ(k1, 4.0);
    EXPECT_EQ(k2, 0.2);

    EXPECT_EQ(findProbe(), identNumber("H"));
}

TEST_F(SettingsReaders, LastProbeOrExpressionStatementDecides)
{
    struct Case {
        const char* program;
        const char* probedName;  // nullptr: the expected probe is given below
        int probe;
    };
    const Case cases[] = {
        {"H(s) = 1/s; PROBE H(s); H(s) + 1;", nullptr, kAnonymousProbe},
        {"H(s) = 1/s; H(s) + 1; PROBE H(s);", "H", 0},
        {"K = 2; PROBE K;", "K", 0},
        {"H(s) = 1/s;", nullptr, kNoProbe},
        {"", nullptr, kNoProbe},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(compile(c.program), 0) << c.program;
        const int expected = c.probedName ? identNumber(c.probedName) : c.probe;
        EXPECT_EQ(findProbe(), expected) << c.program;
    }
}

TEST_F(SettingsReaders, LaterSweepStatementWinsAndCountIsTruncated)
{
    ASSERT_EQ(compile("FREQ 1, 2, 3, GEO; OMEGA 5, 50, 80.9, ARITH;"), 0);
    double start = 0, end = 0;
    int count = 0;
    int16_t inOmega = 0, arithmetic = 0;
    EXPECT_EQ(readFreqSettings(start, end, count, inOmega, arithmetic), 1);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 50);
    EXPECT_EQ(count, 80);
    EXPECT_EQ(inOmega, 1);
    EXPECT_EQ(arithmetic, 1);
}

TEST_F(SettingsReaders, IncompleteSetupsAreRefused)
{
    double start, end, a, b, k1, k2;
    int count;
    int16_t inOmega, arithmetic;
    const char* withoutSweep[] = {"TIME 1, 2, 3; FILT 1, 2, 3, 4;", ""};
    for (const char* program : withoutSweep) {
        ASSERT_EQ(compile(program), 0);
        EXPECT_EQ(readFreqSettings(start, end, count, inOmega, arithmetic), 0) << program;
    }
    const char* withoutTimeSetup[] = {"TIME 0.01, 5, 80;", "FILT 4, 0, 4, 0.2;", "FREQ 1, 2, 3, GEO;"};
    for (const char* program : withoutTimeSetup) {
        ASSERT_EQ(compile(program), 0);
        EXPECT_EQ(readTimeSettings(start, end, count, a, b, k1, k2), 0) << program;
    }
}

TEST(TruncateCount, TowardZeroWithinTheIntRange)
{
    EXPECT_EQ(truncateCount(80.9), 80);
    EXPECT_EQ(truncateCount(-3.7), -3);
    EXPECT_EQ(truncateCount(1e20), INT_MAX);
    EXPECT_EQ(truncateCount(-1e20), INT_MIN);
    EXPECT_EQ(truncateCount(NAN), 0);
}
