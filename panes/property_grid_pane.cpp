#include "panes/property_grid_pane.h"

#include <QEvent>
#include <QVBoxLayout>

#include "panes/expand_all_icon.h"
#include "panes/property_grid_list_font.h"
#include "panes/property_grid_settings.h"

PropertiesToolBar::PropertiesToolBar(const QIcon& runIcon, const QString& runTip, QWidget* parent)
    : QToolBar(parent),
      expandAll_(addAction(expandAllIcon(palette()), QString())),
      run_(nullptr)
{
    addSeparator();
    run_ = addAction(runIcon, runTip);
    setIconSize(QSize(16, 16));
    setMovable(false);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

// A new look brings a new toolbar colour, and the image follows it.
void PropertiesToolBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        expandAll_->setIcon(expandAllIcon(palette()));
    QToolBar::changeEvent(event);
}

PropertyGridPane::PropertyGridPane(QWidget* parent) : QDockWidget(parent), listFont_(paneListFont()) {}

void PropertyGridPane::install(PropertiesToolBar* toolBar, int runCommand, SettingsGrid* grid)
{
    grid_ = grid;
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(grid, 1);
    setWidget(client);
    setFocusProxy(grid);

    connect(toolBar->expandAllAction(), &QAction::triggered, grid, &PropertyGrid::expandAll);
    connect(toolBar->runAction(), &QAction::triggered, this, [this, runCommand] { emit commandSent(runCommand); });
    connect(grid, &SettingsGrid::commandSent, this, &PropertyGridPane::commandSent);
}

void PropertyGridPane::ApplyListFont()
{
    listFont_ = paneListFont();
    if (grid_)
        grid_->setListFont(listFont_);
}

bool PropertyGridPane::event(QEvent* event)
{
    const bool handled = QDockWidget::event(event);
    if (event->type() == QEvent::ApplicationFontChange)
        ApplyListFont();
    return handled;
}
