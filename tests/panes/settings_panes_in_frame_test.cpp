// The settings panes inside the main window: the view takes their records,
// hands over its graph fonts, and a run from the pane's toolbar writes back.
#include <QTemporaryDir>

#include "../app/app_test_support.h"
#include "app/main_frame.h"
#include "pane_test_support.h"
#include "tests/support/run_end.h"
#include "view/brenno_view.h"

class SettingsPanesInFrameTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTemporarySettings(settingsDir_); }

    void init()
    {
        frame_ = std::make_unique<CMainFrame>();
        QVERIFY(showActive(*frame_));
    }

    // Closed first, as the user closes it: an open edit ends while the window is whole.
    void cleanup()
    {
        frame_->close();
        frame_.reset();
    }

    void endedEditHandsTheViewTheWholeRecord()
    {
        CMFCPropertyGridPlusCtrlBODE& grid = *frame_->propertiesWndBode()->grid();
        QVERIFY(choose(grid, "線幅", "5"));
        const ViewData& view = frame_->view()->data();
        QCOMPARE(view.bode.lineWidth, 5);
        QCOMPARE(view.bode.radianUnits, 0);
        QCOMPARE(view.bode.dbRef, 10.0);

        QVERIFY(typeInto(*frame_->propertiesWndFilt()->grid(), "FILT K2", "0.5"));
        QCOMPARE(view.settings.filtK2, 0.5);
        QCOMPARE(view.settings.timeCount, 20);
    }

    void fontPickReachesTheGraphFontOnlyAfterAnEdit()
    {
        CMFCPropertyGridPlusCtrlFILT& grid = *frame_->propertiesWndFilt()->grid();
        const QFont original = frame_->view()->fonts().filt;
        const QFont picked("Serif", 16);
        grid.setDialogs(GridDialogs{{}, [&picked](const QFont&, QWidget*) { return std::optional<QFont>(picked); }});

        auto* editor = openEditor<FontEditor>(grid, "フォント");
        QVERIFY(editor);
        editor->openDialog();
        QCOMPARE(frame_->view()->fonts().filt, original);

        QVERIFY(endEdit(grid, editor));
        editor = openEditor<FontEditor>(grid, "フォント");
        editor->openDialog();
        QCOMPARE(frame_->view()->fonts().filt, picked);
        QCOMPARE(frame_->view()->fonts().bode, original);
    }

    void toolbarRunWithProgramSettingsShowsTheFreqValues()
    {
        CPropertiesWndBODE& pane = *frame_->propertiesWndBode();
        QVERIFY(choose(*pane.grid(), "ソース内指定", "有効"));
        pane.findChild<CPropertiesToolBarBODE*>()->runAction()->trigger();
        QVERIFY(runEnded(*frame_));

        const QStringList names = {"解析開始周波数", "解析終了周波数", "解析データ数", "解析周波数単位",
                                   "解析周波数間隔", "周波数軸", "ゲイン軸"};
        QStringList values;
        for (const QString& name : names)
            values << shown(*pane.grid(), name);
        QCOMPARE(values, (QStringList{"0.1", "10", "80", "Hz", "等比", "LOGスケール", "dBスケール"}));
        QCOMPARE(frame_->view()->data().pointCount, 80);
    }

    // A value picked or typed and not yet ended counts for a run started at
    // once, from the pane's button or the menu.
    void openEditCountsForARunStartedAtOnce_data()
    {
        QTest::addColumn<bool>("fromPane");
        QTest::newRow("pane button") << true;
        QTest::newRow("menu") << false;
    }

    void openEditCountsForARunStartedAtOnce()
    {
        QFETCH(bool, fromPane);
        CPropertiesWndBODE& pane = *frame_->propertiesWndBode();
        QVERIFY(pickChoice(*pane.grid(), "ソース内指定", "有効"));
        if (fromPane)
            pane.findChild<CPropertiesToolBarBODE*>()->runAction()->trigger();
        else
            frame_->commandAction(ID_BODE_ANALYSIS)->trigger();
        QVERIFY(runEnded(*frame_));
        QVERIFY(!pane.grid()->openEditor());
        QCOMPARE(shown(*pane.grid(), "解析終了周波数"), QString("10"));

        auto* count = openEditor<QLineEdit>(*frame_->propertiesWndFilt()->grid(), "解析データ数");
        count->setText("25");
        frame_->commandAction(ID_FILT_ANALYSIS)->trigger();
        QVERIFY(runEnded(*frame_));
        QCOMPARE(frame_->view()->data().pointCount, 25);
    }

    // At the window's first size, no setting's name is cut, nor its value.
    void everyNameShowsInFull()
    {
        for (PropertyGrid* grid : {static_cast<PropertyGrid*>(frame_->propertiesWndBode()->grid()),
                                   static_cast<PropertyGrid*>(frame_->propertiesWndFilt()->grid())}) {
            QTreeWidget* list = grid->list();
            const QFontMetrics metrics(list->font());
            for (QTreeWidgetItemIterator it(list); *it; ++it) {
                if ((*it)->isFirstColumnSpanned())
                    continue;
                const QString name = (*it)->text(0);
                QVERIFY2(list->visualItemRect(*it).width() > 0, qPrintable(name));
                QVERIFY2(list->visualRect(list->indexFromItem(*it, 0)).width() >= metrics.horizontalAdvance(name),
                         qPrintable(name));
                const int swatch = (*it)->icon(1).isNull() ? 0 : list->iconSize().width();
                QVERIFY2(list->visualRect(list->indexFromItem(*it, 1)).width() >=
                             swatch + metrics.horizontalAdvance((*it)->text(1)),
                         qPrintable(name));
            }
        }
        QCOMPARE(frame_->size(), QSize(800, 600));
    }

private:
    QTemporaryDir settingsDir_;
    std::unique_ptr<CMainFrame> frame_;
};

QTEST_MAIN(SettingsPanesInFrameTest)
#include "settings_panes_in_frame_test.moc"
