#include "view/brenno_view.h"

#include <algorithm>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>

#include "analysis/analysis_runs.h"
#include "analysis/graph_csv.h"
#include "analysis/run_messages.h"
#include "app/brenno_doc.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "lang/workareas.h"
#include "panes/edit_text_wnd.h"
#include "panes/output_wnd.h"
#include "panes/pane_values_copy.h"
#include "panes/properties_wnd_bode.h"
#include "panes/properties_wnd_filt.h"
#include "view/background_run.h"
#include "view/edit_routing.h"
#include "view/file_dialogs.h"
#include "view/graph_drawing.h"
#include "view/graph_printout.h"
#include "view/image_save_dialog.h"
#include "view/painter_surface.h"
#include "view/size_dialog.h"
#include "view/source_file_io.h"

namespace {

const char kAppTitle[] = "Brenno";

bool isEditCommand(int id)
{
    return id == ID_EDIT_CUT || id == ID_EDIT_COPY || id == ID_EDIT_PASTE || id == ID_EDIT_UNDO;
}

// Commands that start a run or replace the program a run works on.
bool waitsForRun(int id)
{
    return id == ID_BODE_ANALYSIS || id == ID_FILT_ANALYSIS || id == ID_FILE_NEW || id == ID_FILE_OPEN;
}

}  // namespace

CBrennoView::CBrennoView(QWidget* parent)
    : QAbstractScrollArea(parent), run_(new BackgroundRun(data_, *this, this))
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    connect(run_, &BackgroundRun::ended, this, &CBrennoView::onRunEnded);
}

CBrennoView::~CBrennoView()
{
    // The engine stops before its work areas go.
    delete run_;
    if (data_.workAreasReady)
        freeWorkAreas();
}

void CBrennoView::OnInitialUpdate()
{
    UpdateScrollSizes();
    if (CMainFrame* frame = mainFrame())
        frame->document()->SetTitle(QString());
}

bool CBrennoView::OnCommand(int id)
{
    if (isEditCommand(id)) {
        routeEditCommand(id, QApplication::focusWidget());
        return true;
    }
    switch (id) {
    case ID_FILE_NEW: OnFileNew(); break;
    case ID_FILE_OPEN: OpenSourceFile(); break;
    case ID_FILE_SAVE: SaveSourceFile(); break;
    case ID_FILE_PRINT: PrintView(); break;
    case ID_BODE_ANALYSIS: RunBodeAnalysis(data_.settings.useProgramFreq); break;
    case ID_FILT_ANALYSIS: RunFiltAnalysis(data_.settings.useProgramTime); break;
    case ID_SAVE_GRAPH_CSV: ExportGraphCsv(); break;
    case ID_EDITOR_FONT: mainFrame()->editTextWnd()->OnEditorFont(); break;
    case ID_PROPERTY_BODE_ITEM_CHANGED: OnBodeSettingsChanged(); break;
    case ID_PROPERTY_FILT_ITEM_CHANGED: OnFiltSettingsChanged(); break;
    case ID_PROPERTY_BODE_ITEM_FONT_CHANGED:
    case ID_PROPERTY_FILT_ITEM_FONT_CHANGED: RepaintView(); break;
    case ID_SAVE_GRAPH_IMAGE: SaveGraphImage(); break;
    case ID_IMAGE_SIZE: ChangeImageSize(); break;
    default: return false;
    }
    return true;
}

void CBrennoView::OnBodeSettingsChanged()
{
    CPropertiesWndBODE* pane = mainFrame()->propertiesWndBode();
    copyBodePaneValues(pane->values(), data_);
    RepaintView();
    pane->SetGraphFont(&fonts_.bode);
}

void CBrennoView::OnFiltSettingsChanged()
{
    CPropertiesWndFILT* pane = mainFrame()->propertiesWndFilt();
    copyFiltPaneValues(pane->values(), data_);
    RepaintView();
    pane->SetGraphFont(&fonts_.filt);
}

std::optional<bool> CBrennoView::CommandEnabled(int id) const
{
    if (isEditCommand(id))
        return editCommandEnabled(id, QApplication::focusWidget());
    if (waitsForRun(id))
        return !RunInProgress();
    switch (id) {
    case ID_SAVE_GRAPH_CSV: return csvExportEnabled(data_);
    case ID_SAVE_GRAPH_IMAGE: return data_.pointCount > 0;
    default: return std::nullopt;
    }
}

