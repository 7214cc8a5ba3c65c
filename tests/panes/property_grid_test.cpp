#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>

#include "panes/property_grid.h"

namespace {

// Records what the grid reports, as "name=shown value".
class RecordingGrid : public PropertyGrid {
public:
    QStringList ended;
    QStringList changed;

protected:
    void endOfEdit(GridProperty& property) override { ended << property.name() + "=" + property.displayText(); }
    void propertyChanged(GridProperty& property) override { changed << property.name(); }
};

QToolButton* buttonLabelled(QWidget* parent, const QString& text)
{
    for (QToolButton* button : parent->findChildren<QToolButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

}  // namespace

class PropertyGridTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void typedNumberIsTakenOnEnter();
    void unchangedEditStillEnds();
    void selectingAnotherRowEndsTheEdit();
    void losingTheFocusEndsTheEdit();
    void pickingAChoiceWaitsForTheEditToEnd();
    void modifiedValuesAreBoldUntilBackAtTheirCreationValue();
    void leavingAProgramValueUnchangedKeepsItWholeAndUnmarked();
    void automaticColourShowsItsLabelAndStandsForItsColour();
    void otherColoursOpenTheColourDialog();
    void fontDialogChangesThePropertyWithoutEndingTheEdit();
    void descriptionAreaShowsTheSelectedProperty();
    void descriptionAreaIsNoTallerThanItsText();
    void expandAllOpensSubgroups();
    void upAndDownMoveBetweenRowsWhateverTheEditor();
    void keysOpenEveryEditor_data();
    void keysOpenEveryEditor();
    void paletteWorksFromTheKeyboard();
    void paletteStaysOnTheScreen_data();
    void paletteStaysOnTheScreen();
    void dividerStartsAfterTheLongestNameAndFollowsTheMouse();

private:
    QTreeWidgetItem* rowOf(const QString& name) const;
    QWidget* edit(const QString& name);

    QWidget* window_ = nullptr;
    RecordingGrid* grid_ = nullptr;
    QLineEdit* elsewhere_ = nullptr;
    std::optional<QColor> dialogColour_;
    std::optional<QFont> dialogFont_;
};

void PropertyGridTest::init()
{
    window_ = new QWidget;
    grid_ = new RecordingGrid;
    elsewhere_ = new QLineEdit;
    auto* layout = new QVBoxLayout(window_);
    layout->addWidget(grid_);
    layout->addWidget(elsewhere_);

    auto group = GridProperty::group("G");
    group->add(GridProperty::number("N", 0.1f, "number description"));
    group->add(GridProperty::integer("I", 80, "integer description"));
    group->add(GridProperty::choice("C", "b", {"a", "b"}, "choice description"));
    GridProperty* sub = group->add(GridProperty::group("S"));
    sub->add(GridProperty::colour("K", 0x0000FF, 0x0000FF, "colour description"));
    sub->add(GridProperty::font("F", QFont("Sans", 9), "font description"));
    grid_->addProperty(std::move(group));
    grid_->setDialogs(GridDialogs{[this](const QColor&, QWidget*) { return dialogColour_; },
                                  [this](const QFont&, QWidget*) { return dialogFont_; }});

    window_->resize(400, 400);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void PropertyGridTest::cleanup()
{
    delete window_;
}

QTreeWidgetItem* PropertyGridTest::rowOf(const QString& name) const
{
    return grid_->list()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive).value(0);
}

QWidget* PropertyGridTest::edit(const QString& name)
{
    grid_->select(*grid_->find(name));
    return grid_->openEditor();
}

void PropertyGridTest::typedNumberIsTakenOnEnter()
{
    auto* editor = qobject_cast<QLineEdit*>(edit("N"));
    QVERIFY(editor);
    QCOMPARE(editor->text(), QString("0.1"));
    editor->clear();
    QTest::keyClicks(editor, "1e-5");
    QTest::keyClick(editor, Qt::Key_Return);

    QTRY_COMPARE(grid_->ended, QStringList{"N=1E-005"});
    QCOMPARE(grid_->changed, QStringList{"N"});
    QCOMPARE(grid_->find("N")->number(), 1e-5f);
    QCOMPARE(rowOf("N")->text(1), QString("1E-005"));
    QVERIFY(!grid_->openEditor());
}

void PropertyGridTest::unchangedEditStillEnds()
{
    QTest::keyClick(edit("I"), Qt::Key_Return);
    QTRY_COMPARE(grid_->ended, QStringList{"I=80"});
    QVERIFY(grid_->changed.isEmpty());
}

void PropertyGridTest::selectingAnotherRowEndsTheEdit()
{
    auto* editor = qobject_cast<QLineEdit*>(edit("I"));
    editor->setText("12abc");
    QTest::mouseClick(grid_->list()->viewport(), Qt::LeftButton, {},
                      grid_->list()->visualItemRect(rowOf("N")).center());

    QCOMPARE(grid_->ended, QStringList{"I=12"});
    QCOMPARE(grid_->selected(), grid_->find("N"));
    QVERIFY(qobject_cast<QLineEdit*>(grid_->openEditor()));
}

void PropertyGridTest::losingTheFocusEndsTheEdit()
{
    auto* editor = qobject_cast<QLineEdit*>(edit("N"));
    editor->setText("abc");
    elsewhere_->setFocus();
    QTRY_COMPARE(grid_->ended, QStringList{"N=0"});
}

void PropertyGridTest::pickingAChoiceWaitsForTheEditToEnd()
{
    auto* box = qobject_cast<QComboBox*>(edit("C"));
    QVERIFY(box);
    QCOMPARE(box->count(), 2);
    QVERIFY(!box->isEditable());
    box->setCurrentIndex(0);
    QVERIFY(grid_->ended.isEmpty());
    QTest::keyClick(box, Qt::Key_Return);
    QTRY_COMPARE(grid_->ended, QStringList{"C=a"});
}

void PropertyGridTest::modifiedValuesAreBoldUntilBackAtTheirCreationValue()
{
    auto typeInto = [this](const QString& text) {
        auto* editor = qobject_cast<QLineEdit*>(edit("N"));
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!grid_->openEditor());
    };
    typeInto("5");
    QVERIFY(rowOf("N")->font(1).bold());
    typeInto("0.1");
    QVERIFY(!rowOf("N")->font(1).bold());

