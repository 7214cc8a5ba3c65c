#include "view/edit_routing.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "app/command_ids.h"
#include "panes/listing_table.h"

namespace {

// A multi-line or single-line edit control behind one face.
class EditControl {
public:
    explicit EditControl(QWidget* widget)
        : plain_(qobject_cast<QPlainTextEdit*>(widget)), line_(qobject_cast<QLineEdit*>(widget))
    {
    }

    bool exists() const { return plain_ || line_; }
    bool visible() const { return plain_ ? plain_->isVisible() : line_->isVisible(); }
    bool hasSelection() const { return plain_ ? plain_->textCursor().hasSelection() : line_->hasSelectedText(); }
    bool canUndo() const { return plain_ ? plain_->document()->isUndoAvailable() : line_->isUndoAvailable(); }

    void collapseSelectionToStart()
    {
        if (line_) {
            line_->setCursorPosition(line_->selectionStart());
            return;
        }
        QTextCursor cursor = plain_->textCursor();
        cursor.setPosition(cursor.selectionStart());
        plain_->setTextCursor(cursor);
        plain_->ensureCursorVisible();
    }

    void perform(int id)
    {
        if (plain_)
            perform(*plain_, id);
        else
            perform(*line_, id);
    }

private:
    template <class Edit>
    static void perform(Edit& edit, int id)
    {
        switch (id) {
        case ID_EDIT_CUT: edit.cut(); break;
        case ID_EDIT_COPY: edit.copy(); break;
        case ID_EDIT_PASTE: edit.paste(); break;
        case ID_EDIT_UNDO: edit.undo(); break;
        default: break;
        }
    }

    QPlainTextEdit* plain_;
    QLineEdit* line_;
};

std::optional<bool> cutOrCopyEnabled(EditControl& edit)
{
    if (edit.visible())
        return edit.hasSelection();
    if (edit.hasSelection())
        edit.collapseSelectionToStart();
    return false;
}

}  // namespace

void routeEditCommand(int id, QWidget* focus)
{
    if (auto* list = qobject_cast<ListingTable*>(focus)) {
        if (id == ID_EDIT_COPY && list->isVisible())
            list->copySelectedRows();
        return;
    }
    EditControl edit(focus);
    if (edit.exists() && edit.visible())
        edit.perform(id);
}

std::optional<bool> editCommandEnabled(int id, QWidget* focus)
{
    // The output lists copy their selected rows; nothing else edits them.
    if (auto* list = qobject_cast<ListingTable*>(focus))
        return id == ID_EDIT_COPY && list->isVisible() && list->hasSelectedRows();
    EditControl edit(focus);
    if (!edit.exists())
        return false;
    switch (id) {
    case ID_EDIT_CUT:
    case ID_EDIT_COPY: return cutOrCopyEnabled(edit);
    case ID_EDIT_PASTE: return edit.visible();
    case ID_EDIT_UNDO: return edit.visible() ? std::optional<bool>(edit.canUndo()) : std::nullopt;
    default: return std::nullopt;
    }
}

EditStateWatch::EditStateWatch(QObject* parent) : QObject(parent)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        follow(now);
        emit changed();
    });
}

void EditStateWatch::follow(QWidget* focus)
{
    disconnect(selectionConnection_);
    disconnect(undoConnection_);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) {
        selectionConnection_ = connect(plain, &QPlainTextEdit::selectionChanged, this, &EditStateWatch::changed);
        undoConnection_ = connect(plain, &QPlainTextEdit::undoAvailable, this, &EditStateWatch::changed);
    } else if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        selectionConnection_ = connect(line, &QLineEdit::selectionChanged, this, &EditStateWatch::changed);
        undoConnection_ = connect(line, &QLineEdit::textChanged, this, &EditStateWatch::changed);
    } else if (auto* list = qobject_cast<ListingTable*>(focus)) {
        selectionConnection_ =
            connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &EditStateWatch::changed);
    }
}
