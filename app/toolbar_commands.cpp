#include "app/toolbar_commands.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

const QString kSeparatorKey = QStringLiteral("-");

namespace {

const char kCustomizeButtonName[] = "customizeButton";

QAction* customizeButtonOf(const QToolBar* toolbar)
{
    for (QAction* action : toolbar->actions()) {
        if (isCustomizeButton(action))
            return action;
    }
    return nullptr;
}

} // namespace

void addCustomizeButton(QToolBar* toolbar, QAction* customize)
{
    if (customizeButtonOf(toolbar))
        return;
    auto* button = new QToolButton(toolbar);
    auto* menu = new QMenu(button);
    menu->addAction(customize);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setArrowType(Qt::DownArrow);
    button->setAutoRaise(true);
    button->setToolTip(customize->text());
    toolbar->addWidget(button)->setObjectName(QString::fromLatin1(kCustomizeButtonName));
}

bool isCustomizeButton(const QAction* action)
{
    return action->objectName() == QLatin1String(kCustomizeButtonName);
}

QList<QAction*> toolbarCommands(const QToolBar* toolbar)
{
    QList<QAction*> commands = toolbar->actions();
    commands.removeIf([](const QAction* action) { return isCustomizeButton(action); });
    return commands;
}

void insertToolbarCommand(QToolBar* toolbar, QAction* command, QAction* before)
{
    if (!before)
        before = customizeButtonOf(toolbar);
    if (command)
        toolbar->insertAction(before, command);
    else
        toolbar->insertSeparator(before);
}

// Separators belong to their toolbar and go with it; commands are shared with
// the menus and only leave the toolbar.
void removeToolbarCommand(QToolBar* toolbar, QAction* command)
{
    toolbar->removeAction(command);
    if (command->isSeparator() && command->parent() == toolbar)
        delete command;
}

void moveToolbarCommand(QToolBar* from, QToolBar* to, QAction* command, QAction* before)
{
    if (command == before)
        return;
    from->removeAction(command);
    to->insertAction(before ? before : customizeButtonOf(to), command);
}

void setToolbarCommands(QToolBar* toolbar, const QList<QAction*>& commands)
{
    QList<QAction*> fresh;
    for (QAction* command : commands)
        fresh.append(command && !command->isSeparator() ? command : nullptr);
    for (QAction* old : toolbarCommands(toolbar))
        removeToolbarCommand(toolbar, old);
    for (QAction* command : fresh)
        insertToolbarCommand(toolbar, command, nullptr);
}

QStringList toolbarCommandKeys(const QToolBar* toolbar)
{
    QStringList keys;
    for (const QAction* action : toolbarCommands(toolbar))
        keys.append(action->isSeparator() ? kSeparatorKey : commandKey(action));
    return keys;
}

QList<QAction*> commandsFromKeys(const QStringList& keys, const QList<MenuCommand>& catalog)
{
    QList<QAction*> commands;
    for (const QString& key : keys) {
        if (key == kSeparatorKey)
            commands.append(nullptr);
        else if (QAction* action = findMenuCommand(catalog, key))
            commands.append(action);
    }
    return commands;
}
