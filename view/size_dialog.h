// The size dialog: the pixel width and height of a saved graph image.
#pragma once
#include <QDialog>
#include <QString>

#include "analysis/view_data.h"

class QCheckBox;
class QLineEdit;

// One box read as a decimal integer within minimum..maximum. On failure
// problem is the message the dialog shows and value is unchanged.
bool readImageSide(const QString& text, int minimum, int maximum, int& value, QString& problem);

class CDialogExSize : public QDialog {
    Q_OBJECT

public:
    explicit CDialogExSize(QWidget* parent = nullptr);

    // Set before showing the dialog, read after OK.
    int imageWidth = kCanvasWidthMin;
    int imageHeight = kCanvasHeightMin;
    // 1: saved images draw the graph filling them, with room for its labels.
    int fitGraph = 0;

    // Checks both boxes in turn; the first bad one keeps the dialog open.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool readBox(QLineEdit* box, int minimum, int maximum, int& value);

    QLineEdit* widthBox_;
    QLineEdit* heightBox_;
    QCheckBox* fitBox_;
};
