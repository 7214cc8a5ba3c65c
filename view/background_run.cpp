#include "view/background_run.h"

namespace {

// A run shorter than this keeps the wait cursor; a longer one shows its progress.
constexpr int kLongRunMs = 250;
constexpr int kProgressIntervalMs = 100;

}  // namespace

BackgroundRun::BackgroundRun(ViewData& view, AnalysisHooks& hooks, QObject* parent)
    : QObject(parent), view_(view), hooks_(hooks)
{
    longRunTimer_.setSingleShot(true);
    longRunTimer_.setInterval(kLongRunMs);
    progressTimer_.setInterval(kProgressIntervalMs);
    connect(&longRunTimer_, &QTimer::timeout, this, &BackgroundRun::showProgress);
    connect(&progressTimer_, &QTimer::timeout, this, [this] { emit progressed(percentDone(*progress_)); });
}

BackgroundRun::~BackgroundRun()
{
    if (!running())
        return;
    cancel();
    abandon();
}

void BackgroundRun::start(Prepare prepare, int useProgram)
{
    if (running())
        return;
    plan_ = prepare(view_, hooks_, useProgram);
    if (plan_.ending != PlanEnding::Engine) {
        finishRun(view_, hooks_, plan_, 0);
        return;
    }
    progress_ = std::make_unique<RunProgress>();
    hooks_.BeginWaitCursor();
    waitCursorShown_ = true;
    worker_ = std::thread([this] {
        count_ = computeRunPoints(plan_, progress_.get());
        QMetaObject::invokeMethod(this, &BackgroundRun::computed, Qt::QueuedConnection);
    });
    longRunTimer_.start();
    emit started();
}

void BackgroundRun::cancel()
{
    if (running())
        progress_->cancelRequested = true;
}

void BackgroundRun::stop()
{
    if (!running())
        return;
    cancel();
    abandon();
    emit ended(true);
}

// Back on the GUI thread once the engine is done or has stopped.
void BackgroundRun::computed()
{
    if (!running())
        return;
    const bool cancelled = progress_->cancelRequested;
    if (cancelled) {
        abandon();
    } else {
        worker_.join();
        longRunTimer_.stop();
        progressTimer_.stop();
        endWaitCursor();
        finishRun(view_, hooks_, plan_, count_);
    }
    emit ended(cancelled);
}

void BackgroundRun::showProgress()
{
    endWaitCursor();
    emit progressShown();
    emit progressed(percentDone(*progress_));
    progressTimer_.start();
}

void BackgroundRun::endWaitCursor()
{
    if (!waitCursorShown_)
        return;
    waitCursorShown_ = false;
    hooks_.EndWaitCursor();
}

void BackgroundRun::abandon()
{
    worker_.join();
    longRunTimer_.stop();
    progressTimer_.stop();
    endWaitCursor();
    abandonRun(plan_);
}
