#include "app/toolbar_customizer.h"

#include "app/toolbar_commands.h"
#include "app/user_images.h"
#include "app/user_toolbars.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString kSeparatorText = QStringLiteral("―――― 区切り線 ――――");

QListWidgetItem* commandItem(const QAction* action)
{
    if (action->isSeparator())
        return new QListWidgetItem(kSeparatorText);
    return new QListWidgetItem(action->icon(), commandDisplayText(action));
}

QPushButton* pushButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

// Lists show commands with their 16 px toolbar images.
QListWidget* namedList(const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setIconSize(QSize(kUserImageSize, kUserImageSize));
    return list;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

// The name the user typed, trimmed; empty when cancelled.
QString askToolbarName(QWidget* parent, const QString& caption, const QString& proposed)
{
    bool accepted = false;
    const QString name = QInputDialog::getText(parent, caption, QStringLiteral("ツール バー名(&T):"), QLineEdit::Normal,
                                               proposed, &accepted);
    return accepted ? name.trimmed() : QString();
}

} // namespace

CToolbarCustomizeDlg::CToolbarCustomizeDlg(UserToolbars* toolbars, QWidget* parent)
    : QDialog(parent), toolbars_(toolbars), catalog_(toolbars->menuCommands())
{
    setWindowTitle(QStringLiteral("カスタマイズ"));
    auto* tabs = new QTabWidget(this);
    tabs->addTab(createToolbarsPage(), QStringLiteral("ツール バー"));
    tabs->addTab(createCommandsPage(), QStringLiteral("コマンド"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    refreshToolbars();
    refreshCategories();
    resize(760, 460);
}

QWidget* CToolbarCustomizeDlg::createToolbarsPage()
{
    auto* page = new QWidget;
    toolbarList_ = namedList(QStringLiteral("toolbarList"), page);
    newButton_ = pushButton(QStringLiteral("新規作成(&N)..."), page);
    renameButton_ = pushButton(QStringLiteral("名前の変更(&M)..."), page);
    deleteButton_ = pushButton(QStringLiteral("削除(&D)"), page);
    resetButton_ = pushButton(QStringLiteral("リセット(&R)"), page);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {newButton_, renameButton_, deleteButton_, resetButton_})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QGridLayout(page);
    layout->addWidget(buddyLabel(QStringLiteral("ツール バー(&A):"), toolbarList_), 0, 0);
    layout->addWidget(toolbarList_, 1, 0);
    layout->addLayout(buttons, 1, 1);
    connect(newButton_, &QPushButton::clicked, this, &CToolbarCustomizeDlg::onNewToolbar);
    connect(renameButton_, &QPushButton::clicked, this, &CToolbarCustomizeDlg::onRenameToolbar);
    connect(deleteButton_, &QPushButton::clicked, this, &CToolbarCustomizeDlg::onDeleteToolbar);
    connect(resetButton_, &QPushButton::clicked, this, &CToolbarCustomizeDlg::onResetToolbar);
    connect(toolbarList_, &QListWidget::currentRowChanged, this, &CToolbarCustomizeDlg::updateButtons);
    connect(toolbarList_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        onToolbarChecked(toolbarList_->row(item), item->checkState() == Qt::Checked);
    });
    return page;
}

