#include <QtTest>

#include <QPrinter>
#include <QTemporaryDir>

#include <optional>

#include "tests/support/file_bytes.h"
#include "tests/support/file_size_limit.h"
#include "view/graph_drawing.h"
#include "view/graph_printout.h"
#include "tests/view/bode_view_with_curve.h"

namespace {

// A printer as the print dialog leaves it after "print to file".
void printIntoFile(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

}  // namespace

class GraphPrintoutTest : public QObject {
    Q_OBJECT

private slots:
    void printoutIntoAFileReplacesTheOldOneWhole();
    void failedPrintoutLeavesTheOldFileAndNamesIt_data();
    void failedPrintoutLeavesTheOldFileAndNamesIt();
};

void GraphPrintoutTest::printoutIntoAFileReplacesTheOldOneWhole()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("graph.pdf");
    QVERIFY(writeBytes(path, "old printout"));
    QPrinter printer;
    printIntoFile(printer, path);
    QString failure;
    QVERIFY(printGraph(printer, viewWithCurve(), GraphFonts{}, failure));
    const QByteArray pdf = bytesOf(path);
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"graph.pdf"});
}

void GraphPrintoutTest::failedPrintoutLeavesTheOldFileAndNamesIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full disk") << "graph.pdf" << true << "File too large";
    QTest::newRow("missing folder") << "no/such/graph.pdf" << false << "No such file or directory";
}

void GraphPrintoutTest::failedPrintoutLeavesTheOldFileAndNamesIt()
{
    QFETCH(QString, name);
    QFETCH(bool, diskFull);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString old = folder.filePath("graph.pdf");
    QVERIFY(writeBytes(old, "old printout"));
    const QString path = folder.filePath(name);
    QPrinter printer;
    printIntoFile(printer, path);
    QString failure;
    {
        std::optional<FileSizeLimit> limit;
        if (diskFull)
            limit.emplace(64);
        QVERIFY(!printGraph(printer, viewWithCurve(), GraphFonts{}, failure));
    }
    QCOMPARE(failure, QString("Couldn't write %1: %2").arg(path, reason));
    QCOMPARE(bytesOf(old), QByteArray("old printout"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"graph.pdf"});
}

QTEST_MAIN(GraphPrintoutTest)
#include "graph_printout_test.moc"
