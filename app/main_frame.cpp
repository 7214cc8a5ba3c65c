#include "app/main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "app/about_dlg.h"
#include "app/app_settings.h"
#include "app/application_look.h"
#include "app/auto_hide_area.h"
#include "app/brenno_doc.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/file_drop_router.h"
#include "app/key_state_indicators.h"
#include "app/recent_files.h"
#include "app/run_status.h"
#include "app/toolbar_commands.h"
#include "app/toolbar_customizer.h"
#include "app/user_images.h"
#include "app/user_toolbars.h"
#include "panes/edit_text_wnd.h"
#include "panes/output_wnd.h"
#include "panes/properties_wnd_bode.h"
#include "panes/properties_wnd_filt.h"
#include "view/background_run.h"
#include "view/brenno_view.h"
#include "view/edit_routing.h"

namespace {

const char kAppTitle[] = "Brenno";
const char kGeometryKey[] = "MainFrame/Geometry";
const char kStateKey[] = "MainFrame/State";
const char kStatusBarKey[] = "MainFrame/StatusBar";
constexpr int kSeparator = 0;

void placePane(QDockWidget* pane, const char* caption, const char* objectName, const char* icon)
{
    pane->setWindowTitle(QString::fromUtf8(caption));
    pane->setObjectName(QLatin1String(objectName));
    pane->setAllowedAreas(Qt::AllDockWidgetAreas);
    pane->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                      QDockWidget::DockWidgetFloatable);
    if (icon)
        pane->setWindowIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
}

// The first widget of a pane that takes the focus from the keyboard.
QWidget* focusTargetOf(QWidget* pane)
{
    if (pane->focusProxy() || pane->focusPolicy() & Qt::TabFocus)
        return pane;
    for (QWidget* child : pane->findChildren<QWidget*>())
        if (child->isVisible() && child->focusPolicy() & Qt::TabFocus)
            return child;
    return pane;
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent),
      document_(new CBrennoDoc(this)),
      view_(new CBrennoView(this)),
      autoHideArea_(new AutoHideArea(this, view_)),
      editStateWatch_(new EditStateWatch(this))
{
    appLook_ = readApplicationLook(*openAppSettings());
    setCentralWidget(autoHideArea_);
    resize(800, 600);
    setMinimumSize(800, 600);
    // Several files open one after the other; the last one stays in the editor.
    // Keeping unsaved edits stops the whole drop.
    new FileDropRouter(this,
                       [this](const QString& path) { return document_->OpenDocumentFile(path) != OpenOutcome::Cancelled; });

    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    createDockPanes();
    dockPanes();
    followRuns();
    ApplyLook(appLook_);
    restoreLayout();

    connect(document_, &CBrennoDoc::titleChanged, this, &CMainFrame::updateCaption);
    connect(document_, &CBrennoDoc::pathNameChanged, recentFiles_, &RecentFiles::add);
    connect(editTextWnd_, &CEditTextWnd::modificationChanged, this, &CMainFrame::updateCaption);
    connect(editStateWatch_, &EditStateWatch::changed, this, &CMainFrame::UpdateCommandUI);
    document_->AttachView(view_);
    view_->OnInitialUpdate();
    UpdateCommandUI();
}

// Closing the window moves the focus, which must not reach the actions being destroyed.
CMainFrame::~CMainFrame() { delete editStateWatch_; }

void CMainFrame::OnCommand(int id)
{
    // A value still being edited in a settings pane counts for the run.
    if (id == ID_BODE_ANALYSIS || id == ID_FILT_ANALYSIS) {
        propertiesWndBode_->grid()->endEdit();
        propertiesWndFilt_->grid()->endEdit();
    }
    if (!view_->OnCommand(id))
        OnFrameCommand(id);
    UpdateCommandUI();
}

// The editor's toolbar has buttons of its own for some commands; they follow too.
void CMainFrame::UpdateCommandUI()
{
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it)
        if (const std::optional<bool> enabled = view_->CommandEnabled(it.key()))
            it.value()->setEnabled(*enabled);
    for (QAction* button : editTextWnd_->toolBar()->actions())
        if (const std::optional<bool> enabled = view_->CommandEnabled(button->data().toInt()))
            button->setEnabled(*enabled);
    recentFiles_->setEnabled(view_->CommandEnabled(ID_FILE_OPEN).value_or(true));
}

