// The FILT settings pane: time setup, FILT parameters and time-graph appearance.
#pragma once
#include <QDockWidget>

class CPropertiesWndFILT : public QDockWidget {
    Q_OBJECT
public:
    explicit CPropertiesWndFILT(QWidget* parent = nullptr);

    // What a finished FILT run used, shown back in the pane.
    void SetAnalysisValues(double start, double end, int count, double a, double b, double k1, double k2);
    void SetGraphValues(double timeAxisMin, double timeAxisMax, double levelMin, double levelMax);

signals:
    // 110 after an edited value, 111 after a font change.
    void commandSent(int id);
};
