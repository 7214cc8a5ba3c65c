// An analysis run driven from the window: prepared and finished on the GUI
// thread, its points computed on a worker thread while the window goes on.
// A run that lasts shows its progress instead of the wait cursor and can be
// cancelled; a cancelled run leaves the view and every pane as they were.
#pragma once
#include <QObject>
#include <QTimer>
#include <memory>
#include <thread>

#include "analysis/analysis_runs.h"

class BackgroundRun : public QObject {
    Q_OBJECT
public:
    using Prepare = RunPlan (*)(ViewData&, AnalysisHooks&, int);

    BackgroundRun(ViewData& view, AnalysisHooks& hooks, QObject* parent = nullptr);
    // A run still computing is stopped; nothing of it is shown.
    ~BackgroundRun() override;

    // Prepares a run and starts its engine; a run that ends without one ends
    // here. Nothing happens while another run computes.
    void start(Prepare prepare, int useProgram);
    bool running() const { return worker_.joinable(); }
    // Asks the engine to stop at its next batch; the run then ends as cancelled.
    void cancel();
    // Cancels and waits for the engine (at most a batch), for a window that closes.
    void stop();

signals:
    // The engine starts: the run's inputs and other runs are closed to the user.
    void started();
    // The run lasts: progress replaces the wait cursor, updated with progressed().
    void progressShown();
    void progressed(int percent);
    // The run has finished or been cancelled, and its outcome is shown.
    void ended(bool cancelled);

private:
    void computed();
    void showProgress();
    void endWaitCursor();
    // Joins the worker and puts the work areas' value cells back.
    void abandon();

    ViewData& view_;
    AnalysisHooks& hooks_;
    RunPlan plan_;
    std::unique_ptr<RunProgress> progress_;
    int count_ = 0;
    bool waitCursorShown_ = false;
    std::thread worker_;
    QTimer longRunTimer_;
    QTimer progressTimer_;
};
