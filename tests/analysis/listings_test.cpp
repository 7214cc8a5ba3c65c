#include "analysis/listings.h"

#include <cmath>

#include "tests/analysis/analysis_fixture.h"
#include "tests/analysis/recording_hooks.h"

using CodeListing = WorkAreasTest;

using Row = std::vector<std::string>;

TEST_F(CodeListing, FreqStatementListsItsFourSettings)
{
    ASSERT_EQ(compile("FREQ 0.1, 10, 80, GEO;\r\nOMEGA 1e-5, 2, 3, ARITH;"), 0);
    const Listing listing = codeListing();
    const std::vector<std::string> headings = {"NO.", "OP_CODE", "SUB_CODE", "IDENT_No.", ""};
    ASSERT_EQ(listing.columns.size(), headings.size());
    for (size_t i = 0; i < headings.size(); ++i)
        EXPECT_EQ(listing.columns[i].heading, headings[i]);
    EXPECT_EQ(listing.columns[0].width, 40);
    const std::vector<Row> rows = {
        {"0", "SET_FREQ_INITIAL", "0.1", "", ""},    {"1", "SET_FREQ_FINAL", "10", "", ""},
        {"2", "SET_FREQ_TICKS", "80", "", ""},       {"3", "SET_FREQ_SEQ_TYPE", "GEOMETRIC", "", ""},
        {"4", "SET_OMEGA_INITIAL", "1e-005", "", ""}, {"5", "SET_OMEGA_FINAL", "2", "", ""},
        {"6", "SET_OMEGA_TICKS", "3", "", ""},       {"7", "SET_OMEGA_SEQ_TYPE", "ARITHMETIC", "", ""},
    };
    EXPECT_EQ(listing.rows, rows);
}

TEST_F(CodeListing, EveryKindOfInstruction)
{
    ASSERT_EQ(compile("Gain = 2;"), 0);
    const int gain = identNumber("Gain");
    const Instruction code[] = {
        {PSH_IDNT, gain, 0},  {POP_IDNT, -1, 0},      {PSH_S, 0, 0},          {SET_PROBE, -1, 0},
        {PSH_LEXPR, gain, 0}, {PSH_NMBR, 0, 2.5},     {CAL, FN_MUL, 0},       {CAL, FN_PARALLEL, 0},
        {CAL, 99, 0},         {SET_FREQ_SEQ_TYPE, 7, 0}, {SET_FILT_K2, 0, 0.2}, {0, 0, 0},
        {24, 3, 0},           {PSH_IDNT, 5000, 0},
    };
    const std::vector<Row> rows = {
        {"0", "PSH_IDNT", "Gain", std::to_string(gain), ""},
        {"1", "POP_IDNT", "sysIDENT", "-1", ""},
        {"2", "PSH_S", "s", "0", ""},
        {"3", "SET_PROBE", "sysIDENT", "-1", ""},
        {"4", "PSH_LEXPR", "Gain", std::to_string(gain), ""},
        {"5", "PSH_NMBR", "2.5", "", ""},
        {"6", "CAL", "MUL", "", ""},
        {"7", "CAL", "PARALLEL", "", ""},
        {"8", "CAL", "????", "", ""},
        {"9", "SET_FREQ_SEQ_TYPE", "????", "", ""},
        {"10", "SET_FILT_K2", "0.2", "", ""},
        {"11", "????", "????", "", ""},
        {"12", "????", "????", "", ""},
        {"13", "PSH_IDNT", "????", "5000", ""},
    };
    workAreas.codeCount = 0;
    for (const Instruction& in : code)
        workAreas.code[workAreas.codeCount++] = in;
    EXPECT_EQ(codeListing().rows, rows);
}

namespace {

ViewData bodePoints(std::initializer_list<FrequencyPoint> points, int radianUnits, int linearGain)
{
    ViewData view;
    view.graphMode = GRAPH_BODE;
    view.bode.radianUnits = radianUnits;
    view.bode.linearGain = linearGain;
    for (const FrequencyPoint& p : points)
        view.frequencyPoints[view.pointCount++] = p;
    return view;
}

}  // namespace

TEST(ResultListing, BodePointsInTheGraphsUnits)
{
    const double twoPi = 6.283185307179586;
    const std::initializer_list<FrequencyPoint> points = {
        {twoPi, q_complex(1, 0)}, {1, q_complex(0, 0)}, {2, q_complex(-1, 0)}, {3, q_complex(-1, -0.0)}};
    struct Case {
        int radianUnits, linearGain;
        Row headings;
        std::vector<Row> rows;
    };
    const Case cases[] = {
        {0, 0, {"No.", "freq[Hz]", "gain[dB]", "phase[deg]", ""},
         {{"1", "1", "0", "0", ""},
          {"2", "0.159155", "-1E+099", "0", ""},
          {"3", "0.31831", "0", "180", ""},
          {"4", "0.477465", "0", "180", ""}}},
        {1, 1, {"No.", "omega[rad/sec]", "gain[linear]", "phase[rad]", ""},
         {{"1", "6.28319", "1", "0", ""},
          {"2", "1", "0", "0", ""},
          {"3", "2", "1", "3.14159", ""},
          {"4", "3", "1", "3.14159", ""}}},
    };
    for (const Case& c : cases) {
        const Listing listing = resultListing(bodePoints(points, c.radianUnits, c.linearGain));
        Row headings;
        for (const ListingColumn& column : listing.columns)
            headings.push_back(column.heading);
        EXPECT_EQ(headings, c.headings);
        EXPECT_EQ(listing.columns[0].width, 40);
        EXPECT_EQ(listing.columns[1].width, 80);
        EXPECT_EQ(listing.rows, c.rows);
    }
}

TEST(ResultListing, FiltPointsAreNumberedFromOne)
{
    ViewData view;
    view.graphMode = GRAPH_FILT;
    view.pointCount = 40;
    for (int i = 0; i < 40; ++i)
        view.timePoints[i] = TimePoint{0.1 * (i + 1), 1e-5};
    const Listing listing = resultListing(view);
    ASSERT_EQ(listing.columns.size(), 4u);
    EXPECT_EQ(listing.columns[2].heading, "amplitude[linear]");
    ASSERT_EQ(listing.rows.size(), 40u);
    EXPECT_EQ(listing.rows[0], (Row{"1", "0.1", "1E-005", ""}));
    EXPECT_EQ(listing.rows[39][0], "40");
}

TEST(ResultListing, NoPointsOrNoGraph)
{
    ViewData view;
    view.graphMode = GRAPH_FILT;
    EXPECT_EQ(resultListing(view).columns.size(), 4u);
    EXPECT_TRUE(resultListing(view).rows.empty());
    view.graphMode = 3;
    view.pointCount = 5;
    EXPECT_TRUE(resultListing(view).columns.empty());
    EXPECT_TRUE(resultListing(view).rows.empty());
}

TEST_F(CodeListing, RefreshDropsTheCodeAndRepaints)
{
    ASSERT_EQ(compile(kSampleProgram), 0);
    ViewData view;
    view.pointCount = 1;
    RecordingHooks hooks("");
    RefreshListings(view, hooks);
    EXPECT_EQ(workAreas.codeCount, 0);
    EXPECT_TRUE(hooks.codeListing.rows.empty());
    EXPECT_EQ(hooks.resultListing.rows.size(), 1u);
    const std::vector<std::string> expected = {"result listing", "code listing", "repaint"};
    EXPECT_EQ(hooks.events, expected);
}