void CMainFrame::ApplyLook(int look)
{
    appLook_ = look;
    applyApplicationLook(look);
    if (QAction* action = commandAction(look))
        action->setChecked(true);
    storeApplicationLook(*openAppSettings(), look);
}

void CMainFrame::OnFrameCommand(int id)
{
    switch (id) {
    case ID_APP_EXIT: close(); break;
    case ID_APP_ABOUT: CAboutDlg(this).exec(); break;
    case ID_VIEW_CUSTOMIZE: OnViewCustomize(); break;
    case ID_VIEW_STATUS_BAR: statusBar()->setVisible(commandAction(id)->isChecked()); break;
    case ID_NEXT_PANE: focusAdjacentPane(1); break;
    case ID_PREV_PANE: focusAdjacentPane(-1); break;
    default:
        if (isApplicationLook(id))
            ApplyLook(id);
        break;
    }
}

bool CMainFrame::event(QEvent* event)
{
    if (event->type() == QEvent::ApplicationFontChange || event->type() == QEvent::ThemeChange)
        outputWnd_->UpdateFonts();
    return QMainWindow::event(event);
}

// A run still computing goes on while the question about unsaved edits is
// open, and is cancelled once the window is sure to close.
void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!document_->SaveModified()) {
        event->ignore();
        return;
    }
    view_->backgroundRun()->stop();
    auto settings = openAppSettings();
    userToolbars_->save(*settings);
    settings->setValue(QLatin1String(kGeometryKey), saveGeometry());
    settings->setValue(QLatin1String(kStateKey), saveState());
    settings->setValue(QLatin1String(kStatusBarKey), commandAction(ID_VIEW_STATUS_BAR)->isChecked());
    autoHideArea_->save(*settings);
    event->accept();
}

// The document's name after a "*" while the program source has unsaved edits.
void CMainFrame::updateCaption()
{
    const QString mark = editTextWnd_->IsModified() ? QStringLiteral("*") : QString();
    setWindowTitle(mark + document_->Title() + QStringLiteral(" - ") + QLatin1String(kAppTitle));
}

void CMainFrame::createActions()
{
    lookGroup_ = new QActionGroup(this);
    for (int id : allCommandIds()) {
        QAction* action = makeCommandAction(id, this, WithShortcuts::Yes);
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        if (isApplicationLook(id)) {
            action->setCheckable(true);
            lookGroup_->addAction(action);
        }
        addAction(action);
        actions_.insert(id, action);
    }
    QAction* statusBarToggle = commandAction(ID_VIEW_STATUS_BAR);
    statusBarToggle->setCheckable(true);
    statusBarToggle->setChecked(true);
}

void CMainFrame::createMenus()
{
    menuBar()->setNativeMenuBar(false);
    QMenu* fileMenu = addMenu(QStringLiteral("ファイル(&F)"), {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, kSeparator,
                                                               ID_SAVE_GRAPH_IMAGE, ID_IMAGE_SIZE, kSeparator, ID_APP_EXIT});
    recentFiles_ = new RecentFiles(fileMenu, commandAction(ID_APP_EXIT), this);
    connect(recentFiles_, &RecentFiles::openRequested, this, &CMainFrame::openRecentFile);
    addMenu(QStringLiteral("編集(&E)"), {ID_EDIT_UNDO, kSeparator, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE});
    addMenu(QStringLiteral("解析"),
            {ID_BODE_ANALYSIS, ID_FILT_ANALYSIS, ID_EDITOR_FONT, kSeparator, ID_SAVE_GRAPH_CSV});
    QMenu* viewMenu = addMenu(QStringLiteral("表示(&V)"), {});
    viewMenu->addMenu(createPaneListMenu());
    viewMenu->addAction(commandAction(ID_VIEW_STATUS_BAR));
    viewMenu->addMenu(createLookMenu());
    addMenu(QStringLiteral("ヘルプ(&H)"), {ID_APP_ABOUT});
}

QMenu* CMainFrame::addMenu(const QString& title, std::initializer_list<int> ids)
{
    QMenu* menu = menuBar()->addMenu(title);
    addCommands(menu, ids);
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    return menu;
}

void CMainFrame::addCommands(QMenu* menu, std::initializer_list<int> ids)
{
    for (int id : ids) {
        if (id == kSeparator)
            menu->addSeparator();
        else
            menu->addAction(commandAction(id));
    }
}

