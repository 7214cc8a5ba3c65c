// A Bode view with a short curve, as after a run: something for a picture or a printout to show.
#pragma once
#include "analysis/view_data.h"

inline ViewData viewWithCurve()
{
    ViewData view;
    view.pointCount = 3;
    for (int i = 0; i < 3; ++i)
        view.frequencyPoints[size_t(i)] = FrequencyPoint{0.1 + i * 9.0, q_complex(1.0 / (i + 1), -0.5)};
    return view;
}
