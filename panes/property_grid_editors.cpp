#include "panes/property_grid_editors.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "panes/font_dialog.h"
#include "panes/property_grid_text.h"
#include "view/qt_color.h"

namespace {

// Five rows of eight, dark to light, as office palettes lay them out.
constexpr const char* kPaletteColours[] = {
    "#000000", "#993300", "#333300", "#003300", "#003366", "#000080", "#333399", "#333333",
    "#800000", "#FF6600", "#808000", "#008000", "#008080", "#0000FF", "#666699", "#808080",
    "#FF0000", "#FF9900", "#99CC00", "#339966", "#33CCCC", "#3366FF", "#800080", "#999999",
    "#FF00FF", "#FFCC00", "#FFFF00", "#00FF00", "#00FFFF", "#00CCFF", "#993366", "#C0C0C0",
    "#FF99CC", "#FFCC99", "#FFFF99", "#CCFFCC", "#CCFFFF", "#99CCFF", "#CC99FF", "#FFFFFF",
};
constexpr int kPaletteColumns = 8;
constexpr int kSwatchSize = 14;

// Keeps the edit open while a popup or dialog of the editor has the focus.
class BusyEditor {
public:
    explicit BusyEditor(QWidget* editor) : editor_(editor) { editor_->setProperty(kEditorBusy, true); }
    ~BusyEditor() { editor_->setProperty(kEditorBusy, false); }
    BusyEditor(const BusyEditor&) = delete;
    BusyEditor& operator=(const BusyEditor&) = delete;

private:
    QWidget* editor_;
};

QToolButton* textButton(const QString& text, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

QToolButton* swatchButton(Colorref colour, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(colourSwatch(colour));
    button->setAutoRaise(true);
    button->setToolTip(toQColor(colour).name(QColor::HexRgb).toUpper());
    return button;
}

// Below the anchor, or above it where the screen ends below; never past the
// screen's sides.
QPoint popupPosition(const QWidget& anchor, QSize popup)
{
    const QRect screen = anchor.screen()->availableGeometry();
    const QPoint below = anchor.mapToGlobal(QPoint(0, anchor.height()));
    int y = below.y();
    if (y + popup.height() > screen.bottom() + 1)
        y = anchor.mapToGlobal(QPoint(0, 0)).y() - popup.height();
    const int x = std::clamp(below.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - popup.width()));
    return QPoint(x, std::clamp(y, screen.top(), std::max(screen.top(), screen.bottom() + 1 - popup.height())));
}

// The keys that open an editor's palette or dialog, as they open a list.
bool opensPopup(const QKeyEvent& key)
{
    const bool altDown = key.key() == Qt::Key_Down && (key.modifiers() & Qt::AltModifier);
    return key.key() == Qt::Key_Space || key.key() == Qt::Key_F4 || altDown;
}

// The popup of the colour editor; it closes itself after any pick. It opens
// on the current colour (none: on the automatic button); the arrow keys move
// between its buttons, Space presses one, Escape closes it.
QFrame* createPalette(ColourEditor* editor, Colorref automaticColour, std::optional<Colorref> current,
                      const std::function<void()>& pickAutomatic, const std::function<void(Colorref)>& pickColour,
                      const std::function<void()>& pickOther)
{
    auto* palette = new QFrame(editor, Qt::Popup);
    palette->setAttribute(Qt::WA_DeleteOnClose);
    palette->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(palette);
    layout->setContentsMargins(3, 3, 3, 3);
    // A group lets the arrow keys move between the buttons as they are laid out.
    auto* keys = new QButtonGroup(palette);
    keys->setExclusive(false);

    QToolButton* automatic = textButton(kAutomaticColourLabel, palette);
    automatic->setIcon(colourSwatch(automaticColour));
    QObject::connect(automatic, &QToolButton::clicked, palette, [palette, pickAutomatic] {
        palette->close();
        pickAutomatic();
    });
    layout->addWidget(automatic);
    keys->addButton(automatic);
    QToolButton* start = automatic;

    auto* colours = new QGridLayout;
    colours->setSpacing(0);
    int index = 0;
    for (const char* name : kPaletteColours) {
        const Colorref colour = toColorref(QColor(QString::fromLatin1(name)));
        QToolButton* button = swatchButton(colour, palette);
        QObject::connect(button, &QToolButton::clicked, palette, [palette, pickColour, colour] {
            palette->close();
            pickColour(colour);
        });
        colours->addWidget(button, index / kPaletteColumns, index % kPaletteColumns);
        keys->addButton(button);
        if (current == colour)
            start = button;
        ++index;
    }
    layout->addLayout(colours);

    QToolButton* other = textButton(kOtherColoursLabel, palette);
    QObject::connect(other, &QToolButton::clicked, palette, [palette, pickOther] {
        palette->close();
        pickOther();
    });
    layout->addWidget(other);
    keys->addButton(other);
    start->setFocus();
    return palette;
}

// Underline and strike-out have no meaning for the graph texts.
std::optional<QFont> runFontDialog(const QFont& current, QWidget* parent)
{
    return askFont(current, parent, FontEffects::Hidden);
}

std::optional<QColor> runColourDialog(const QColor& current, QWidget* parent)
{
    const QColor picked = QColorDialog::getColor(current, parent);
    if (!picked.isValid())
        return std::nullopt;
    return picked;
}

QHBoxLayout* editorRow(QWidget* editor)
{
    auto* row = new QHBoxLayout(editor);
    row->setContentsMargins(2, 0, 0, 0);
    row->setSpacing(3);
    return row;
}

QToolButton* editorButton(const QString& text, QWidget* editor)
{
    auto* button = new QToolButton(editor);
    button->setText(text);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

QPixmap colourSwatch(Colorref colour)
{
    QPixmap pixmap(kSwatchSize, kSwatchSize);
    pixmap.fill(toQColor(colour));
    return pixmap;
}

GridDialogs standardGridDialogs()
{
    return GridDialogs{runColourDialog, runFontDialog};
}

QWidget* createPropertyEditor(const GridProperty& property, const GridDialogs& dialogs, QWidget* parent)
{
    switch (property.kind()) {
    case GridProperty::Kind::Number:
    case GridProperty::Kind::Integer: {
        auto* edit = new QLineEdit(property.displayText(), parent);
        edit->setFrame(false);
        edit->selectAll();
        return edit;
    }
    case GridProperty::Kind::Choice: {
        auto* box = new QComboBox(parent);
        box->addItems(property.choices());
        box->setCurrentText(property.text());
        return box;
    }
    case GridProperty::Kind::Colour:
        return new ColourEditor(property, dialogs, parent);
    case GridProperty::Kind::Font:
        return new FontEditor(property, dialogs, parent);
    case GridProperty::Kind::Group:
        break;
    }
    return nullptr;
}

void takeEditorValue(QWidget* editor, GridProperty& property)
{
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        // Text left as shown keeps the full value behind it (1234567 shows as 1.23457E+006).
        if (edit->text() != property.displayText())
            property.takeText(edit->text());
    } else if (auto* box = qobject_cast<QComboBox*>(editor))
        property.takeText(box->currentText());
    else if (auto* colour = qobject_cast<ColourEditor*>(editor)) {
        if (colour->isAutomatic())
            property.setAutomatic();
        else
            property.setColour(colour->colour());
    }
}

ColourEditor::ColourEditor(const GridProperty& property, const GridDialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      swatch_(new QLabel(this)),
      text_(new QLabel(this)),
      colour_(property.colour()),
      automaticColour_(property.automaticColour()),
      automatic_(property.isAutomatic()),
      dialogs_(dialogs)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    QHBoxLayout* row = editorRow(this);
    row->addWidget(swatch_);
    row->addWidget(text_, 1);
    QToolButton* open = editorButton(QStringLiteral("▼"), this);
    connect(open, &QToolButton::clicked, this, &ColourEditor::openPalette);
    row->addWidget(open);
    showValue();
}

void ColourEditor::openPalette()
{
    QFrame* palette = createPalette(
        this, automaticColour_, automatic_ ? std::nullopt : std::optional<Colorref>(colour_), [this] { pickAutomatic(); },
        [this](Colorref colour) { pickColour(colour); }, [this] { pickOther(); });
    setProperty(kEditorBusy, true);
    connect(palette, &QObject::destroyed, this, [this] { setProperty(kEditorBusy, false); });
    palette->adjustSize();
    palette->move(popupPosition(*this, palette->size()));
    palette->show();
}

void ColourEditor::keyPressEvent(QKeyEvent* event)
{
    if (opensPopup(*event))
        openPalette();
    else
        QWidget::keyPressEvent(event);
}

void ColourEditor::pickAutomatic()
{
    automatic_ = true;
    colour_ = automaticColour_;
    showValue();
    emit picked();
}

void ColourEditor::pickColour(Colorref colour)
{
    automatic_ = false;
    colour_ = colour;
    showValue();
    emit picked();
}

void ColourEditor::pickOther()
{
    std::optional<QColor> chosen;
    {
        BusyEditor busy(this);
        chosen = dialogs_.pickColour(toQColor(colour_), this);
    }
    if (chosen)
        pickColour(toColorref(*chosen));
}

void ColourEditor::showValue()
{
    swatch_->setPixmap(colourSwatch(colour_));
    text_->setText(automatic_ ? kAutomaticColourLabel : showColour(colour_));
}

FontEditor::FontEditor(const GridProperty& property, const GridDialogs& dialogs, QWidget* parent)
    : QWidget(parent), text_(new QLabel(property.displayText(), this)), font_(property.font()), dialogs_(dialogs)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    QHBoxLayout* row = editorRow(this);
    row->addWidget(text_, 1);
    QToolButton* open = editorButton(QStringLiteral("..."), this);
    connect(open, &QToolButton::clicked, this, &FontEditor::openDialog);
    row->addWidget(open);
}

void FontEditor::keyPressEvent(QKeyEvent* event)
{
    if (opensPopup(*event))
        openDialog();
    else
        QWidget::keyPressEvent(event);
}

void FontEditor::openDialog()
{
    std::optional<QFont> chosen;
    {
        BusyEditor busy(this);
        chosen = dialogs_.pickFont(font_, this);
    }
    if (!chosen)
        return;
    font_ = *chosen;
    text_->setText(showFont(font_));
    emit fontPicked(font_);
}
