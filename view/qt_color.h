// Colours between the 0x00BBGGRR values of the settings and Qt.
#pragma once
#include <QColor>

#include "analysis/display_settings.h"

QColor toQColor(Colorref colour);
Colorref toColorref(const QColor& colour);