QWidget* CToolbarCustomizeDlg::createCommandsPage()
{
    auto* page = new QWidget;
    categoryList_ = namedList(QStringLiteral("categoryList"), page);
    categoryList_->setMaximumWidth(120);
    catalogList_ = namedList(QStringLiteral("catalogList"), page);
    toolbarChoice_ = new QComboBox(page);
    toolbarChoice_->setObjectName(QStringLiteral("toolbarChoice"));
    commandList_ = namedList(QStringLiteral("commandList"), page);
    auto* toolbarSide = new QVBoxLayout;
    toolbarSide->addWidget(buddyLabel(QStringLiteral("ツール バー(&B):"), toolbarChoice_));
    toolbarSide->addWidget(toolbarChoice_);
    toolbarSide->addWidget(commandList_, 1);
    toolbarSide->addWidget(createImageChooser());
    auto* layout = new QGridLayout(page);
    layout->addWidget(buddyLabel(QStringLiteral("分類(&G):"), categoryList_), 0, 0);
    layout->addWidget(categoryList_, 1, 0);
    layout->addWidget(buddyLabel(QStringLiteral("コマンド(&C):"), catalogList_), 0, 1);
    layout->addWidget(catalogList_, 1, 1);
    layout->addWidget(createCommandButtons(), 1, 2);
    layout->addLayout(toolbarSide, 0, 3, 2, 1);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
    connect(categoryList_, &QListWidget::currentRowChanged, this, &CToolbarCustomizeDlg::refreshCatalog);
    connect(catalogList_, &QListWidget::itemDoubleClicked, this, [this] { addCommand(catalogCommand()); });
    connect(catalogList_, &QListWidget::currentRowChanged, this, &CToolbarCustomizeDlg::updateButtons);
    connect(toolbarChoice_, &QComboBox::currentIndexChanged, this, &CToolbarCustomizeDlg::refreshToolbarCommands);
    connect(commandList_, &QListWidget::currentRowChanged, this, [this] {
        refreshImageChoice();
        updateButtons();
    });
    return page;
}

QWidget* CToolbarCustomizeDlg::createCommandButtons()
{
    auto* box = new QWidget;
    addButton_ = pushButton(QStringLiteral("追加(&A) >>"), box);
    auto* separatorButton = pushButton(QStringLiteral("区切り線の追加(&S)"), box);
    upButton_ = pushButton(QStringLiteral("上へ(&U)"), box);
    downButton_ = pushButton(QStringLiteral("下へ(&W)"), box);
    removeButton_ = pushButton(QStringLiteral("<< 削除(&V)"), box);
    auto* layout = new QVBoxLayout(box);
    for (QPushButton* button : {addButton_, separatorButton, upButton_, downButton_, removeButton_})
        layout->addWidget(button);
    layout->addStretch();
    connect(addButton_, &QPushButton::clicked, this, [this] { addCommand(catalogCommand()); });
    connect(separatorButton, &QPushButton::clicked, this, &CToolbarCustomizeDlg::onAddSeparator);
    connect(upButton_, &QPushButton::clicked, this, [this] { onMoveCommand(-1); });
    connect(downButton_, &QPushButton::clicked, this, [this] { onMoveCommand(+1); });
    connect(removeButton_, &QPushButton::clicked, this, &CToolbarCustomizeDlg::onRemoveCommand);
    return box;
}

// The user images, offered only when the images file supplied some.
QWidget* CToolbarCustomizeDlg::createImageChooser()
{
    auto* box = new QWidget;
    imageList_ = new QListWidget(box);
    imageList_->setViewMode(QListView::IconMode);
    imageList_->setIconSize(QSize(kUserImageSize, kUserImageSize));
    imageList_->setMaximumHeight(72);
    imageList_->addItem(QStringLiteral("既定"));
    for (const QPixmap& image : toolbars_->userImages())
        imageList_->addItem(new QListWidgetItem(QIcon(image), QString()));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buddyLabel(QStringLiteral("ボタン イメージ(&I):"), imageList_));
    layout->addWidget(imageList_);
    box->setVisible(!toolbars_->userImages().isEmpty());
    connect(imageList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { onImageChosen(imageList_->row(item)); });
    return box;
}

