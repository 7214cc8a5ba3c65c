#include "panes/properties_wnd_bode.h"

#include <QWidget>

CPropertiesWndBODE::CPropertiesWndBODE(QWidget* parent) : QDockWidget(parent)
{
    setWidget(new QWidget(this));
}

void CPropertiesWndBODE::SetAnalysisValues(double, double, int, int, int) {}

void CPropertiesWndBODE::SetGraphValues(int, int, double, double, int, int, double, double, double, double, int) {}
