// Unsaved edits of the program source are never lost without a question, and the
// caption shows that there are some.
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>

#include "app/brenno_doc.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app_test_support.h"
#include "panes/edit_text_wnd.h"
#include "tests/support/file_bytes.h"

namespace {

const QString kEdit = QStringLiteral("PROBE 1;");
const QString kOtherFileText = QStringLiteral("PROBE 2;\r\n");

enum class Action { New, Open, Drop, Exit, CloseButton };
// What the user does with the question; SaveFails picks a folder that does not exist.
enum class Reply { Save, SaveFails, SaveDialogCancelled, Discard, Cancel };

}  // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Reply)

class UnsavedEditsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        useTemporarySettings(settingsDir_);
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        otherFile_ = dir_.filePath("other.txt");
        QVERIFY(writeBytes(otherFile_, kOtherFileText.toLatin1()));
    }

    void init()
    {
        frame_ = std::make_unique<CMainFrame>();
        frame_->document()->SetUnsavedEditsQuestion([this](QWidget*, const QString& title) {
            ++questions_;
            askedTitle_ = title;
            return answer_;
        });
        questions_ = 0;
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    }

    void cleanup()
    {
        frame_.reset();
        failureBox_.reset();
    }

    void captionMarksUnsavedEdits()
    {
        QCOMPARE(frame_->windowTitle(), QStringLiteral(" - Brenno"));
        typeIntoEditor();
        QCOMPARE(frame_->windowTitle(), QStringLiteral("* - Brenno"));
        editor()->undo();
        QCOMPARE(frame_->windowTitle(), QStringLiteral(" - Brenno"));

        QCOMPARE(frame_->document()->OpenDocumentFile(otherFile_), OpenOutcome::Opened);
        QCOMPARE(frame_->windowTitle(), QStringLiteral("other.txt - Brenno"));
        typeIntoEditor();
        QCOMPARE(frame_->windowTitle(), QStringLiteral("*other.txt - Brenno"));
    }

    void savingNamesTheDocumentAndClearsTheMark()
    {
        typeIntoEditor();
        const QString path = dir_.filePath("saved.txt");
        onNextDialog<QFileDialog>([path](QFileDialog* dialog) { acceptFileDialog(dialog, path); });
        frame_->OnCommand(ID_FILE_SAVE);
        QCOMPARE(frame_->windowTitle(), QStringLiteral("saved.txt - Brenno"));
        QCOMPARE(frame_->document()->PathName(), path);
        QCOMPARE(QString::fromLatin1(bytesOf(path)), frame_->editTextWnd()->Text());
    }

    void withoutEditsNothingIsAsked()
    {
        QCOMPARE(frame_->document()->OpenDocumentFile(otherFile_), OpenOutcome::Opened);
        QVERIFY(frame_->close());
        QCOMPARE(questions_, 0);
    }

    void unreadableFileIsReportedBeforeAnyQuestion()
    {
        typeIntoEditor();
        MessageBoxAnswer error(QMessageBox::Ok);
        QCOMPARE(frame_->document()->OpenDocumentFile(dir_.filePath("missing.txt")), OpenOutcome::Failed);
        QVERIFY(error.shown());
        QCOMPARE(questions_, 0);
        QVERIFY(editor()->toPlainText().startsWith(kEdit));
    }

    void everyActionAsksFirst_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<Reply>("reply");
        const std::pair<const char*, Action> actions[] = {{"new", Action::New},
                                                          {"open", Action::Open},
                                                          {"drop", Action::Drop},
                                                          {"exit", Action::Exit},
                                                          {"close button", Action::CloseButton}};
        const std::pair<const char*, Reply> replies[] = {{"save", Reply::Save},
                                                         {"save fails", Reply::SaveFails},
                                                         {"save dialog cancelled", Reply::SaveDialogCancelled},
                                                         {"discard", Reply::Discard},
                                                         {"cancel", Reply::Cancel}};
        for (const auto& [actionName, action] : actions)
            for (const auto& [replyName, reply] : replies)
                QTest::addRow("%s, %s", actionName, replyName) << action << reply;
    }

    void everyActionAsksFirst()
    {
        QFETCH(Action, action);
        QFETCH(Reply, reply);
        QCOMPARE(frame_->document()->OpenDocumentFile(otherFile_), OpenOutcome::Opened);
        typeIntoEditor();
        const QString edited = frame_->editTextWnd()->Text();
        const QString savePath = scriptReply(reply);

        perform(action);

        QCOMPARE(questions_, 1);
        QCOMPARE(askedTitle_, QStringLiteral("other.txt"));
        const bool goesOn = reply == Reply::Save || reply == Reply::Discard;
        QCOMPARE(actionDone(action), goesOn);
        if (!goesOn) {
            QCOMPARE(frame_->editTextWnd()->Text(), edited);
            QCOMPARE(frame_->windowTitle(), QStringLiteral("*other.txt - Brenno"));
        }
        if (reply == Reply::Save)
            QCOMPARE(QString::fromLatin1(bytesOf(savePath)), edited);
        if (reply == Reply::SaveFails)
            QVERIFY(failureBox_->shown());
        QCOMPARE(QString::fromLatin1(bytesOf(otherFile_)), kOtherFileText);
    }

