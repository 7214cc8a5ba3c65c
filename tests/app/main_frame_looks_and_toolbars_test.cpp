// The main window's looks and toolbars across a restart over the same settings store.
#include "app/app_settings.h"
#include "app/application_look.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/toolbar_commands.h"
#include "app/toolbar_customizer.h"
#include "app/user_toolbars.h"
#include "app_test_support.h"
#include "panes/output_wnd.h"
#include "tests/support/run_end.h"

#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <memory>

class MainFrameLooksAndToolbarsTest : public QObject {
    Q_OBJECT

private:
    void startFrame()
    {
        frame_ = std::make_unique<CMainFrame>();
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    }

    void restartFrame()
    {
        frame_->close();
        frame_.reset();
        startFrame();
    }

    QTemporaryDir settingsDir_;
    std::unique_ptr<CMainFrame> frame_;

private slots:
    void initTestCase() { useTemporarySettings(settingsDir_); }
    void init() { openAppSettings()->clear(); }
    void cleanup() { frame_.reset(); }

    void blackLookChosenFromTheMenuIsTheLookAfterRestart()
    {
        startFrame();
        QCOMPARE(appliedApplicationLook(), int(ID_VIEW_APPLOOK_VS_2008));
        QAction* black = frame_->commandAction(ID_VIEW_APPLOOK_OFF_2007_BLACK);
        QVERIFY(black->isEnabled());
        black->trigger();
        QCOMPARE(appliedApplicationLook(), int(ID_VIEW_APPLOOK_OFF_2007_BLACK));
        const QColor blackWindow = QApplication::palette().window().color();

        applyApplicationLook(ID_VIEW_APPLOOK_WIN_2000);
        restartFrame();
        QCOMPARE(appliedApplicationLook(), int(ID_VIEW_APPLOOK_OFF_2007_BLACK));
        QCOMPARE(QApplication::palette().window().color(), blackWindow);
        QVERIFY(frame_->commandAction(ID_VIEW_APPLOOK_OFF_2007_BLACK)->isChecked());
        QVERIFY(!frame_->commandAction(ID_VIEW_APPLOOK_VS_2008)->isChecked());
    }

    void storeWithoutALookStartsInVisualStudio2008()
    {
        applyApplicationLook(ID_VIEW_APPLOOK_OFF_2007_AQUA);
        startFrame();
        QCOMPARE(frame_->appLook(), int(ID_VIEW_APPLOOK_VS_2008));
        QCOMPARE(appliedApplicationLook(), int(ID_VIEW_APPLOOK_VS_2008));
        QCOMPARE(openAppSettings()->value(QStringLiteral("ApplicationLook")).toInt(), int(ID_VIEW_APPLOOK_VS_2008));
    }

    void userToolbarWithTwoCommandsSurvivesRestartAndRunsThem()
    {
        startFrame();
        QToolBar* made = frame_->userToolbars()->create(QStringLiteral("よく使う"));
        QVERIFY(made);
        insertToolbarCommand(made, frame_->commandAction(ID_BODE_ANALYSIS), nullptr);
        insertToolbarCommand(made, frame_->commandAction(ID_VIEW_STATUS_BAR), nullptr);
        const QString name = made->objectName();

        restartFrame();
        auto* restored = frame_->findChild<QToolBar*>(name);
        QVERIFY(restored);
        QVERIFY(restored->isVisible());
        QCOMPARE(restored->windowTitle(), QStringLiteral("よく使う"));
        QTest::mouseClick(restored->widgetForAction(frame_->commandAction(ID_BODE_ANALYSIS)), Qt::LeftButton);
        QVERIFY(runEnded(*frame_));
        QCOMPARE(frame_->outputWnd()->CompileOutput(), QStringLiteral("syntax: OK"));
        QTest::mouseClick(restored->widgetForAction(frame_->commandAction(ID_VIEW_STATUS_BAR)), Qt::LeftButton);
        QVERIFY(frame_->statusBar()->isHidden());
        QVERIFY(isCustomizeButton(restored->actions().last()));
        QVERIFY(isCustomizeButton(frame_->mainToolBar()->actions().last()));
    }

    void statusBarHiddenFromTheMenuStaysHiddenAfterRestart()
    {
        startFrame();
        frame_->commandAction(ID_VIEW_STATUS_BAR)->trigger();
        QVERIFY(frame_->statusBar()->isHidden());
        restartFrame();
        QVERIFY(frame_->statusBar()->isHidden());
        QVERIFY(!frame_->commandAction(ID_VIEW_STATUS_BAR)->isChecked());
        frame_->commandAction(ID_VIEW_STATUS_BAR)->trigger();
        restartFrame();
        QVERIFY(frame_->statusBar()->isVisible());
    }

    void customiseCommandOpensTheDialog()
    {
        startFrame();
        QAction* customize = frame_->commandAction(ID_VIEW_CUSTOMIZE);
        QVERIFY(customize->isEnabled());
        bool shown = false;
        QTimer::singleShot(0, this, [&shown] {
            if (auto* dialog = qobject_cast<CToolbarCustomizeDlg*>(QApplication::activeModalWidget())) {
                shown = true;
                dialog->reject();
            }
        });
        customize->trigger();
        QVERIFY(shown);
    }
};

QTEST_MAIN(MainFrameLooksAndToolbarsTest)
#include "main_frame_looks_and_toolbars_test.moc"
