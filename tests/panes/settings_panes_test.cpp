#include <QAction>
#include <QApplication>
#include <QToolButton>
#include <memory>

#include "pane_test_support.h"
#include "panes/property_grid_list_font.h"
#include "panes/property_grid_text.h"

namespace {

// Every row from the top: indented by depth; values with their shown text,
// choices and description line.
QStringList rowsOf(const PropertyGrid& grid)
{
    QStringList rows;
    for (QTreeWidgetItemIterator it(grid.list()); *it; ++it) {
        const GridProperty* property = grid.find((*it)->text(0));
        int depth = 0;
        for (QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
            ++depth;
        QString row = QString(depth * 2, ' ') + (*it)->text(0);
        if (property->kind() == GridProperty::Kind::Font)
            row += " : " + property->description();
        else if (property->kind() != GridProperty::Kind::Group)
            row += " = " + (*it)->text(1) + " : " + property->description();
        if (!property->choices().isEmpty())
            row += " {" + property->choices().join('|') + "}";
        rows << row;
    }
    return rows;
}

PropertyGrid& gridOf(PaneViewHarness& harness, const QString& pane)
{
    if (pane == "bode")
        return *harness.bode->grid();
    return *harness.filt->grid();
}

struct DisplayFlags {
    int markers, lines, numbers;
    bool operator==(const DisplayFlags& other) const
    {
        return markers == other.markers && lines == other.lines && numbers == other.numbers;
    }
};

}  // namespace

Q_DECLARE_METATYPE(Colorref)

class SettingsPanesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { harness_.reset(); }

    void bodeListHasItsGroupsPropertiesAndChoices();
    void filtListHasItsGroupsPropertiesAndChoices();
    void listFontIsFourFifthsOfTheMenuFont();

    void typedTenthIsStoredAsItsSingleUntilARunWritesTheExactValue();
    void unchangedEditStillSendsTheRecord();
    void lineWidthAloneHandsTheViewTheBodeRecordStartValues();
    void lineWidthAloneHandsTheViewTheFiltRecordStartValues();
    void dataDisplaySetsMarkersLinesAndNumbers_data();
    void dataDisplaySetsMarkersLinesAndNumbers();
    void automaticColourStoresTheDefaultColour_data();
    void automaticColourStoresTheDefaultColour();
    void fontChangesTheGraphFontOnceTheViewHandedItOver_data();
    void fontChangesTheGraphFontOnceTheViewHandedItOver();
    void readingMarksAndErrorEstimateSwitchesReachTheView();

    void bodeRunTakesTheProgramFrequenciesOnlyOnceTheSwitchEdited();
    void filtRunShowsTheValuesItUsed();
    void toolbarExpandsAndRuns();

private:
    std::unique_ptr<PaneViewHarness> harness_;
};

void SettingsPanesTest::init()
{
    harness_ = std::make_unique<PaneViewHarness>();
    QVERIFY(harness_->show());
}

void SettingsPanesTest::bodeListHasItsGroupsPropertiesAndChoices()
{
    const QStringList expected = {
        "解析設定",
        "  解析開始周波数 = 0.1 : 解析 開始周波数",
        "  解析終了周波数 = 20 : 解析 終了周波数",
        "  解析データ数 = 80 : 解析 データ数",
        "  解析周波数単位 = rad/sec : 解析 周波数単位 {Hz|rad/sec}",
        "  解析周波数間隔 = 等差 : 解析 周波数間隔 {等比|等差}",
        "  ソース内指定 = 無効 : プログラムソース内のFREQ、OMEGAによる指定:無効／有効 {無効|有効}",
        "グラフ表示設定",
        "  グラフ表示選択 = 周波数 vs ゲイン＆位相 : 周波数 vs ゲイン,  周波数 vs 位相 表示選択設定"
        " {周波数 vs ゲイン|周波数 vs 位相|周波数 vs ゲイン＆位相}",
        "  最小周波数 = 0.1 : ボード線図 最小周波数",
        "  最大周波数 = 20 : ボード線図 最大周波数",
        "  周波数単位 = rad/sec : ボード線図 周波数単位 {Hz|rad/sec}",
        "  周波数軸 = リニアスケール : ボード線図 周波数間隔 {LOGスケール|リニアスケール}",
        "  ゲイン軸 = リニアスケール : ボード線図 ゲイン軸 {dBスケール|リニアスケール}",
        "  ゲイン dBスケール設定",
        "    REF = 0 : dBスケール REF",
        "    DIV = 20 : dBスケール DIV",
        "  ゲイン リニアスケール設定",
        "    最小 = 0 : リニアスケール 最小",
        "    最大 = 20 : dリニアスケール 最大",
        "  位相表示 = -360...0deg : 位相表示 {-180...+180deg|-360...0deg}",
        "  データ表示 = 点 + 線 : グラフ内 データ点、線 表示設定 {点|線|点 + 線|点 + 番号}",
        "  線幅 = 2 : 1 ... 5 {1|2|3|4|5}",
        "  ゲイン表示色 = RGB(255, 0, 0) : ゲイン表示色を指定します",
        "  位相表示色 = RGB(0, 0, 255) : 位相表示色を指定します",
        "  読み取り値表示 = 無効 : ゲイン余裕、位相余裕、帯域幅、ピークをグラフに記入:無効／有効 {無効|有効}",
        "  フォント : グラフ内のフォントを指定します",
    };
    QCOMPARE(rowsOf(*harness_->bode->grid()), expected);
    QCOMPARE(harness_->bode->windowTitle(), QString("BODE 設定"));
}

