#include "view/size_dialog.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>

namespace {

// Positions and sizes in dialog units: a quarter of the average character
// width across, an eighth of the character height down.
struct DialogBox {
    int x, y, width, height;
};

constexpr DialogBox kDialogSize{0, 0, 195, 58};
constexpr DialogBox kWidthLabel{7, 10, 43, 19};
constexpr DialogBox kWidthBox{53, 7, 40, 14};
constexpr DialogBox kHeightLabel{103, 10, 42, 23};
constexpr DialogBox kHeightBox{148, 7, 40, 14};
constexpr DialogBox kNoteLabel{7, 40, 60, 8};
constexpr DialogBox kOkButton{85, 37, 50, 14};
constexpr DialogBox kCancelButton{138, 37, 50, 14};

QRect toPixels(const DialogBox& box, const QFontMetrics& metrics)
{
    const int across = metrics.averageCharWidth();
    const int down = metrics.height();
    return QRect(box.x * across / 4, box.y * down / 8, box.width * across / 4, box.height * down / 8);
}

// Whether text reads as a decimal integer: blanks around an optional sign
// and at least one digit.
bool isDecimalInteger(const QString& text)
{
    const QString digits = text.trimmed();
    const int start = digits.startsWith('+') || digits.startsWith('-') ? 1 : 0;
    if (start == digits.size())
        return false;
    for (int i = start; i < digits.size(); ++i)
        if (!digits[i].isDigit() || digits[i].unicode() > '9')
            return false;
    return true;
}

}  // namespace

bool readImageSide(const QString& text, int minimum, int maximum, int& value, QString& problem)
{
    if (!isDecimalInteger(text)) {
        problem = QStringLiteral("整数を入力してください。");
        return false;
    }
    bool inRange = false;
    const qlonglong number = text.trimmed().toLongLong(&inRange);
    if (!inRange || number < minimum || number > maximum) {
        problem = QStringLiteral("%1 から %2 までの整数を入力してください。").arg(minimum).arg(maximum);
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

CDialogExSize::CDialogExSize(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      widthBox_(new QLineEdit(this)),
      heightBox_(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("サイズ変更"));
    const QFontMetrics metrics(font());
    auto place = [&](QWidget* widget, const DialogBox& box) {
        widget->setGeometry(toPixels(box, metrics));
    };
    place(new QLabel(QStringLiteral("水平方向(H)\n400～2000"), this), kWidthLabel);
    place(widthBox_, kWidthBox);
    place(new QLabel(QStringLiteral("垂直方向(V)\n300～2000"), this), kHeightLabel);
    place(heightBox_, kHeightBox);
    place(new QLabel(QStringLiteral("（保存画像サイズ）"), this), kNoteLabel);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    place(ok, kOkButton);
    place(cancel, kCancelButton);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    widthBox_->setObjectName(QStringLiteral("imageWidth"));
    heightBox_->setObjectName(QStringLiteral("imageHeight"));
    setFixedSize(toPixels(kDialogSize, metrics).size());
}

void CDialogExSize::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        widthBox_->setText(QString::number(imageWidth));
        heightBox_->setText(QString::number(imageHeight));
        widthBox_->setFocus();
    }
    QDialog::showEvent(event);
}

bool CDialogExSize::readBox(QLineEdit* box, int minimum, int maximum, int& value)
{
    QString problem;
    if (readImageSide(box->text(), minimum, maximum, value, problem))
        return true;
    QMessageBox::warning(this, QGuiApplication::applicationDisplayName(), problem);
    box->setFocus();
    box->selectAll();
    return false;
}

void CDialogExSize::accept()
{
    int width = imageWidth;
    int height = imageHeight;
    if (!readBox(widthBox_, kImageWidthMin, kImageWidthMax, width) ||
        !readBox(heightBox_, kImageHeightMin, kImageHeightMax, height))
        return;
    imageWidth = width;
    imageHeight = height;
    QDialog::accept();
}
