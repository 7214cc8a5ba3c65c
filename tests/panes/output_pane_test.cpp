#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QtTest>

#include "panes/listing_table.h"
#include "panes/output_wnd.h"

class OutputPaneTest : public QObject {
    Q_OBJECT
private slots:
    // The regular interface font's family, at four fifths of the menu font's
    // height and weight, on the edit and both lists.
    void fontIsTheInterfaceFontSizedFromTheMenuFont()
    {
        const QFont savedInterface = QApplication::font();
        const QFont savedMenu = QApplication::font("QMenu");
        QFont interfaceFont("Serif");
        interfaceFont.setPixelSize(20);
        QFont menuFont("Monospace");
        menuFont.setPixelSize(14);
        menuFont.setWeight(QFont::Bold);
        menuFont.setItalic(true);
        QApplication::setFont(interfaceFont);
        QApplication::setFont(menuFont, "QMenu");

        const COutputWnd pane;
        const QList<QWidget*> controls{pane.compileEdit(), pane.codeList(), pane.resultList()};
        for (const QWidget* control : controls) {
            QCOMPARE(control->font().family(), interfaceFont.family());
            QCOMPARE(control->font().pixelSize(), 11);  // 14 * 4 / 5, truncated
            QCOMPARE(control->font().weight(), 560);    // 700 * 4 / 5
            QVERIFY(control->font().italic());
        }

        QApplication::setFont(savedMenu, "QMenu");
        QApplication::setFont(savedInterface);
    }

    // Ctrl+C in a list copies the selected rows, not the current cell.
    void ctrlCCopiesTheSelectedRowsTabSeparated()
    {
        COutputWnd pane;
        pane.ShowResultListing(Listing{{{"No.", 40}, {"t", 80}, {"f(t)", 80}, {"", 80}},
                                       {{"1", "0.1", "0.5", ""}, {"2", "0.2", "0.6", ""}, {"3", "0.3", "0.7", ""}}});
        auto* list = qobject_cast<ListingTable*>(pane.resultList());
        QVERIFY(list);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        list->setFocus();
        list->selectRow(2);
        list->selectionModel()->select(list->model()->index(0, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("1\t0.1\t0.5\t\n3\t0.3\t0.7\t\n"));
    }
};

QTEST_MAIN(OutputPaneTest)
#include "output_pane_test.moc"