    // A value set by the program leaves the marking alone.
    grid_->find("N")->setNumber(7.0f);
    grid_->refresh(*grid_->find("N"));
    QCOMPARE(rowOf("N")->text(1), QString("7"));
    QVERIFY(!rowOf("N")->font(1).bold());
    QVERIFY(rowOf("G")->font(0).bold());
}

void PropertyGridTest::leavingAProgramValueUnchangedKeepsItWholeAndUnmarked()
{
    grid_->find("N")->setNumber(1234567.0f);
    grid_->refresh(*grid_->find("N"));
    QTest::keyClick(edit("N"), Qt::Key_Return);
    QTRY_COMPARE(grid_->ended, QStringList{"N=1.23457E+006"});
    QCOMPARE(grid_->find("N")->number(), 1234567.0f);
    QVERIFY(grid_->changed.isEmpty());
    QVERIFY(!rowOf("N")->font(1).bold());
}

void PropertyGridTest::automaticColourShowsItsLabelAndStandsForItsColour()
{
    auto* editor = qobject_cast<ColourEditor*>(edit("K"));
    QVERIFY(editor);
    editor->openPalette();
    QWidget* palette = QApplication::activePopupWidget();
    QVERIFY(palette);
    QVERIFY(buttonLabelled(palette, "その他..."));

    // A plain swatch first, so that the automatic pick is a change.
    palette->findChildren<QToolButton*>().at(1)->click();
    QCOMPARE(grid_->ended.size(), 1);
    QVERIFY(!grid_->find("K")->isAutomatic());

    editor = qobject_cast<ColourEditor*>(edit("K"));
    editor->openPalette();
    buttonLabelled(QApplication::activePopupWidget(), "既定値")->click();
    const GridProperty* colour = grid_->find("K");
    QCOMPARE(grid_->ended.last(), QString("K=既定値"));
    QVERIFY(colour->isAutomatic());
    QCOMPARE(colour->colour(), Colorref{0x0000FF});
    QCOMPARE(rowOf("K")->text(1), QString("既定値"));
    QCOMPARE(grid_->changed, (QStringList{"K", "K"}));
}

void PropertyGridTest::otherColoursOpenTheColourDialog()
{
    dialogColour_ = QColor(0, 128, 0);
    auto* editor = qobject_cast<ColourEditor*>(edit("K"));
    editor->openPalette();
    buttonLabelled(QApplication::activePopupWidget(), "その他...")->click();
    QCOMPARE(grid_->find("K")->colour(), rgb(0, 128, 0));
    QCOMPARE(grid_->ended, QStringList{"K=RGB(0, 128, 0)"});

    dialogColour_.reset();
    edit("K");
    qobject_cast<ColourEditor*>(grid_->openEditor())->openPalette();
    buttonLabelled(QApplication::activePopupWidget(), "その他...")->click();
    QCOMPARE(grid_->ended.size(), 1);
    QCOMPARE(grid_->find("K")->colour(), rgb(0, 128, 0));
}

