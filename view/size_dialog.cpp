#include "view/size_dialog.h"

#include <algorithm>

#include <QCheckBox>
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

struct DialogLabel {
    DialogBox box;
    const char* text;
};

constexpr DialogBox kDialogSize{0, 0, 195, 70};
constexpr DialogBox kWidthBox{53, 7, 40, 14};
constexpr DialogBox kHeightBox{148, 7, 40, 14};
constexpr DialogBox kOkButton{85, 37, 50, 14};
constexpr DialogBox kCancelButton{138, 37, 50, 14};
constexpr DialogBox kFitBox{7, 55, 181, 10};
const char kFitText[] = "グラフを画像いっぱいに広げる(&F)";
constexpr DialogLabel kLabels[] = {
    {{7, 10, 43, 19}, "水平方向(H)\n400～2000"},
    {{103, 10, 42, 23}, "垂直方向(V)\n300～2000"},
    {{7, 40, 60, 8}, "（保存画像サイズ）"},
};

// Pixels per four units across and per eight down. The units grow where a
// label would not fit its box in this font (Japanese text is wider than the
// average character).
struct DialogUnits {
    int across;
    int down;
};

DialogUnits dialogUnits(const QFontMetrics& metrics)
{
    DialogUnits units{metrics.averageCharWidth(), metrics.height()};
    for (const DialogLabel& label : kLabels) {
        const QSize needed = metrics.size(0, QString::fromUtf8(label.text));
        units.across = std::max(units.across, (4 * needed.width() + label.box.width - 1) / label.box.width);
        units.down = std::max(units.down, (8 * needed.height() + label.box.height - 1) / label.box.height);
    }
    return units;
}

QRect toPixels(const DialogBox& box, DialogUnits units)
{
    return QRect(box.x * units.across / 4, box.y * units.down / 8, box.width * units.across / 4,
                 box.height * units.down / 8);
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
      heightBox_(new QLineEdit(this)),
      fitBox_(new QCheckBox(QString::fromUtf8(kFitText), this))
{
    setWindowTitle(QStringLiteral("サイズ変更"));
    const DialogUnits units = dialogUnits(QFontMetrics(font()));
    auto place = [&](QWidget* widget, const DialogBox& box) { widget->setGeometry(toPixels(box, units)); };
    for (const DialogLabel& label : kLabels)
        place(new QLabel(QString::fromUtf8(label.text), this), label.box);
    place(widthBox_, kWidthBox);
    place(heightBox_, kHeightBox);
    place(fitBox_, kFitBox);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    place(ok, kOkButton);
    place(cancel, kCancelButton);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    widthBox_->setObjectName(QStringLiteral("imageWidth"));
    heightBox_->setObjectName(QStringLiteral("imageHeight"));
    fitBox_->setObjectName(QStringLiteral("fitGraph"));
    setFixedSize(toPixels(kDialogSize, units).size());
}

void CDialogExSize::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        widthBox_->setText(QString::number(imageWidth));
        heightBox_->setText(QString::number(imageHeight));
        fitBox_->setChecked(fitGraph != 0);
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
    if (!readBox(widthBox_, kCanvasWidthMin, kCanvasWidthMax, width) ||
        !readBox(heightBox_, kCanvasHeightMin, kCanvasHeightMax, height))
        return;
    imageWidth = width;
    imageHeight = height;
    fitGraph = fitBox_->isChecked() ? 1 : 0;
    QDialog::accept();
}
