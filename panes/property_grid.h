// A property list of our own: groups and subgroups that expand and collapse,
// a value column edited in place, and a description area under the list that
// shows the selected property's name and description line.
#pragma once
#include <QHash>
#include <QWidget>
#include <memory>
#include <vector>

#include "panes/property_grid_editors.h"
#include "panes/property_grid_property.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class PropertyGridDelegate;
class PropertyTree;

// Where a list row keeps the property it shows.
inline constexpr int kPropertyRole = Qt::UserRole + 1;

class PropertyGrid : public QWidget {
    Q_OBJECT
public:
    explicit PropertyGrid(QWidget* parent = nullptr);
    ~PropertyGrid() override;

    // A top-level row, usually a group; the group's children come along.
    GridProperty* addProperty(std::unique_ptr<GridProperty> property);
    // The first property of that name, groups included, from the top.
    GridProperty* find(const QString& name) const;
    // Shows a value that the program changed.
    void refresh(const GridProperty& property);

    void expandAll();
    void setListFont(const QFont& font);
    // Wide enough for every name in full and the widest value beside it.
    QSize sizeHint() const override;
    // Where the divider between names and values starts: every name in full.
    int nameColumnWidth() const;
    void setDialogs(const GridDialogs& dialogs) { dialogs_ = dialogs; }
    const GridDialogs& dialogs() const { return dialogs_; }

    // Selects the property; a value opens its in-place editor, as a click on it does.
    void select(const GridProperty& property);
    QWidget* openEditor() const;
    GridProperty* selected() const;
    QTreeWidget* list() const;
    // Ends an edit in progress as leaving the row would, before anything reads the values.
    void endEdit();

    // What the editors report: an edit ended (Enter, another row, a click
    // outside, focus lost), or the font dialog was confirmed.
    void editorFinished(QWidget* editor, GridProperty& property);
    void fontPicked(GridProperty& property, const QFont& font);

protected:
    // Runs every time the editing of a property ends, changed or not, after
    // the property took over the edited value.
    virtual void endOfEdit(GridProperty& property);
    // Runs after a property's value changed; for the font, when the dialog is confirmed.
    virtual void propertyChanged(GridProperty& property);

private:
    QTreeWidgetItem* createRow(GridProperty& property);
    void spanGroups(QTreeWidgetItem* row);
    void showRow(QTreeWidgetItem* row, const GridProperty& property);
    QFont rowFont(bool bold) const;
    int cellWidth(const QString& text, bool bold) const;
    void fitNameColumn();
    void describe(const GridProperty* property);

    std::vector<std::unique_ptr<GridProperty>> properties_;
    QHash<const GridProperty*, QTreeWidgetItem*> rows_;
    PropertyGridDelegate* delegate_;
    PropertyTree* list_;
    QLabel* descriptionName_;
    QLabel* descriptionText_;
    GridDialogs dialogs_ = standardGridDialogs();
};
