// The two graph fonts the view owns; the settings panes edit them in place.
#pragma once
#include <QFont>

// "MS UI Gothic" with a cell height of 12 pixels, normal weight; where that
// face is missing the proportional IPA P Gothic installed with Brenno stands in.
QFont makeGraphFont();

struct GraphFonts {
    QFont bode = makeGraphFont();
    QFont filt = makeGraphFont();
};
