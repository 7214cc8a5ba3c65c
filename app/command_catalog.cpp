#include "app/command_catalog.h"

#include "app/command_table.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

namespace {

// Removes "(&X)" and "&" mnemonics and anything after the tab that shows the key.
QString withoutMnemonic(QString text)
{
    text = text.section(QLatin1Char('\t'), 0, 0);
    static const QRegularExpression bracketedMnemonic(QStringLiteral("\\(&.\\)"));
    text.remove(bracketedMnemonic);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.trimmed();
}

void collectFromMenu(const QMenu* menu, const QString& category, QList<MenuCommand>& commands)
{
    for (QAction* action : menu->actions()) {
        // Hidden entries (unused places of the recent-file list) are no commands to offer.
        if (action->isSeparator() || !action->isVisible())
            continue;
        if (action->menu()) {
            collectFromMenu(action->menu(), category, commands);
            continue;
        }
        if (!findMenuCommand(commands, commandKey(action)))
            commands.append({category, action});
    }
}

} // namespace

QString commandKey(const QAction* action)
{
    if (const int id = commandIdOf(action); id > 0)
        return QString::number(id);
    if (!action->objectName().isEmpty())
        return action->objectName();
    return withoutMnemonic(action->text());
}

QString commandDisplayText(const QAction* action)
{
    return withoutMnemonic(action->text());
}

QList<MenuCommand> collectMenuCommands(const QMenuBar* menuBar)
{
    QList<MenuCommand> commands;
    for (QAction* top : menuBar->actions()) {
        if (top->menu())
            collectFromMenu(top->menu(), withoutMnemonic(top->text()), commands);
    }
    return commands;
}

QAction* findMenuCommand(const QList<MenuCommand>& commands, const QString& key)
{
    for (const MenuCommand& command : commands) {
        if (commandKey(command.action) == key)
            return command.action;
    }
    return nullptr;
}