// With unsaved edits the question about them takes the place of the discard
// question; a cancelled question leaves even the document as it was.
void CBrennoView::OnFileNew()
{
    CBrennoDoc* document = mainFrame()->document();
    if (IsSourceModified()) {
        if (!document->SaveModified())
            return;
        document->OnNewDocument();
    } else {
        document->OnNewDocument();
        const auto answer = QMessageBox::question(this, QString::fromUtf8(kAppTitle),
                                                  QStringLiteral("作業中のプログラムソースを破棄しますか."),
                                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes)
            return;
    }
    mainFrame()->editTextWnd()->SetText(QString());
    data_.pointCount = 0;
    RepaintView();
}

void CBrennoView::OpenSourceFile()
{
    const QString path = askOpenPath(this, QStringLiteral("Open Interpreter Source."), QStringLiteral("txt"),
                                     {QStringLiteral("Source Files (*.txt)"), QStringLiteral("TEXT Files (*.*)")});
    if (!path.isEmpty())
        mainFrame()->document()->OpenDocumentFile(path);
}

bool CBrennoView::SaveSourceFile()
{
    const QString path = askSavePath(this, QStringLiteral("Save Interpreter Source."), QStringLiteral("txt"),
                                     QStringLiteral("source.txt"), {QStringLiteral("TEXT Files (*.txt)")});
    if (path.isEmpty())
        return false;
    CEditTextWnd* editor = mainFrame()->editTextWnd();
    QString error;
    if (!writeSourceFile(path, editor->Text(), error)) {
        showFileError(error, path);
        return false;
    }
    editor->SetUnmodified();
    mainFrame()->document()->OnDocumentSaved(path);
    return true;
}

bool CBrennoView::ReadSourceFile(const QString& path, QString& text)
{
    QString error;
    if (readSourceFile(path, text, error))
        return true;
    showFileError(error, path);
    return false;
}

void CBrennoView::LoadSourceText(const QString& text)
{
    mainFrame()->editTextWnd()->SetText(text);
    // The previous program's code is dropped; listings and graph wait for the next run.
    if (RunInProgress())
        dropCodeAfterRun_ = true;
    else
        workAreas.codeCount = 0;
}

bool CBrennoView::IsSourceModified() const { return mainFrame()->editTextWnd()->IsModified(); }

void CBrennoView::RunBodeAnalysis(int useProgram) { run_->start(prepareBodeRun, useProgram); }

void CBrennoView::RunFiltAnalysis(int useProgram) { run_->start(prepareFiltRun, useProgram); }

bool CBrennoView::RunInProgress() const { return run_->running(); }

void CBrennoView::onRunEnded(bool cancelled)
{
    if (cancelled)
        mainFrame()->outputWnd()->AppendCompileLine(QString::fromUtf8(kRunCancelledMessage));
    if (dropCodeAfterRun_)
        workAreas.codeCount = 0;
    dropCodeAfterRun_ = false;
}

void CBrennoView::ExportGraphCsv()
{
    const std::string bytes = graphCsvText(data_);
    if (bytes.empty())
        return;
    const QString path = askSavePath(window(), QString(), QStringLiteral("csv"), QString(),
                                     {QStringLiteral("CSV(*.csv)"), QStringLiteral("TEXT(*.txt)"),
                                      QStringLiteral("ALL(*.*)")});
    if (path.isEmpty())
        return;
    std::string error;
    if (!writeGraphCsvFile(QFile::encodeName(path).toStdString(), bytes, error))
        ShowStopMessage(error);
}

void CBrennoView::PrintView()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString failure;
    if (!printGraph(printer, data_, fonts_, failure))
        ShowStopMessage(failure.toStdString());
}

void CBrennoView::SaveGraphImage()
{
    if (data_.pointCount <= 0)
        return;
    mouse_.deselect();
    RepaintView();
    const QString path = askGraphImagePath(this);
    if (path.isEmpty())
        return;
    QString reason;
    const ImageStatus status = saveGraphImage(path, data_, fonts_, &reason);
    if (status < 0)
        showSaveImageFailed(this, status, path, reason);
}

void CBrennoView::ChangeImageSize()
{
    CDialogExSize dialog(this);
    dialog.imageWidth = data_.canvasSize.width;
    dialog.imageHeight = data_.canvasSize.height;
    dialog.fitGraph = data_.fitGraphToImage;
    if (dialog.exec() != QDialog::Accepted)
        return;
    data_.canvasSize = CanvasSize{dialog.imageWidth, dialog.imageHeight};
    data_.fitGraphToImage = dialog.fitGraph;
    UpdateScrollSizes();
}

void CBrennoView::UpdateScrollSizes()
{
    const CanvasSize canvas = data_.canvasSize;
    const int shorterSide = std::min(canvas.width, canvas.height);
    const QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, canvas.width - visible.width()));
    verticalScrollBar()->setRange(0, std::max(0, canvas.height - visible.height()));
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setPageStep(shorterSide / 4);
        bar->setSingleStep(shorterSide / 40);
    }
    viewport()->update();
}

