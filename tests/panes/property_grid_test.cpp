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
    void expandAllOpensSubgroups();

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

void PropertyGridTest::expandAllOpensSubgroups()
{
    rowOf("S")->setExpanded(false);
    rowOf("G")->setExpanded(false);
    grid_->expandAll();
    QVERIFY(rowOf("G")->isExpanded());
    QVERIFY(rowOf("S")->isExpanded());
}

QTEST_MAIN(PropertyGridTest)
#include "property_grid_test.moc"