void CToolbarCustomizeDlg::refreshToolbars()
{
    QToolBar* keptListed = listedToolbar();
    QToolBar* keptChosen = chosenToolbar();
    listed_.clear();
    const QSignalBlocker blockList(toolbarList_);
    const QSignalBlocker blockChoice(toolbarChoice_);
    toolbarList_->clear();
    toolbarChoice_->clear();
    for (QToolBar* toolbar : toolbars_->toolbars()) {
        listed_.append(toolbar);
        auto* item = new QListWidgetItem(toolbar->windowTitle(), toolbarList_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(toolbar->isHidden() ? Qt::Unchecked : Qt::Checked);
        toolbarChoice_->addItem(toolbar->windowTitle());
    }
    toolbarList_->setCurrentRow(qMax(0, listed_.indexOf(keptListed)));
    toolbarChoice_->setCurrentIndex(qMax(0, listed_.indexOf(keptChosen)));
    refreshToolbarCommands();
}

void CToolbarCustomizeDlg::refreshCategories()
{
    QStringList categories;
    for (const MenuCommand& command : catalog_) {
        if (!categories.contains(command.category))
            categories.append(command.category);
    }
    categoryList_->addItems(categories);
    categoryList_->setCurrentRow(0);
}

void CToolbarCustomizeDlg::refreshCatalog()
{
    const QListWidgetItem* category = categoryList_->currentItem();
    catalogList_->clear();
    shownCatalog_.clear();
    for (const MenuCommand& command : catalog_) {
        if (!category || command.category != category->text())
            continue;
        shownCatalog_.append(command.action);
        catalogList_->addItem(commandItem(command.action));
    }
    catalogList_->setCurrentRow(0);
    updateButtons();
}

void CToolbarCustomizeDlg::refreshToolbarCommands()
{
    const int row = commandList_->currentRow();
    commandList_->clear();
    shownCommands_.clear();
    if (QToolBar* toolbar = chosenToolbar()) {
        shownCommands_ = toolbarCommands(toolbar);
        for (const QAction* action : shownCommands_)
            commandList_->addItem(commandItem(action));
    }
    commandList_->setCurrentRow(qMin(row, commandList_->count() - 1));
    refreshImageChoice();
    updateButtons();
}

void CToolbarCustomizeDlg::refreshImageChoice()
{
    const QSignalBlocker block(imageList_);
    const QAction* command = chosenCommand();
    imageList_->setEnabled(command && !command->isSeparator());
    imageList_->setCurrentRow(command ? toolbars_->commandImage(command) + 1 : -1);
}

void CToolbarCustomizeDlg::updateButtons()
{
    QToolBar* listed = listedToolbar();
    const bool user = listed && toolbars_->isUserToolbar(listed);
    newButton_->setEnabled(toolbars_->canCreate());
    renameButton_->setEnabled(user);
    deleteButton_->setEnabled(user);
    resetButton_->setEnabled(listed && !user);
    const int row = commandList_->currentRow();
    addButton_->setEnabled(chosenToolbar() && catalogCommand());
    upButton_->setEnabled(row > 0);
    downButton_->setEnabled(row >= 0 && row + 1 < commandList_->count());
    removeButton_->setEnabled(row >= 0);
}

QToolBar* CToolbarCustomizeDlg::listedToolbar() const
{
    const int row = toolbarList_->currentRow();
    return row >= 0 && row < listed_.size() ? listed_.at(row).data() : nullptr;
}

QToolBar* CToolbarCustomizeDlg::chosenToolbar() const
{
    const int index = toolbarChoice_ ? toolbarChoice_->currentIndex() : -1;
    return index >= 0 && index < listed_.size() ? listed_.at(index).data() : nullptr;
}

QAction* CToolbarCustomizeDlg::chosenCommand() const
{
    const int row = commandList_->currentRow();
    return row >= 0 && row < shownCommands_.size() ? shownCommands_.at(row) : nullptr;
}

QAction* CToolbarCustomizeDlg::catalogCommand() const
{
    const int row = catalogList_->currentRow();
    return row >= 0 && row < shownCatalog_.size() ? shownCatalog_.at(row) : nullptr;
}

QToolBar* CToolbarCustomizeDlg::createToolbar(const QString& name)
{
    QToolBar* toolbar = toolbars_->create(name);
    if (!toolbar)
        return nullptr;
    refreshToolbars();
    selectToolbar(toolbar);
    return toolbar;
}

void CToolbarCustomizeDlg::selectToolbar(QToolBar* toolbar)
{
    const int row = listed_.indexOf(toolbar);
    if (row < 0)
        return;
    toolbarList_->setCurrentRow(row);
    toolbarChoice_->setCurrentIndex(row);
}

// New entries go after the selected one, so that commands added one after
// another keep their order.
QAction* CToolbarCustomizeDlg::commandAfterChosen() const
{
    return shownCommands_.value(commandList_->currentRow() + 1, nullptr);
}

void CToolbarCustomizeDlg::addCommand(QAction* command)
{
    QToolBar* toolbar = chosenToolbar();
    if (!toolbar || !command)
        return;
    QAction* before = commandAfterChosen();
    insertToolbarCommand(toolbar, command, before == command ? nullptr : before);
    refreshToolbarCommands();
    commandList_->setCurrentRow(toolbarCommands(toolbar).indexOf(command));
}

void CToolbarCustomizeDlg::onNewToolbar()
{
    const QString name = askToolbarName(this, QStringLiteral("新しいツール バー"), toolbars_->proposedName());
    if (name.isEmpty())
        return;
    if (!createToolbar(name)) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("ユーザー ツール バーは %1 個までしか作成できません。").arg(kMaxUserToolbars));
    }
}

