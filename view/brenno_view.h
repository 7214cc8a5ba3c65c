// The graph view: holds the run inputs, the last results and the display settings,
// shows the canvas, and takes the menu commands first.
#pragma once
#include <QAbstractScrollArea>
#include <optional>

#include "analysis/run_hooks.h"
#include "analysis/view_data.h"
#include "view/graph_fonts.h"
#include "view/graph_mouse.h"

class BackgroundRun;
class CMainFrame;
class QPainter;

class CBrennoView : public QAbstractScrollArea, public AnalysisHooks {
    Q_OBJECT
public:
    explicit CBrennoView(QWidget* parent = nullptr);
    ~CBrennoView() override;

    // Once the view sits in its main frame: scroll sizes and an untitled document.
    void OnInitialUpdate();

    ViewData& data() { return data_; }
    const ViewData& data() const { return data_; }
    // The graph fonts; the settings panes change them in place once handed over.
    const GraphFonts& fonts() const { return fonts_; }

    // False when the command is not the view's.
    bool OnCommand(int id);
    // No value for a command whose state the view leaves alone.
    std::optional<bool> CommandEnabled(int id) const;

    void OnFileNew();
    void OpenSourceFile();
    // True once the editor's text is in the chosen file; false when the user
    // cancelled or the save failed (already reported).
    bool SaveSourceFile();
    // A program file's text; false after the failure has been reported.
    bool ReadSourceFile(const QString& path, QString& text);
    // A file's text replaces the editor's; the previous program's code is dropped.
    void LoadSourceText(const QString& text);
    bool IsSourceModified() const;
    // A run computes on a worker thread; it is over when its ended signal comes.
    void RunBodeAnalysis(int useProgram);
    void RunFiltAnalysis(int useProgram);
    BackgroundRun* backgroundRun() const { return run_; }
    bool RunInProgress() const;
    void ExportGraphCsv();
    void PrintView();
    // The displayed graph as an image file, without the selection marks.
    void SaveGraphImage();
    // The size dialog for the canvas, which is also the saved image's size.
    void ChangeImageSize();
    // A settings pane ended an edit: take its whole record, redraw, hand it the graph font.
    void OnBodeSettingsChanged();
    void OnFiltSettingsChanged();

    // The scroll sizes follow canvasSize: page a quarter, line a fortieth of its smaller side.
    void UpdateScrollSizes();

    // AnalysisHooks
    std::string EditorText() override;
    void SetCompileOutput(const std::string& utf8) override;
    void ResetCodeListing() override;
    void ClearResultListing() override;
    void ShowCodeListing(const Listing& listing) override;
    void ShowResultListing(const Listing& listing) override;
    void ShowReadings(const Listing& listing) override;
    void SetBodeAnalysisValues(double start, double end, int count, int inOmega, int arithmetic) override;
    void SetBodeGraphValues(int showGain, int showPhase, double freqAxisMin, double freqAxisMax, int radianUnits,
                            int linearFreqAxis, double dbRef, double dbDiv, double linGainMin, double linGainMax,
                            int linearGain) override;
    void SetFiltAnalysisValues(double start, double end, int count, double a, double b, double k1,
                               double k2) override;
    void SetFiltGraphValues(double timeAxisMin, double timeAxisMax, double levelMin, double levelMax) override;
    void RepaintView() override;
    void ShowStopMessage(const std::string& utf8) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Everything the screen, the printer and image files show of the view.
    void paintCanvas(QPainter& painter);
    void showEditMenu(const QPoint& globalPos);
    void showFileError(const QString& message, const QString& path);
    void onRunEnded(bool cancelled);
    CMainFrame* mainFrame() const;
    QPoint scrollPosition() const;

    ViewData data_;
    GraphFonts fonts_;
    GraphMouse mouse_;
    BackgroundRun* run_;
    // A program opened during a run drops its code once the engine is done with it.
    bool dropCodeAfterRun_ = false;
};
