// The application: one copy per user, the settings store, the main frame and its document.
#pragma once
#include <QApplication>
#include <memory>

class CMainFrame;
class HandOverServer;
class QSessionManager;
class SingleInstance;

class CBrennoApp : public QApplication {
    Q_OBJECT
public:
    CBrennoApp(int& argc, char** argv);
    ~CBrennoApp() override;

    enum class StartOutcome {
        Started,     // the window is up: run the event loop
        HandedOver,  // another copy runs and took the file (or came to the front)
        Failed,      // the file could not be opened, or the running copy did not answer
    };

    // Opens the file, or starts with a new document when file is empty; while
    // another copy runs, hands the file to it instead.
    StartOutcome InitInstance(const QString& file);

    CMainFrame* mainFrame() const { return mainFrame_.get(); }

private:
    void commitData(QSessionManager& manager);
    void reportUnavailableLock();
    StartOutcome handOver(const QString& file);
    void listenForHandOvers();

    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<HandOverServer> handOverServer_;
    std::unique_ptr<CMainFrame> mainFrame_;
};
