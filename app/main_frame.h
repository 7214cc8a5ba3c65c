// The main window: menu bar, main toolbar, status bar and the four docking panes
// around the graph view. Commands reach the view first, then the frame.
#pragma once
#include <QMainWindow>
#include <QMap>
#include <QStringList>

class AutoHideArea;
class CBrennoDoc;
class CBrennoView;
class CEditTextWnd;
class COutputWnd;
class CPropertiesWndBODE;
class CPropertiesWndFILT;
class EditStateWatch;
class QAction;
class QActionGroup;
class QMenu;
class QToolBar;
class RecentFiles;
class RunStatus;
class UserToolbars;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    CBrennoDoc* document() const { return document_; }
    CBrennoView* view() const { return view_; }
    COutputWnd* outputWnd() const { return outputWnd_; }
    CPropertiesWndBODE* propertiesWndBode() const { return propertiesWndBode_; }
    CPropertiesWndFILT* propertiesWndFilt() const { return propertiesWndFilt_; }
    CEditTextWnd* editTextWnd() const { return editTextWnd_; }
    QToolBar* mainToolBar() const { return mainToolBar_; }
    UserToolbars* userToolbars() const { return userToolbars_; }
    RecentFiles* recentFiles() const { return recentFiles_; }
    AutoHideArea* autoHideArea() const { return autoHideArea_; }
    RunStatus* runStatus() const { return runStatus_; }
    QAction* commandAction(int id) const { return actions_.value(id); }
    int appLook() const { return appLook_; }

    // A menu, toolbar, accelerator or pane command.
    void OnCommand(int id);
    // Enable states that follow the view's data and the keyboard focus.
    void UpdateCommandUI();
    // Restyles the whole application in the look, records it and stores it in the settings.
    void ApplyLook(int look);
    // Another start of Brenno handed its file (or none) to this copy: the window
    // comes to the front, then the file opens as a dropped one does.
    void OnHandOver(const QString& path);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void createDockPanes();
    void dockPanes();
    void followRuns();
    // A run's inputs (the settings panes) and the commands that wait for it.
    void setRunInputsEnabled(bool enabled);
    void restoreLayout();

    QMenu* addMenu(const QString& title, std::initializer_list<int> ids);
    void addCommands(QMenu* menu, std::initializer_list<int> ids);
    QMenu* createPaneListMenu();
    QMenu* createLookMenu();
    void OnFrameCommand(int id);
    void OnViewCustomize();
    void focusAdjacentPane(int step);
    void updateCaption();
    void openRecentFile(const QString& path);
    void bringToFront();

    CBrennoDoc* document_;
    CBrennoView* view_;
    AutoHideArea* autoHideArea_;
    COutputWnd* outputWnd_ = nullptr;
    CPropertiesWndBODE* propertiesWndBode_ = nullptr;
    CPropertiesWndFILT* propertiesWndFilt_ = nullptr;
    CEditTextWnd* editTextWnd_ = nullptr;
    QToolBar* mainToolBar_ = nullptr;
    UserToolbars* userToolbars_ = nullptr;
    RecentFiles* recentFiles_ = nullptr;
    RunStatus* runStatus_ = nullptr;
    QAction* cancelRunAction_ = nullptr;
    QMap<int, QAction*> actions_;
    QActionGroup* lookGroup_ = nullptr;
    EditStateWatch* editStateWatch_;
    QStringList handOvers_;  // files handed over, the first one opening
    int appLook_;
};
