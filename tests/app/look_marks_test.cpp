// In every look the marks and small images stay visible: the radio dot of the
// chosen entry in a menu (a dot, not a tick, in the classic look too) and the
// branches of the settings panes' "expand all" image on their toolbar.
#include <QActionGroup>
#include <QCursor>
#include <QMenu>
#include <QTest>

#include "app/application_look.h"
#include "app/command_ids.h"
#include "panes/property_grid_pane.h"

namespace {

const int kAllLooks[] = {ID_VIEW_APPLOOK_WIN_2000,      ID_VIEW_APPLOOK_OFF_XP,         ID_VIEW_APPLOOK_WIN_XP,
                         ID_VIEW_APPLOOK_OFF_2003,      ID_VIEW_APPLOOK_VS_2005,        ID_VIEW_APPLOOK_VS_2008,
                         ID_VIEW_APPLOOK_OFF_2007_BLUE, ID_VIEW_APPLOOK_OFF_2007_BLACK, ID_VIEW_APPLOOK_OFF_2007_SILVER,
                         ID_VIEW_APPLOOK_OFF_2007_AQUA};

constexpr int kStrongContrast = 100;

int lightnessGap(QRgb a, QRgb b) { return std::abs(qGray(a) - qGray(b)); }

// The pixels where two equally sized images differ clearly, as a set of points.
QList<QPoint> differences(const QImage& a, const QImage& b)
{
    QList<QPoint> points;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (lightnessGap(a.pixel(x, y), b.pixel(x, y)) > 40)
                points.append(QPoint(x, y));
    return points;
}

// A dot fills most of a square about it (a circle three quarters); a tick is long and thin.
bool isDot(const QList<QPoint>& points)
{
    QRect box;
    for (const QPoint& p : points)
        box |= QRect(p, QSize(1, 1));
    const double aspect = double(box.width()) / box.height();
    return aspect > 0.7 && aspect < 1.4 && points.size() >= box.width() * box.height() * 0.55;
}

// Pixels of the image's branches (right of and below its box) that stand out
// from the button's own colour, in the image at the middle of the button.
int branchPixels(const QImage& button)
{
    const QPoint origin((button.width() - 16) / 2, (button.height() - 16) / 2);
    const QRgb background = button.pixel(2, button.height() / 2);
    int count = 0;
    for (int y = 9; y < 16; ++y)
        for (int x = 9; x < 16; ++x)
            if (lightnessGap(button.pixel(origin + QPoint(x, y)), background) >= kStrongContrast / 2)
                ++count;
    return count;
}

}  // namespace

class LookMarksTest : public QObject {
    Q_OBJECT

private slots:
    // The mouse away from where the menus and toolbars show, so that nothing is lit.
    void init() { QCursor::setPos(0, 0); }

    void chosenMenuEntryShowsAVisibleDot_data()
    {
        QTest::addColumn<int>("look");
        for (int look : kAllLooks)
            QTest::newRow(qPrintable(QString::number(look))) << look;
    }

    // Two entries alike but for the mark: where their images differ is the mark.
    void chosenMenuEntryShowsAVisibleDot()
    {
        QFETCH(int, look);
        applyApplicationLook(look);
        QMenu menu;
        QActionGroup group(&menu);
        QAction* chosen = group.addAction(QStringLiteral("Office 2007"));
        QAction* other = group.addAction(QStringLiteral("Office 2007"));
        for (QAction* action : {chosen, other}) {
            action->setCheckable(true);
            menu.addAction(action);
        }
        chosen->setChecked(true);
        menu.popup(QPoint(300, 300));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        const QImage image = menu.grab().toImage();
        // Inside the menu's frame, which some looks count into the first and last entries.
        const QImage marked = image.copy(menu.actionGeometry(chosen).adjusted(2, 2, -2, -2));
        const QImage plain = image.copy(menu.actionGeometry(other).adjusted(2, 2, -2, -2));

        const QList<QPoint> mark = differences(marked, plain);
        QVERIFY2(mark.size() >= 6, "no mark");
        int strongest = 0;
        for (const QPoint& p : mark)
            strongest = std::max(strongest, lightnessGap(marked.pixel(p), plain.pixel(p)));
        QVERIFY2(strongest >= kStrongContrast, qPrintable(QStringLiteral("mark too faint: %1").arg(strongest)));
        QVERIFY2(isDot(mark), "the mark is no dot");
    }

    void expandAllBranchesShowOnTheToolbar_data() { chosenMenuEntryShowsAVisibleDot_data(); }

    void expandAllBranchesShowOnTheToolbar()
    {
        QFETCH(int, look);
        applyApplicationLook(look);
        PropertiesToolBar toolBar(QIcon(), QString(), nullptr);
        toolBar.move(300, 300);
        toolBar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&toolBar));
        QWidget* button = toolBar.widgetForAction(toolBar.expandAllAction());
        const int resting = branchPixels(toolBar.grab(button->geometry()).toImage());
        QVERIFY2(resting >= 4, qPrintable(QStringLiteral("branches barely visible: %1").arg(resting)));

        // Pointed at, the button lights up in the look's (light) hot colour.
        QTest::mouseMove(button);
        QTRY_VERIFY(button->underMouse());
        const int pointedAt = branchPixels(toolBar.grab(button->geometry()).toImage());
        QVERIFY2(pointedAt >= 4, qPrintable(QStringLiteral("branches barely visible when pointed at: %1").arg(pointedAt)));
    }
};

QTEST_MAIN(LookMarksTest)
#include "look_marks_test.moc"
