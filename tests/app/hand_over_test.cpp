// A second start of Brenno hands its file to the running copy, which opens it
// (asking first about unsaved edits) and comes to the front; without a file the
// running copy only comes to the front. The running copy here is this test
// process, set up as the application sets itself up; the second start is the
// real program.
#include <QDir>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>

#include "app/brenno_doc.h"
#include "app/instance_hand_over.h"
#include "app/main_frame.h"
#include "app/single_instance.h"
#include "app_test_support.h"
#include "panes/edit_text_wnd.h"
#include "tests/support/file_bytes.h"

namespace {

const QString kStepText = QStringLiteral("H(s) = 1/s;\r\nPROBE H(s);\r\n");

struct SecondStart {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

}  // namespace

class HandOverTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        useTemporarySettings(settingsDir_);
        QVERIFY(writeBytes(files_.filePath("step.bn3"), kStepText.toLatin1()));
    }

    void init()
    {
        lock_ = std::make_unique<SingleInstance>(runtime_.filePath("UniqueName_Brenno2014.lock"));
        QCOMPARE(lock_->acquire(), SingleInstance::Outcome::Acquired);
        frame_ = std::make_unique<CMainFrame>();
        frame_->document()->SetUnsavedEditsQuestion([this](QWidget*, const QString&) {
            ++questions_;
            return UnsavedEditsAnswer::Cancel;
        });
        questions_ = 0;
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        other_.show();
        other_.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other_));
    }

    void cleanup()
    {
        server_.reset();
        frame_.reset();
        lock_.reset();
    }

    // Named relative to the second start's own folder, as a file manager or a shell names it.
    void fileOpensInTheRunningCopyWhichComesToTheFront()
    {
        listen();
        const SecondStart start = startSecondCopy({"step.bn3"});
        QCOMPARE(start.status, 0);
        QCOMPARE(start.out + start.err, QByteArray());
        QTRY_COMPARE(frame_->editTextWnd()->Text(), kStepText);
        QCOMPARE(frame_->document()->Title(), QStringLiteral("step.bn3"));
        QTRY_VERIFY(frame_->isActiveWindow());
    }

    void unsavedEditsAreAskedAboutFirst()
    {
        listen();
        QTest::keyClicks(frame_->editTextWnd()->editor(), QStringLiteral("PROBE 1;"));
        const QString edited = frame_->editTextWnd()->Text();
        QCOMPARE(startSecondCopy({"step.bn3"}).status, 0);
        QTRY_COMPARE(questions_, 1);
        QCOMPARE(frame_->editTextWnd()->Text(), edited);
        QVERIFY(frame_->editTextWnd()->IsModified());
    }

    void withoutAFileTheRunningCopyComesToTheFront()
    {
        listen();
        frame_->showMinimized();
        QCOMPARE(startSecondCopy({}).status, 0);
        QTRY_VERIFY(!frame_->isMinimized());
        QTRY_VERIFY(frame_->isActiveWindow());
        QCOMPARE(frame_->document()->Title(), QString());
    }

    void aRunningCopyThatDoesNotAnswerIsReported()
    {
        const SecondStart start = startSecondCopy({"step.bn3"});
        QCOMPARE(start.status, 1);
        QVERIFY2(start.err.startsWith("brenno: "), start.err.constData());
        QVERIFY(!frame_->editTextWnd()->Text().contains(QStringLiteral("H(s) = 1/s;")));
    }

private:
    void listen()
    {
        server_ = std::make_unique<HandOverServer>();
        QString error;
        QVERIFY2(server_->listen(handOverSocketPath(lock_->lockPath()), error), qPrintable(error));
        connect(server_.get(), &HandOverServer::handedOver, frame_.get(), &CMainFrame::OnHandOver);
    }

    // Waits with the event loop running, so that this copy can answer.
    SecondStart startSecondCopy(const QStringList& args)
    {
        QProcess second;
        second.setProcessEnvironment(environmentOfUser(runtime_));
        second.setWorkingDirectory(files_.path());
        second.start(QStringLiteral(BRENNO_EXE), args);
        if (!second.waitForStarted())
            return {};
        if (!QTest::qWaitFor([&second] { return second.state() == QProcess::NotRunning; }, 30000))
            return {};
        return {second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1, second.readAllStandardOutput(),
                second.readAllStandardError()};
    }

    QTemporaryDir settingsDir_;
    QTemporaryDir runtime_;
    QTemporaryDir files_;
    std::unique_ptr<SingleInstance> lock_;
    std::unique_ptr<HandOverServer> server_;
    std::unique_ptr<CMainFrame> frame_;
    QWidget other_;
    int questions_ = 0;
};

QTEST_MAIN(HandOverTest)
#include "hand_over_test.moc"
