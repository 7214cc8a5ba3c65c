// The open and save dialogs of the source files and the CSV export.
#pragma once
#include <QString>
#include <QStringList>

class QWidget;

// An empty path when the user cancels.
QString askOpenPath(QWidget* parent, const QString& title, const QString& defaultSuffix, const QStringList& filters);
QString askSavePath(QWidget* parent, const QString& title, const QString& defaultSuffix, const QString& proposedName,
                    const QStringList& filters);
