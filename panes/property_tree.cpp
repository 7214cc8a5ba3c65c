#include "panes/property_tree.h"

#include <QMouseEvent>
#include <algorithm>

#include "panes/property_grid_delegate.h"
#include "panes/property_grid_property.h"

namespace {

// The mouse takes the divider this many pixels either side of it.
constexpr int kDividerReach = 3;
// Neither column is dragged narrower than this.
constexpr int kNarrowestColumn = 24;

}  // namespace

PropertyTree::PropertyTree(PropertyGridDelegate* delegate, QWidget* parent)
    : QTreeWidget(parent), delegate_(delegate)
{
    viewport()->setMouseTracking(true);
}

void PropertyTree::setDefaultNameWidth(int width)
{
    defaultNameWidth_ = width;
    placeDivider(chosenNameWidth_ > 0 ? chosenNameWidth_ : defaultNameWidth_);
}

void PropertyTree::endOpenEdit()
{
    QWidget* editor = delegate_->openEditor();
    if (!editor)
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void PropertyTree::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    endEditOutside(current);
    QTreeWidget::currentChanged(current, previous);
    GridProperty* property = propertyAt(current);
    if (property && property->kind() != GridProperty::Kind::Group)
        QTreeWidget::edit(current.siblingAtColumn(kValueColumn));
}

// Whichever column was clicked, the value is edited.
bool PropertyTree::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    return QTreeWidget::edit(index.siblingAtColumn(kValueColumn), trigger, event);
}

// The divider keeps its place as the list narrows or widens, within the list.
bool PropertyTree::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Resize)
        placeDivider(chosenNameWidth_ > 0 ? chosenNameWidth_ : defaultNameWidth_);
    return QTreeWidget::viewportEvent(event);
}

void PropertyTree::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && onDivider(event->position().toPoint().x())) {
        dragging_ = true;
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void PropertyTree::mouseMoveEvent(QMouseEvent* event)
{
    const int x = event->position().toPoint().x();
    if (dragging_) {
        chosenNameWidth_ = std::max(kNarrowestColumn, x);
        placeDivider(chosenNameWidth_);
        event->accept();
        return;
    }
    if (onDivider(x))
        viewport()->setCursor(Qt::SplitHCursor);
    else
        viewport()->unsetCursor();
    QTreeWidget::mouseMoveEvent(event);
}

void PropertyTree::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragging_) {
        dragging_ = false;
        event->accept();
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void PropertyTree::endEditOutside(const QModelIndex& current)
{
    const QModelIndex editing = delegate_->openIndex();
    if (editing.row() != current.row() || editing.parent() != current.parent())
        endOpenEdit();
}

bool PropertyTree::onDivider(int x) const
{
    return std::abs(x - nameWidth()) <= kDividerReach;
}

void PropertyTree::placeDivider(int nameWidth)
{
    const int widest = std::max(kNarrowestColumn, viewport()->width() - kNarrowestColumn);
    setColumnWidth(kNameColumn, std::clamp(nameWidth, kNarrowestColumn, widest));
}
