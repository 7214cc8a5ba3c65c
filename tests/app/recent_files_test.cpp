// The recent-file list: the last four files the document was named after,
// newest first, above Exit in the File menu, kept across a restart.
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/app_settings.h"
#include "app/brenno_doc.h"
#include "app/main_frame.h"
#include "app/recent_files.h"
#include "app_test_support.h"
#include "panes/edit_text_wnd.h"

namespace {

QMenu* fileMenu(const CMainFrame& frame) { return frame.menuBar()->actions().at(0)->menu(); }

// The File menu's visible entries from the one after "画像サイズ変更 ..." on; a separator is "-".
QStringList tailOfFileMenu(const CMainFrame& frame)
{
    QStringList entries;
    bool tail = false;
    for (const QAction* action : fileMenu(frame)->actions()) {
        if (tail && action->isVisible())
            entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        tail = tail || action->text() == QStringLiteral("画像サイズ変更 ...");
    }
    return entries;
}

}  // namespace

class RecentFilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useTemporarySettings(settingsDir_); }
    void init()
    {
        openAppSettings()->clear();
        frame_ = std::make_unique<CMainFrame>();
    }
    void cleanup() { frame_.reset(); }

    void withoutRecentFilesTheMenuEndsAsBefore()
    {
        QCOMPARE(tailOfFileMenu(*frame_), (QStringList{"-", "アプリケーションの終了(&X)"}));
    }

    void lastFourOpenedFilesShowNewestFirstAboveExit()
    {
        for (const char* name : {"a.bn3", "b.bn3", "c&d.bn3", "e.bn3", "f.bn3"})
            open(name);
        QCOMPARE(tailOfFileMenu(*frame_),
                 (QStringList{"-", "&1 " + path("f.bn3"), "&2 " + path("e.bn3"), "&3 " + path("c&&d.bn3"),
                              "&4 " + path("b.bn3"), "-", "アプリケーションの終了(&X)"}));

        open("c&d.bn3");
        QCOMPARE(frame_->recentFiles()->paths(),
                 (QStringList{path("c&d.bn3"), path("f.bn3"), path("e.bn3"), path("b.bn3")}));
    }

    void savingNamesTheDocumentAndEntersTheList()
    {
        frame_->document()->OnDocumentSaved(path("saved.bn3"));
        QCOMPARE(frame_->recentFiles()->paths(), QStringList{path("saved.bn3")});
    }

    void listComesBackAfterRestartAndAnEntryOpensItsFile()
    {
        open("a.bn3");
        open("b.bn3");
        frame_.reset();
        frame_ = std::make_unique<CMainFrame>();
        QCOMPARE(frame_->recentFiles()->paths(), (QStringList{path("b.bn3"), path("a.bn3")}));

        entry(2)->trigger();
        QCOMPARE(frame_->editTextWnd()->Text(), QStringLiteral("PROBE 1; /* a.bn3 */"));
        QCOMPARE(frame_->document()->Title(), QStringLiteral("a.bn3"));
        QCOMPARE(frame_->recentFiles()->paths(), (QStringList{path("a.bn3"), path("b.bn3")}));
    }

    void entryWhoseFileIsGoneLeavesTheList()
    {
        open("a.bn3");
        open("gone.bn3");
        QFile::remove(path("gone.bn3"));
        MessageBoxAnswer answer(QMessageBox::Ok);
        entry(1)->trigger();
        QVERIFY(answer.shown());
        QCOMPARE(frame_->recentFiles()->paths(), QStringList{path("a.bn3")});
    }

private:
    QString path(const QString& name) const { return QDir(dir_.path()).absoluteFilePath(name); }

    void open(const QString& name)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("PROBE 1; /* " + name.toUtf8() + " */");
        file.close();
        QCOMPARE(frame_->document()->OpenDocumentFile(path(name)), OpenOutcome::Opened);
    }

    QAction* entry(int number) const
    {
        return fileMenu(*frame_)->findChild<QAction*>(QStringLiteral("RecentFile%1").arg(number));
    }

    QTemporaryDir settingsDir_;
    QTemporaryDir dir_;
    std::unique_ptr<CMainFrame> frame_;
};

QTEST_MAIN(RecentFilesTest)
#include "recent_files_test.moc"
