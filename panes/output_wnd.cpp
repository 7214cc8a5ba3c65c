#include "panes/output_wnd.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextCursor>
#include <QTableWidget>

#include "panes/detachable_tabs.h"
#include "panes/listing_table.h"
#include "panes/property_grid_list_font.h"

namespace {

const char kInitialCompileText[] = "コンパイル出力がここに表示されます。";

Listing emptyCodeListing()
{
    return Listing{{{"NO.", 40}, {"OP_CODE", 80}, {"SUB_CODE", 80}, {"IDENT_No.", 80}, {"", 80}}, {}};
}

QTableWidget* newList(QWidget* parent)
{
    auto* list = new ListingTable(parent);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setShowGrid(true);
    list->setSortingEnabled(false);
    list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->horizontalHeader()->setSectionsClickable(false);
    list->horizontalHeader()->setHighlightSections(false);
    return list;
}

QTableWidgetItem* newCell(const std::string& text, int column)
{
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    // Like a report list, only the first column's text can be edited in place.
    if (column != 0)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

void showListing(QTableWidget* list, const Listing& listing)
{
    list->setUpdatesEnabled(false);
    list->clear();
    list->setRowCount(0);
    list->setColumnCount(static_cast<int>(listing.columns.size()));
    for (int c = 0; c < list->columnCount(); ++c) {
        const ListingColumn& column = listing.columns[c];
        list->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromStdString(column.heading)));
        list->setColumnWidth(c, column.width);
    }
    list->setRowCount(static_cast<int>(listing.rows.size()));
    for (int r = 0; r < list->rowCount(); ++r) {
        const std::vector<std::string>& cells = listing.rows[r];
        const int cellCount = std::min(static_cast<int>(cells.size()), list->columnCount());
        for (int c = 0; c < cellCount; ++c)
            list->setItem(r, c, newCell(cells[c], c));
    }
    list->setUpdatesEnabled(true);
}

}  // namespace

COutputWnd::COutputWnd(QWidget* parent)
    : QDockWidget(parent),
      tabs_(new QTabWidget(this)),
      compileEdit_(new QPlainTextEdit(tabs_)),
      codeList_(newList(tabs_)),
      resultList_(newList(tabs_)),
      readingsList_(newList(tabs_)),
      font_(paneListFont())
{
    tabs_->setTabPosition(QTabWidget::South);
    tabs_->setDocumentMode(true);
    compileEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    compileEdit_->document()->setDocumentMargin(4);
    UpdateFonts();

    tabs_->addTab(compileEdit_, QStringLiteral("コンパイル"));
    tabs_->addTab(codeList_, QStringLiteral("内部コード"));
    tabs_->addTab(resultList_, QStringLiteral("グラフデータ"));
    tabs_->addTab(readingsList_, QStringLiteral("読み取り値"));
    new DetachableTabs(tabs_);
    setWidget(tabs_);

    SetCompileOutput(QString::fromUtf8(kInitialCompileText));
    ResetCodeListing();
    ClearResultListing();
}

void COutputWnd::SetCompileOutput(const QString& text) { compileEdit_->setPlainText(text); }

QString COutputWnd::CompileOutput() const { return compileEdit_->toPlainText(); }

void COutputWnd::AppendCompileLine(const QString& line)
{
    QTextCursor end(compileEdit_->document());
    end.movePosition(QTextCursor::End);
    if (!end.atBlockStart())
        end.insertBlock();
    end.insertText(line);
}

void COutputWnd::ResetCodeListing() { showListing(codeList_, emptyCodeListing()); }

void COutputWnd::ClearResultListing() { showListing(resultList_, Listing{}); }

void COutputWnd::ShowCodeListing(const Listing& listing) { showListing(codeList_, listing); }

void COutputWnd::ShowResultListing(const Listing& listing) { showListing(resultList_, listing); }

void COutputWnd::ShowReadings(const Listing& listing) { showListing(readingsList_, listing); }

void COutputWnd::UpdateFonts()
{
    const QList<QWidget*> controls{compileEdit_, codeList_, resultList_, readingsList_};
    for (QWidget* control : controls) {
        control->setFont(font_);
        control->update();
    }
    // Tab stops every two average character widths.
    compileEdit_->setTabStopDistance(2 * QFontMetrics(font_).averageCharWidth());
    const int rowHeight = QFontMetrics(font_).height() + 4;
    codeList_->verticalHeader()->setDefaultSectionSize(rowHeight);
    resultList_->verticalHeader()->setDefaultSectionSize(rowHeight);
    readingsList_->verticalHeader()->setDefaultSectionSize(rowHeight);
}