// Filled when it opens, so that it lists the toolbars and panes as they are then.
QMenu* CMainFrame::createPaneListMenu()
{
    auto* menu = new QMenu(QString::fromUtf8(findCommand(ID_VIEW_TOOLBAR)->text), this);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        for (QToolBar* toolBar : findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly))
            menu->addAction(toolBar->toggleViewAction());
        // Panes hidden at an edge and tabs torn off the output pane included.
        for (QDockWidget* pane : findChildren<QDockWidget*>())
            menu->addAction(pane->toggleViewAction());
        menu->addSeparator();
        menu->addAction(commandAction(ID_VIEW_CUSTOMIZE));
    });
    return menu;
}

QMenu* CMainFrame::createLookMenu()
{
    auto* menu = new QMenu(QStringLiteral("アプリケーションの外観(&A)"), this);
    addCommands(menu, {ID_VIEW_APPLOOK_WIN_2000, ID_VIEW_APPLOOK_OFF_XP, ID_VIEW_APPLOOK_WIN_XP,
                       ID_VIEW_APPLOOK_OFF_2003, ID_VIEW_APPLOOK_VS_2005, ID_VIEW_APPLOOK_VS_2008});
    QMenu* office2007 = menu->addMenu(QStringLiteral("Office 2007(&7)"));
    addCommands(office2007, {ID_VIEW_APPLOOK_OFF_2007_BLUE, ID_VIEW_APPLOOK_OFF_2007_BLACK,
                             ID_VIEW_APPLOOK_OFF_2007_SILVER, ID_VIEW_APPLOOK_OFF_2007_AQUA});
    return menu;
}

void CMainFrame::createToolBars()
{
    mainToolBar_ = addToolBar(QStringLiteral("標準"));
    mainToolBar_->setObjectName(QStringLiteral("MainToolBar"));
    mainToolBar_->setIconSize(QSize(16, 16));
    const int buttons[] = {ID_FILE_NEW,      ID_FILE_OPEN,      ID_FILE_SAVE, kSeparator,        ID_EDIT_CUT,
                           ID_EDIT_COPY,     ID_EDIT_PASTE,     kSeparator,   ID_BODE_ANALYSIS,  ID_FILT_ANALYSIS,
                           kSeparator,       ID_SAVE_GRAPH_CSV, kSeparator,   ID_APP_ABOUT};
    for (int id : buttons) {
        if (id == kSeparator)
            mainToolBar_->addSeparator();
        else
            mainToolBar_->addAction(commandAction(id));
    }
    addCustomizeButton(mainToolBar_, commandAction(ID_VIEW_CUSTOMIZE));
    userToolbars_ = new UserToolbars(this, commandAction(ID_VIEW_CUSTOMIZE));
}

void CMainFrame::createStatusBar()
{
    statusBar()->addWidget(new QLabel(QStringLiteral("レディ"), statusBar()), 1);
    runStatus_ = new RunStatus(statusBar());
    statusBar()->addPermanentWidget(runStatus_);
    new KeyStateIndicators(statusBar());
}

void CMainFrame::createDockPanes()
{
    outputWnd_ = new COutputWnd(this);
    propertiesWndBode_ = new CPropertiesWndBODE(this);
    propertiesWndFilt_ = new CPropertiesWndFILT(this);
    editTextWnd_ = new CEditTextWnd(this);
    placePane(outputWnd_, "出力", "OutputWnd", "output");
    placePane(propertiesWndBode_, "BODE 設定", "PropertiesWndBODE", "bode");
    placePane(propertiesWndFilt_, "FILT 設定", "PropertiesWndFILT", "filt");
    placePane(editTextWnd_, "プログラム ソース", "EditTextWnd", nullptr);

    for (QDockWidget* pane : QList<QDockWidget*>{outputWnd_, propertiesWndBode_, propertiesWndFilt_, editTextWnd_})
        autoHideArea_->managePane(pane);

    const auto route = [this](int id) { OnCommand(id); };
    connect(editTextWnd_, &CEditTextWnd::commandSent, this, route);
    connect(propertiesWndBode_, &CPropertiesWndBODE::commandSent, this, route);
    connect(propertiesWndFilt_, &CPropertiesWndFILT::commandSent, this, route);
}

