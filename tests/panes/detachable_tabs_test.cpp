// The output pane's tabs come off when dragged away from the tab bar, float as
// panes of their own, and go back to their place when those panes close.
#include <QDockWidget>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "panes/output_wnd.h"

namespace {

QStringList labelsOf(const QTabWidget* tabs)
{
    QStringList labels;
    for (int i = 0; i < tabs->count(); ++i)
        labels.append(tabs->tabText(i));
    return labels;
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint position, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, position, widget->mapToGlobal(position), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Presses on the tab and moves the mouse `offset` away from where it was pressed.
void dragTab(QTabBar* bar, int index, QPoint offset)
{
    const QPoint start = bar->tabRect(index).center();
    sendMouse(bar, QEvent::MouseButtonPress, start, Qt::LeftButton);
    sendMouse(bar, QEvent::MouseMove, start + offset, Qt::LeftButton);
    sendMouse(bar, QEvent::MouseButtonRelease, start + offset, Qt::NoButton);
}

}  // namespace

class DetachableTabsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = std::make_unique<QMainWindow>();
        pane_ = new COutputWnd(window_.get());
        window_->addDockWidget(Qt::BottomDockWidgetArea, pane_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void tabDraggedOffFloatsAsItsOwnPaneAndComesBackInPlaceWhenClosed()
    {
        QTabWidget* tabs = pane_->tabs();
        dragTab(tabs->tabBar(), 1, QPoint(0, -200));
        QCOMPARE(labelsOf(tabs), (QStringList{"コンパイル", "グラフデータ", "読み取り値"}));
        auto* floating = window_->findChild<QDockWidget*>(QStringLiteral("DetachedTab1"));
        QVERIFY(floating);
        QVERIFY(floating->isFloating());
        QVERIFY(floating->isVisible());
        QCOMPARE(floating->windowTitle(), QStringLiteral("内部コード"));
        QCOMPARE(floating->widget(), pane_->codeList());

        dragTab(tabs->tabBar(), 1, QPoint(0, -200));
        QCOMPARE(labelsOf(tabs), (QStringList{"コンパイル", "読み取り値"}));

        floating->close();
        QCOMPARE(labelsOf(tabs), (QStringList{"コンパイル", "内部コード", "読み取り値"}));
        QCOMPARE(tabs->currentWidget(), pane_->codeList());
        QTRY_VERIFY(!window_->findChild<QDockWidget*>(QStringLiteral("DetachedTab1")));
        window_->findChild<QDockWidget*>(QStringLiteral("DetachedTab2"))->close();
        QCOMPARE(labelsOf(tabs), (QStringList{"コンパイル", "内部コード", "グラフデータ", "読み取り値"}));
    }

    void dragAlongTheTabBarKeepsTheTab()
    {
        QTabWidget* tabs = pane_->tabs();
        dragTab(tabs->tabBar(), 0, QPoint(30, 0));
        QCOMPARE(tabs->count(), 4);
        QVERIFY(!window_->findChild<QDockWidget*>(QStringLiteral("DetachedTab0")));
    }

    void detachedListStillShowsWhatTheRunsWrite()
    {
        dragTab(pane_->tabs()->tabBar(), 2, QPoint(0, -200));
        pane_->ShowResultListing(Listing{{{"t", 80}, {"f(t)", 80}}, {{"0.1", "1"}}});
        QCOMPARE(pane_->resultList()->rowCount(), 1);
        QVERIFY(pane_->resultList()->isVisible());
    }

private:
    std::unique_ptr<QMainWindow> window_;
    COutputWnd* pane_ = nullptr;
};

QTEST_MAIN(DetachableTabsTest)
#include "detachable_tabs_test.moc"
