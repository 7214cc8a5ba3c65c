// The appearance of the Bode and time-response graphs (fonts live with the GUI).
#pragma once
#include <cstdint>

// Colours are 0x00BBGGRR.
using Colorref = uint32_t;

constexpr Colorref rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }
constexpr unsigned redOf(Colorref c) { return c & 0xFF; }
constexpr unsigned greenOf(Colorref c) { return (c >> 8) & 0xFF; }
constexpr unsigned blueOf(Colorref c) { return (c >> 16) & 0xFF; }

struct BodeDisplaySettings {
    double dbRef = 10.0;       // dB at the top edge of the dB axis
    double dbDiv = 5.0;        // dB per division; the axis has ten
    double linGainMax = 2.0;
    double linGainMin = 0.0;
    double freqAxisMin = 0.1;  // in the unit chosen by radianUnits
    double freqAxisMax = 20.0;
    int linearGain = 1;
    int linearFreqAxis = 1;
    int phaseRange = 0;        // 0: -360..0 degrees, 1: -180..+180
    int radianUnits = 1;       // 1: rad/s and radians, 0: Hz and degrees
    int lineWidth = 2;
    int showGain = 1;
    int showPhase = 1;
    Colorref gainColor = 0x0000FF;
    Colorref phaseColor = 0xFF0000;
    int showMarkers = 1;
    int showLines = 1;
    int showNumbers = 0;
    int showReadings = 0;      // mark the margins, bandwidth and peak on the graph
};

struct FiltDisplaySettings {
    double timeAxisMin = 0.0;
    double timeAxisMax = 10.0;
    double levelMin = 0.0;
    double levelMax = 2.0;
    int lineWidth = 2;
    Colorref curveColor = 0;
    int showMarkers = 1;
    int showLines = 1;
    int showNumbers = 0;
};
