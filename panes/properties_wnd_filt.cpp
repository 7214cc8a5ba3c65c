#include "panes/properties_wnd_filt.h"

#include "app/command_ids.h"

namespace {

using Row = GridRow<FiltPaneValues>;

std::vector<Row> filtRows()
{
    return {
        Row::group("解析設定"),
        Row::number("解析開始時間", 0.1f, "解析 開始時間", &FiltPaneValues::timeStart),
        Row::number("解析終了時間", 4.0f, "解析 終了時間", &FiltPaneValues::timeEnd),
        Row::integer("解析データ数", 40, "解析 データ数", &FiltPaneValues::timeCount),
        Row::number("FILT A", 4.0f, "FILT パラメータ A", &FiltPaneValues::filtA),
        Row::number("FILT B", 0.0f, "FILT パラメータ B", &FiltPaneValues::filtB),
        Row::number("FILT K1", 4.0f, "FILT パラメータ K1", &FiltPaneValues::filtK1),
        Row::number("FILT K2", 0.2f, "FILT パラメータ K2", &FiltPaneValues::filtK2),
        Row::choice("ソース内指定", "無効", {{"無効", 0}, {"有効", 1}},
                    "プログラムソース内のTIME、FILTによる指定:無効／有効", &FiltPaneValues::useProgramTime),
        Row::choice("誤差推定", "無効", {{"無効", 0}, {"有効", 1}},
                    "各点の誤差を A をずらした2回目の逆変換で推定し、誤差帯とグラフデータの列に表示(次の解析から):"
                    "無効／有効",
                    &FiltPaneValues::filtErrorEstimate),

        Row::group("グラフ表示設定"),
        Row::number("最小時間", 1.0f, "FILT 最小時間", &FiltPaneValues::timeAxisMin),
        Row::number("最大時間", 4.0f, "FILT 最大時間", &FiltPaneValues::timeAxisMax),
        Row::number("レベル最小", 0.0f, "レベル軸 最小", &FiltPaneValues::levelMin),
        Row::number("レベル最大", 20.0f, "レベル軸 最大", &FiltPaneValues::levelMax),
        Row::choice("データ表示", "点 + 線", dataDisplayChoices(), "グラフ内 データ点、線 表示設定",
                    applyDataDisplay<FiltPaneValues>),
        Row::choice("線幅", "2", lineWidthChoices(), "1 ... 5", &FiltPaneValues::lineWidth),
        Row::colour("グラフ表示色", 0x000000, "グラフの色を指定します", &FiltPaneValues::curveColor),
        Row::font("フォント", "グラフ内のフォントを指定します"),
    };
}

}  // namespace

CPropertiesToolBarFILT::CPropertiesToolBarFILT(QWidget* parent)
    : PropertiesToolBar(QIcon(QStringLiteral(":/icons/filt.svg")), QStringLiteral("数値ラプラス逆変換 実行"), parent)
{
}

CMFCPropertyGridPlusCtrlFILT::CMFCPropertyGridPlusCtrlFILT(QWidget* parent)
    : RecordGrid(filtRows(), ID_PROPERTY_FILT_ITEM_CHANGED, ID_PROPERTY_FILT_ITEM_FONT_CHANGED, parent)
{
}

void CMFCPropertyGridPlusCtrlFILT::SetAnalysisValues(double timeStart, double timeEnd, int timeCount, double filtA,
                                                     double filtB, double filtK1, double filtK2)
{
    showNumber("解析開始時間", timeStart);
    values_.timeStart = timeStart;
    showNumber("解析終了時間", timeEnd);
    values_.timeEnd = timeEnd;
    showInteger("解析データ数", timeCount);
    values_.timeCount = timeCount;
    showNumber("FILT A", filtA);
    values_.filtA = filtA;
    showNumber("FILT B", filtB);
    values_.filtB = filtB;
    showNumber("FILT K1", filtK1);
    values_.filtK1 = filtK1;
    showNumber("FILT K2", filtK2);
    values_.filtK2 = filtK2;
}

void CMFCPropertyGridPlusCtrlFILT::SetGraphValues(double timeAxisMin, double timeAxisMax, double levelMin,
                                                  double levelMax)
{
    showNumber("最小時間", timeAxisMin);
    values_.timeAxisMin = timeAxisMin;
    showNumber("最大時間", timeAxisMax);
    values_.timeAxisMax = timeAxisMax;
    showNumber("レベル最小", levelMin);
    values_.levelMin = levelMin;
    showNumber("レベル最大", levelMax);
    values_.levelMax = levelMax;
}

CPropertiesWndFILT::CPropertiesWndFILT(QWidget* parent)
    : RecordPane(QStringLiteral("FILT 設定"), ID_FILT_ANALYSIS, parent)
{
}

void CPropertiesWndFILT::SetAnalysisValues(double start, double end, int count, double a, double b, double k1,
                                           double k2)
{
    grid_->SetAnalysisValues(start, end, count, a, b, k1, k2);
}

void CPropertiesWndFILT::SetGraphValues(double timeAxisMin, double timeAxisMax, double levelMin, double levelMax)
{
    grid_->SetGraphValues(timeAxisMin, timeAxisMax, levelMin, levelMax);
}