void SettingsPanesTest::filtListHasItsGroupsPropertiesAndChoices()
{
    const QStringList expected = {
        "解析設定",
        "  解析開始時間 = 0.1 : 解析 開始時間",
        "  解析終了時間 = 4 : 解析 終了時間",
        "  解析データ数 = 40 : 解析 データ数",
        "  FILT A = 4 : FILT パラメータ A",
        "  FILT B = 0 : FILT パラメータ B",
        "  FILT K1 = 4 : FILT パラメータ K1",
        "  FILT K2 = 0.2 : FILT パラメータ K2",
        "  ソース内指定 = 無効 : プログラムソース内のTIME、FILTによる指定:無効／有効 {無効|有効}",
        "  誤差推定 = 無効 : 各点の誤差を A をずらした2回目の逆変換で推定し、誤差帯とグラフデータの列に表示"
        "(次の解析から):無効／有効 {無効|有効}",
        "グラフ表示設定",
        "  最小時間 = 1 : FILT 最小時間",
        "  最大時間 = 4 : FILT 最大時間",
        "  レベル最小 = 0 : レベル軸 最小",
        "  レベル最大 = 20 : レベル軸 最大",
        "  データ表示 = 点 + 線 : グラフ内 データ点、線 表示設定 {点|線|点 + 線|点 + 番号}",
        "  線幅 = 2 : 1 ... 5 {1|2|3|4|5}",
        "  グラフ表示色 = RGB(0, 0, 0) : グラフの色を指定します",
        "  フォント : グラフ内のフォントを指定します",
    };
    QCOMPARE(rowsOf(*harness_->filt->grid()), expected);
    QCOMPARE(harness_->filt->windowTitle(), QString("FILT 設定"));
}

void SettingsPanesTest::listFontIsFourFifthsOfTheMenuFont()
{
    QFont interfaceFont("Serif");
    interfaceFont.setPixelSize(20);
    QFont menuFont("Sans");
    menuFont.setPixelSize(14);
    menuFont.setWeight(QFont::Bold);
    menuFont.setItalic(true);
    const QFont list = listFontFrom(interfaceFont, menuFont);
    QCOMPARE(list.family(), interfaceFont.family());
    QCOMPARE(list.pixelSize(), 11);  // 14 * 4 / 5, truncated
    QCOMPARE(list.weight(), 560);    // 700 * 4 / 5
    QVERIFY(list.italic());

    // The font property starts with the list font, not the view's graph font.
    QCOMPARE(harness_->bode->grid()->find("フォント")->font(), paneListFont());
    QCOMPARE(harness_->filt->grid()->font(), paneListFont());
}

