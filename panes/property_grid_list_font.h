// The font of the settings panes' lists and of the output pane: the regular
// user-interface font at four fifths of the menu font's height and weight,
// italic as the menu font.
#pragma once
#include <QFont>

QFont listFontFrom(const QFont& interfaceFont, const QFont& menuFont);
// From the application's current fonts.
QFont paneListFont();
