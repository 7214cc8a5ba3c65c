#include "panes/listing_table.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QStringList>
#include <algorithm>

ListingTable::ListingTable(QWidget* parent) : QTableWidget(parent) {}

bool ListingTable::hasSelectedRows() const
{
    return selectionModel() && selectionModel()->hasSelection();
}

QString ListingTable::selectedRowsText() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        if (!rows.contains(index.row()))
            rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QString text;
    for (int row : rows) {
        QStringList cells;
        for (int column = 0; column < columnCount(); ++column)
            cells << (item(row, column) ? item(row, column)->text() : QString());
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

void ListingTable::copySelectedRows() const
{
    QGuiApplication::clipboard()->setText(selectedRowsText());
}

// The list's own copy would take the current cell alone.
void ListingTable::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        copySelectedRows();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}
