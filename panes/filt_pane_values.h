// The FILT settings pane's own copy of its values. Fields carry the names of
// the view's fields that receive them. timeCount, timeAxisMin, timeAxisMax
// and levelMax start apart from what the list shows (40, 1, 4, 20): the view
// keeps its own start values until the user edits them or a run writes them back.
#pragma once
#include "analysis/display_settings.h"

class QFont;

struct FiltPaneValues {
    double timeStart = 0.1;
    double timeEnd = 4.0;
    int timeCount = 20;
    double filtA = 4.0;
    double filtB = 0.0;
    double filtK1 = 4.0;
    double filtK2 = 0.2;
    int useProgramTime = 0;
    double timeAxisMin = 0.0;
    double timeAxisMax = 10.0;
    double levelMin = 0.0;
    double levelMax = 2.0;
    QFont* graphFont = nullptr;  // the view's FILT graph font, once the view handed it over
    int showMarkers = 1;
    int showLines = 1;
    int showNumbers = 0;
    Colorref curveColor = 0x000000;
    int lineWidth = 2;
    int filtErrorEstimate = 0;
};