private:
    QPlainTextEdit* editor() const { return frame_->editTextWnd()->editor(); }

    void typeIntoEditor()
    {
        editor()->moveCursor(QTextCursor::Start);
        QTest::keyClicks(editor(), kEdit);
    }

    // The answer to the question and to what follows it; the path a save writes.
    QString scriptReply(Reply reply)
    {
        answer_ = reply == Reply::Discard  ? UnsavedEditsAnswer::Discard
                  : reply == Reply::Cancel ? UnsavedEditsAnswer::Cancel
                                           : UnsavedEditsAnswer::Save;
        const QString path = dir_.filePath(reply == Reply::SaveFails ? "no/such/folder/x.txt" : "answer.txt");
        QFile::remove(path);
        if (reply == Reply::SaveDialogCancelled)
            onNextDialog<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
        else if (reply == Reply::Save || reply == Reply::SaveFails)
            onNextDialog<QFileDialog>([path](QFileDialog* dialog) { acceptFileDialog(dialog, path); });
        if (reply == Reply::SaveFails)
            failureBox_ = std::make_unique<MessageBoxAnswer>(QMessageBox::Ok);
        return path;
    }

    void perform(Action action)
    {
        switch (action) {
        case Action::New: frame_->OnCommand(ID_FILE_NEW); break;
        case Action::Open: frame_->document()->OpenDocumentFile(otherFile_); break;
        case Action::Drop: dropFiles({otherFile_, otherFile_}); break;
        case Action::Exit: frame_->OnCommand(ID_APP_EXIT); break;
        case Action::CloseButton: frame_->close(); break;
        }
    }

    bool actionDone(Action action) const
    {
        switch (action) {
        case Action::New: return frame_->editTextWnd()->Text().isEmpty();
        case Action::Open:
        case Action::Drop: return frame_->editTextWnd()->Text() == kOtherFileText;
        case Action::Exit:
        case Action::CloseButton: return !frame_->isVisible();
        }
        return false;
    }

    void dropFiles(const QStringList& paths)
    {
        QMimeData files;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        files.setUrls(urls);
        // A drop follows the drag's entry, as the window system delivers them.
        QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(frame_.get(), &enter);
        QDropEvent drop(QPointF(400, 300), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(frame_.get(), &drop);
    }

    QTemporaryDir settingsDir_;
    QTemporaryDir dir_;
    QString otherFile_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<MessageBoxAnswer> failureBox_;
    UnsavedEditsAnswer answer_ = UnsavedEditsAnswer::Cancel;
    int questions_ = 0;
    QString askedTitle_;
};

QTEST_MAIN(UnsavedEditsTest)
#include "unsaved_edits_test.moc"