void PropertyGridTest::fontDialogChangesThePropertyWithoutEndingTheEdit()
{
    auto* editor = qobject_cast<FontEditor*>(edit("F"));
    QVERIFY(editor);
    dialogFont_.reset();
    editor->openDialog();
    QVERIFY(grid_->changed.isEmpty());

    dialogFont_ = QFont("Serif", 14);
    editor->openDialog();
    QCOMPARE(grid_->changed, QStringList{"F"});
    QVERIFY(grid_->ended.isEmpty());
    QCOMPARE(grid_->find("F")->font().pointSize(), 14);
    QVERIFY(rowOf("F")->font(1).bold());

    grid_->select(*grid_->find("N"));
    QCOMPARE(grid_->ended.size(), 1);
    QVERIFY(grid_->ended[0].startsWith("F="));
}

void PropertyGridTest::descriptionAreaShowsTheSelectedProperty()
{
    edit("I");
    QStringList shown;
    for (QLabel* label : grid_->findChildren<QLabel*>())
        shown << label->text();
    QVERIFY(shown.contains("integer description"));
    QVERIFY(shown.contains("<b>I</b>"));
}

void PropertyGridTest::descriptionAreaIsNoTallerThanItsText()
{
    edit("I");
    const QLabel* name = grid_->findChildren<QLabel*>().at(0);
    const QLabel* text = grid_->findChildren<QLabel*>().at(1);
    const QWidget* area = name->parentWidget();
    QVERIFY(name->height() >= name->sizeHint().height() && text->height() >= text->sizeHint().height());
    QVERIFY2(area->height() <= name->height() + text->height() + 12, qPrintable(QString::number(area->height())));
    QCOMPARE(grid_->list()->height() + area->height() + 2, grid_->height());
}

void PropertyGridTest::expandAllOpensSubgroups()
{
    rowOf("S")->setExpanded(false);
    rowOf("G")->setExpanded(false);
    grid_->expandAll();
    QVERIFY(rowOf("G")->isExpanded());
    QVERIFY(rowOf("S")->isExpanded());
}

// Up and Down go from row to row, a choice keeping its value, each edit
// ending as the row is left.
void PropertyGridTest::upAndDownMoveBetweenRowsWhateverTheEditor()
{
    grid_->find("C")->setChoice("a");  // a list would take Down to "b"
    QTest::keyClick(edit("N"), Qt::Key_Down);
    QCOMPARE(grid_->selected(), grid_->find("I"));
    QTest::keyClick(grid_->openEditor(), Qt::Key_Down);
    QCOMPARE(grid_->selected(), grid_->find("C"));
    QTest::keyClick(grid_->openEditor(), Qt::Key_Down);
    QCOMPARE(grid_->selected(), grid_->find("S"));
    QTest::keyClick(grid_->list(), Qt::Key_Down);
    QCOMPARE(grid_->selected(), grid_->find("K"));
    QTest::keyClick(grid_->openEditor(), Qt::Key_Down);
    QCOMPARE(grid_->selected(), grid_->find("F"));
    QTest::keyClick(grid_->openEditor(), Qt::Key_Up);
    QTest::keyClick(grid_->openEditor(), Qt::Key_Up);
    QTest::keyClick(grid_->list(), Qt::Key_Up);
    QCOMPARE(grid_->selected(), grid_->find("C"));
    QCOMPARE(grid_->find("C")->text(), QString("a"));
    QCOMPARE(grid_->ended, (QStringList{"N=0.1", "I=80", "C=a", "K=RGB(255, 0, 0)", "F=" + grid_->find("F")->displayText(), "K=RGB(255, 0, 0)"}));
    QVERIFY(grid_->changed.isEmpty());
}

void PropertyGridTest::keysOpenEveryEditor_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    for (const QString name : {"C", "K", "F"}) {
        QTest::addRow("%s, Space", qPrintable(name)) << name << int(Qt::Key_Space) << int(Qt::NoModifier);
        QTest::addRow("%s, F4", qPrintable(name)) << name << int(Qt::Key_F4) << int(Qt::NoModifier);
        QTest::addRow("%s, Alt+Down", qPrintable(name)) << name << int(Qt::Key_Down) << int(Qt::AltModifier);
    }
}

