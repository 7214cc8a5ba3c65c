#include "panes/properties_wnd_bode.h"

#include "app/command_ids.h"

namespace {

using Row = GridRow<BodePaneValues>;

// "周波数 vs ゲイン", "周波数 vs 位相", "周波数 vs ゲイン＆位相".
void applyCurves(BodePaneValues& values, int choice)
{
    static constexpr int kCurves[][2] = {{1, 0}, {0, 1}, {1, 1}};
    values.showGain = kCurves[choice][0];
    values.showPhase = kCurves[choice][1];
}

const std::vector<GridChoice> kFrequencyUnits = {{"Hz", 0}, {"rad/sec", 1}};
const std::vector<GridChoice> kCurveChoices = {
    {"周波数 vs ゲイン", 0}, {"周波数 vs 位相", 1}, {"周波数 vs ゲイン＆位相", 2}};

std::vector<Row> bodeRows()
{
    return {
        Row::group("解析設定"),
        Row::number("解析開始周波数", 0.1f, "解析 開始周波数", &BodePaneValues::sweepStart),
        Row::number("解析終了周波数", 20.0f, "解析 終了周波数", &BodePaneValues::sweepEnd),
        Row::integer("解析データ数", 80, "解析 データ数", &BodePaneValues::sweepCount),
        Row::choice("解析周波数単位", "rad/sec", kFrequencyUnits, "解析 周波数単位", &BodePaneValues::sweepInOmega),
        Row::choice("解析周波数間隔", "等差", {{"等比", 0}, {"等差", 1}}, "解析 周波数間隔",
                    &BodePaneValues::sweepArithmetic),
        Row::choice("ソース内指定", "無効", {{"無効", 0}, {"有効", 1}},
                    "プログラムソース内のFREQ、OMEGAによる指定:無効／有効", &BodePaneValues::useProgramFreq),

        Row::group("グラフ表示設定"),
        Row::choice("グラフ表示選択", "周波数 vs ゲイン＆位相", kCurveChoices,
                    "周波数 vs ゲイン,  周波数 vs 位相 表示選択設定", applyCurves),
        Row::number("最小周波数", 0.1f, "ボード線図 最小周波数", &BodePaneValues::freqAxisMin),
        Row::number("最大周波数", 20.0f, "ボード線図 最大周波数", &BodePaneValues::freqAxisMax),
        Row::choice("周波数単位", "rad/sec", kFrequencyUnits, "ボード線図 周波数単位", &BodePaneValues::radianUnits),
        Row::choice("周波数軸", "リニアスケール", {{"LOGスケール", 0}, {"リニアスケール", 1}}, "ボード線図 周波数間隔",
                    &BodePaneValues::linearFreqAxis),
        Row::choice("ゲイン軸", "リニアスケール", {{"dBスケール", 0}, {"リニアスケール", 1}}, "ボード線図 ゲイン軸",
                    &BodePaneValues::linearGain),
        Row::subgroup("ゲイン dBスケール設定"),
        Row::number("REF", 0.0f, "dBスケール REF", &BodePaneValues::dbRef).inSubgroup(),
        Row::number("DIV", 20.0f, "dBスケール DIV", &BodePaneValues::dbDiv).inSubgroup(),
        Row::subgroup("ゲイン リニアスケール設定"),
        Row::number("最小", 0.0f, "リニアスケール 最小", &BodePaneValues::linGainMin).inSubgroup(),
        Row::number("最大", 20.0f, "dリニアスケール 最大", &BodePaneValues::linGainMax).inSubgroup(),
        Row::choice("位相表示", "-360...0deg", {{"-180...+180deg", 1}, {"-360...0deg", 0}}, "位相表示",
                    &BodePaneValues::phaseRange),
        Row::choice("データ表示", "点 + 線", dataDisplayChoices(), "グラフ内 データ点、線 表示設定",
                    applyDataDisplay<BodePaneValues>),
        Row::choice("線幅", "2", lineWidthChoices(), "1 ... 5", &BodePaneValues::lineWidth),
        Row::colour("ゲイン表示色", 0x0000FF, "ゲイン表示色を指定します", &BodePaneValues::gainColor),
        Row::colour("位相表示色", 0xFF0000, "位相表示色を指定します", &BodePaneValues::phaseColor),
        Row::choice("読み取り値表示", "無効", {{"無効", 0}, {"有効", 1}},
                    "ゲイン余裕、位相余裕、帯域幅、ピークをグラフに記入:無効／有効", &BodePaneValues::showReadings),
        Row::font("フォント", "グラフ内のフォントを指定します"),
    };
}

}  // namespace

