#include "view/image_save_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

namespace {

struct ImageFileType {
    const char* filter;
    const char* extension;
};

constexpr ImageFileType kImageFileTypes[] = {
    {"BMP (*.bmp)", "bmp"}, {"JPG (*.jpg)", "jpg"},        {"PNG (*.png)", "png"},
    {"TIF (*.tif)", "tif"}, {"All Files (*.*)", "bmp"},
};

QString defaultExtensionFor(const QString& filter)
{
    for (const ImageFileType& type : kImageFileTypes)
        if (filter == QLatin1String(type.filter))
            return type.extension;
    return kImageFileTypes[0].extension;
}

}  // namespace

QString askGraphImagePath(QWidget* parent)
{
    QStringList filters;
    for (const ImageFileType& type : kImageFileTypes)
        filters << type.filter;
    QFileDialog dialog(parent, QStringLiteral("Save Image File"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(defaultExtensionFor(filters.first()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(defaultExtensionFor(filter));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

void showSaveImageFailed(QWidget* parent, ImageStatus status, const QString& path, const QString& reason)
{
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                    saveImageFailedText(status), QMessageBox::Ok, parent);
    box.setInformativeText(QDir::toNativeSeparators(path) + QStringLiteral("\n") + reason);
    box.exec();
}