void SettingsPanesTest::typedTenthIsStoredAsItsSingleUntilARunWritesTheExactValue()
{
    CMFCPropertyGridPlusCtrlBODE& grid = *harness_->bode->grid();
    QVERIFY(typeInto(grid, "解析開始周波数", "0.1"));
    QVERIFY(grid.values().sweepStart == 0.10000000149011612);
    QVERIFY(harness_->view.settings.sweepStart == 0.10000000149011612);

    // The program's FREQ statement starts at exactly 0.1.
    QVERIFY(choose(grid, "ソース内指定", "有効"));
    harness_->runBode();
    QVERIFY(grid.values().sweepStart == 0.1);
    QCOMPARE(shown(grid, "解析開始周波数"), QString("0.1"));
}

void SettingsPanesTest::unchangedEditStillSendsTheRecord()
{
    harness_->view.settings.sweepEnd = 99.0;
    harness_->view.bode.gainColor = 0x123456;
    QVERIFY(clickAndLeave(*harness_->bode->grid(), "解析データ数"));
    QCOMPARE(harness_->commands, QList<int>{ID_PROPERTY_BODE_ITEM_CHANGED});
    QCOMPARE(harness_->view.settings.sweepEnd, 20.0);
    QCOMPARE(harness_->view.bode.gainColor, Colorref{0x0000FF});
}

void SettingsPanesTest::lineWidthAloneHandsTheViewTheBodeRecordStartValues()
{
    CMFCPropertyGridPlusCtrlBODE& grid = *harness_->bode->grid();
    QVERIFY(choose(grid, "線幅", "3"));
    const BodeDisplaySettings& bode = harness_->view.bode;
    QCOMPARE(bode.lineWidth, 3);
    QCOMPARE(bode.dbRef, 10.0);
    QCOMPARE(bode.dbDiv, 5.0);
    QCOMPARE(bode.linGainMax, 2.0);
    QCOMPARE(bode.radianUnits, 0);
    QCOMPARE((QStringList{shown(grid, "REF"), shown(grid, "DIV"), shown(grid, "最大"), shown(grid, "周波数単位")}),
             (QStringList{"0", "20", "20", "rad/sec"}));
}

void SettingsPanesTest::lineWidthAloneHandsTheViewTheFiltRecordStartValues()
{
    CMFCPropertyGridPlusCtrlFILT& grid = *harness_->filt->grid();
    QVERIFY(choose(grid, "線幅", "4"));
    QCOMPARE(harness_->commands, QList<int>{ID_PROPERTY_FILT_ITEM_CHANGED});
    QCOMPARE(harness_->view.filt.lineWidth, 4);
    QCOMPARE(harness_->view.settings.timeCount, 20);
    QCOMPARE(harness_->view.filt.timeAxisMin, 0.0);
    QCOMPARE(harness_->view.filt.timeAxisMax, 10.0);
    QCOMPARE(harness_->view.filt.levelMax, 2.0);
    QCOMPARE((QStringList{shown(grid, "解析データ数"), shown(grid, "最小時間"), shown(grid, "最大時間"),
                          shown(grid, "レベル最大")}),
             (QStringList{"40", "1", "4", "20"}));
}

void SettingsPanesTest::dataDisplaySetsMarkersLinesAndNumbers_data()
{
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("markers");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("numbers");
    for (const char* pane : {"bode", "filt"}) {
        QTest::addRow("%s points", pane) << pane << "点" << 1 << 0 << 0;
        QTest::addRow("%s lines", pane) << pane << "線" << 0 << 1 << 0;
        QTest::addRow("%s points and lines", pane) << pane << "点 + 線" << 1 << 1 << 0;
        QTest::addRow("%s points and numbers", pane) << pane << "点 + 番号" << 1 << 0 << 1;
    }
}

void SettingsPanesTest::dataDisplaySetsMarkersLinesAndNumbers()
{
    QFETCH(QString, pane);
    QFETCH(QString, choice);
    QFETCH(int, markers);
    QFETCH(int, lines);
    QFETCH(int, numbers);
    // Start from a choice other than the one tested, so every flag has to move.
    QVERIFY(choose(gridOf(*harness_, pane), "データ表示", choice == "線" ? "点 + 番号" : "線"));
    QVERIFY(choose(gridOf(*harness_, pane), "データ表示", choice));

    const ViewData& view = harness_->view;
    const DisplayFlags flags = pane == "bode"
                                   ? DisplayFlags{view.bode.showMarkers, view.bode.showLines, view.bode.showNumbers}
                                   : DisplayFlags{view.filt.showMarkers, view.filt.showLines, view.filt.showNumbers};
    QVERIFY(flags == (DisplayFlags{markers, lines, numbers}));
}

