// The toolbars a user makes, the commands the user puts on any toolbar and the
// images given to commands, kept in the settings store from one run to the next.
#pragma once
#include "app/command_catalog.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QStringList>

class QAction;
class QMainWindow;
class QSettings;
class QToolBar;
class ToolbarQuickCustomizer;

constexpr int kMaxUserToolbars = 10;
constexpr int kFirstUserToolbarId = 0xE828;

class UserToolbars : public QObject {
    Q_OBJECT
public:
    // Every user toolbar gets a customise button with the customise command.
    UserToolbars(QMainWindow* window, QAction* customize);

    QMainWindow* window() const { return window_; }

    // The menus' commands, scanned anew from the window's menu bar.
    QList<MenuCommand> menuCommands() const;
    // The menus' commands and those found only on built-in toolbars.
    QList<MenuCommand> availableCommands() const;

    // All toolbars of the window, built-in ones first, then user toolbars in creation order.
    QList<QToolBar*> toolbars() const;
    QList<QToolBar*> userToolbars() const { return userToolbars_; }
    bool isUserToolbar(const QToolBar* toolbar) const;

    bool canCreate() const { return userToolbars_.size() < kMaxUserToolbars; }
    QString proposedName() const;
    // A new, empty, visible user toolbar at the top; null once kMaxUserToolbars exist.
    QToolBar* create(const QString& name);
    void rename(QToolBar* toolbar, const QString& name);
    void remove(QToolBar* toolbar);

    // A built-in toolbar gets back the commands it had before any customisation.
    void reset(QToolBar* toolbar);

    void setUserImages(const QList<QPixmap>& images) { userImages_ = images; }
    const QList<QPixmap>& userImages() const { return userImages_; }
    // Gives a command one of the user images, or its own image back when index is negative.
    void setCommandImage(QAction* command, int index);
    int commandImage(const QAction* command) const;

    // Restores after the window built its own toolbars and menus, and before the
    // window's saved dock state is restored, so that user toolbars exist by then.
    void restore(QSettings& store);
    void save(QSettings& store) const;

private:
    QToolBar* createAt(int slot, const QString& name);
    int freeSlot() const;
    void rememberDefaults();
    void watchToolbars();
    QStringList defaultKeys(const QToolBar* toolbar) const;
    void restoreUserToolbars(QSettings& store, const QList<MenuCommand>& catalog);
    void restoreBuiltInCommands(QSettings& store, const QList<MenuCommand>& catalog);
    void restoreCommandImages(QSettings& store, const QList<MenuCommand>& catalog);

    QMainWindow* window_;
    QAction* customize_;
    QList<QToolBar*> userToolbars_;
    ToolbarQuickCustomizer* quickCustomizer_;
    QHash<const QToolBar*, QList<QAction*>> defaultCommands_;
    QList<QPixmap> userImages_;
    QHash<QString, int> commandImages_;
};
