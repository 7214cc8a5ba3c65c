#include "app/application_look.h"
#include "app/command_ids.h"

#include <QApplication>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

namespace {

const int kAllLooks[] = {ID_VIEW_APPLOOK_WIN_2000,      ID_VIEW_APPLOOK_OFF_XP,         ID_VIEW_APPLOOK_WIN_XP,
                         ID_VIEW_APPLOOK_OFF_2003,      ID_VIEW_APPLOOK_VS_2005,        ID_VIEW_APPLOOK_VS_2008,
                         ID_VIEW_APPLOOK_OFF_2007_BLUE, ID_VIEW_APPLOOK_OFF_2007_BLACK, ID_VIEW_APPLOOK_OFF_2007_SILVER,
                         ID_VIEW_APPLOOK_OFF_2007_AQUA};

// What a toolbar looks like in the look now in force.
QImage toolbarImage()
{
    QToolBar toolbar;
    toolbar.resize(120, 30);
    return toolbar.grab().toImage();
}

} // namespace

class ApplicationLookTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir directory_;

private slots:
    void storedLookOrTheDefault_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("look");
        QTest::newRow("missing") << QVariant() << int(ID_VIEW_APPLOOK_VS_2008);
        QTest::newRow("black") << QVariant(216) << int(ID_VIEW_APPLOOK_OFF_2007_BLACK);
        QTest::newRow("windows 2000") << QVariant(205) << int(ID_VIEW_APPLOOK_WIN_2000);
        QTest::newRow("between the ranges") << QVariant(212) << int(ID_VIEW_APPLOOK_VS_2008);
        QTest::newRow("not a number") << QVariant(QStringLiteral("black")) << int(ID_VIEW_APPLOOK_VS_2008);
    }

    void storedLookOrTheDefault()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, look);
        QSettings store(directory_.filePath(QStringLiteral("%1.ini").arg(QTest::currentDataTag())), QSettings::IniFormat);
        if (stored.isValid())
            store.setValue(QStringLiteral("ApplicationLook"), stored);
        QCOMPARE(readApplicationLook(store), look);
    }

    void everyLookRestylesTheApplicationItsOwnWay()
    {
        QSet<QRgb> windowColours;
        QList<QImage> toolbars;
        for (int look : kAllLooks) {
            applyApplicationLook(look);
            QCOMPARE(appliedApplicationLook(), look);
            QVERIFY(!QApplication::overrideCursor());
            windowColours.insert(QApplication::palette().window().color().rgb());
            const QImage toolbar = toolbarImage();
            QVERIFY2(!toolbars.contains(toolbar), qPrintable(QStringLiteral("look %1 repeats another").arg(look)));
            toolbars.append(toolbar);
        }
        QCOMPARE(windowColours.size(), int(std::size(kAllLooks)));
    }

    void anIdThatIsNoLookChangesNothing()
    {
        applyApplicationLook(ID_VIEW_APPLOOK_OFF_2007_AQUA);
        const QRgb window = QApplication::palette().window().color().rgb();
        applyApplicationLook(ID_VIEW_CUSTOMIZE);
        QCOMPARE(appliedApplicationLook(), int(ID_VIEW_APPLOOK_OFF_2007_AQUA));
        QCOMPARE(QApplication::palette().window().color().rgb(), window);
    }
};

QTEST_MAIN(ApplicationLookTest)
#include "application_look_test.moc"
