#include "view/qt_color.h"

QColor toQColor(Colorref colour)
{
    return QColor(static_cast<int>(redOf(colour)), static_cast<int>(greenOf(colour)),
                  static_cast<int>(blueOf(colour)));
}

Colorref toColorref(const QColor& colour)
{
    return rgb(static_cast<unsigned>(colour.red()), static_cast<unsigned>(colour.green()),
               static_cast<unsigned>(colour.blue()));
}
