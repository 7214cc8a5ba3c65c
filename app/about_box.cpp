#include "app/about_box.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>

void showAboutBox(QWidget* parent)
{
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("バージョン情報 Brenno"));
    box.setIconPixmap(QIcon(QStringLiteral(":/icons/brenno.svg")).pixmap(32, 32));
    box.setText(QStringLiteral("Brenno Version %1").arg(QCoreApplication::applicationVersion()));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}
