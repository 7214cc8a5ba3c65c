#include <QApplication>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QtTest>

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
};

QTEST_MAIN(OutputPaneTest)
#include "output_pane_test.moc"
