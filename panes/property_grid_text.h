// How the property grid shows numbers and reads typed ones back.
#pragma once
#include <QFont>
#include <QString>

#include "analysis/display_settings.h"

// "%G" with a three-digit exponent: 0.1, 20, 1E-005.
QString showSingle(float value);
QString showInteger(long value);
QString showColour(Colorref colour);  // RGB(255, 0, 0)
// family(size) as the font dialog shows the font: the face found, in points.
QString showFont(const QFont& font);

// A double as the list holds it: single precision, held to the single range.
float toSingle(double value);

// The number that the trimmed text starts with, as the C library's atof would
// read it; text that does not start with a number gives 0. Values beyond the
// single-precision range become the largest single value of that sign.
float readSingle(const QString& typed);

// The decimal integer that the trimmed text starts with, 0 if none, held to
// the 32-bit range.
long readInteger(const QString& typed);
