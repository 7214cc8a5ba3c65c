// The Bode settings pane: sweep setup and Bode graph appearance.
#pragma once
#include <QDockWidget>

class CPropertiesWndBODE : public QDockWidget {
    Q_OBJECT
public:
    explicit CPropertiesWndBODE(QWidget* parent = nullptr);

    // What a finished Bode run used, shown back in the pane.
    void SetAnalysisValues(double start, double end, int count, int inOmega, int arithmetic);
    void SetGraphValues(int showGain, int showPhase, double freqAxisMin, double freqAxisMax, int radianUnits,
                        int linearFreqAxis, double dbRef, double dbDiv, double linGainMin, double linGainMax,
                        int linearGain);

signals:
    // 108 after an edited value, 109 after a font change.
    void commandSent(int id);
};
