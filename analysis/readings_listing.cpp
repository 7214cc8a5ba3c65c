#include "analysis/readings_listing.h"

#include "analysis/number_format.h"

namespace {

constexpr int kNameWidth = 160;
constexpr int kValueWidth = 140;
constexpr int kDescriptionWidth = 220;

std::vector<ReadingLine> bodeLines(const BodeReadings& r)
{
    return {
        {"gain_crossover_rad_s", "ゲイン交差周波数 [rad/sec]", r.gainCrossover},
        {"phase_margin_deg", "位相余裕 [deg]", r.phaseMargin},
        {"phase_crossover_rad_s", "位相交差周波数 [rad/sec]", r.phaseCrossover},
        {"gain_margin_db", "ゲイン余裕 [dB]", r.gainMargin},
        {"bandwidth_rad_s", "帯域幅 (-3dB) [rad/sec]", r.bandwidth},
        {"peak_gain_db", "ピークゲイン [dB]", r.peakGain},
        {"peak_rad_s", "ピーク周波数 [rad/sec]", r.peakOmega},
    };
}

std::vector<ReadingLine> stepLines(const StepReadings& r, bool withErrorEstimate)
{
    std::vector<ReadingLine> lines = {
        {"final_value", "最終値 (s→0 の s·F(s))", r.finalValue},
        {"rise_time_s", "立ち上がり時間 10-90% [sec]", r.riseTime},
        {"overshoot_percent", "オーバーシュート [%]", r.overshoot},
        {"peak_time_s", "ピーク時間 [sec]", r.peakTime},
        {"settling_time_s", "整定時間 2% [sec]", r.settlingTime},
    };
    if (withErrorEstimate)
        lines.push_back({"max_error_estimate", "FILT 誤差推定の最大値", r.maxErrorEstimate});
    return lines;
}

}  // namespace

std::vector<ReadingLine> readingLines(const ViewData& view)
{
    if (view.graphMode == GRAPH_BODE)
        return bodeLines(view.readings.bode);
    return stepLines(view.readings.step, view.errorEstimateTaken != 0);
}

std::string readingText(const Reading& value)
{
    return value ? formatDouble("%.15G", *value) : std::string();
}

std::string readingsText(const std::vector<ReadingLine>& lines)
{
    std::string text;
    for (const ReadingLine& line : lines)
        text += std::string(line.name) + ", " + readingText(line.value) + "\n";
    return text;
}

Listing readingsListing(const ViewData& view)
{
    Listing listing;
    listing.columns = {{"reading", kNameWidth}, {"value", kValueWidth}, {"内容", kDescriptionWidth}};
    if (view.readings.state == READINGS_NONE)
        return listing;
    for (const ReadingLine& line : readingLines(view))
        listing.rows.push_back({line.name, readingText(line.value), line.description});
    if (view.readings.state == READINGS_NOT_PURE)
        listing.rows.push_back({"note", "", kReadingsNotPureNote});
    return listing;
}
