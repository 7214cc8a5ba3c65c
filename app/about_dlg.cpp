#include "app/about_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kIconSize = 32;

QLabel* iconLabel()
{
    auto* label = new QLabel;
    label->setPixmap(QIcon(QStringLiteral(":/icons/brenno.svg")).pixmap(kIconSize, kIconSize));
    label->setAlignment(Qt::AlignTop);
    return label;
}

QLabel* nameLabel()
{
    auto* label = new QLabel(QStringLiteral("Brenno"));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("バージョン情報 Brenno"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QGridLayout(this);
    layout->addWidget(iconLabel(), 0, 0, 2, 1);
    layout->addWidget(nameLabel(), 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("バージョン %1").arg(QApplication::applicationVersion())), 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
