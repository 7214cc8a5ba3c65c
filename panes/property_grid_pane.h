// A settings pane: a small toolbar (expand all, run the analysis) over a
// settings grid, with the list font of the settings panes.
#pragma once
#include <QDockWidget>
#include <QToolBar>

class SettingsGrid;

// Buttons: expand all, separator, the pane's analysis. It stays inside its
// pane and is never offered among the main window's toolbars.
class PropertiesToolBar : public QToolBar {
    Q_OBJECT
public:
    PropertiesToolBar(const QIcon& runIcon, const QString& runTip, QWidget* parent);

    QAction* expandAllAction() const { return expandAll_; }
    QAction* runAction() const { return run_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    QAction* expandAll_;
    QAction* run_;
};

class PropertyGridPane : public QDockWidget {
    Q_OBJECT
signals:
    // The grid's commands and the toolbar's analysis command, for the main frame.
    void commandSent(int id);

protected:
    explicit PropertyGridPane(QWidget* parent);

    const QFont& listFont() const { return listFont_; }
    // Puts the toolbar at the top and the grid below it, filling the rest.
    void install(PropertiesToolBar* toolBar, int runCommand, SettingsGrid* grid);
    void ApplyListFont();
    bool event(QEvent* event) override;

private:
    QFont listFont_;
    SettingsGrid* grid_ = nullptr;
};

// A settings pane over its own toolbar and grid; the view reads the grid's
// record and hands it the graph font through the pane.
template <class Grid, class ToolBar>
class RecordPane : public PropertyGridPane {
public:
    // The record the view copies after an ended edit; always current by then.
    const auto& values() const { return grid_->values(); }
    // The view's graph font, which the font property changes from then on.
    void SetGraphFont(QFont* font) { grid_->SetGraphFont(font); }
    Grid* grid() const { return grid_; }

protected:
    RecordPane(const QString& title, int runCommand, QWidget* parent)
        : PropertyGridPane(parent), toolBar_(new ToolBar(this)), grid_(new Grid(this))
    {
        setWindowTitle(title);
        grid_->BuildPropertyList(listFont());
        install(toolBar_, runCommand, grid_);
    }

    ToolBar* toolBar_;
    Grid* grid_;
};
