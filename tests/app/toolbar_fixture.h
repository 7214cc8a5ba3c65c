// A small main window for the toolbar tests: menus whose commands count their
// runs, a built-in toolbar, and user toolbars restored from a settings store.
#pragma once
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/toolbar_commands.h"
#include "app/user_toolbars.h"

#include <QAction>
#include <QMainWindow>
#include <QMap>
#include <QMenuBar>
#include <QSettings>
#include <QToolBar>

class ToolbarFixtureWindow : public QMainWindow {
public:
    explicit ToolbarFixtureWindow(QSettings& store, const QList<QPixmap>& userImages = {})
    {
        addMenu(QStringLiteral("ファイル(&F)"), {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE});
        addMenu(QStringLiteral("解析"), {ID_BODE_ANALYSIS, ID_FILT_ANALYSIS, ID_SAVE_GRAPH_CSV});
        customize = makeCommandAction(ID_VIEW_CUSTOMIZE, this, WithShortcuts::No);
        mainToolBar = addToolBar(QStringLiteral("標準"));
        mainToolBar->setObjectName(QStringLiteral("MainToolBar"));
        setToolbarCommands(mainToolBar, {command(ID_FILE_NEW), command(ID_FILE_OPEN), nullptr, command(ID_BODE_ANALYSIS)});
        addCustomizeButton(mainToolBar, customize);
        toolbars = new UserToolbars(this, customize);
        toolbars->setUserImages(userImages);
        toolbars->restore(store);
    }

    QAction* command(int id) const { return commands_.value(id); }

    QToolBar* toolbarNamed(const QString& objectName) const
    {
        return findChild<QToolBar*>(objectName, Qt::FindDirectChildrenOnly);
    }

    QMap<int, int> runs;
    QAction* customize;
    QToolBar* mainToolBar;
    UserToolbars* toolbars;

private:
    void addMenu(const QString& title, std::initializer_list<int> ids)
    {
        QMenu* menu = menuBar()->addMenu(title);
        for (int id : ids) {
            QAction* action = makeCommandAction(id, this, WithShortcuts::No);
            connect(action, &QAction::triggered, this, [this, id] { ++runs[id]; });
            menu->addAction(action);
            commands_.insert(id, action);
        }
    }

    QMap<int, QAction*> commands_;
};
