#include "panes/property_grid_list_font.h"

#include <QApplication>
#include <QFontInfo>

QFont listFontFrom(const QFont& interfaceFont, const QFont& menuFont)
{
    QFont font = interfaceFont;
    font.setPixelSize(QFontInfo(menuFont).pixelSize() * 4 / 5);
    font.setWeight(static_cast<QFont::Weight>(menuFont.weight() * 4 / 5));
    font.setItalic(menuFont.italic());
    return font;
}

QFont paneListFont()
{
    return listFontFrom(QApplication::font(), QApplication::font("QMenu"));
}
