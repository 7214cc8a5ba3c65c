// The FILT settings pane: time setup, FILT parameters and time-graph
// appearance. Every ended edit tells the view (110), a font change too (111);
// a finished FILT run shows the values it used here.
#pragma once
#include "panes/filt_pane_values.h"
#include "panes/property_grid_pane.h"
#include "panes/property_grid_settings.h"

class CPropertiesToolBarFILT : public PropertiesToolBar {
    Q_OBJECT
public:
    explicit CPropertiesToolBarFILT(QWidget* parent);
};

class CMFCPropertyGridPlusCtrlFILT : public RecordGrid<FiltPaneValues> {
    Q_OBJECT
public:
    explicit CMFCPropertyGridPlusCtrlFILT(QWidget* parent);

    void SetAnalysisValues(double timeStart, double timeEnd, int timeCount, double filtA, double filtB,
                           double filtK1, double filtK2);
    void SetGraphValues(double timeAxisMin, double timeAxisMax, double levelMin, double levelMax);
};

class CPropertiesWndFILT : public RecordPane<CMFCPropertyGridPlusCtrlFILT, CPropertiesToolBarFILT> {
    Q_OBJECT
public:
    explicit CPropertiesWndFILT(QWidget* parent = nullptr);

    // What a finished FILT run used, shown back in the pane.
    void SetAnalysisValues(double start, double end, int count, double a, double b, double k1, double k2);
    void SetGraphValues(double timeAxisMin, double timeAxisMax, double levelMin, double levelMax);
};
