#include "panes/property_grid.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "panes/property_grid_delegate.h"
#include "panes/property_tree.h"

namespace {

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
      list_(new PropertyTree(delegate_, this)),
      descriptionName_(nullptr),
      descriptionText_(nullptr)
{
    list_->setColumnCount(2);
    list_->setHeaderHidden(true);
    list_->setItemDelegate(delegate_);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    list_->setExpandsOnDoubleClick(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // The description area is as tall as its text and no taller.
    auto* description = new QFrame(this);
    description->setFrameShape(QFrame::StyledPanel);
    description->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* descriptionLayout = new QVBoxLayout(description);
    descriptionLayout->setContentsMargins(4, 2, 4, 2);
    descriptionLayout->setSpacing(1);
    descriptionName_ = descriptionLabel(description);
    descriptionText_ = descriptionLabel(description);
    descriptionLayout->addWidget(descriptionName_);
    descriptionLayout->addWidget(descriptionText_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(list_, 1);
    layout->addWidget(description);
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
    fitNameColumn();
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
    fitNameColumn();
}

// Text widths in a column of the list, with the margins the style leaves
// around an item's text.
int PropertyGrid::cellWidth(const QString& text, bool bold) const
{
    const int margin = 2 * (list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1);
    return QFontMetrics(rowFont(bold)).horizontalAdvance(text) + margin;
}

int PropertyGrid::nameColumnWidth() const
{
    int widest = 0;
    for (auto row = rows_.cbegin(); row != rows_.cend(); ++row) {
        if (row.key()->kind() == GridProperty::Kind::Group)
            continue;
        int depth = 1;  // top-level rows are indented too, for their branch mark
        for (const GridProperty* parent = row.key()->parent(); parent; parent = parent->parent())
            ++depth;
        widest = std::max(widest, depth * list_->indentation() + cellWidth(row.key()->name(), false));
    }
    return widest;
}

void PropertyGrid::fitNameColumn()
{
    list_->setDefaultNameWidth(nameColumnWidth());
    updateGeometry();
}

// Every name in full beside the widest value the list shows or offers.
QSize PropertyGrid::sizeHint() const
{
    int widestValue = 0;
    for (auto row = rows_.cbegin(); row != rows_.cend(); ++row) {
        const GridProperty& property = *row.key();
        QStringList texts = property.choices();
        texts << property.displayText();
        const int icon = property.kind() == GridProperty::Kind::Colour ? list_->iconSize().width() + 4 : 0;
        for (const QString& text : texts)
            widestValue = std::max(widestValue, icon + cellWidth(text, true));
    }
    const int chrome = 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width();
    return QSize(nameColumnWidth() + widestValue + chrome, QWidget::sizeHint().height());
}

void PropertyGrid::endEdit()
{
    list_->endOpenEdit();
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

QTreeWidget* PropertyGrid::list() const
{
    return list_;
}
