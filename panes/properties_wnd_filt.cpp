#include "panes/properties_wnd_filt.h"

#include <QWidget>

CPropertiesWndFILT::CPropertiesWndFILT(QWidget* parent) : QDockWidget(parent)
{
    setWidget(new QWidget(this));
}

void CPropertiesWndFILT::SetAnalysisValues(double, double, int, double, double, double, double) {}

void CPropertiesWndFILT::SetGraphValues(double, double, double, double) {}
