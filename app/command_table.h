// Every command's menu text, keys, status-bar prompt, tooltip and icon, and the
// QAction built from them.
#pragma once
#include <QIcon>
#include <QList>
#include <QString>

class QAction;
class QObject;

struct CommandInfo {
    int id;
    const char* text;    // menu text with its mnemonic
    const char* keys;    // shortcuts separated by "; ", the first one shown in the menu
    const char* prompt;  // status-bar prompt, a line feed, then the tooltip
    const char* icon;    // name of the 16 px icon in the resources, or null
};

// Null for a number that no menu or toolbar carries.
const CommandInfo* findCommand(int id);
QList<int> allCommandIds();

QString commandStatusTip(const CommandInfo& command);
QString commandToolTip(const CommandInfo& command);
QIcon commandIcon(int id);

enum class WithShortcuts { No, Yes };

// An action carrying the command's number as its data.
QAction* makeCommandAction(int id, QObject* parent, WithShortcuts withShortcuts);
int commandIdOf(const QAction* action);
