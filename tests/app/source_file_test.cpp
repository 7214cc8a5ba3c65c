// Program sources between the editor and files: code page 932 on disk, nothing lost.
#include <QDir>
#include <QDropEvent>
#include <QPlainTextEdit>
#include <QMimeData>
#include <QFile>
#include <QTest>
#include <sys/stat.h>

#include "app/brenno_doc.h"
#include "app/main_frame.h"
#include "app_test_support.h"
#include "lang/workareas.h"
#include "tests/support/file_bytes.h"
#include "panes/edit_text_wnd.h"
#include "panes/output_wnd.h"
#include "view/brenno_view.h"
#include "view/source_file_io.h"

namespace {

// A Japanese comment line repeated past 4096 bytes in code page 932.
QString longJapaneseProgram()
{
    QString text = QStringLiteral("H(s) = 1/(s+1);\r\nPROBE H(s);\r\n");
    while (text.toUtf8().size() < 9000)
        text += QStringLiteral("/* 一次遅れ要素の周波数応答を調べる ｶﾀｶﾅ ① */\r\n");
    return text;
}

}  // namespace

class SourceFileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useTemporarySettings(settingsDir_); }
    void init() { frame_ = std::make_unique<CMainFrame>(); }
    void cleanup() { frame_.reset(); }

    void savedSampleReopensUnchanged()
    {
        const QString sample = editor()->Text();
        const QString path = dir_.filePath("sample.txt");
        QString error;
        QVERIFY2(writeSourceFile(path, sample, error), qPrintable(error));
        QCOMPARE(bytesOf(path), sample.toLatin1());

        editor()->SetText(QStringLiteral("changed"));
        QCOMPARE(frame_->document()->OpenDocumentFile(path), OpenOutcome::Opened);
        QCOMPARE(editor()->Text(), sample);
    }

    void japaneseTextIsWrittenInCodePage932AndReadBack()
    {
        const QString text = longJapaneseProgram();
        const QString path = dir_.filePath("japanese.txt");
        QString error;
        QVERIFY2(writeSourceFile(path, text, error), qPrintable(error));
        const QByteArray bytes = bytesOf(path);
        QVERIFY(bytes.size() > 4096);
        QVERIFY(bytes.contains(QByteArray("\x88\xea\x8e\x9f", 4)));  // 一次
        QVERIFY(bytes.contains(QByteArray("\xb6\xc0\xb6\xc5", 4)));  // ｶﾀｶﾅ as single bytes
        QCOMPARE(frame_->document()->OpenDocumentFile(path), OpenOutcome::Opened);
        QCOMPARE(editor()->Text(), text);
    }

    // A round trip of each kind of character, as the user saves and opens.
    void savedFilesReopenAsWritten_data()
    {
        QTest::addColumn<QString>("characters");
        QTest::newRow("ASCII") << QStringLiteral("H(s) = 1/(s+1); ~\\ {}");
        // Saved, the whole file is also valid UTF-8 (ﾃｽ is 0xC3 0xBD).
        QTest::newRow("half-width katakana in pairs") << QStringLiteral("ﾃｽ ﾆｬ ﾐｯ ﾏｲ");
        QTest::newRow("half-width katakana")
            << QStringLiteral("｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝﾞﾟ");
        QTest::newRow("JIS level 1 kanji") << QStringLiteral("亜一次遅れ要素腕");
        QTest::newRow("JIS level 2 kanji") << QStringLiteral("弌丐丕个丱熙");
        QTest::newRow("NEC special characters") << QStringLiteral("①⑳ⅠⅩ㍉㌔㎜㈱№℡∮∟⊿");
        QTest::newRow("IBM extensions") << QStringLiteral("ⅰⅹ￢￤＇＂纊褜鍈銈黑");
        QTest::newRow("symbols") << QStringLiteral("、。〃仝々〆〇ー―‐／＼～∥｜…‥‘’“”（）〔〕［］｛｝〈〉《》「」『』【】＋－±×÷＝≠＜＞≦≧∞∴♂♀°′″℃￥＄￠￡％＃＆＊＠§☆★○●◎◇◆□■△▲▽▼※〒→←↑↓〓∈∋⊆⊇⊂⊃∪∩∧∨￢⇒⇔∀∃∠⊥⌒∂∇≡≒≪≫√∽∝∵∫∬\u212B‰♯♭♪†‡¶◯");
        QTest::newRow("Greek, Cyrillic, full-width") << QStringLiteral("ΑΩαωАЯаяＡｚ０９ぁんァヶ");
    }

    void savedFilesReopenAsWritten()
    {
        QFETCH(QString, characters);
        const QString text = QStringLiteral("PROBE 1;\r\n/* ") + characters + QStringLiteral(" */\r\n");
        const QString path = dir_.filePath("round trip.txt");
        QString error;
        QVERIFY2(writeSourceFile(path, text, error), qPrintable(error));
        editor()->SetText(QString());
        QCOMPARE(frame_->document()->OpenDocumentFile(path), OpenOutcome::Opened);
        QCOMPARE(editor()->Text(), text);
    }

    // Files from other editors: where their bytes tell them apart.
    void utf8FileIsReadAsUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QString program = QStringLiteral("/* 伝達関数 */\r\nPROBE 1;\r\n");
        QTest::newRow("line feeds") << QString(program).remove('\r').toUtf8() << program;
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + program.toUtf8() << program;
    }

    void utf8FileIsReadAsUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const QString path = dir_.filePath("utf8.txt");
        QVERIFY(writeBytes(path, bytes));
        QCOMPARE(frame_->document()->OpenDocumentFile(path), OpenOutcome::Opened);
        QCOMPARE(editor()->Text(), text);
    }

    void textLongerThanTheSourceBufferIsSavedWhole()
    {
        const QString text = QString(QStringLiteral("/* padding */\r\n")).repeated(2000);
        QVERIFY(text.size() > 16381);
        const QString path = dir_.filePath("long.txt");
        QString error;
        QVERIFY2(writeSourceFile(path, text, error), qPrintable(error));
        QCOMPARE(bytesOf(path), text.toLatin1());
    }

    void unrepresentableCharacterStopsTheSaveAndKeepsTheFile()
    {
        QTemporaryDir alone;
        const QString path = alone.filePath("kept.txt");
        QVERIFY(writeBytes(path, "old contents"));
        QString error;
        QVERIFY(!writeSourceFile(path, QStringLiteral("PROBE 1;\r\n/* \U0001F600 */\r\n"), error));
        QVERIFY2(error.contains(QStringLiteral("\U0001F600")), qPrintable(error));
        QVERIFY2(error.contains(QStringLiteral("line 2")), qPrintable(error));
        QCOMPARE(bytesOf(path), QByteArray("old contents"));
        QCOMPARE(QDir(alone.path()).entryList(QDir::Files), QStringList{"kept.txt"});
    }

    void saveIntoMissingFolderReportsIt()
    {
        QString error;
        QVERIFY(!writeSourceFile(dir_.filePath("no/such/folder/x.txt"), QStringLiteral("PROBE 1;"), error));
        QVERIFY2(error.startsWith(QStringLiteral("Couldn't open destination file: ")), qPrintable(error));
    }

    void unreadableFileLeavesTheEditorUnchanged_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << "missing.txt" << "No such file or directory";
        QTest::newRow("folder") << "folder" << "Is a directory";
        QTest::newRow("pipe") << "pipe" << "a pipe, not a program file";
        QTest::newRow("endless device") << "/dev/zero" << "a device, not a program file";
        QTest::newRow("over 4 MiB") << "large.txt" << "larger than 4194304 bytes, not a program text";
    }

    // Refused at once, without reading a pipe or a device, and without a question.
    void unreadableFileLeavesTheEditorUnchanged()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        QDir(dir_.path()).mkdir(QStringLiteral("folder"));
        mkfifo(QFile::encodeName(dir_.filePath("pipe")).constData(), 0600);
        QFile large(dir_.filePath("large.txt"));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(4 * 1024 * 1024 + 1));
        const QString before = editor()->Text();
        workAreas.codeCount = 5;
        MessageBoxAnswer answer(QMessageBox::Ok);
        const QString file = QDir(dir_.path()).filePath(path);
        QCOMPARE(frame_->document()->OpenDocumentFile(file), OpenOutcome::Failed);
        QVERIFY(answer.shown());
        QCOMPARE(answer.text(), "Couldn't open source file: " + reason);
        QCOMPARE(answer.informativeText(), QDir::toNativeSeparators(file));
        QCOMPARE(answer.icon(), QMessageBox::Critical);
        QCOMPARE(editor()->Text(), before);
        QCOMPARE(workAreas.codeCount, 5);
        QCOMPARE(frame_->windowTitle(), QStringLiteral(" - Brenno"));
    }

    void openedDocumentNamesTheWindowAndDropsTheCode()
    {
        const QString path = dir_.filePath("first order.txt");
        QVERIFY(writeBytes(path, "H(s) = 1/(s+1);\r\nPROBE H(s);\r\n"));
        workAreas.codeCount = 5;
        QCOMPARE(frame_->document()->OpenDocumentFile(path), OpenOutcome::Opened);
        QCOMPARE(frame_->windowTitle(), QStringLiteral("first order.txt - Brenno"));
        QCOMPARE(editor()->Text(), QStringLiteral("H(s) = 1/(s+1);\r\nPROBE H(s);\r\n"));
        QCOMPARE(workAreas.codeCount, 0);
    }

    // Wherever they land: the editor and the compile output would otherwise
    // insert their addresses as text.
    void droppedFilesOpenInTurnAndTheLastStays_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("editor") << "editor";
        QTest::newRow("compile output") << "compile output";
        QTest::newRow("main window") << "main window";
    }

    void droppedFilesOpenInTurnAndTheLastStays()
    {
        QFETCH(QString, target);
        QWidget* on = target == "editor"           ? editor()->editor()->viewport()
                      : target == "compile output" ? frame_->outputWnd()->compileEdit()->viewport()
                                                   : static_cast<QWidget*>(frame_.get());
        const QString first = dir_.filePath("first.txt");
        const QString second = dir_.filePath("second.txt");
        QVERIFY(writeBytes(first, "PROBE 1;\r\n"));
        QVERIFY(writeBytes(second, "PROBE 2;\r\n"));
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
        const QString compileText = frame_->outputWnd()->CompileOutput();
        QVERIFY(drop(on, files));
        QCOMPARE(editor()->Text(), QStringLiteral("PROBE 2;\r\n"));
        QCOMPARE(frame_->windowTitle(), QStringLiteral("second.txt - Brenno"));
        QCOMPARE(frame_->outputWnd()->CompileOutput(), compileText);
    }

    // Text dragged within the editor still moves as text.
    void droppedTextGoesIntoTheEditor()
    {
        QMimeData text;
        text.setText(QStringLiteral("PROBE 3;"));
        drop(editor()->editor()->viewport(), text);
        QVERIFY(editor()->Text().contains(QStringLiteral("PROBE 3;")));
        QCOMPARE(frame_->windowTitle(), QStringLiteral("* - Brenno"));
    }

private:
    CEditTextWnd* editor() const { return frame_->editTextWnd(); }

    // A drag that enters the widget and is dropped there, as the window system delivers it.
    static bool drop(QWidget* on, const QMimeData& data)
    {
        const QPoint at(10, 10);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(on, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(on, &drop);
        return enter.isAccepted() && drop.isAccepted();
    }

    QTemporaryDir settingsDir_;
    QTemporaryDir dir_;
    std::unique_ptr<CMainFrame> frame_;
};

QTEST_MAIN(SourceFileTest)
#include "source_file_test.moc"
