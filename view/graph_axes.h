// The frame, grids, labels and titles of the Bode and time-response graphs.
#pragma once
#include <QFont>

#include "analysis/display_settings.h"
#include "analysis/view_data.h"
#include "view/drawing_surface.h"

void drawLinearFrequencyAxis(DrawingSurface& surface, const BodeDisplaySettings& bode,
                             const GraphRect& plot, const QFont& font);
void drawLogFrequencyAxis(DrawingSurface& surface, const BodeDisplaySettings& bode,
                          const GraphRect& plot, const QFont& font);
void drawGainAxis(DrawingSurface& surface, const BodeDisplaySettings& bode, const GraphRect& plot,
                  const QFont& font);
void drawPhaseAxis(DrawingSurface& surface, const BodeDisplaySettings& bode, const GraphRect& plot,
                   const QFont& font);
void drawTimeAxes(DrawingSurface& surface, const FiltDisplaySettings& filt, const GraphRect& plot,
                  const QFont& font);
