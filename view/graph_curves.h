// The curves of the last run: gain and phase over frequency, or f(t).
#pragma once
#include <QFont>

#include "analysis/view_data.h"
#include "view/drawing_surface.h"

void drawBodeCurves(DrawingSurface& surface, const ViewData& view, const QFont& font);
void drawTimeCurve(DrawingSurface& surface, const ViewData& view, const QFont& font);
