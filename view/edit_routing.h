// Undo, cut, copy and paste act on the focused edit control, if it is one;
// copy also takes the selected rows of a focused output list.
#pragma once
#include <QMetaObject>
#include <QObject>
#include <optional>

class QWidget;

// Performs 57643, 57635, 57634 or 57637 on focus when it is a visible edit
// control, or 57634 when it is a visible output list.
void routeEditCommand(int id, QWidget* focus);

// The enable state of an edit command for this focus widget; no value leaves the
// state as it is. A hidden edit control loses its selection here.
std::optional<bool> editCommandEnabled(int id, QWidget* focus);

// Signals whenever the edit commands' states may have changed: the keyboard focus
// moved, or the focused edit control's selection or undo history, or the
// focused output list's selection changed.
class EditStateWatch : public QObject {
    Q_OBJECT
public:
    explicit EditStateWatch(QObject* parent = nullptr);

signals:
    void changed();

private:
    void follow(QWidget* focus);

    QMetaObject::Connection selectionConnection_;
    QMetaObject::Connection undoConnection_;
};
