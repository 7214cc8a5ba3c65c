// The commands a user can put on toolbars: every command found in the main
// window's menus, each with a key that stays the same from one run to the next.
#pragma once
#include <QList>
#include <QString>

class QAction;
class QMenuBar;

// The command's number, or for an action without one its object name, or else
// its menu text without mnemonic and shortcut.
QString commandKey(const QAction* action);

// The plain text shown for a command in lists: no mnemonic, no shortcut.
QString commandDisplayText(const QAction* action);

struct MenuCommand {
    QString category; // the top-level menu it was found in
    QAction* action;
};

// Every command of the menu bar's menus and submenus, in menu order, once each.
QList<MenuCommand> collectMenuCommands(const QMenuBar* menuBar);

QAction* findMenuCommand(const QList<MenuCommand>& commands, const QString& key);