std::string CBrennoView::EditorText() { return mainFrame()->editTextWnd()->Text().toStdString(); }

void CBrennoView::SetCompileOutput(const std::string& utf8)
{
    mainFrame()->outputWnd()->SetCompileOutput(QString::fromStdString(utf8));
}

void CBrennoView::ResetCodeListing() { mainFrame()->outputWnd()->ResetCodeListing(); }

void CBrennoView::ClearResultListing() { mainFrame()->outputWnd()->ClearResultListing(); }

void CBrennoView::ShowCodeListing(const Listing& listing) { mainFrame()->outputWnd()->ShowCodeListing(listing); }

void CBrennoView::ShowResultListing(const Listing& listing) { mainFrame()->outputWnd()->ShowResultListing(listing); }

void CBrennoView::ShowReadings(const Listing& listing) { mainFrame()->outputWnd()->ShowReadings(listing); }

void CBrennoView::SetBodeAnalysisValues(double start, double end, int count, int inOmega, int arithmetic)
{
    mainFrame()->propertiesWndBode()->SetAnalysisValues(start, end, count, inOmega, arithmetic);
}

void CBrennoView::SetBodeGraphValues(int showGain, int showPhase, double freqAxisMin, double freqAxisMax,
                                     int radianUnits, int linearFreqAxis, double dbRef, double dbDiv,
                                     double linGainMin, double linGainMax, int linearGain)
{
    mainFrame()->propertiesWndBode()->SetGraphValues(showGain, showPhase, freqAxisMin, freqAxisMax, radianUnits,
                                                     linearFreqAxis, dbRef, dbDiv, linGainMin, linGainMax,
                                                     linearGain);
}

void CBrennoView::SetFiltAnalysisValues(double start, double end, int count, double a, double b, double k1,
                                        double k2)
{
    mainFrame()->propertiesWndFilt()->SetAnalysisValues(start, end, count, a, b, k1, k2);
}

void CBrennoView::SetFiltGraphValues(double timeAxisMin, double timeAxisMax, double levelMin, double levelMax)
{
    mainFrame()->propertiesWndFilt()->SetGraphValues(timeAxisMin, timeAxisMax, levelMin, levelMax);
}

void CBrennoView::RepaintView() { viewport()->update(); }

void CBrennoView::ShowStopMessage(const std::string& utf8)
{
    QMessageBox::critical(this, QString::fromUtf8(kAppTitle), QString::fromStdString(utf8));
}

void CBrennoView::BeginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void CBrennoView::EndWaitCursor() { QApplication::restoreOverrideCursor(); }

void CBrennoView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().window());
    painter.translate(-scrollPosition());
    paintCanvas(painter);
}

void CBrennoView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollSizes();
}

void CBrennoView::scrollContentsBy(int, int) { viewport()->update(); }

void CBrennoView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        mouse_.press(event->position().toPoint(), scrollPosition(), data_.plotRect);
    setFocus(Qt::MouseFocusReason);
    QAbstractScrollArea::mousePressEvent(event);
}

void CBrennoView::mouseMoveEvent(QMouseEvent* event)
{
    if (mouse_.move(event->position().toPoint(), scrollPosition(), data_.canvasSize, data_.plotRect))
        viewport()->update();
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CBrennoView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        mouse_.release(data_.plotRect);
        RepaintView();
    }
    if (event->button() == Qt::RightButton)
        showEditMenu(event->globalPosition().toPoint());
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void CBrennoView::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click opens the menu on release; this covers the keyboard's menu key.
    if (event->reason() != QContextMenuEvent::Mouse)
        showEditMenu(event->globalPos());
    event->accept();
}

void CBrennoView::paintCanvas(QPainter& painter)
{
    PainterSurface surface(painter);
    drawGraph(surface, data_, fonts_, mouse_.selected());
    mouse_.drawRubberBand(surface);
}

void CBrennoView::showEditMenu(const QPoint& globalPos)
{
    CMainFrame* frame = mainFrame();
    frame->UpdateCommandUI();
    QMenu menu(this);
    for (int id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        menu.addAction(frame->commandAction(id));
    menu.exec(globalPos);
}

void CBrennoView::showFileError(const QString& message, const QString& path)
{
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kAppTitle), message, QMessageBox::Ok, this);
    box.setInformativeText(QDir::toNativeSeparators(path));
    box.exec();
}

QPoint CBrennoView::scrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

CMainFrame* CBrennoView::mainFrame() const { return qobject_cast<CMainFrame*>(window()); }
