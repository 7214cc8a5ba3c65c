// Runs compute on a worker thread and end through the event loop: a test
// waits for the run it started before it looks at the outcome.
#pragma once
#include <QTest>

#include "app/main_frame.h"
#include "view/brenno_view.h"

inline bool runEnded(const CMainFrame& frame, int timeoutMs = 60000)
{
    return QTest::qWaitFor([&frame] { return !frame.view()->RunInProgress(); }, timeoutMs);
}
