// The list of the property grid: names on the left, values on the right, a
// row's value editor open as soon as the row is selected, and a divider
// between the two columns that the mouse drags.
#pragma once
#include <QTreeWidget>

class PropertyGridDelegate;

inline constexpr int kNameColumn = 0;
inline constexpr int kValueColumn = 1;

class PropertyTree : public QTreeWidget {
    Q_OBJECT
public:
    PropertyTree(PropertyGridDelegate* delegate, QWidget* parent);

    // Where the divider stands unless the user moved it.
    void setDefaultNameWidth(int width);
    int nameWidth() const { return columnWidth(kNameColumn); }
    // Commits and closes the open value editor, if any.
    void endOpenEdit();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void endEditOutside(const QModelIndex& current);
    bool onDivider(int x) const;
    void placeDivider(int nameWidth);

    PropertyGridDelegate* delegate_;
    int defaultNameWidth_ = 0;
    int chosenNameWidth_ = 0;  // 0 until the user drags the divider
    bool dragging_ = false;
};
