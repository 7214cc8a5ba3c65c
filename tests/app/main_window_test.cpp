// The main window as the user first sees it, and the commands it routes to the view.
#include <QAction>
#include <QClipboard>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>

#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/toolbar_commands.h"
#include "app_test_support.h"
#include "panes/edit_text_wnd.h"
#include "panes/output_wnd.h"
#include "panes/properties_wnd_bode.h"
#include "panes/properties_wnd_filt.h"
#include "tests/support/run_end.h"
#include "view/brenno_view.h"

namespace {

const QString kSample = QStringLiteral(
    "H(s) = (1-exp(-s*1.2))/s;\r\nFREQ 0.1, 10, 80, GEO;\r\nTIME 0.01, 5, 80;\r\nFILT 4.0, 0.0, 4.0, 0.2;\r\n"
    "PROBE H(s);\r\n/* 0-order Hold (sampling period 1.2sec) */\r\n");

// Entry texts of a menu in order as shown; a separator is "-", a submenu its title.
QStringList entriesOf(const QMenu* menu)
{
    QStringList entries;
    for (const QAction* action : menu->actions())
        if (action->isVisible())
            entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return entries;
}

QMenu* menuTitled(const CMainFrame& frame, const QString& title)
{
    for (QAction* action : frame.menuBar()->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

QStringList headingsOf(const QTableWidget* list)
{
    QStringList headings;
    for (int c = 0; c < list->columnCount(); ++c)
        headings.append(list->horizontalHeaderItem(c)->text());
    return headings;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useTemporarySettings(settingsDir_); }
    void init() { frame_ = std::make_unique<CMainFrame>(); }
    void cleanup() { frame_.reset(); }

    void freshWindowIsUntitled()
    {
        QCOMPARE(frame_->windowTitle(), QStringLiteral(" - Brenno"));
        QCOMPARE(frame_->size(), QSize(800, 600));
        QCOMPARE(frame_->minimumSize(), QSize(800, 600));
    }

    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("file") << "ファイル(&F)"
                              << QStringList{"新規作成(&N)", "プログラム ソースを開く(&O)...",
                                             "プログラム ソースを保存(&S)", "-", "表示グラフを保存 ...",
                                             "画像サイズ変更 ...", "-", "アプリケーションの終了(&X)"};
        QTest::newRow("edit") << "編集(&E)"
                              << QStringList{"元に戻す(&U)", "-", "切り取り(&T)", "コピー(&C)", "貼り付け(&P)"};
        QTest::newRow("analysis") << "解析"
                                  << QStringList{"ソース → ボード線図", "ソース → 数値ラプラス逆変換",
                                                 "ソースエディタ フォント ...", "-",
                                                 "グラフデータ ファイル (CSV) 保存 ..."};
        QTest::newRow("view") << "表示(&V)"
                              << QStringList{"ツール バーとドッキング ウィンドウ(&T)", "ステータス バー(&S)",
                                             "アプリケーションの外観(&A)"};
        QTest::newRow("help") << "ヘルプ(&H)" << QStringList{"バージョン情報 Brenno(&A)..."};
    }

    void menus()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, entries);
        QMenu* found = menuTitled(*frame_, menu);
        QVERIFY(found);
        QCOMPARE(entriesOf(found), entries);
    }

    void menuBarOrder()
    {
        QStringList titles;
        for (const QAction* action : frame_->menuBar()->actions())
            titles.append(action->text());
        QCOMPARE(titles, (QStringList{"ファイル(&F)", "編集(&E)", "解析", "表示(&V)", "ヘルプ(&H)"}));
    }

    void lookMenu()
    {
        QMenu* looks = menuTitled(*frame_, "表示(&V)")->actions().at(2)->menu();
        QCOMPARE(entriesOf(looks), (QStringList{"Windows 2000(&2)", "Office XP(&X)", "Windows XP(&W)",
                                                "Office 2003(&3)", "Visual Studio 200&5", "Visual Studio 200&8",
                                                "Office 2007(&7)"}));
        QCOMPARE(entriesOf(looks->actions().last()->menu()),
                 (QStringList{"ブルー スタイル(&B)", "ブラック スタイル(&L)", "シルバー スタイル(&S)",
                              "アクア スタイル(&A)"}));
    }

    void paneListMenuListsToolbarAndPanes()
    {
        QMenu* paneList = menuTitled(*frame_, "表示(&V)")->actions().at(0)->menu();
        emit paneList->aboutToShow();
        QCOMPARE(entriesOf(paneList), (QStringList{"標準", "出力", "BODE 設定", "FILT 設定", "プログラム ソース", "-",
                                                   "カスタマイズ..."}));
    }

    void shortcuts_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("keys");
        QTest::newRow("new") << int(ID_FILE_NEW) << "Ctrl+N";
        QTest::newRow("open") << int(ID_FILE_OPEN) << "Ctrl+O";
        QTest::newRow("save") << int(ID_FILE_SAVE) << "Ctrl+S";
        QTest::newRow("undo") << int(ID_EDIT_UNDO) << "Ctrl+Z, Alt+Backspace";
        QTest::newRow("cut") << int(ID_EDIT_CUT) << "Ctrl+X, Shift+Del";
        QTest::newRow("copy") << int(ID_EDIT_COPY) << "Ctrl+C, Ctrl+Ins";
        QTest::newRow("paste") << int(ID_EDIT_PASTE) << "Ctrl+V, Shift+Ins";
        QTest::newRow("print") << int(ID_FILE_PRINT) << "Ctrl+P";
        QTest::newRow("next pane") << int(ID_NEXT_PANE) << "F6";
        QTest::newRow("previous pane") << int(ID_PREV_PANE) << "Shift+F6";
        QTest::newRow("bode") << int(ID_BODE_ANALYSIS) << "";
    }

    void shortcuts()
    {
        QFETCH(int, id);
        QFETCH(QString, keys);
        QStringList shown;
        for (const QKeySequence& key : frame_->commandAction(id)->shortcuts())
            shown.append(key.toString(QKeySequence::PortableText));
        QCOMPARE(shown.join(", "), keys);
    }

    void promptsAndTooltips_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("bode") << int(ID_BODE_ANALYSIS) << "ソースをコンパイルしボード線図を作成" << "ボード線図 作成";
        QTest::newRow("filt") << int(ID_FILT_ANALYSIS) << "ソースをコンパイルし数値ラプラス逆変換を実行"
                              << "数値ラプラス逆変換 実行";
        QTest::newRow("csv") << int(ID_SAVE_GRAPH_CSV) << "表示中のグラフデータをファイル保存"
                             << "グラフデータ ファイル保存";
        QTest::newRow("font") << int(ID_EDITOR_FONT) << "ソースエディタ内のフォントを変更" << "ソースエディタ フォント";
        QTest::newRow("image") << int(ID_SAVE_GRAPH_IMAGE) << "表示グラフをファイル保存" << "表示グラフを保存";
        QTest::newRow("size") << int(ID_IMAGE_SIZE) << "保存画像サイズを変更します。" << "画像サイズ変更";
        QTest::newRow("save") << int(ID_FILE_SAVE) << "作業中のソースプログラムを保存" << "保存";
        QTest::newRow("new") << int(ID_FILE_NEW) << "新規にファイルを作成" << "新規ファイル";
        QTest::newRow("about") << int(ID_APP_ABOUT) << "プログラム情報、バージョン、著作権を表示します。"
                               << "バージョン情報";
    }

    void promptsAndTooltips()
    {
        QFETCH(int, id);
        QFETCH(QString, prompt);
        QFETCH(QString, tooltip);
        QCOMPARE(frame_->commandAction(id)->statusTip(), prompt);
        QCOMPARE(frame_->commandAction(id)->toolTip(), tooltip);
    }

    void mainToolBarOrder()
    {
        QList<int> ids;
        for (const QAction* action : frame_->mainToolBar()->actions())
            if (!isCustomizeButton(action))
                ids.append(action->isSeparator() ? 0 : action->data().toInt());
        QCOMPARE(ids, (QList<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT, ID_EDIT_COPY,
                                  ID_EDIT_PASTE, 0, ID_BODE_ANALYSIS, ID_FILT_ANALYSIS, 0, ID_SAVE_GRAPH_CSV, 0,
                                  ID_APP_ABOUT}));
        QCOMPARE(frame_->mainToolBar()->windowTitle(), QStringLiteral("標準"));
        for (const QAction* action : frame_->mainToolBar()->actions())
            QVERIFY(action->isSeparator() || isCustomizeButton(action) || !action->icon().isNull());
    }

    void statusBarShowsReadyAndKeyIndicators()
    {
        QStringList texts;
        for (const QLabel* label : frame_->statusBar()->findChildren<QLabel*>())
            texts.append(label->text());
        QCOMPARE(texts, (QStringList{"レディ", "CAP", "NUM", "SCRL"}));
    }

    void panesAtTheirPlaces()
    {
        QCOMPARE(frame_->outputWnd()->windowTitle(), QStringLiteral("出力"));
        QCOMPARE(frame_->editTextWnd()->windowTitle(), QStringLiteral("プログラム ソース"));
        QCOMPARE(frame_->propertiesWndBode()->windowTitle(), QStringLiteral("BODE 設定"));
        QCOMPARE(frame_->propertiesWndFilt()->windowTitle(), QStringLiteral("FILT 設定"));
        QCOMPARE(frame_->dockWidgetArea(frame_->outputWnd()), Qt::BottomDockWidgetArea);
        QCOMPARE(frame_->dockWidgetArea(frame_->editTextWnd()), Qt::BottomDockWidgetArea);
        QCOMPARE(frame_->dockWidgetArea(frame_->propertiesWndFilt()), Qt::RightDockWidgetArea);
        QCOMPARE(frame_->dockWidgetArea(frame_->propertiesWndBode()), Qt::RightDockWidgetArea);
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        QVERIFY(frame_->editTextWnd()->x() < frame_->outputWnd()->x());
        QVERIFY(frame_->propertiesWndFilt()->y() < frame_->propertiesWndBode()->y());
    }

    void outputPaneStartsEmpty()
    {
        COutputWnd* output = frame_->outputWnd();
        QCOMPARE(output->tabs()->count(), 4);
        QCOMPARE(output->tabs()->tabText(0), QStringLiteral("コンパイル"));
        QCOMPARE(output->tabs()->tabText(1), QStringLiteral("内部コード"));
        QCOMPARE(output->tabs()->tabText(2), QStringLiteral("グラフデータ"));
        QCOMPARE(output->tabs()->tabText(3), QStringLiteral("読み取り値"));
        QCOMPARE(output->CompileOutput(), QStringLiteral("コンパイル出力がここに表示されます。"));
        QCOMPARE(headingsOf(output->codeList()), (QStringList{"NO.", "OP_CODE", "SUB_CODE", "IDENT_No.", ""}));
        QCOMPARE(output->codeList()->columnWidth(0), 40);
        QCOMPARE(output->codeList()->columnWidth(1), 80);
        QCOMPARE(output->resultList()->columnCount(), 0);
        QVERIFY(output->codeList()->showGrid());
        QCOMPARE(output->codeList()->selectionBehavior(), QAbstractItemView::SelectRows);
    }

    void sampleProgramWithCrLf() { QCOMPARE(frame_->editTextWnd()->Text(), kSample); }

    void bodeRunFromMenu()
    {
        QVERIFY(!frame_->commandAction(ID_SAVE_GRAPH_CSV)->isEnabled());
        QVERIFY(!frame_->commandAction(ID_SAVE_GRAPH_IMAGE)->isEnabled());
        frame_->commandAction(ID_BODE_ANALYSIS)->trigger();
        QVERIFY(runEnded(*frame_));
        COutputWnd* output = frame_->outputWnd();
        QCOMPARE(output->CompileOutput(), QStringLiteral("syntax: OK"));
        QCOMPARE(output->codeList()->rowCount(), 22);
        QCOMPARE(output->codeList()->item(0, 0)->text(), QStringLiteral("0"));
        QCOMPARE(output->resultList()->rowCount(), 80);
        QCOMPARE(headingsOf(output->resultList()),
                 (QStringList{"No.", "omega[rad/sec]", "gain[linear]", "phase[rad]", ""}));
        QCOMPARE(output->resultList()->item(0, 1)->text(), QStringLiteral("0.1"));
        // The sample's zero-order hold: 0 dB at 0 rad/s, falling below 3 dB down inside the sweep.
        QCOMPARE(output->readingsList()->rowCount(), 7);
        QCOMPARE(output->readingsList()->item(4, 0)->text(), QStringLiteral("bandwidth_rad_s"));
        QVERIFY(!output->readingsList()->item(4, 1)->text().isEmpty());
        QCOMPARE(frame_->view()->data().graphMode, int(GRAPH_BODE));
        QVERIFY(frame_->commandAction(ID_SAVE_GRAPH_CSV)->isEnabled());
        QVERIFY(frame_->commandAction(ID_SAVE_GRAPH_IMAGE)->isEnabled());
    }

    void filtRun_data()
    {
        QTest::addColumn<bool>("fromEditor");
        QTest::newRow("menu") << false;
        QTest::newRow("editor button") << true;
    }

    void filtRun()
    {
        QFETCH(bool, fromEditor);
        QAction* command = fromEditor ? frame_->editTextWnd()->toolBar()->actions().last()
                                      : frame_->commandAction(ID_FILT_ANALYSIS);
        QCOMPARE(command->data().toInt(), int(ID_FILT_ANALYSIS));
        command->trigger();
        QVERIFY(runEnded(*frame_));
        COutputWnd* output = frame_->outputWnd();
        QCOMPARE(output->CompileOutput(), QStringLiteral("syntax: OK \n"));
        QCOMPARE(output->codeList()->rowCount(), 22);
        QCOMPARE(output->resultList()->rowCount(), 40);
        QCOMPARE(headingsOf(output->resultList()), (QStringList{"No.", "time[sec]", "amplitude[linear]", ""}));
        QCOMPARE(output->resultList()->item(39, 0)->text(), QStringLiteral("40"));
        QCOMPARE(frame_->view()->data().graphMode, int(GRAPH_FILT));
        QVERIFY(frame_->commandAction(ID_SAVE_GRAPH_CSV)->isEnabled());
    }

    void failedRunShowsItsMessage()
    {
        frame_->editTextWnd()->SetText(QString());
        frame_->commandAction(ID_BODE_ANALYSIS)->trigger();
        QVERIFY(runEnded(*frame_));
        QCOMPARE(frame_->outputWnd()->CompileOutput(), QStringLiteral("f(s) = ? \n"));
        QCOMPARE(frame_->outputWnd()->resultList()->rowCount(), 0);
        QCOMPARE(frame_->outputWnd()->resultList()->columnCount(), 5);
        QVERIFY(!frame_->commandAction(ID_SAVE_GRAPH_CSV)->isEnabled());
    }

    void newAnsweredNoKeepsEverything()
    {
        frame_->commandAction(ID_FILT_ANALYSIS)->trigger();
        QVERIFY(runEnded(*frame_));
        MessageBoxAnswer answer(QMessageBox::No);
        frame_->commandAction(ID_FILE_NEW)->trigger();
        QVERIFY(answer.shown());
        QCOMPARE(answer.text(), QStringLiteral("作業中のプログラムソースを破棄しますか."));
        QCOMPARE(answer.icon(), QMessageBox::Question);
        QCOMPARE(frame_->editTextWnd()->Text(), kSample);
        QCOMPARE(frame_->view()->data().pointCount, 40);
        QCOMPARE(frame_->windowTitle(), QStringLiteral(" - Brenno"));
    }

    void newAnsweredYesEmptiesSourceAndGraph()
    {
        frame_->commandAction(ID_FILT_ANALYSIS)->trigger();
        QVERIFY(runEnded(*frame_));
        MessageBoxAnswer answer(QMessageBox::Yes);
        frame_->commandAction(ID_FILE_NEW)->trigger();
        QVERIFY(answer.shown());
        QCOMPARE(frame_->editTextWnd()->Text(), QString());
        QCOMPARE(frame_->view()->data().pointCount, 0);
        QCOMPARE(frame_->view()->data().graphMode, int(GRAPH_FILT));
        QVERIFY(!frame_->commandAction(ID_SAVE_GRAPH_CSV)->isEnabled());
        QVERIFY(!frame_->commandAction(ID_SAVE_GRAPH_IMAGE)->isEnabled());
    }

    void editCommandsFollowTheFocusedEditor()
    {
        showActive();
        QPlainTextEdit* editor = frame_->editTextWnd()->editor();
        editor->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), editor);
        QCOMPARE(editStates(), (QList<bool>{false, false, false, true}));  // undo, cut, copy, paste

        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(4, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
        QCOMPARE(editStates(), (QList<bool>{false, true, true, true}));

        frame_->commandAction(ID_EDIT_CUT)->trigger();
        QVERIFY(frame_->editTextWnd()->Text().startsWith(QStringLiteral(" = (1")));
        QCOMPARE(editStates(), (QList<bool>{true, false, false, true}));
        frame_->commandAction(ID_EDIT_UNDO)->trigger();
        QCOMPARE(frame_->editTextWnd()->Text(), kSample);

        frame_->view()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), frame_->view());
        QCOMPARE(editStates(), (QList<bool>{false, false, false, false}));
    }

    // Edit → Copy takes the selected rows of an output list; nothing else edits it.
    void editCopyTakesTheSelectedRowsOfAnOutputList()
    {
        showActive();
        frame_->commandAction(ID_FILT_ANALYSIS)->trigger();
        QVERIFY(runEnded(*frame_));
        QTableWidget* list = frame_->outputWnd()->codeList();
        frame_->outputWnd()->tabs()->setCurrentWidget(list);
        list->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), list);
        list->clearSelection();
        QCOMPARE(editStates(), (QList<bool>{false, false, false, false}));  // undo, cut, copy, paste
        list->selectRow(1);
        QVERIFY(frame_->commandAction(ID_EDIT_COPY)->isEnabled());  // the toolbar button follows the selection
        QCOMPARE(editStates(), (QList<bool>{false, false, true, false}));
        QGuiApplication::clipboard()->clear();
        frame_->commandAction(ID_EDIT_COPY)->trigger();
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column)
            cells << list->item(1, column)->text();
        QCOMPARE(QGuiApplication::clipboard()->text(), cells.join('\t') + '\n');
    }

    void tabGoesInAtTheCaretAndKeepsTheSelection()
    {
        showActive();
        QPlainTextEdit* editor = frame_->editTextWnd()->editor();
        editor->setFocus();
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(4);
        cursor.setPosition(1, QTextCursor::KeepAnchor);  // caret at 1, "(s)" selected
        editor->setTextCursor(cursor);
        QTest::keyClick(editor, Qt::Key_Tab);
        QVERIFY(frame_->editTextWnd()->Text().startsWith(QStringLiteral("H\t(s) = ")));
        editor->undo();
        QCOMPARE(frame_->editTextWnd()->Text(), kSample);
    }

    void f6MovesThroughThePanes()
    {
        showActive();
        frame_->view()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), frame_->view());
        frame_->commandAction(ID_NEXT_PANE)->trigger();
        QVERIFY(frame_->outputWnd()->isAncestorOf(QApplication::focusWidget()));
        frame_->commandAction(ID_NEXT_PANE)->trigger();
        QCOMPARE(QApplication::focusWidget(), frame_->editTextWnd()->editor());
        frame_->commandAction(ID_PREV_PANE)->trigger();
        frame_->commandAction(ID_PREV_PANE)->trigger();
        QCOMPARE(QApplication::focusWidget(), frame_->view());
    }

    void applicationLookIsReadAndStored()
    {
        QCOMPARE(frame_->appLook(), 210);
        QVERIFY(frame_->commandAction(ID_VIEW_APPLOOK_VS_2008)->isChecked());
        frame_->ApplyLook(ID_VIEW_APPLOOK_OFF_2007_BLACK);
        frame_ = std::make_unique<CMainFrame>();
        QCOMPARE(frame_->appLook(), 216);
        QVERIFY(frame_->commandAction(ID_VIEW_APPLOOK_OFF_2007_BLACK)->isChecked());
        frame_->ApplyLook(ID_VIEW_APPLOOK_VS_2008);
    }

    void paneLayoutIsRestored()
    {
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        frame_->propertiesWndFilt()->hide();
        frame_->close();
        frame_ = std::make_unique<CMainFrame>();
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        QVERIFY(frame_->propertiesWndFilt()->isHidden());
        QVERIFY(frame_->propertiesWndBode()->isVisible());
        frame_->propertiesWndFilt()->show();
        frame_->close();
    }

private:
    void showActive()
    {
        frame_->show();
        frame_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    }

    QList<bool> editStates()
    {
        frame_->UpdateCommandUI();
        QList<bool> states;
        for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
            states.append(frame_->commandAction(id)->isEnabled());
        return states;
    }

    QTemporaryDir settingsDir_;
    std::unique_ptr<CMainFrame> frame_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
