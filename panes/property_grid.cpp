#include "panes/property_grid.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "panes/property_grid_delegate.h"

namespace {

constexpr int kNameColumn = 0;
constexpr int kValueColumn = 1;

// A tree whose rows open their value editor as soon as they are selected, and
// end the open edit when another row is selected, whichever column was clicked.
class PropertyTree : public QTreeWidget {
public:
    PropertyTree(PropertyGridDelegate* delegate, QWidget* parent) : QTreeWidget(parent), delegate_(delegate) {}

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override
    {
        endOpenEdit(current);
        QTreeWidget::currentChanged(current, previous);
        GridProperty* property = propertyAt(current);
        if (property && property->kind() != GridProperty::Kind::Group)
            QTreeWidget::edit(current.siblingAtColumn(kValueColumn));
    }

    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override
    {
        return QTreeWidget::edit(index.siblingAtColumn(kValueColumn), trigger, event);
    }

    // Names and values share the width evenly; the list never scrolls sideways.
    bool viewportEvent(QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            setColumnWidth(kNameColumn, viewport()->width() / 2);
        return QTreeWidget::viewportEvent(event);
    }

private:
    void endOpenEdit(const QModelIndex& current)
    {
        QWidget* editor = delegate_->openEditor();
        const QModelIndex editing = delegate_->openIndex();
        if (!editor || (editing.row() == current.row() && editing.parent() == current.parent()))
            return;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }

    PropertyGridDelegate* delegate_;
};

QLabel* descriptionLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

}  // namespace

PropertyGrid::PropertyGrid(QWidget* parent)
    : QWidget(parent),
      delegate_(new PropertyGridDelegate(this)),
      descriptionName_(nullptr),
      descriptionText_(nullptr)
{
    auto* splitter = new QSplitter(Qt::Vertical, this);
    list_ = new PropertyTree(delegate_, splitter);
    list_->setColumnCount(2);
    list_->setHeaderHidden(true);
    list_->setItemDelegate(delegate_);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    list_->setExpandsOnDoubleClick(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* description = new QFrame(splitter);
    description->setFrameShape(QFrame::StyledPanel);
    auto* descriptionLayout = new QVBoxLayout(description);
    descriptionName_ = descriptionLabel(description);
    descriptionText_ = descriptionLabel(description);
    descriptionLayout->addWidget(descriptionName_);
    descriptionLayout->addWidget(descriptionText_, 1);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setCollapsible(0, false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    setFocusProxy(list_);

    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* row) {
        describe(row ? propertyAt(list_->indexFromItem(row)) : nullptr);
    });
    describe(nullptr);
}

PropertyGrid::~PropertyGrid() = default;

GridProperty* PropertyGrid::addProperty(std::unique_ptr<GridProperty> property)
{
    properties_.push_back(std::move(property));
    GridProperty* added = properties_.back().get();
    QTreeWidgetItem* row = createRow(*added);
    list_->addTopLevelItem(row);
    spanGroups(row);
    list_->expandAll();
    return added;
}

QTreeWidgetItem* PropertyGrid::createRow(GridProperty& property)
{
    auto* row = new QTreeWidgetItem;
    rows_.insert(&property, row);
    row->setData(kNameColumn, kPropertyRole, QVariant::fromValue(static_cast<void*>(&property)));
    row->setText(kNameColumn, property.name());
    if (property.kind() == GridProperty::Kind::Group) {
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        row->setBackground(kNameColumn, palette().brush(QPalette::Button));
        for (const auto& child : property.children())
            row->addChild(createRow(*child));
    } else {
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    }
    showRow(row, property);
    return row;
}

// Group rows span both columns on a shaded band.
void PropertyGrid::spanGroups(QTreeWidgetItem* row)
{
    if (propertyAt(list_->indexFromItem(row))->kind() != GridProperty::Kind::Group)
        return;
    row->setFirstColumnSpanned(true);
    for (int i = 0; i < row->childCount(); ++i)
        spanGroups(row->child(i));
}

void PropertyGrid::showRow(QTreeWidgetItem* row, const GridProperty& property)
{
    const bool group = property.kind() == GridProperty::Kind::Group;
    row->setFont(kNameColumn, rowFont(group));
    row->setFont(kValueColumn, rowFont(!group && property.isModified()));
    row->setText(kValueColumn, property.displayText());
    if (property.kind() == GridProperty::Kind::Colour)
        row->setIcon(kValueColumn, colourSwatch(property.colour()));
}

// Group names and modified values are bold.
QFont PropertyGrid::rowFont(bool bold) const
{
    QFont font = list_->font();
    font.setBold(bold);
    return font;
}

GridProperty* PropertyGrid::find(const QString& name) const
{
    for (QTreeWidgetItemIterator it(list_); *it; ++it) {
        GridProperty* property = propertyAt(list_->indexFromItem(*it));
        if (property->name() == name)
            return property;
    }
    return nullptr;
}

void PropertyGrid::refresh(const GridProperty& property)
{
    if (QTreeWidgetItem* row = rows_.value(&property))
        showRow(row, property);
}

void PropertyGrid::expandAll()
{
    list_->expandAll();
    list_->viewport()->repaint();
}

void PropertyGrid::setListFont(const QFont& font)
{
    setFont(font);
    for (auto row = rows_.cbegin(); row != rows_.cend(); ++row)
        showRow(row.value(), *row.key());
}

void PropertyGrid::select(const GridProperty& property)
{
    QTreeWidgetItem* row = rows_.value(&property);
    if (!row)
        return;
    list_->setCurrentItem(row, kNameColumn);
    if (!openEditor() && property.kind() != GridProperty::Kind::Group)
        list_->editItem(row, kValueColumn);
}

QWidget* PropertyGrid::openEditor() const
{
    return delegate_->openEditor();
}

GridProperty* PropertyGrid::selected() const
{
    return list_->currentItem() ? propertyAt(list_->currentIndex()) : nullptr;
}

void PropertyGrid::editorFinished(QWidget* editor, GridProperty& property)
{
    const GridProperty::Snapshot before = property.snapshot();
    takeEditorValue(editor, property);
    const bool changed = !(property.snapshot() == before);
    // Only a change by the user moves the marking: a value a run wrote stays unmarked.
    if (changed)
        property.markEdited();
    refresh(property);
    endOfEdit(property);
    if (changed)
        propertyChanged(property);
}

void PropertyGrid::fontPicked(GridProperty& property, const QFont& font)
{
    property.setFont(font);
    property.markEdited();
    refresh(property);
    propertyChanged(property);
}

void PropertyGrid::endOfEdit(GridProperty&) {}

void PropertyGrid::propertyChanged(GridProperty&) {}

void PropertyGrid::describe(const GridProperty* property)
{
    descriptionName_->setText(property ? QStringLiteral("<b>%1</b>").arg(property->name().toHtmlEscaped())
                                       : QString());
    descriptionText_->setText(property ? property->description() : QString());
}
