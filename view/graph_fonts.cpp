#include "view/graph_fonts.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

// The height asked for is that of the whole character cell, ascent plus
// descent, as the font's face would give it on Windows.
constexpr int kCellHeight = 12;
constexpr int kSmallestPixelSize = 6;

}  // namespace

QFont makeGraphFont()
{
    QFont font;
    // Proportional faces first: the fixed-pitch IPAGothic gives a blank the
    // width of a figure, and padded labels then crowd each other.
    font.setFamilies(QStringList{"MS UI Gothic", "IPAPGothic", "IPAGothic"});
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // Crisp pixels at this small size, as the face's own bitmaps would draw it;
    // full hinting keeps whole-pixel advances, so letters keep even spacing.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setPixelSize(kCellHeight);
    for (int size = kCellHeight - 1; size >= kSmallestPixelSize && QFontMetrics(font).height() > kCellHeight;
         --size)
        font.setPixelSize(size);
    return font;
}
