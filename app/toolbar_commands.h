// The commands on a toolbar as an ordered list that can be read, rewritten and
// kept as keys, leaving the toolbar's customise button at its end.
#pragma once
#include "app/command_catalog.h"

#include <QList>
#include <QStringList>

class QAction;
class QToolBar;

// The key that stands for a separator in a list of command keys.
extern const QString kSeparatorKey;

// Puts the customise button (a drop-down with the customise command) at the toolbar's end.
void addCustomizeButton(QToolBar* toolbar, QAction* customize);
bool isCustomizeButton(const QAction* action);

// The toolbar's commands and separators, in order, without its customise button.
QList<QAction*> toolbarCommands(const QToolBar* toolbar);

// Replaces the toolbar's commands; a null entry or any separator stands for a new separator.
void setToolbarCommands(QToolBar* toolbar, const QList<QAction*>& commands);

// Puts a command (or a separator, when null) before another one, or at the end when before is null.
void insertToolbarCommand(QToolBar* toolbar, QAction* command, QAction* before);
void removeToolbarCommand(QToolBar* toolbar, QAction* command);
// Moves a command or separator from one toolbar (or place) to another, before
// a command of the target or at its end when before is null.
void moveToolbarCommand(QToolBar* from, QToolBar* to, QAction* command, QAction* before);

QStringList toolbarCommandKeys(const QToolBar* toolbar);
// Keys of commands no longer in the menus are left out.
QList<QAction*> commandsFromKeys(const QStringList& keys, const QList<MenuCommand>& catalog);
