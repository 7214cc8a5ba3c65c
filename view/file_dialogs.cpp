#include "view/file_dialogs.h"

#include <QFileDialog>

namespace {

QString askPath(QFileDialog& dialog, const QString& defaultSuffix, const QStringList& filters)
{
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString askOpenPath(QWidget* parent, const QString& title, const QString& defaultSuffix, const QStringList& filters)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return askPath(dialog, defaultSuffix, filters);
}

QString askSavePath(QWidget* parent, const QString& title, const QString& defaultSuffix, const QString& proposedName,
                    const QStringList& filters)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(proposedName);
    return askPath(dialog, defaultSuffix, filters);
}
