// The in-place editors of the property grid, one per kind of value.
#pragma once
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>

#include "panes/property_grid_property.h"

class QLabel;

// The dialogs behind the colour and font editors; tests put their own in.
struct GridDialogs {
    std::function<std::optional<QColor>(const QColor& current, QWidget* parent)> pickColour;
    std::function<std::optional<QFont>(const QFont& current, QWidget* parent)> pickFont;
};
GridDialogs standardGridDialogs();

// The small square that shows a colour in the list and the palette.
QPixmap colourSwatch(Colorref colour);

// Set on an editor while its popup or dialog is open: losing the focus to it
// does not end the edit.
inline constexpr char kEditorBusy[] = "propertyGridEditorBusy";

// A line edit, a list-only combo box, or one of the two editors below; null for groups.
QWidget* createPropertyEditor(const GridProperty& property, const GridDialogs& dialogs, QWidget* parent);

// Moves the editor's value into the property (the font editor has none).
void takeEditorValue(QWidget* editor, GridProperty& property);

// Swatch and text, with a button that opens the palette: automatic "既定値",
// the colours, and "その他..." for the full colour dialog.
class ColourEditor : public QWidget {
    Q_OBJECT
public:
    ColourEditor(const GridProperty& property, const GridDialogs& dialogs, QWidget* parent);

    Colorref colour() const { return colour_; }
    bool isAutomatic() const { return automatic_; }
    // Below the editor, or above it at the foot of the screen, always on the screen.
    void openPalette();

signals:
    // A colour was picked; the edit is over.
    void picked();

protected:
    // Space, F4 and Alt+Down open the palette.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pickAutomatic();
    void pickColour(Colorref colour);
    void pickOther();
    void showValue();

    QLabel* swatch_;
    QLabel* text_;
    Colorref colour_;
    Colorref automaticColour_;
    bool automatic_;
    GridDialogs dialogs_;
};

// The font's name and size, with a button that opens the font dialog; cannot be typed into.
class FontEditor : public QWidget {
    Q_OBJECT
public:
    FontEditor(const GridProperty& property, const GridDialogs& dialogs, QWidget* parent);

    void openDialog();

signals:
    void fontPicked(const QFont& font);

protected:
    // Space, F4 and Alt+Down open the font dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* text_;
    QFont font_;
    GridDialogs dialogs_;
};
