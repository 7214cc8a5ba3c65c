// The output pane: the last run's message, the internal code, the points and
// the readings (margins, step figures), on four tabs.
#pragma once
#include <QDockWidget>
#include <QFont>

#include "analysis/listing.h"

class QPlainTextEdit;
class QTableWidget;
class QTabWidget;

class COutputWnd : public QDockWidget {
    Q_OBJECT
public:
    explicit COutputWnd(QWidget* parent = nullptr);

    // Replaces the whole compile text; line ends may be CR LF.
    void SetCompileOutput(const QString& text);
    QString CompileOutput() const;
    // One more line after the compile text, which stays as it was.
    void AppendCompileLine(const QString& line);

    // The internal-code list with its five columns and no rows.
    void ResetCodeListing();
    // The graph-data list without columns or rows.
    void ClearResultListing();
    void ShowCodeListing(const Listing& listing);
    void ShowResultListing(const Listing& listing);
    void ShowReadings(const Listing& listing);

    // Gives the pane's font again to the edit and both lists.
    void UpdateFonts();

    QTabWidget* tabs() const { return tabs_; }
    QPlainTextEdit* compileEdit() const { return compileEdit_; }
    QTableWidget* codeList() const { return codeList_; }
    QTableWidget* resultList() const { return resultList_; }
    QTableWidget* readingsList() const { return readingsList_; }

private:
    QTabWidget* tabs_;
    QPlainTextEdit* compileEdit_;
    QTableWidget* codeList_;
    QTableWidget* resultList_;
    QTableWidget* readingsList_;
    QFont font_;
};