CPropertiesToolBarBODE::CPropertiesToolBarBODE(QWidget* parent)
    : PropertiesToolBar(QIcon(QStringLiteral(":/icons/bode.svg")), QStringLiteral("ボード線図 作成"), parent)
{
}

CMFCPropertyGridPlusCtrlBODE::CMFCPropertyGridPlusCtrlBODE(QWidget* parent)
    : RecordGrid(bodeRows(), ID_PROPERTY_BODE_ITEM_CHANGED, ID_PROPERTY_BODE_ITEM_FONT_CHANGED, parent)
{
}

void CMFCPropertyGridPlusCtrlBODE::SetAnalysisValues(double sweepStart, double sweepEnd, int sweepCount,
                                                     int sweepInOmega, int sweepArithmetic)
{
    showNumber("解析開始周波数", sweepStart);
    values_.sweepStart = sweepStart;
    showNumber("解析終了周波数", sweepEnd);
    values_.sweepEnd = sweepEnd;
    showInteger("解析データ数", sweepCount);
    values_.sweepCount = sweepCount;
    showSwitch("解析周波数単位", sweepInOmega);
    values_.sweepInOmega = sweepInOmega;
    showSwitch("解析周波数間隔", sweepArithmetic);
    values_.sweepArithmetic = sweepArithmetic;
}

void CMFCPropertyGridPlusCtrlBODE::SetGraphValues(int showGain, int showPhase, double freqAxisMin,
                                                  double freqAxisMax, int radianUnits, int linearFreqAxis,
                                                  double dbRef, double dbDiv, double linGainMin, double linGainMax,
                                                  int linearGain)
{
    showCurves(showGain, showPhase);
    showNumber("最小周波数", freqAxisMin);
    values_.freqAxisMin = freqAxisMin;
    showNumber("最大周波数", freqAxisMax);
    values_.freqAxisMax = freqAxisMax;
    showSwitch("周波数単位", radianUnits);
    values_.radianUnits = radianUnits;
    showSwitch("周波数軸", linearFreqAxis);
    values_.linearFreqAxis = linearFreqAxis;
    showSwitch("ゲイン軸", linearGain);
    values_.linearGain = linearGain;
    showNumber("REF", dbRef);
    values_.dbRef = dbRef;
    showNumber("DIV", dbDiv);
    values_.dbDiv = dbDiv;
    showNumber("最小", linGainMin);
    values_.linGainMin = linGainMin;
    showNumber("最大", linGainMax);
    values_.linGainMax = linGainMax;
}

// Only gain, only phase, or both for anything else.
void CMFCPropertyGridPlusCtrlBODE::showCurves(int showGain, int showPhase)
{
    int choice = 2;
    if (showGain == 1 && showPhase == 0)
        choice = 0;
    else if (showGain == 0 && showPhase == 1)
        choice = 1;
    showChoice("グラフ表示選択", kCurveChoices[choice].text);
    applyCurves(values_, choice);
}

CPropertiesWndBODE::CPropertiesWndBODE(QWidget* parent)
    : RecordPane(QStringLiteral("BODE 設定"), ID_BODE_ANALYSIS, parent)
{
}

void CPropertiesWndBODE::SetAnalysisValues(double start, double end, int count, int inOmega, int arithmetic)
{
    grid_->SetAnalysisValues(start, end, count, inOmega, arithmetic);
}

void CPropertiesWndBODE::SetGraphValues(int showGain, int showPhase, double freqAxisMin, double freqAxisMax,
                                        int radianUnits, int linearFreqAxis, double dbRef, double dbDiv,
                                        double linGainMin, double linGainMax, int linearGain)
{
    grid_->SetGraphValues(showGain, showPhase, freqAxisMin, freqAxisMax, radianUnits, linearFreqAxis, dbRef,
                          dbDiv, linGainMin, linGainMax, linearGain);
}