// Editor and output share the bottom edge, the editor on the left; FILT above Bode on the right.
void CMainFrame::dockPanes()
{
    addDockWidget(Qt::BottomDockWidgetArea, editTextWnd_);
    splitDockWidget(editTextWnd_, outputWnd_, Qt::Horizontal);
    addDockWidget(Qt::RightDockWidgetArea, propertiesWndFilt_);
    addDockWidget(Qt::RightDockWidgetArea, propertiesWndBode_);
    resizeDocks({editTextWnd_, outputWnd_}, {400, 400}, Qt::Horizontal);
    resizeDocks({outputWnd_}, {160}, Qt::Vertical);
    // Wide enough for every setting's name in full.
    const int settingsWidth =
        std::max(propertiesWndFilt_->grid()->sizeHint().width(), propertiesWndBode_->grid()->sizeHint().width());
    resizeDocks({propertiesWndFilt_}, {settingsWidth}, Qt::Horizontal);
}

// A long run shows its progress in the status bar; its button and Esc cancel it.
void CMainFrame::followRuns()
{
    BackgroundRun* run = view_->backgroundRun();
    cancelRunAction_ = new QAction(this);
    cancelRunAction_->setShortcut(QKeySequence(Qt::Key_Escape));
    cancelRunAction_->setEnabled(false);
    addAction(cancelRunAction_);
    connect(cancelRunAction_, &QAction::triggered, run, &BackgroundRun::cancel);
    connect(runStatus_, &RunStatus::cancelRequested, run, &BackgroundRun::cancel);
    connect(run, &BackgroundRun::progressShown, this, [this] {
        // A status bar the user hid comes out for the progress alone.
        statusBar()->show();
        runStatus_->showProgress();
    });
    connect(run, &BackgroundRun::progressed, runStatus_, &RunStatus::setPercent);
    connect(run, &BackgroundRun::started, this, [this] { setRunInputsEnabled(false); });
    connect(run, &BackgroundRun::ended, this, [this] {
        runStatus_->hide();
        statusBar()->setVisible(commandAction(ID_VIEW_STATUS_BAR)->isChecked());
        setRunInputsEnabled(true);
    });
}

void CMainFrame::setRunInputsEnabled(bool enabled)
{
    propertiesWndBode_->widget()->setEnabled(enabled);
    propertiesWndFilt_->widget()->setEnabled(enabled);
    cancelRunAction_->setEnabled(!enabled);
    UpdateCommandUI();
}

// The previous run's window and pane layout replaces the initial one.
// User toolbars come back first, so that the saved state finds them.
void CMainFrame::restoreLayout()
{
    auto settings = openAppSettings();
    userToolbars_->setUserImages(loadUserImages(kUserImagesFile));
    userToolbars_->restore(*settings);
    restoreGeometry(settings->value(QLatin1String(kGeometryKey)).toByteArray());
    restoreState(settings->value(QLatin1String(kStateKey)).toByteArray());
    autoHideArea_->restore(*settings);
    const bool statusBarShown = settings->value(QLatin1String(kStatusBarKey), true).toBool();
    commandAction(ID_VIEW_STATUS_BAR)->setChecked(statusBarShown);
    statusBar()->setVisible(statusBarShown);
}

// A recent file that can no longer be read leaves the list.
void CMainFrame::openRecentFile(const QString& path)
{
    if (document_->OpenDocumentFile(path) == OpenOutcome::Failed)
        recentFiles_->remove(path);
}

// A file handed over while an earlier one is still opening (its question about
// unsaved edits open) waits for it, so that the files open in the order they came.
void CMainFrame::OnHandOver(const QString& path)
{
    bringToFront();
    if (path.isEmpty())
        return;
    handOvers_.append(path);
    if (handOvers_.size() > 1)
        return;
    while (!handOvers_.isEmpty()) {
        document_->OpenDocumentFile(handOvers_.constFirst());
        handOvers_.removeFirst();
    }
}

void CMainFrame::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void CMainFrame::OnViewCustomize()
{
    CToolbarCustomizeDlg(userToolbars_, this).exec();
    userToolbars_->save(*openAppSettings());
}

void CMainFrame::focusAdjacentPane(int step)
{
    QList<QWidget*> panes;
    for (QWidget* pane : QList<QWidget*>{view_, outputWnd_, editTextWnd_, propertiesWndFilt_, propertiesWndBode_})
        if (pane->isVisible())
            panes.append(pane);
    if (panes.isEmpty())
        return;
    QWidget* focus = QApplication::focusWidget();
    qsizetype current = 0;
    for (qsizetype i = 0; i < panes.size(); ++i)
        if (focus && (panes[i] == focus || panes[i]->isAncestorOf(focus)))
            current = i;
    const qsizetype next = (current + step + panes.size()) % panes.size();
    focusTargetOf(panes[next])->setFocus(Qt::TabFocusReason);
}
