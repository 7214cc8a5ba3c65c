// The property grid of a settings pane: a table of rows, the pane's record of
// values, and the commands that tell the view about a finished edit and about
// a font change.
#pragma once
#include "panes/property_grid.h"
#include "panes/property_grid_rows.h"

class SettingsGrid : public PropertyGrid {
    Q_OBJECT
public:
    SettingsGrid(int changedCommand, int fontChangedCommand, QWidget* parent);

signals:
    // The changed command after every ended edit, the font command after a font change.
    void commandSent(int id);

protected:
    // The view's graph font as the record refers to it, null until handed over.
    virtual QFont* graphFont() const = 0;
    void propertyChanged(GridProperty& property) override;
    void sendChanged() { emit commandSent(changedCommand_); }

    // What a run used, shown without the modified marking.
    void showNumber(const QString& name, double value);
    void showInteger(const QString& name, int value);
    void showChoice(const QString& name, const QString& choice);

private:
    GridProperty& property(const QString& name) const;

    int changedCommand_;
    int fontChangedCommand_;
};

template <class Record>
class RecordGrid : public SettingsGrid {
public:
    RecordGrid(std::vector<GridRow<Record>> rows, int changedCommand, int fontChangedCommand, QWidget* parent)
        : SettingsGrid(changedCommand, fontChangedCommand, parent), rows_(std::move(rows))
    {
    }

    const Record& values() const { return values_; }
    // The view hands over its graph font after it took the record for the first time.
    void SetGraphFont(QFont* font) { values_.graphFont = font; }

    void BuildPropertyList(const QFont& listFont)
    {
        setListFont(listFont);
        for (std::unique_ptr<GridProperty>& group : buildGridRows(rows_, listFont))
            addProperty(std::move(group));
    }

protected:
    // The first row of the property's name stores its value; the view hears of
    // every ended edit, whether a value was stored or not.
    void endOfEdit(GridProperty& property) override
    {
        for (const GridRow<Record>& row : rows_) {
            if (row.name == property.name()) {
                if (row.store)
                    row.store(values_, property);
                break;
            }
        }
        sendChanged();
    }

    QFont* graphFont() const override { return values_.graphFont; }

    // Shows the choice that stands for the switch being on or off.
    void showSwitch(const QString& name, int on)
    {
        const int value = on != 0 ? 1 : 0;
        for (const GridRow<Record>& row : rows_) {
            if (row.name != name)
                continue;
            for (const GridChoice& choice : row.choices) {
                if (choice.value == value)
                    showChoice(name, choice.text);
            }
        }
    }

    Record values_;

private:
    std::vector<GridRow<Record>> rows_;
};
