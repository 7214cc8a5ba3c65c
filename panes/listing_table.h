// A list of the output pane (internal code, graph data): a report whose
// selected rows copy as tab-separated text, one line a row.
#pragma once
#include <QTableWidget>

class ListingTable : public QTableWidget {
    Q_OBJECT
public:
    explicit ListingTable(QWidget* parent = nullptr);

    bool hasSelectedRows() const;
    // The selected rows, top to bottom, cells joined by tabs, each row ended by
    // a line feed; empty cells stay as empty fields.
    QString selectedRowsText() const;
    void copySelectedRows() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
