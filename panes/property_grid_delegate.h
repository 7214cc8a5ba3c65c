// Opens the in-place editors of the property grid and reports each end of an
// edit back to the grid, whether or not the value changed.
#pragma once
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

class PropertyGrid;
class GridProperty;

class PropertyGridDelegate : public QStyledItemDelegate {
public:
    explicit PropertyGridDelegate(PropertyGrid* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // The editors start with the property's value.
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

    QWidget* openEditor() const { return open_; }
    QModelIndex openIndex() const { return openIndex_; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void finishNow(QWidget* editor) const;

    PropertyGrid* grid_;
    mutable QPointer<QWidget> open_;
    mutable QPersistentModelIndex openIndex_;
};

// The property a list row stands for.
GridProperty* propertyAt(const QModelIndex& index);
