// What an analysis run needs from the GUI. The view implements it; tests record it.
#pragma once
#include <string>

#include "analysis/listing.h"

class AnalysisHooks {
public:
    virtual ~AnalysisHooks() = default;

    // The source editor's whole text, UTF-8, line ends as typed (CR LF).
    virtual std::string EditorText() = 0;

    // Output pane: compile tab text (replaces the previous one), the two lists.
    virtual void SetCompileOutput(const std::string& utf8) = 0;
    virtual void ResetCodeListing() = 0;    // the five code columns, no rows
    virtual void ClearResultListing() = 0;  // no columns, no rows
    // Each replaces the list's columns and rows with the listing's.
    virtual void ShowCodeListing(const Listing& listing) = 0;
    virtual void ShowResultListing(const Listing& listing) = 0;
    // false: nothing shows the listings, so the runs do not build them.
    virtual bool ShowsListings() const { return true; }
    // The readings of a clean run (margins, step figures); false: nothing
    // shows them, so the runs do not take them.
    virtual bool TakesReadings() const { return ShowsListings(); }
    virtual void ShowReadings(const Listing&) {}

    // Settings panes, in the argument orders the panes expect.
    virtual void SetBodeAnalysisValues(double start, double end, int count, int inOmega, int arithmetic) = 0;
    virtual void SetBodeGraphValues(int showGain, int showPhase, double freqAxisMin, double freqAxisMax,
                                    int radianUnits, int linearFreqAxis, double dbRef, double dbDiv,
                                    double linGainMin, double linGainMax, int linearGain) = 0;
    virtual void SetFiltAnalysisValues(double start, double end, int count, double a, double b, double k1,
                                       double k2) = 0;
    virtual void SetFiltGraphValues(double timeAxisMin, double timeAxisMax, double levelMin,
                                    double levelMax) = 0;

    virtual void RepaintView() = 0;
    virtual void ShowStopMessage(const std::string& utf8) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};
