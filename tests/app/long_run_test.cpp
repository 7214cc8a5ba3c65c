// A long run in the window: the window goes on while the engine computes,
// Esc cancels it and leaves every piece of the view as it was, and closing
// the window during it asks about unsaved edits, then ends the run.
#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <memory>

#include "app/brenno_doc.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/recent_files.h"
#include "app/run_status.h"
#include "app_test_support.h"
#include "panes/edit_text_wnd.h"
#include "panes/output_wnd.h"
#include "panes/property_grid_pane.h"
#include "panes/properties_wnd_bode.h"
#include "panes/properties_wnd_filt.h"
#include "tests/support/run_end.h"
#include "tests/support/view_data_bytes.h"
#include "view/background_run.h"
#include "view/brenno_view.h"

namespace {

// 340 terms of five instructions each: at 2048 time points and K1 capped,
// minutes of work on any machine.
QString heavyProgram()
{
    QString sum = QStringLiteral("tan(s)**s");
    for (int term = 1; term < 340; ++term)
        sum += QStringLiteral(" + tan(s)**s");
    return QStringLiteral("H(s) = %1;\r\nPROBE H(s);\r\n").arg(sum);
}

QString tableText(const QTableWidget* list)
{
    QString text;
    for (int column = 0; column < list->columnCount(); ++column)
        text += list->horizontalHeaderItem(column) ? list->horizontalHeaderItem(column)->text() + '\t' : "\t";
    for (int row = 0; row < list->rowCount(); ++row) {
        text += '\n';
        for (int column = 0; column < list->columnCount(); ++column)
            text += (list->item(row, column) ? list->item(row, column)->text() : QString()) + '\t';
    }
    return text;
}

QString gridText(QTreeWidget* tree)
{
    QString text;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        text += (*it)->text(0) + '\t' + (*it)->text(1) + '\n';
    return text;
}

// Everything a run may change and a cancelled one must leave as it was.
struct ViewState {
    std::string data;
    QString compileOutput, codeList, resultList, bodePane, filtPane;

    explicit ViewState(const CMainFrame& frame)
        : data(viewDataBytes(frame.view()->data())),
          compileOutput(frame.outputWnd()->CompileOutput()),
          codeList(tableText(frame.outputWnd()->codeList())),
          resultList(tableText(frame.outputWnd()->resultList())),
          bodePane(gridText(frame.propertiesWndBode()->grid()->list())),
          filtPane(gridText(frame.propertiesWndFilt()->grid()->list()))
    {
    }
};

// The largest time between two ticks of a timer on the GUI thread.
class TickWatch : public QObject {
public:
    TickWatch()
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            largestGapMs_ = std::max(largestGapMs_, sinceLast_.restart());
            ++ticks_;
        });
        sinceLast_.start();
        timer_.start(5);
    }
    int ticks() const { return ticks_; }
    qint64 largestGapMs() const { return largestGapMs_; }

private:
    QTimer timer_;
    QElapsedTimer sinceLast_;
    qint64 largestGapMs_ = 0;
    int ticks_ = 0;
};

}  // namespace

class LongRunTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useTemporarySettings(settingsDir_); }
    void init()
    {
        frame_ = std::make_unique<CMainFrame>();
        QVERIFY(showActive(*frame_));
    }
    void cleanup() { frame_.reset(); }

    void escCancelsAndLeavesTheViewAsItWas()
    {
        frame_->commandAction(ID_FILT_ANALYSIS)->trigger();
        QVERIFY(runEnded(*frame_));
        frame_->outputWnd()->tabs()->setCurrentWidget(frame_->outputWnd()->resultList());
        setUpHeavyRun();
        // A recent file shows an entry, which waits like Open.
        frame_->recentFiles()->add(QStringLiteral("step.bn3"));
        QAction* recentEntry = frame_->recentFiles()->entries().first();
        const ViewState before(*frame_);

        startRun();
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QVERIFY(!frame_->propertiesWndFilt()->grid()->isEnabled());
        QVERIFY(!frame_->propertiesWndBode()->findChild<PropertiesToolBar*>()->isEnabled());
        for (int id : {ID_BODE_ANALYSIS, ID_FILT_ANALYSIS, ID_FILE_NEW, ID_FILE_OPEN})
            QVERIFY2(!frame_->commandAction(id)->isEnabled(), qPrintable(QString::number(id)));
        QVERIFY(!recentEntry->isEnabled());
        for (QAction* button : frame_->editTextWnd()->toolBar()->actions())
            if (button->data().toInt() == ID_FILT_ANALYSIS)
                QVERIFY(!button->isEnabled());
        // Past the disabled commands, a second run does not start.
        frame_->OnCommand(ID_BODE_ANALYSIS);
        QCOMPARE(frame_->view()->data().graphMode, int(GRAPH_FILT));

        TickWatch ticks;
        QVERIFY(QTest::qWaitFor([this] { return frame_->runStatus()->isVisible(); }));
        QVERIFY(!QApplication::overrideCursor());
        QTest::qWait(300);
        QVERIFY(frame_->view()->RunInProgress());
        QVERIFY(ticks.ticks() > 10);

        QElapsedTimer cancelling;
        qint64 cancelMs = -1;
        connect(frame_->view()->backgroundRun(), &BackgroundRun::ended, this,
                [&] { cancelMs = cancelling.elapsed(); });
        cancelling.start();
        QTest::keyClick(frame_->editTextWnd()->editor(), Qt::Key_Escape);
        QVERIFY(runEnded(*frame_));
        qInfo("cancel took %lld ms; largest gap between 5 ms ticks during the run: %lld ms", cancelMs,
              ticks.largestGapMs());

        const ViewState after(*frame_);
        QVERIFY(after.data == before.data);
        QCOMPARE(after.compileOutput, before.compileOutput + QStringLiteral("解析を中止しました"));
        QCOMPARE(after.codeList, before.codeList);
        QCOMPARE(after.resultList, before.resultList);
        QCOMPARE(after.bodePane, before.bodePane);
        QCOMPARE(after.filtPane, before.filtPane);
        QCOMPARE(frame_->outputWnd()->tabs()->currentWidget(), frame_->outputWnd()->resultList());
        QVERIFY(!frame_->runStatus()->isVisible());
        QVERIFY(frame_->propertiesWndFilt()->grid()->isEnabled());
        QVERIFY(frame_->propertiesWndBode()->findChild<PropertiesToolBar*>()->isEnabled());
        for (int id : {ID_BODE_ANALYSIS, ID_FILT_ANALYSIS, ID_FILE_NEW, ID_FILE_OPEN, ID_SAVE_GRAPH_CSV})
            QVERIFY2(frame_->commandAction(id)->isEnabled(), qPrintable(QString::number(id)));
        QVERIFY(recentEntry->isEnabled());
    }

    // The note goes on a line of its own after a message without a line end.
    // A status bar the user hid shows the progress, and hides again after it.
    void theCancelButtonCancelsAndTheNextRunFinishes()
    {
        const QString firstText = frame_->outputWnd()->CompileOutput();
        frame_->commandAction(ID_VIEW_STATUS_BAR)->trigger();
        QVERIFY(frame_->statusBar()->isHidden());
        startHeavyRun();
        QVERIFY(QTest::qWaitFor([this] { return frame_->runStatus()->isVisible(); }));
        QTest::mouseClick(frame_->runStatus()->cancelButton(), Qt::LeftButton);
        QVERIFY(runEnded(*frame_));
        QVERIFY(frame_->statusBar()->isHidden());
        QCOMPARE(frame_->view()->data().pointCount, 0);
        QCOMPARE(frame_->outputWnd()->CompileOutput(), firstText + QStringLiteral("\n解析を中止しました"));

        frame_->editTextWnd()->SetText(QStringLiteral("H(s) = 1/s; PROBE H(s);"));
        frame_->commandAction(ID_FILT_ANALYSIS)->trigger();
        QVERIFY(runEnded(*frame_));
        QCOMPARE(frame_->outputWnd()->CompileOutput(), QStringLiteral("syntax: OK \n"));
        QCOMPARE(frame_->view()->data().pointCount, 2048);
    }

    // Cancel at the question keeps the run going; the answer that lets the
    // window close ends the run with it.
    void closingDuringARunAsksFirst()
    {
        QList<UnsavedEditsAnswer> answers{UnsavedEditsAnswer::Cancel, UnsavedEditsAnswer::Discard};
        int asked = 0;
        frame_->document()->SetUnsavedEditsQuestion([&](QWidget*, const QString&) {
            ++asked;
            return answers.takeFirst();
        });
        startHeavyRun();
        frame_->editTextWnd()->editor()->appendPlainText(QStringLiteral("/* edited during the run */"));
        QVERIFY(frame_->editTextWnd()->IsModified());

        QVERIFY(!frame_->close());
        QCOMPARE(asked, 1);
        QVERIFY(frame_->view()->RunInProgress());
        QVERIFY(frame_->isVisible());

        QVERIFY(frame_->close());
        QCOMPARE(asked, 2);
        QVERIFY(!frame_->view()->RunInProgress());
        QVERIFY(!QApplication::overrideCursor());
    }

private:
    void setUpHeavyRun()
    {
        frame_->editTextWnd()->SetText(heavyProgram());
        AnalysisSettings& settings = frame_->view()->data().settings;
        settings.timeCount = 2048;
        settings.filtK1 = 1e9;
    }

    void startRun()
    {
        frame_->commandAction(ID_FILT_ANALYSIS)->trigger();
        QVERIFY(frame_->view()->RunInProgress());
    }

    void startHeavyRun()
    {
        setUpHeavyRun();
        startRun();
    }

    QTemporaryDir settingsDir_;
    std::unique_ptr<CMainFrame> frame_;
};

QTEST_MAIN(LongRunTest)
#include "long_run_test.moc"
