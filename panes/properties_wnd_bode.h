// The Bode settings pane: sweep setup and Bode graph appearance. Every ended
// edit tells the view (108), a font change too (109); a finished Bode run
// shows the values it used here.
#pragma once
#include "panes/bode_pane_values.h"
#include "panes/property_grid_pane.h"
#include "panes/property_grid_settings.h"

class CPropertiesToolBarBODE : public PropertiesToolBar {
    Q_OBJECT
public:
    explicit CPropertiesToolBarBODE(QWidget* parent);
};

class CMFCPropertyGridPlusCtrlBODE : public RecordGrid<BodePaneValues> {
    Q_OBJECT
public:
    explicit CMFCPropertyGridPlusCtrlBODE(QWidget* parent);

    void SetAnalysisValues(double sweepStart, double sweepEnd, int sweepCount, int sweepInOmega,
                           int sweepArithmetic);
    void SetGraphValues(int showGain, int showPhase, double freqAxisMin, double freqAxisMax, int radianUnits,
                        int linearFreqAxis, double dbRef, double dbDiv, double linGainMin, double linGainMax,
                        int linearGain);

private:
    void showCurves(int showGain, int showPhase);
};

class CPropertiesWndBODE : public RecordPane<CMFCPropertyGridPlusCtrlBODE, CPropertiesToolBarBODE> {
    Q_OBJECT
public:
    explicit CPropertiesWndBODE(QWidget* parent = nullptr);

    // What a finished Bode run used, shown back in the pane.
    void SetAnalysisValues(double start, double end, int count, int inOmega, int arithmetic);
    void SetGraphValues(int showGain, int showPhase, double freqAxisMin, double freqAxisMax, int radianUnits,
                        int linearFreqAxis, double dbRef, double dbDiv, double linGainMin, double linGainMax,
                        int linearGain);
};
