// The application: one copy per user, the settings store, the main frame and its document.
#pragma once
#include <QApplication>
#include <memory>

class CMainFrame;
class QSessionManager;
class SingleInstance;

class CBrennoApp : public QApplication {
    Q_OBJECT
public:
    CBrennoApp(int& argc, char** argv);
    ~CBrennoApp() override;

    // Opens the file, or starts with a new document when file is empty. False ends
    // the process: another copy runs, or the file could not be opened.
    bool InitInstance(const QString& file);

    CMainFrame* mainFrame() const { return mainFrame_.get(); }

private:
    void commitData(QSessionManager& manager);
    void reportUnavailableLock();

    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<CMainFrame> mainFrame_;
};
