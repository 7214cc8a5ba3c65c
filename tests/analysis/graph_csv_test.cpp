#include "analysis/graph_csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

ViewData bodeView(int points)
{
    ViewData view;
    view.graphMode = GRAPH_BODE;
    view.pointCount = points;
    for (int i = 0; i < points; ++i)
        view.frequencyPoints[i] = FrequencyPoint{0.1 * (i + 1), q_complex(1, -1)};
    return view;
}

std::string firstLine(const std::string& text)
{
    return text.substr(0, text.find('\n') + 1);
}

}  // namespace

TEST(GraphCsv, BodeFileOfEightyPoints)
{
    const std::string text = graphCsvText(bodeView(80));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 81);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 81);
    EXPECT_EQ(text.find('\0'), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 3), " \r\n");
}

TEST(GraphCsv, HeaderAndValuesFollowTheDisplayFlags)
{
    struct Case {
        int radianUnits, linearGain;
        const char* header;
        const char* point;
    };
    // omega = 0.2 pi (0.1 Hz), value 1 - j: gain sqrt(2), phase -45 degrees.
    const Case cases[] = {
        {0, 0, "freq[Hz], gain[dB], phase[deg] \r\n", "1.000000E-001, 3.010300E+000, -4.500000E+001 \r\n"},
        {1, 1, "omega[rad/sec], gain[linear], phase[rad] \r\n", "6.283185E-001, 1.414214E+000, -7.853982E-001 \r\n"},
        {1, 0, "omega[rad/sec], gain[dB], phase[rad] \r\n", "6.283185E-001, 3.010300E+000, -7.853982E-001 \r\n"},
        {0, 1, "freq[Hz], gain[linear], phase[deg] \r\n", "1.000000E-001, 1.414214E+000, -4.500000E+001 \r\n"},
    };
    for (const Case& c : cases) {
        ViewData view = bodeView(1);
        view.frequencyPoints[0].omega = 0.6283185307179586;
        view.bode.radianUnits = c.radianUnits;
        view.bode.linearGain = c.linearGain;
        EXPECT_EQ(graphCsvText(view), std::string(c.header) + c.point);
    }
}

TEST(GraphCsv, ZeroGainInDecibels)
{
    ViewData view = bodeView(1);
    view.frequencyPoints[0].value = q_complex(0, 0);
    view.bode.linearGain = 0;
    view.bode.radianUnits = 1;
    EXPECT_EQ(graphCsvText(view), "omega[rad/sec], gain[dB], phase[rad] \r\n"
                                  "1.000000E-001, -1.000000E+099, 0.000000E+000 \r\n");
}

TEST(GraphCsv, TimeResponse)
{
    ViewData view;
    view.graphMode = GRAPH_FILT;
    view.pointCount = 2;
    view.timePoints[0] = TimePoint{0.1, 0.999647};
    view.timePoints[1] = TimePoint{0.1975, -0.015};
    EXPECT_EQ(graphCsvText(view), "time[sec], amplitude[linear] \r\n"
                                  "1.000000E-001, 9.996470E-001 \r\n"
                                  "1.975000E-001, -1.500000E-002 \r\n");
}

TEST(GraphCsv, NoDataAndEnabling)
{
    struct Case {
        int graphMode, pointCount;
        bool enabled;
    };
    const Case cases[] = {{GRAPH_BODE, 0, false}, {GRAPH_FILT, 0, false}, {3, 5, false},
                          {GRAPH_BODE, 1, true},  {GRAPH_FILT, 1, true}};
    for (const Case& c : cases) {
        ViewData view;
        view.graphMode = c.graphMode;
        view.pointCount = c.pointCount;
        EXPECT_EQ(csvExportEnabled(view), c.enabled) << c.graphMode << " " << c.pointCount;
        if (!c.enabled)
            EXPECT_EQ(graphCsvText(view), "f(s)=? or No-Data.\r\n");
        else
            EXPECT_EQ(firstLine(graphCsvText(view)).back(), '\n');
    }
}

TEST(GraphCsvFile, WritesTheBytesUnchanged)
{
    const std::string path = ::testing::TempDir() + "graph_csv_test.csv";
    const std::string bytes = graphCsvText(bodeView(3));
    std::string error;
    ASSERT_TRUE(writeGraphCsvFile(path, bytes, error)) << error;
    std::ifstream in(path, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(written, bytes);
    std::remove(path.c_str());
}

TEST(GraphCsvFile, FailureNamesTheFileAndTheReason)
{
    const std::string path = ::testing::TempDir() + "no such folder/graph.csv";
    std::string error;
    EXPECT_FALSE(writeGraphCsvFile(path, "x", error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
}
