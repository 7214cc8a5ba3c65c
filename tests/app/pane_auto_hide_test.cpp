// Auto-hide: an unpinned pane waits behind a tab at its edge, slides in over
// the view when its tab is clicked, slides out when the focus leaves it, and
// docks again when pinned; the choice is kept across a restart.
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include "app/app_settings.h"
#include "app/auto_hide_area.h"
#include "app/auto_hide_side_bar.h"
#include "app/main_frame.h"
#include "app/pane_title_bar.h"
#include "app_test_support.h"
#include "panes/edit_text_wnd.h"
#include "panes/output_wnd.h"
#include "panes/properties_wnd_bode.h"
#include "panes/properties_wnd_filt.h"
#include "view/brenno_view.h"

namespace {

PaneTitleBar* titleBar(QDockWidget* pane) { return qobject_cast<PaneTitleBar*>(pane->titleBarWidget()); }

void clickPin(QDockWidget* pane) { QTest::mouseClick(titleBar(pane)->pinButton(), Qt::LeftButton); }

}  // namespace

class PaneAutoHideTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useTemporarySettings(settingsDir_); }
    void init()
    {
        openAppSettings()->clear();
        startFrame();
    }
    void cleanup() { frame_.reset(); }

    void everyPaneHasAPinAndDockedPanesShowNoTabs()
    {
        for (QDockWidget* pane : panes()) {
            QVERIFY(titleBar(pane));
            QVERIFY(titleBar(pane)->pinButton()->isVisible());
            QVERIFY(titleBar(pane)->isPinned());
        }
        for (Qt::DockWidgetArea side : {Qt::LeftDockWidgetArea, Qt::RightDockWidgetArea, Qt::TopDockWidgetArea,
                                        Qt::BottomDockWidgetArea})
            QVERIFY(area()->sideBar(side)->isHidden());
    }

    void unpinnedPaneLeavesItsDockForATabAtItsEdge()
    {
        CPropertiesWndBODE* bode = frame_->propertiesWndBode();
        const int filtHeight = frame_->propertiesWndFilt()->height();
        clickPin(bode);
        QVERIFY(area()->isAutoHidden(bode));
        QVERIFY(bode->isHidden());
        QCOMPARE(frame_->dockWidgetArea(bode), Qt::NoDockWidgetArea);
        AutoHideTab* tab = area()->sideBar(Qt::RightDockWidgetArea)->tabOf(bode);
        QVERIFY(tab);
        QVERIFY(tab->isVisible());
        QCOMPARE(tab->text(), QStringLiteral("BODE 設定"));
        QVERIFY(tab->height() > tab->width());  // upright along the right edge
        QTRY_VERIFY(frame_->propertiesWndFilt()->height() > filtHeight);  // the right edge is the FILT pane's alone
    }

    void clickedTabSlidesThePaneInUntilTheFocusLeaves()
    {
        COutputWnd* output = frame_->outputWnd();
        clickPin(output);
        AutoHideTab* tab = area()->sideBar(Qt::BottomDockWidgetArea)->tabOf(output);
        QVERIFY(tab);

        QTest::mouseClick(tab, Qt::LeftButton);
        QCOMPARE(area()->shownPane(), output);
        QVERIFY(output->isVisible());
        const QRect view = frame_->view()->geometry();
        QTRY_COMPARE(output->geometry().bottom(), view.bottom());
        QCOMPARE(output->geometry().left(), view.left());
        QCOMPARE(output->width(), view.width());
        QVERIFY(output->isAncestorOf(QApplication::focusWidget()));

        frame_->view()->setFocus();
        QTRY_VERIFY(!area()->shownPane());
        QTRY_VERIFY(output->isHidden());
    }

    void pinnedAgainThePaneDocksAtItsEdge()
    {
        CPropertiesWndBODE* bode = frame_->propertiesWndBode();
        clickPin(bode);
        QTest::mouseClick(area()->sideBar(Qt::RightDockWidgetArea)->tabOf(bode), Qt::LeftButton);
        QTRY_VERIFY(bode->isVisible());
        clickPin(bode);
        QVERIFY(!area()->isAutoHidden(bode));
        QVERIFY(bode->isVisible());
        QCOMPARE(frame_->dockWidgetArea(bode), Qt::RightDockWidgetArea);
        QVERIFY(titleBar(bode)->isPinned());
        QVERIFY(area()->sideBar(Qt::RightDockWidgetArea)->isHidden());
        QVERIFY(titleBar(bode)->floatButton()->isVisible());
    }

    void closingAHiddenPaneDocksItClosedSoThePaneListBringsItBack()
    {
        CPropertiesWndBODE* bode = frame_->propertiesWndBode();
        clickPin(bode);
        QTest::mouseClick(area()->sideBar(Qt::RightDockWidgetArea)->tabOf(bode), Qt::LeftButton);
        QTest::mouseClick(titleBar(bode)->closeButton(), Qt::LeftButton);
        QVERIFY(!area()->isAutoHidden(bode));
        QVERIFY(bode->isHidden());
        bode->toggleViewAction()->trigger();
        QVERIFY(bode->isVisible());
        QCOMPARE(frame_->dockWidgetArea(bode), Qt::RightDockWidgetArea);
    }

    void hiddenPanesStayHiddenAfterRestart()
    {
        clickPin(frame_->propertiesWndBode());
        clickPin(frame_->outputWnd());
        frame_->close();
        startFrame();
        QVERIFY(area()->isAutoHidden(frame_->propertiesWndBode()));
        QVERIFY(area()->sideBar(Qt::RightDockWidgetArea)->tabOf(frame_->propertiesWndBode()));
        QVERIFY(area()->isAutoHidden(frame_->outputWnd()));
        QVERIFY(area()->sideBar(Qt::BottomDockWidgetArea)->tabOf(frame_->outputWnd()));
        QVERIFY(!area()->isAutoHidden(frame_->propertiesWndFilt()));
        QVERIFY(frame_->propertiesWndFilt()->isVisible());
    }

private:
    void startFrame()
    {
        frame_ = std::make_unique<CMainFrame>();
        frame_->show();
        frame_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    }

    AutoHideArea* area() const { return qobject_cast<AutoHideArea*>(frame_->centralWidget()); }

    QList<QDockWidget*> panes() const
    {
        return {frame_->outputWnd(), frame_->propertiesWndBode(), frame_->propertiesWndFilt(),
                frame_->editTextWnd()};
    }

    QTemporaryDir settingsDir_;
    std::unique_ptr<CMainFrame> frame_;
};

QTEST_MAIN(PaneAutoHideTest)
#include "pane_auto_hide_test.moc"
