// The Bode settings pane's own copy of its values. Fields carry the names of
// the view's fields that receive them. dbRef, dbDiv, linGainMax and
// radianUnits start apart from what the list shows (0, 20, 20, "rad/sec"):
// the view keeps its own start values until the user edits them or a run
// writes them back.
#pragma once
#include "analysis/display_settings.h"

class QFont;

struct BodePaneValues {
    double sweepStart = 0.1;
    double sweepEnd = 20.0;
    int sweepCount = 80;
    int sweepInOmega = 1;
    int sweepArithmetic = 1;
    int useProgramFreq = 0;
    int showPhase = 1;
    int showGain = 1;
    double dbRef = 10.0;
    double dbDiv = 5.0;
    double linGainMax = 2.0;
    double linGainMin = 0.0;
    double freqAxisMin = 0.1;
    double freqAxisMax = 20.0;
    int linearGain = 1;
    int linearFreqAxis = 1;
    int phaseRange = 0;
    int radianUnits = 0;
    Colorref gainColor = 0x0000FF;
    Colorref phaseColor = 0xFF0000;
    int showMarkers = 1;
    int showLines = 1;
    int showNumbers = 0;
    QFont* graphFont = nullptr;  // the view's Bode graph font, once the view handed it over
    int lineWidth = 2;
    int showReadings = 0;
};
