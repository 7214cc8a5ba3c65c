#include "app/user_toolbars.h"

#include "app/toolbar_commands.h"
#include "app/toolbar_quick_customize.h"
#include "app/user_images.h"

#include <algorithm>

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QSettings>
#include <QToolBar>

namespace {

const char kToolbarsGroup[] = "Toolbars";
// The settings store may be damaged or hostile: no list read from it is taken
// longer than a real one can be, so a huge stored size cannot stall start-up.
constexpr int kMaxStoredToolbarCommands = 256;
constexpr int kMaxStoredCommandImages = 256;
const char kDefaultIconProperty[] = "brennoDefaultIcon";
const char kRemovedProperty[] = "brennoRemovedToolbar";

// A stored array's entries, never more than limit whatever size it claims.
int storedArraySize(QSettings& store, const char* name, int limit)
{
    return std::clamp(store.beginReadArray(name), 0, limit);
}

QStringList storedCommandKeys(const QSettings& store)
{
    return store.value("Commands").toStringList().mid(0, kMaxStoredToolbarCommands);
}

QString userToolbarObjectName(int slot)
{
    return QStringLiteral("UserToolBar%1").arg(kFirstUserToolbarId + slot);
}

int slotOfObjectName(const QString& name)
{
    for (int slot = 0; slot < kMaxUserToolbars; ++slot) {
        if (name == userToolbarObjectName(slot))
            return slot;
    }
    return -1;
}

} // namespace

UserToolbars::UserToolbars(QMainWindow* window, QAction* customize)
    : QObject(window), window_(window), customize_(customize), quickCustomizer_(new ToolbarQuickCustomizer(this))
{
}

QList<MenuCommand> UserToolbars::menuCommands() const
{
    return window_->menuBar() ? collectMenuCommands(window_->menuBar()) : QList<MenuCommand>();
}

QList<MenuCommand> UserToolbars::availableCommands() const
{
    QList<MenuCommand> commands = menuCommands();
    for (QToolBar* toolbar : toolbars()) {
        if (isUserToolbar(toolbar))
            continue;
        for (QAction* action : toolbarCommands(toolbar)) {
            if (!action->isSeparator() && !findMenuCommand(commands, commandKey(action)))
                commands.append({toolbar->windowTitle(), action});
        }
    }
    return commands;
}

QList<QToolBar*> UserToolbars::toolbars() const
{
    QList<QToolBar*> builtIn;
    for (QToolBar* toolbar : window_->findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) {
        if (!isUserToolbar(toolbar) && !toolbar->property(kRemovedProperty).toBool())
            builtIn.append(toolbar);
    }
    return builtIn + userToolbars_;
}

bool UserToolbars::isUserToolbar(const QToolBar* toolbar) const
{
    return userToolbars_.contains(const_cast<QToolBar*>(toolbar));
}

QString UserToolbars::proposedName() const
{
    return QStringLiteral("ユーザー ツール バー %1").arg(freeSlot() + 1);
}

int UserToolbars::freeSlot() const
{
    for (int slot = 0; slot < kMaxUserToolbars; ++slot) {
        const bool taken = std::any_of(userToolbars_.begin(), userToolbars_.end(), [slot](const QToolBar* toolbar) {
            return slotOfObjectName(toolbar->objectName()) == slot;
        });
        if (!taken)
            return slot;
    }
    return -1;
}

QToolBar* UserToolbars::create(const QString& name)
{
    return canCreate() ? createAt(freeSlot(), name) : nullptr;
}

QToolBar* UserToolbars::createAt(int slot, const QString& name)
{
    auto* toolbar = new QToolBar(name, window_);
    toolbar->setObjectName(userToolbarObjectName(slot));
    toolbar->setIconSize(QSize(kUserImageSize, kUserImageSize));
    window_->addToolBar(Qt::TopToolBarArea, toolbar);
    toolbar->show(); // a child added to a window already on screen stays hidden otherwise
    addCustomizeButton(toolbar, customize_);
    userToolbars_.append(toolbar);
    quickCustomizer_->watch(toolbar);
    return toolbar;
}

void UserToolbars::rename(QToolBar* toolbar, const QString& name)
{
    if (isUserToolbar(toolbar) && !name.trimmed().isEmpty())
        toolbar->setWindowTitle(name.trimmed());
}

// The toolbar goes later, since the customise command that led here may have
// come from the toolbar's own button.
void UserToolbars::remove(QToolBar* toolbar)
{
    if (!userToolbars_.removeOne(toolbar))
        return;
    toolbar->setProperty(kRemovedProperty, true);
    window_->removeToolBar(toolbar);
    toolbar->deleteLater();
}

void UserToolbars::reset(QToolBar* toolbar)
{
    const auto defaults = defaultCommands_.constFind(toolbar);
    if (defaults != defaultCommands_.constEnd())
        setToolbarCommands(toolbar, *defaults);
}

void UserToolbars::setCommandImage(QAction* command, int index)
{
    const QString key = commandKey(command);
    if (index < 0) {
        commandImages_.remove(key);
        if (command->property(kDefaultIconProperty).isValid())
            command->setIcon(command->property(kDefaultIconProperty).value<QIcon>());
        return;
    }
    commandImages_.insert(key, index);
    if (index >= userImages_.size())
        return;
    if (!command->property(kDefaultIconProperty).isValid())
        command->setProperty(kDefaultIconProperty, QVariant::fromValue(command->icon()));
    command->setIcon(QIcon(userImages_.at(index)));
}