void SettingsPanesTest::automaticColourStoresTheDefaultColour_data()
{
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QString>("property");
    QTest::addColumn<Colorref>("automatic");
    QTest::newRow("gain red") << "bode" << "ゲイン表示色" << Colorref{0x0000FF};
    QTest::newRow("phase blue") << "bode" << "位相表示色" << Colorref{0xFF0000};
    QTest::newRow("time response black") << "filt" << "グラフ表示色" << Colorref{0x000000};
}

void SettingsPanesTest::automaticColourStoresTheDefaultColour()
{
    QFETCH(QString, pane);
    QFETCH(QString, property);
    QFETCH(Colorref, automatic);
    PropertyGrid& grid = gridOf(*harness_, pane);
    auto pick = [&](const QString& button) {
        openEditor<ColourEditor>(grid, property)->openPalette();
        QWidget* palette = QApplication::activePopupWidget();
        for (QToolButton* candidate : palette->findChildren<QToolButton*>())
            if (candidate->toolTip() == button || candidate->text() == button)
                candidate->click();
        QTRY_VERIFY(!grid.openEditor());
    };
    pick("#FFFF00");
    pick("既定値");

    const ViewData& view = harness_->view;
    const Colorref stored = property == "ゲイン表示色"   ? view.bode.gainColor
                            : property == "位相表示色" ? view.bode.phaseColor
                                                         : view.filt.curveColor;
    QCOMPARE(stored, automatic);
    QCOMPARE(shown(grid, property), QString("既定値"));
}

void SettingsPanesTest::readingMarksAndErrorEstimateSwitchesReachTheView()
{
    const ViewData& view = harness_->view;
    QCOMPARE(view.bode.showReadings, 0);
    QCOMPARE(view.settings.filtErrorEstimate, 0);
    QVERIFY(choose(*harness_->bode->grid(), "読み取り値表示", "有効"));
    QCOMPARE(view.bode.showReadings, 1);
    QVERIFY(choose(*harness_->filt->grid(), "誤差推定", "有効"));
    QCOMPARE(view.settings.filtErrorEstimate, 1);
    QVERIFY(choose(*harness_->filt->grid(), "誤差推定", "無効"));
    QCOMPARE(view.settings.filtErrorEstimate, 0);
}

void SettingsPanesTest::fontChangesTheGraphFontOnceTheViewHandedItOver_data()
{
    QTest::addColumn<QString>("pane");
    QTest::addColumn<int>("changed");
    QTest::addColumn<int>("fontChanged");
    QTest::newRow("bode") << "bode" << int(ID_PROPERTY_BODE_ITEM_CHANGED) << int(ID_PROPERTY_BODE_ITEM_FONT_CHANGED);
    QTest::newRow("filt") << "filt" << int(ID_PROPERTY_FILT_ITEM_CHANGED) << int(ID_PROPERTY_FILT_ITEM_FONT_CHANGED);
}

void SettingsPanesTest::fontChangesTheGraphFontOnceTheViewHandedItOver()
{
    QFETCH(QString, pane);
    QFETCH(int, changed);
    QFETCH(int, fontChanged);
    PropertyGrid& grid = gridOf(*harness_, pane);
    const QFont& graphFont = pane == "bode" ? harness_->bodeFont : harness_->filtFont;
    const QFont before = graphFont;
    QFont picked("Serif", 15);
    grid.setDialogs(GridDialogs{{}, [&picked](const QFont&, QWidget*) { return std::optional<QFont>(picked); }});

    auto* fontEditor = openEditor<FontEditor>(grid, "フォント");
    QVERIFY(fontEditor);
    fontEditor->openDialog();
    QCOMPARE(harness_->commands, QList<int>{fontChanged});
    QCOMPARE(graphFont, before);

    QVERIFY(endEdit(grid, grid.openEditor()));
    QCOMPARE(harness_->commands, (QList<int>{fontChanged, changed}));
    picked.setPointSize(17);
    fontEditor = openEditor<FontEditor>(grid, "フォント");
    QVERIFY(fontEditor);
    fontEditor->openDialog();
    QCOMPARE(harness_->commands.last(), fontChanged);
    QCOMPARE(graphFont, picked);
}