// The choice's list, the colour palette or the font dialog opens, and the
// row stays where it was.
void PropertyGridTest::keysOpenEveryEditor()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    bool fontAsked = false;
    grid_->setDialogs(GridDialogs{{}, [&fontAsked](const QFont&, QWidget*) {
                                      fontAsked = true;
                                      return std::optional<QFont>();
                                  }});
    QWidget* editor = edit(name);
    QTest::keyClick(editor, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        QTRY_VERIFY(box->view()->isVisible());
        box->hidePopup();
    } else if (name == "K") {
        QVERIFY(QApplication::activePopupWidget());
        QApplication::activePopupWidget()->close();
    } else {
        QVERIFY(fontAsked);
    }
    QCOMPARE(grid_->selected(), grid_->find(name));
}

// The palette opens on the current colour; the arrow keys move between the
// colours and Space picks one.
void PropertyGridTest::paletteWorksFromTheKeyboard()
{
    QTest::keyClick(edit("K"), Qt::Key_F4);
    QWidget* palette = QApplication::activePopupWidget();
    QVERIFY(palette);
    QCOMPARE(palette->focusWidget()->toolTip(), QString("#FF0000"));
    QTest::keyClick(palette->focusWidget(), Qt::Key_Right);
    QTest::keyClick(palette->focusWidget(), Qt::Key_Down);
    QTest::keyClick(palette->focusWidget(), Qt::Key_Space);
    QTRY_COMPARE(grid_->ended, QStringList{"K=RGB(255, 204, 0)"});
}

void PropertyGridTest::paletteStaysOnTheScreen_data()
{
    QTest::addColumn<Qt::Corner>("corner");
    QTest::newRow("bottom right") << Qt::BottomRightCorner;
    QTest::newRow("top right") << Qt::TopRightCorner;
}

// The grid in a corner of the screen, as in a maximised window: the palette
// opens within the screen, above its editor where it cannot open below.
void PropertyGridTest::paletteStaysOnTheScreen()
{
    QFETCH(Qt::Corner, corner);
    const QRect screen = window_->screen()->availableGeometry();
    QRect placed(QPoint(0, 0), window_->frameGeometry().size());
    if (corner == Qt::BottomRightCorner)
        placed.moveBottomRight(screen.bottomRight());
    else
        placed.moveTopRight(screen.topRight());
    window_->move(placed.topLeft());
    QTRY_COMPARE(window_->frameGeometry().topLeft(), placed.topLeft());

    auto* editor = qobject_cast<ColourEditor*>(edit("K"));
    editor->openPalette();
    QWidget* palette = QApplication::activePopupWidget();
    QVERIFY(palette);
    QVERIFY2(screen.contains(palette->frameGeometry()), qPrintable(QString("%1,%2 %3x%4")
                                                                      .arg(palette->x())
                                                                      .arg(palette->y())
                                                                      .arg(palette->width())
                                                                      .arg(palette->height())));
    const QRect editorOnScreen(editor->mapToGlobal(QPoint(0, 0)), editor->size());
    QVERIFY(!palette->frameGeometry().intersects(editorOnScreen));
}

void PropertyGridTest::dividerStartsAfterTheLongestNameAndFollowsTheMouse()
{
    auto group = GridProperty::group("H");
    group->add(GridProperty::number("a rather long property name", 1.0f, "long"));
    grid_->addProperty(std::move(group));
    QTreeWidget* list = grid_->list();
    const QModelIndex longName = list->indexFromItem(rowOf("a rather long property name"));
    const int needed = QFontMetrics(list->font()).horizontalAdvance("a rather long property name");
    QVERIFY(list->visualRect(longName).width() >= needed);
    const int start = list->columnWidth(0);
    QCOMPARE(start, grid_->nameColumnWidth());

    const QPoint from(start, list->visualRect(longName).center().y());
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(list->viewport(), from + QPoint(-40, 0));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, from + QPoint(-40, 0));
    QCOMPARE(list->columnWidth(0), start - 40);
    QVERIFY(!grid_->openEditor());

    // The divider keeps its place as the pane widens, and stays inside it as it narrows.
    window_->resize(600, 400);
    QTRY_COMPARE(list->width(), 600 - 2 * window_->layout()->contentsMargins().left());
    QCOMPARE(list->columnWidth(0), start - 40);
    window_->resize(120, 400);
    QTRY_VERIFY(list->columnWidth(0) < list->viewport()->width());
}

QTEST_MAIN(PropertyGridTest)
#include "property_grid_test.moc"
