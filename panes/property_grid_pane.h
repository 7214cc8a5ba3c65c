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