int UserToolbars::commandImage(const QAction* command) const
{
    return commandImages_.value(commandKey(command), -1);
}

// Separators are kept as null entries: the toolbar's own ones go once its
// commands are replaced.
void UserToolbars::rememberDefaults()
{
    for (QToolBar* toolbar : toolbars()) {
        if (isUserToolbar(toolbar) || defaultCommands_.contains(toolbar))
            continue;
        QList<QAction*> defaults = toolbarCommands(toolbar);
        std::replace_if(defaults.begin(), defaults.end(), [](const QAction* a) { return a->isSeparator(); }, nullptr);
        defaultCommands_.insert(toolbar, defaults);
    }
}

void UserToolbars::watchToolbars()
{
    for (QToolBar* toolbar : toolbars())
        quickCustomizer_->watch(toolbar);
}

QStringList UserToolbars::defaultKeys(const QToolBar* toolbar) const
{
    QStringList keys;
    for (const QAction* action : defaultCommands_.value(toolbar))
        keys.append(action ? commandKey(action) : kSeparatorKey);
    return keys;
}

void UserToolbars::restore(QSettings& store)
{
    rememberDefaults();
    watchToolbars();
    const QList<MenuCommand> catalog = availableCommands();
    store.beginGroup(kToolbarsGroup);
    restoreUserToolbars(store, catalog);
    restoreBuiltInCommands(store, catalog);
    restoreCommandImages(store, catalog);
    store.endGroup();
}

void UserToolbars::restoreUserToolbars(QSettings& store, const QList<MenuCommand>& catalog)
{
    const int count = storedArraySize(store, "User", kMaxUserToolbars);
    for (int i = 0; i < count; ++i) {
        store.setArrayIndex(i);
        const int slot = store.value("Id").toInt() - kFirstUserToolbarId;
        const QString name = store.value("Name").toString();
        if (slot < 0 || slot >= kMaxUserToolbars || !canCreate() || name.isEmpty())
            continue;
        if (window_->findChild<QToolBar*>(userToolbarObjectName(slot), Qt::FindDirectChildrenOnly))
            continue;
        QToolBar* toolbar = createAt(slot, name);
        setToolbarCommands(toolbar, commandsFromKeys(storedCommandKeys(store), catalog));
        toolbar->setHidden(!store.value("Visible", true).toBool());
    }
    store.endArray();
}

void UserToolbars::restoreBuiltInCommands(QSettings& store, const QList<MenuCommand>& catalog)
{
    const int count = storedArraySize(store, "BuiltIn", static_cast<int>(toolbars().size()));
    for (int i = 0; i < count; ++i) {
        store.setArrayIndex(i);
        const QString name = store.value("Toolbar").toString();
        QToolBar* toolbar = name.isEmpty() ? nullptr : window_->findChild<QToolBar*>(name, Qt::FindDirectChildrenOnly);
        if (toolbar && !isUserToolbar(toolbar))
            setToolbarCommands(toolbar, commandsFromKeys(storedCommandKeys(store), catalog));
    }
    store.endArray();
}

void UserToolbars::restoreCommandImages(QSettings& store, const QList<MenuCommand>& catalog)
{
    const int count = storedArraySize(store, "Images", kMaxStoredCommandImages);
    for (int i = 0; i < count; ++i) {
        store.setArrayIndex(i);
        const QString key = store.value("Command").toString();
        const int index = store.value("Image", -1).toInt();
        if (index < 0)
            continue;
        if (QAction* command = findMenuCommand(catalog, key))
            setCommandImage(command, index);
        else
            commandImages_.insert(key, index);
    }
    store.endArray();
}

void UserToolbars::save(QSettings& store) const
{
    store.beginGroup(kToolbarsGroup);
    store.remove(QString());
    store.beginWriteArray("User", userToolbars_.size());
    for (int i = 0; i < userToolbars_.size(); ++i) {
        const QToolBar* toolbar = userToolbars_.at(i);
        store.setArrayIndex(i);
        store.setValue("Id", kFirstUserToolbarId + slotOfObjectName(toolbar->objectName()));
        store.setValue("Name", toolbar->windowTitle());
        store.setValue("Commands", toolbarCommandKeys(toolbar));
        store.setValue("Visible", !toolbar->isHidden());
    }
    store.endArray();
    int builtInIndex = 0;
    store.beginWriteArray("BuiltIn");
    for (const QToolBar* toolbar : toolbars()) {
        const QStringList keys = toolbarCommandKeys(toolbar);
        if (isUserToolbar(toolbar) || toolbar->objectName().isEmpty() || keys == defaultKeys(toolbar))
            continue;
        store.setArrayIndex(builtInIndex++);
        store.setValue("Toolbar", toolbar->objectName());
        store.setValue("Commands", keys);
    }
    store.endArray();
    int imageIndex = 0;
    store.beginWriteArray("Images");
    for (auto image = commandImages_.constBegin(); image != commandImages_.constEnd(); ++image) {
        store.setArrayIndex(imageIndex++);
        store.setValue("Command", image.key());
        store.setValue("Image", image.value());
    }
    store.endArray();
    store.endGroup();
}
