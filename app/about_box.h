// The about box: program icon, name and version.
#pragma once

class QWidget;

void showAboutBox(QWidget* parent);
