// The source editor pane: the program text the analyses read, with a small toolbar.
#pragma once
#include <QDockWidget>

class QFont;
class QPlainTextEdit;
class QToolBar;

class CEditTextWnd : public QDockWidget {
    Q_OBJECT
public:
    explicit CEditTextWnd(QWidget* parent = nullptr);

    // The whole text with CR LF line ends, as the runs and the source files take it.
    QString Text() const;
    // Replaces the whole text, which becomes the unmodified state; CR LF, LF
    // and CR all end a line.
    void SetText(const QString& text);

    // Whether the text differs from the last one set or marked unmodified;
    // undoing back to that text makes it unmodified again.
    bool IsModified() const;
    void SetUnmodified();

    // The font dialog; a confirmed font replaces the editor's.
    void OnEditorFont();
    void ApplyEditorFont(const QFont& font);

    QPlainTextEdit* editor() const { return edit_; }
    QToolBar* toolBar() const { return toolBar_; }

signals:
    // Open, save and the two runs, for the main frame to route to the view.
    void commandSent(int id);
    void modificationChanged(bool modified);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createToolBar();
    void insertTabAtCaret();

    QToolBar* toolBar_;
    QPlainTextEdit* edit_;
};
