// The readings of a Bode run marked on its graph: the phase margin as a bar
// from -180 degrees up to the phase at the gain crossover, the gain margin as
// a bar from the gain at the phase crossover up to 0 dB, both on dotted lines
// at their frequencies, the bandwidth as a dotted line, and the peak as a
// cross, each with its value written beside it.
#pragma once
#include <QFont>

#include "analysis/view_data.h"
#include "view/drawing_surface.h"

// Nothing unless the Bode settings ask for the marks and the run took readings.
void drawReadingMarks(DrawingSurface& surface, const ViewData& view, const QFont& font);
