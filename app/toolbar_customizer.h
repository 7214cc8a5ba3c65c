// The toolbar customisation dialog: which toolbars show, the user's own
// toolbars, and the commands on each toolbar, picked from the menus' commands.
// Every change takes effect at once.
#pragma once
#include "app/command_catalog.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class QComboBox;
class QListWidget;
class QPushButton;
class QToolBar;
class UserToolbars;

class CToolbarCustomizeDlg : public QDialog {
    Q_OBJECT
public:
    CToolbarCustomizeDlg(UserToolbars* toolbars, QWidget* parent = nullptr);

    // The actions behind the dialog's buttons, reachable without clicking.
    QToolBar* createToolbar(const QString& name);
    void addCommand(QAction* command);
    void selectToolbar(QToolBar* toolbar);

private:
    QWidget* createToolbarsPage();
    QWidget* createCommandsPage();
    QWidget* createCommandButtons();
    QWidget* createImageChooser();

    void refreshToolbars();
    void refreshCategories();
    void refreshCatalog();
    void refreshToolbarCommands();
    void refreshImageChoice();
    void updateButtons();

    QToolBar* listedToolbar() const;
    QToolBar* chosenToolbar() const;
    QAction* chosenCommand() const;
    QAction* catalogCommand() const;
    QAction* commandAfterChosen() const;

    void onNewToolbar();
    void onRenameToolbar();
    void onDeleteToolbar();
    void onResetToolbar();
    void onToolbarChecked(int row, bool visible);
    void onAddSeparator();
    void onMoveCommand(int step);
    void onRemoveCommand();
    void onImageChosen(int row);

    UserToolbars* toolbars_;
    QList<MenuCommand> catalog_;
    QList<QPointer<QToolBar>> listed_;
    QList<QAction*> shownCatalog_;
    QList<QAction*> shownCommands_;

    QListWidget* toolbarList_;
    QPushButton* newButton_;
    QPushButton* renameButton_;
    QPushButton* deleteButton_;
    QPushButton* resetButton_;
    QListWidget* categoryList_;
    QListWidget* catalogList_;
    QComboBox* toolbarChoice_;
    QListWidget* commandList_;
    QPushButton* addButton_;
    QPushButton* upButton_;
    QPushButton* downButton_;
    QPushButton* removeButton_;
    QListWidget* imageList_;
};