void CToolbarCustomizeDlg::onRenameToolbar()
{
    QToolBar* toolbar = listedToolbar();
    if (!toolbar || !toolbars_->isUserToolbar(toolbar))
        return;
    const QString name = askToolbarName(this, QStringLiteral("ツール バー名の変更"), toolbar->windowTitle());
    if (name.isEmpty())
        return;
    toolbars_->rename(toolbar, name);
    refreshToolbars();
}

void CToolbarCustomizeDlg::onDeleteToolbar()
{
    QToolBar* toolbar = listedToolbar();
    if (!toolbar || !toolbars_->isUserToolbar(toolbar))
        return;
    const auto answer = QMessageBox::question(
        this, windowTitle(), QStringLiteral("ツール バー '%1' を削除しますか?").arg(toolbar->windowTitle()));
    if (answer != QMessageBox::Yes)
        return;
    toolbars_->remove(toolbar);
    refreshToolbars();
}

void CToolbarCustomizeDlg::onResetToolbar()
{
    if (QToolBar* toolbar = listedToolbar()) {
        toolbars_->reset(toolbar);
        refreshToolbarCommands();
    }
}

void CToolbarCustomizeDlg::onToolbarChecked(int row, bool visible)
{
    if (row >= 0 && row < listed_.size() && listed_.at(row))
        listed_.at(row)->setVisible(visible);
}

void CToolbarCustomizeDlg::onAddSeparator()
{
    QToolBar* toolbar = chosenToolbar();
    if (!toolbar)
        return;
    const int row = commandList_->currentRow();
    insertToolbarCommand(toolbar, nullptr, commandAfterChosen());
    refreshToolbarCommands();
    commandList_->setCurrentRow(row + 1);
}

void CToolbarCustomizeDlg::onMoveCommand(int step)
{
    QToolBar* toolbar = chosenToolbar();
    QAction* command = chosenCommand();
    const int row = commandList_->currentRow();
    const int target = row + step;
    if (!toolbar || !command || target < 0 || target >= shownCommands_.size())
        return;
    // Moving down means going before the command two places further on.
    QAction* before = step < 0 ? shownCommands_.at(target) : shownCommands_.value(target + 1, nullptr);
    moveToolbarCommand(toolbar, toolbar, command, before);
    refreshToolbarCommands();
    commandList_->setCurrentRow(target);
}

void CToolbarCustomizeDlg::onRemoveCommand()
{
    QToolBar* toolbar = chosenToolbar();
    QAction* command = chosenCommand();
    if (!toolbar || !command)
        return;
    removeToolbarCommand(toolbar, command);
    refreshToolbarCommands();
}

void CToolbarCustomizeDlg::onImageChosen(int row)
{
    QAction* command = chosenCommand();
    if (!command || command->isSeparator())
        return;
    toolbars_->setCommandImage(command, row - 1);
    refreshToolbarCommands();
}
