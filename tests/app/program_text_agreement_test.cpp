// A program file compiles the same in the editor and in brenno-cli: the same
// text (encoding, line ends), the same cut at 16381 bytes, the same messages.
#include <QProcess>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTest>

#include "app/brenno_doc.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app_test_support.h"
#include "lang/editor_text.h"
#include "lang/source_encoding.h"
#include "panes/edit_text_wnd.h"
#include "panes/output_wnd.h"
#include "tests/support/file_bytes.h"
#include "tests/support/run_end.h"

namespace {

// Comment lines up to about size bytes, then a second function and probe;
// whether these last two lines are compiled depends on the exact cut.
QByteArray paddedProgram(const QByteArray& lineEnd, const QByteArray& comment, int size)
{
    QByteArray text = "H(s) = 1/(s+1);" + lineEnd + "PROBE H(s);" + lineEnd;
    while (text.size() < size)
        text += "/* " + comment + " */" + lineEnd;
    return text + "G(s) = 2/(s+1);" + lineEnd + "PROBE G(s);" + lineEnd;
}

QString listingText(const QTableWidget* list)
{
    QString text;
    for (int row = 0; row < list->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column)
            cells.append(list->item(row, column) ? list->item(row, column)->text() : QString());
        text += cells.join('\t') + '\n';
    }
    return text;
}

struct Compiled {
    QString message;
    QString code;  // the internal-code listing, without its headings
};

QString withoutCarriageReturns(QString text)
{
    return text.remove('\r').trimmed();
}

}  // namespace

class ProgramTextAgreementTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useTemporarySettings(settingsDir_); }

    void editorHoldsTheTextTheBatchCommandCompiles()
    {
        // Pieces the editor could change: every kind of line end, the
        // separators, spaces and control characters, Japanese text.
        const QByteArray pieces[] = {"\r\n", "\r", "\n", "\n\r", "\xE2\x80\xA8", "\xE2\x80\xA9", "\xC2\xA0",
                                     "\t", "\x0c", "\x0b", "\xC2\x85", " ", "a", "(s)", "\xE4\xBC\x9D",
                                     "\xEF\xBD\xB6", "\x88\xEA", "\xEF\xBB\xBF", "\x80", "\xEF\xBF\xBC"};
        CEditTextWnd editor;
        QRandomGenerator random(10);
        for (int trial = 0; trial < 2000; ++trial) {
            QByteArray bytes = trial % 2 ? "\xEF\xBB\xBF" : "";
            for (int i = random.bounded(12); i >= 0; --i)
                bytes += pieces[random.bounded(int(std::size(pieces)))];
            const std::string raw = bytes.toStdString();
            editor.SetText(QString::fromStdString(programFileText(raw)));
            QVERIFY2(editor.Text().toStdString() == editorTextOf(raw), bytes.toHex(' ').constData());
        }
    }

    void sameFileCompilesTheSame_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray kanji = "\xE4\xB8\x80\xE6\xAC\xA1";  // 一次, two bytes each in code page 932
        QTest::newRow("line feeds, last probe just past the cut") << paddedProgram("\n", "pad", 15500);
        QTest::newRow("line feeds, last probe just inside") << paddedProgram("\n", "pad", 14600);
        QTest::newRow("carriage returns") << paddedProgram("\r", "pad", 15500);
        QTest::newRow("UTF-8 with a byte-order mark, kanji at the cut")
            << "\xEF\xBB\xBF" + paddedProgram("\n", kanji + kanji, 15300);
        QTest::newRow("code page 932, CR LF") << paddedProgram("\r\n", "\x88\xEA\x8E\x9F", 16300);
        QTest::newRow("separators and no-break spaces")
            << paddedProgram("\xE2\x80\xA8", "\xC2\xA0", 100) + "\n";
    }

    void sameFileCompilesTheSame()
    {
        QFETCH(QByteArray, bytes);
        const QString path = dir_.filePath("program.txt");
        QVERIFY(writeBytes(path, bytes));
        const Compiled app = compileInTheApplication(path);
        const Compiled cli = compileInTheBatchCommand(path);
        QCOMPARE(cli.message, app.message);
        QCOMPARE(cli.code, app.code);
        QVERIFY(!app.code.isEmpty());
    }

    void longProgramSaysWhatWasCompiled()
    {
        const QString path = dir_.filePath("long.txt");
        QVERIFY(writeBytes(path, paddedProgram("\r\n", "pad", 17000)));
        QCOMPARE(compileInTheApplication(path).message,
                 QStringLiteral("syntax: OK\nnote: only the first 16381 bytes of the program were compiled"));
        QVERIFY(writeBytes(path, paddedProgram("\r\n", "pad", 16000)));
        QCOMPARE(compileInTheApplication(path).message, QStringLiteral("syntax: OK"));
    }

private:
    Compiled compileInTheApplication(const QString& path)
    {
        CMainFrame frame;
        if (frame.document()->OpenDocumentFile(path) != OpenOutcome::Opened)
            return {};
        frame.OnCommand(ID_BODE_ANALYSIS);
        if (!runEnded(frame))
            return {};
        COutputWnd* output = frame.outputWnd();
        return {withoutCarriageReturns(output->CompileOutput()), listingText(output->codeList())};
    }

    static Compiled compileInTheBatchCommand(const QString& path)
    {
        QProcess cli;
        cli.start(QStringLiteral(BRENNO_CLI), {"bode", "--code", path});
        cli.waitForFinished(60000);
        QString code = QString::fromUtf8(cli.readAllStandardOutput());
        code.remove(0, code.indexOf('\n') + 1);
        return {withoutCarriageReturns(QString::fromUtf8(cli.readAllStandardError())), code};
    }

    QTemporaryDir settingsDir_;
    QTemporaryDir dir_;
};

QTEST_MAIN(ProgramTextAgreementTest)
#include "program_text_agreement_test.moc"