void SettingsPanesTest::bodeRunTakesTheProgramFrequenciesOnlyOnceTheSwitchEdited()
{
    CMFCPropertyGridPlusCtrlBODE& grid = *harness_->bode->grid();
    QComboBox* source = pickChoice(grid, "ソース内指定", "有効");
    QVERIFY(source);
    harness_->runBode();
    QCOMPARE(shown(grid, "解析終了周波数"), QString("20"));

    QVERIFY(endEdit(grid, source));
    harness_->runBode();
    const QStringList analysis = {"解析開始周波数", "解析終了周波数", "解析データ数", "解析周波数単位",
                                  "解析周波数間隔", "ソース内指定"};
    QStringList analysisShown;
    for (const QString& name : analysis)
        analysisShown << shown(grid, name);
    QCOMPARE(analysisShown, (QStringList{"0.1", "10", "80", "Hz", "等比", "有効"}));
    const QStringList graph = {"最小周波数", "最大周波数", "周波数単位", "周波数軸", "ゲイン軸"};
    QStringList graphShown;
    for (const QString& name : graph)
        graphShown << shown(grid, name);
    QCOMPARE(graphShown, (QStringList{"0.1", "10", "Hz", "LOGスケール", "dBスケール"}));

    const BodePaneValues& values = grid.values();
    QCOMPARE(values.sweepEnd, 10.0);
    QCOMPARE(values.sweepInOmega, 0);
    QCOMPARE(values.sweepArithmetic, 0);
    QCOMPARE(values.useProgramFreq, 1);
    QCOMPARE(values.linearGain, 0);
    QCOMPARE(values.dbRef, harness_->view.bode.dbRef);
    QCOMPARE(shown(grid, "REF"), showSingle(static_cast<float>(values.dbRef)));
    QVERIFY(!grid.list()->findItems("解析終了周波数", Qt::MatchExactly | Qt::MatchRecursive)[0]->font(1).bold());
}

void SettingsPanesTest::filtRunShowsTheValuesItUsed()
{
    CMFCPropertyGridPlusCtrlFILT& grid = *harness_->filt->grid();
    const QStringList names = {"解析開始時間", "解析終了時間", "解析データ数", "FILT A",   "FILT B",
                               "FILT K1",      "FILT K2",      "ソース内指定", "最小時間", "最大時間"};
    auto shownValues = [&] {
        QStringList values;
        for (const QString& name : names)
            values << shown(grid, name);
        return values;
    };

    harness_->runFilt();
    QCOMPARE(shownValues(), (QStringList{"0.1", "4", "40", "4", "0", "4", "0.2", "無効", "0.0625", "4"}));
    QCOMPARE(grid.values().timeCount, 40);

    QVERIFY(choose(grid, "ソース内指定", "有効"));
    harness_->runFilt();
    QCOMPARE(shownValues(), (QStringList{"0.01", "5", "80", "4", "0", "4", "0.2", "有効", "0.0078125", "8"}));
    QCOMPARE(grid.values().timeStart, 0.01);
    QCOMPARE(grid.values().levelMax, harness_->view.filt.levelMax);
    QCOMPARE(shown(grid, "レベル最大"), showSingle(static_cast<float>(harness_->view.filt.levelMax)));
}

void SettingsPanesTest::toolbarExpandsAndRuns()
{
    auto* bodeBar = harness_->bode->findChild<CPropertiesToolBarBODE*>();
    auto* filtBar = harness_->filt->findChild<CPropertiesToolBarFILT*>();
    QTreeWidget* list = harness_->bode->grid()->list();
    list->collapseAll();
    bodeBar->expandAllAction()->trigger();
    QVERIFY(list->findItems("ゲイン dBスケール設定", Qt::MatchExactly | Qt::MatchRecursive)[0]->isExpanded());

    bodeBar->runAction()->trigger();
    filtBar->runAction()->trigger();
    QCOMPARE(harness_->commands, (QList<int>{ID_BODE_ANALYSIS, ID_FILT_ANALYSIS}));
    QCOMPARE(bodeBar->runAction()->toolTip(), QString("ボード線図 作成"));
    QCOMPARE(filtBar->runAction()->toolTip(), QString("数値ラプラス逆変換 実行"));
}

QTEST_MAIN(SettingsPanesTest)
#include "settings_panes_test.moc"
