// A settings pane's property list as a table: each row is a group or a
// property with its shown value, choices and description line, and says where
// an edited value goes in the pane's record.
#pragma once
#include <QFont>
#include <functional>
#include <memory>
#include <vector>

#include "analysis/number_format.h"
#include "panes/property_grid_property.h"

// A choice of a list and the value it stands for.
struct GridChoice {
    QString text;
    int value;
};

template <class Record>
struct GridRow {
    using Make = std::function<std::unique_ptr<GridProperty>(const QFont& listFont)>;
    using Store = std::function<void(Record&, const GridProperty&)>;
    using Apply = std::function<void(Record&, int value)>;

    int level;  // 0 a top-level group, 1 in that group, 2 in its last subgroup
    QString name;
    Make make;
    Store store;                     // empty: nothing is stored (groups, the font)
    std::vector<GridChoice> choices;

    static GridRow group(const QString& name)
    {
        return {0, name, [name](const QFont&) { return GridProperty::group(name); }, {}, {}};
    }

    static GridRow subgroup(const QString& name)
    {
        GridRow row = group(name);
        row.level = 1;
        return row;
    }

    static GridRow number(const QString& name, float shown, const QString& description, double Record::*field)
    {
        return {1, name, [=](const QFont&) { return GridProperty::number(name, shown, description); },
                [field](Record& record, const GridProperty& property) {
                    record.*field = static_cast<double>(property.number());
                },
                {}};
    }

    static GridRow integer(const QString& name, long shown, const QString& description, int Record::*field)
    {
        return {1, name, [=](const QFont&) { return GridProperty::integer(name, shown, description); },
                [field](Record& record, const GridProperty& property) {
                    record.*field = static_cast<int>(property.integer());
                },
                {}};
    }

    // A list whose choices each stand for one value of field.
    static GridRow choice(const QString& name, const QString& shown, const std::vector<GridChoice>& choices,
                          const QString& description, int Record::*field)
    {
        return choice(name, shown, choices, description,
                      [field](Record& record, int value) { record.*field = value; });
    }

    // A list whose choices each set several fields; apply gets the chosen value.
    static GridRow choice(const QString& name, const QString& shown, const std::vector<GridChoice>& choices,
                          const QString& description, const Apply& apply)
    {
        QStringList texts;
        for (const GridChoice& entry : choices)
            texts << entry.text;
        return {1, name, [=](const QFont&) { return GridProperty::choice(name, shown, texts, description); },
                [choices, apply](Record& record, const GridProperty& property) {
                    for (const GridChoice& entry : choices) {
                        if (entry.text == property.text()) {
                            apply(record, entry.value);
                            return;
                        }
                    }
                },
                choices};
    }

    // The automatic button of the palette stands for the shown colour.
    static GridRow colour(const QString& name, Colorref shown, const QString& description, Colorref Record::*field)
    {
        return {1, name, [=](const QFont&) { return GridProperty::colour(name, shown, shown, description); },
                [field](Record& record, const GridProperty& property) { record.*field = property.colour(); },
                {}};
    }

    // Shows the list font at first; the pane acts on a font change itself.
    static GridRow font(const QString& name, const QString& description)
    {
        return {1, name,
                [=](const QFont& listFont) { return GridProperty::font(name, listFont, description); }, {}, {}};
    }

    // The row as a member of the subgroup above it.
    GridRow inSubgroup() const
    {
        GridRow row = *this;
        row.level = 2;
        return row;
    }
};

// "点", "線", "点 + 線", "点 + 番号": markers, lines, and numbers with markers.
inline std::vector<GridChoice> dataDisplayChoices()
{
    return {{"点", 0}, {"線", 1}, {"点 + 線", 2}, {"点 + 番号", 3}};
}

template <class Record>
void applyDataDisplay(Record& record, int choice)
{
    static constexpr int kFlags[][3] = {{1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 1}};
    record.showMarkers = kFlags[choice][0];
    record.showLines = kFlags[choice][1];
    record.showNumbers = kFlags[choice][2];
}

// "1" to "5", each the pen width it reads as.
inline std::vector<GridChoice> lineWidthChoices()
{
    std::vector<GridChoice> choices;
    for (int width = 1; width <= 5; ++width)
        choices.push_back({QString::fromStdString(formatInt("%d", width)), width});
    return choices;
}

// Builds the list from its rows, groups holding the rows under them.
template <class Record>
std::vector<std::unique_ptr<GridProperty>> buildGridRows(const std::vector<GridRow<Record>>& rows,
                                                         const QFont& listFont)
{
    std::vector<std::unique_ptr<GridProperty>> groups;
    GridProperty* subgroup = nullptr;
    for (const GridRow<Record>& row : rows) {
        std::unique_ptr<GridProperty> property = row.make(listFont);
        if (row.level == 0) {
            groups.push_back(std::move(property));
            subgroup = nullptr;
        } else if (row.level == 1) {
            GridProperty* added = groups.back()->add(std::move(property));
            if (added->kind() == GridProperty::Kind::Group)
                subgroup = added;
        } else {
            subgroup->add(std::move(property));
        }
    }
    return groups;
}
