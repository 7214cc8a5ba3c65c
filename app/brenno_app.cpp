#include "app/brenno_app.h"

#include <cstdio>

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QSessionManager>

#include "app/brenno_doc.h"
#include "app/instance_hand_over.h"
#include "app/main_frame.h"
#include "app/qt_translations.h"
#include "app/single_instance.h"
#include "panes/edit_text_wnd.h"

CBrennoApp::CBrennoApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Brenno"));
    setOrganizationName(QStringLiteral("Drux-Brenno-AppType003"));
    setApplicationVersion(QStringLiteral(BRENNO_VERSION));
    setDesktopFileName(QStringLiteral("Drux.Brenno.AppType003"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/brenno.svg")));
    installQtTranslations(*this);
}

CBrennoApp::~CBrennoApp() = default;

CBrennoApp::StartOutcome CBrennoApp::InitInstance(const QString& file)
{
    instance_ = std::make_unique<SingleInstance>(SingleInstance::defaultLockPath());
    const SingleInstance::Outcome lock = instance_->acquire();
    if (lock == SingleInstance::Outcome::HeldByAnotherCopy)
        return handOver(file);
    if (lock == SingleInstance::Outcome::Acquired)
        listenForHandOvers();

    mainFrame_ = std::make_unique<CMainFrame>();
    if (file.isEmpty())
        mainFrame_->document()->OnNewDocument();
    else if (mainFrame_->document()->OpenDocumentFile(file) != OpenOutcome::Opened)
        return StartOutcome::Failed;
    connect(this, &QGuiApplication::commitDataRequest, this, &CBrennoApp::commitData);
    if (handOverServer_)
        connect(handOverServer_.get(), &HandOverServer::handedOver, mainFrame_.get(), &CMainFrame::OnHandOver);
    mainFrame_->show();
    if (lock == SingleInstance::Outcome::Unavailable)
        reportUnavailableLock();
    return StartOutcome::Started;
}

// The running copy opens the file as it would a dropped one, so a name relative
// to this start's folder is made absolute here.
CBrennoApp::StartOutcome CBrennoApp::handOver(const QString& file)
{
    const QString path = file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath();
    QString error;
    if (handOverToRunningCopy(handOverSocketPath(instance_->lockPath()), path, error))
        return StartOutcome::HandedOver;
    std::fprintf(stderr, "brenno: another copy of Brenno is running but does not answer: %s\n", qPrintable(error));
    return StartOutcome::Failed;
}

// Listening starts before the window is built, so that a second start in the
// meantime finds this copy; its request waits until the window is up.
void CBrennoApp::listenForHandOvers()
{
    handOverServer_ = std::make_unique<HandOverServer>();
    QString error;
    if (!handOverServer_->listen(handOverSocketPath(instance_->lockPath()), error)) {
        std::fprintf(stderr, "brenno: later starts cannot hand their files to this copy: %s\n", qPrintable(error));
        handOverServer_.reset();
    }
}

// Brenno still starts: a lock that cannot be had must not stop the user's work,
// but the user learns that a second copy will not be refused.
void CBrennoApp::reportUnavailableLock()
{
    const QString text = QStringLiteral("Couldn't create the lock file that keeps Brenno to one copy: ") +
                         instance_->failureReason();
    const QString details = QDir::toNativeSeparators(instance_->lockPath()) +
                            QStringLiteral("\nBrenno runs all the same; another copy started now is not refused.");
    std::fprintf(stderr, "brenno: %s\n%s\n", qPrintable(text), qPrintable(details));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Brenno"), text, QMessageBox::Ok, mainFrame_.get());
    box.setInformativeText(details);
    box.exec();
}

// Logging out: unsaved edits are asked about like on closing the window, and
// keeping them cancels the logout. Once the user chose to discard them,
// closing the window does not ask again.
void CBrennoApp::commitData(QSessionManager& manager)
{
    if (!manager.allowsInteraction())
        return;
    CBrennoDoc* document = mainFrame_->document();
    if (document->SaveModified())
        mainFrame_->editTextWnd()->SetUnmodified();
    else
        manager.cancel();
    manager.release();
}
