// The questions and the answer of the save-graph command.
#pragma once
#include <QString>

#include "view/image_export.h"

class QWidget;

// The file-save dialog for the graph image; empty when the user cancels.
// A name typed without an extension gets the chosen type's, bmp for all files.
QString askGraphImagePath(QWidget* parent);

// The failure message box, with an OK button only, naming the file and the reason.
void showSaveImageFailed(QWidget* parent, ImageStatus status, const QString& path, const QString& reason);
