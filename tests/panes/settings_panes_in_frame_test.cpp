// The settings panes inside the main window: the view takes their records,
// hands over its graph fonts, and a run from the pane's toolbar writes back.
#include <QTemporaryDir>

#include "../app/app_test_support.h"
#include "app/main_frame.h"
#include "pane_test_support.h"
#include "view/brenno_view.h"

class SettingsPanesInFrameTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTemporarySettings(settingsDir_); }

    void init()
    {
        frame_ = std::make_unique<CMainFrame>();
        frame_->show();
        frame_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
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

        const QStringList names = {"解析開始周波数", "解析終了周波数", "解析データ数", "解析周波数単位",
                                   "解析周波数間隔", "周波数軸", "ゲイン軸"};
        QStringList values;
        for (const QString& name : names)
            values << shown(*pane.grid(), name);
        QCOMPARE(values, (QStringList{"0.1", "10", "80", "Hz", "等比", "LOGスケール", "dBスケール"}));
        QCOMPARE(frame_->view()->data().pointCount, 80);
    }

private:
    QTemporaryDir settingsDir_;
    std::unique_ptr<CMainFrame> frame_;
};

QTEST_MAIN(SettingsPanesInFrameTest)
#include "settings_panes_in_frame_test.moc"
