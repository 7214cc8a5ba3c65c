// The settings panes' "expand all" image: a box with a plus over the branches
// of a tree. The branches take the toolbar's text colour, so that they show on
// the light bars of most looks and on the dark bars of the black one alike.
#pragma once
#include <QIcon>
#include <QPalette>

QIcon expandAllIcon(const QPalette& palette);
