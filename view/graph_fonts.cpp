#include "view/graph_fonts.h"

#include <QStringList>

namespace {

constexpr int kCellHeight = 12;

}  // namespace

QFont makeGraphFont()
{
    QFont font;
    font.setFamilies(QStringList{"MS UI Gothic", "IPAGothic", "IPAPGothic"});
    font.setPixelSize(kCellHeight);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}
