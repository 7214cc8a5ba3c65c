// Saving on a full disk, as the user does it from the menus: the old file stays
// byte for byte, no temporary file is left, and the message names the file
// and the reason.
#include <QDir>
#include <QTest>

#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app_test_support.h"
#include "tests/support/file_bytes.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/run_end.h"

class FailedSavesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        useTemporarySettings(settingsDir_);
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");  // the start of the box's text
        QTest::newRow("program source") << int(ID_FILE_SAVE) << "source.txt"
                                        << "Couldn't write destination file: File too large";
        QTest::newRow("graph image") << int(ID_SAVE_GRAPH_IMAGE) << "graph.png" << "Save image failed:\n80004005";
        QTest::newRow("graph data") << int(ID_SAVE_GRAPH_CSV) << "graph.csv" << "Couldn't write ";
    }

    void fullDiskKeepsTheOldFile()
    {
        QFETCH(int, command);
        QFETCH(QString, name);
        QFETCH(QString, message);
        CMainFrame frame;
        frame.OnCommand(ID_BODE_ANALYSIS);
        QVERIFY(runEnded(frame));
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        const QByteArray old = "what the user saved before\r\n";
        QVERIFY(writeBytes(path, old));

        onNextDialog<QFileDialog>([path](QFileDialog* dialog) { acceptFileDialog(dialog, path); });
        MessageBoxAnswer overwrite(QMessageBox::Yes);
        MessageBoxAnswer box(QMessageBox::Ok);
        {
            FileSizeLimit fullDisk(16);
            frame.OnCommand(command);
        }

        QVERIFY(overwrite.shown());
        QVERIFY(box.shown());
        QCOMPARE(box.icon(), QMessageBox::Critical);
        QVERIFY2(box.text().startsWith(message), qPrintable(box.text()));
        const QString shown = box.text() + "\n" + box.informativeText();
        QVERIFY2(shown.contains(path) && shown.contains("File too large"), qPrintable(shown));
        QCOMPARE(bytesOf(path), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    }

private:
    QTemporaryDir settingsDir_;
};

QTEST_MAIN(FailedSavesTest)
#include "failed_saves_test.moc"
