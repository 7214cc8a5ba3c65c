#include "panes/pane_values_copy.h"

void copyBodePaneValues(const BodePaneValues& pane, ViewData& view)
{
    AnalysisSettings& run = view.settings;
    BodeDisplaySettings& graph = view.bode;
    run.sweepStart = pane.sweepStart;
    run.sweepEnd = pane.sweepEnd;
    run.sweepCount = pane.sweepCount;
    run.sweepInOmega = pane.sweepInOmega;
    run.sweepArithmetic = pane.sweepArithmetic;
    run.useProgramFreq = pane.useProgramFreq;
    graph.showGain = pane.showGain;
    graph.showPhase = pane.showPhase;
    graph.lineWidth = pane.lineWidth;
    graph.freqAxisMin = pane.freqAxisMin;
    graph.freqAxisMax = pane.freqAxisMax;
    graph.radianUnits = pane.radianUnits;
    graph.linearFreqAxis = pane.linearFreqAxis;
    graph.dbRef = pane.dbRef;
    graph.dbDiv = pane.dbDiv;
    graph.linGainMax = pane.linGainMax;
    graph.linGainMin = pane.linGainMin;
    graph.linearGain = pane.linearGain;
    graph.phaseRange = pane.phaseRange;
    graph.gainColor = pane.gainColor;
    graph.phaseColor = pane.phaseColor;
    graph.showMarkers = pane.showMarkers;
    graph.showLines = pane.showLines;
    graph.showNumbers = pane.showNumbers;
    graph.showReadings = pane.showReadings;
}

void copyFiltPaneValues(const FiltPaneValues& pane, ViewData& view)
{
    AnalysisSettings& run = view.settings;
    FiltDisplaySettings& graph = view.filt;
    run.timeStart = pane.timeStart;
    run.timeEnd = pane.timeEnd;
    run.timeCount = pane.timeCount;
    run.filtA = pane.filtA;
    run.filtB = pane.filtB;
    run.filtK1 = pane.filtK1;
    run.filtK2 = pane.filtK2;
    run.useProgramTime = pane.useProgramTime;
    run.filtErrorEstimate = pane.filtErrorEstimate;
    graph.timeAxisMin = pane.timeAxisMin;
    graph.timeAxisMax = pane.timeAxisMax;
    graph.levelMin = pane.levelMin;
    graph.levelMax = pane.levelMax;
    graph.lineWidth = pane.lineWidth;
    graph.curveColor = pane.curveColor;
    graph.showMarkers = pane.showMarkers;
    graph.showLines = pane.showLines;
    graph.showNumbers = pane.showNumbers;
}
