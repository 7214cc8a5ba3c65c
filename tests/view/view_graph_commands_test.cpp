// The view's graph commands and mouse as the user meets them: selecting,
// dragging in a scrolled view, saving the image, changing the canvas size.
#include <QtTest>

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>

#include "app/command_ids.h"
#include "graph_frame.h"
#include "tests/app/app_test_support.h"
#include "view/brenno_view.h"
#include "view/size_dialog.h"

namespace {

const QRgb kRedPixel = qRgb(255, 0, 0);
// Outside the frame, inside the top-left selection handle.
const QPoint kHandleCorner(76, 56);

}  // namespace

class ViewGraphCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void init();
    void cleanup() { delete view_; }

    void clickSelectsAndTheScreenShowsTheMarks();
    void dragInAScrolledViewFollowsTheCanvas();
    void savingASelectedGraphLeavesTheMarksOut();
    void failedSaveSaysSo();
    void sizeDialogChangesTheCanvasOnly();
    void fitChoiceShapesSavedPicturesOnly();

private:
    QImage screen() { return view_->viewport()->grab().toImage(); }
    void click(QPoint at)
    {
        QTest::mouseClick(view_->viewport(), Qt::LeftButton, {}, at);
    }

    CBrennoView* view_ = nullptr;
    QTemporaryDir dir_;
};

void ViewGraphCommandsTest::init()
{
    view_ = new CBrennoView;
    view_->resize(420, 320);
    ViewData& data = view_->data();
    data.pointCount = 3;
    for (int i = 0; i < 3; ++i)
        data.frequencyPoints[size_t(i)] = FrequencyPoint{0.1 + i * 9.0, q_complex(1.0, -0.5 * i)};
    view_->show();
    QVERIFY(QTest::qWaitForWindowExposed(view_));
    view_->OnInitialUpdate();
}

void ViewGraphCommandsTest::clickSelectsAndTheScreenShowsTheMarks()
{
    QCOMPARE(screen().pixel(kHandleCorner), qRgb(255, 255, 255));
    click(QPoint(150, 100));
    QCOMPARE(screen().pixel(kHandleCorner), kRedPixel);
    click(QPoint(350, 250));
    QCOMPARE(screen().pixel(kHandleCorner), qRgb(255, 255, 255));
}

void ViewGraphCommandsTest::dragInAScrolledViewFollowsTheCanvas()
{
    ViewData& data = view_->data();
    data.canvasSize = CanvasSize{1200, 900};
    data.plotRect = GraphRect{500, 400, 660, 520};
    view_->UpdateScrollSizes();
    view_->horizontalScrollBar()->setValue(400);
    view_->verticalScrollBar()->setValue(300);
    // The graph's middle is at (180, 160) on screen.
    QTest::mousePress(view_->viewport(), Qt::LeftButton, {}, QPoint(180, 160));
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 150), view_->viewport()->mapToGlobal(QPointF(200, 150)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view_->viewport(), &move);
    // The inverted outline of the moved graph, drawn where the cursor took it.
    QCOMPARE(qGray(screen().pixel(120, 90)), 0);
    QCOMPARE(qGray(screen().pixel(200, 90)), 0);
    QTest::mouseRelease(view_->viewport(), Qt::LeftButton, {}, QPoint(200, 150));
    QCOMPARE(data.plotRect.left, 520);
    QCOMPARE(data.plotRect.top, 390);
    QCOMPARE(data.plotRect.right, 680);
}

void ViewGraphCommandsTest::savingASelectedGraphLeavesTheMarksOut()
{
    QVERIFY(view_->CommandEnabled(ID_SAVE_GRAPH_IMAGE).value());
    click(QPoint(150, 100));
    const QString path = dir_.filePath("graph.png");
    QString title;
    onNextDialog<QFileDialog>([path, &title](QFileDialog* dialog) {
        title = dialog->windowTitle();
        acceptFileDialog(dialog, path);
    });
    QVERIFY(view_->OnCommand(ID_SAVE_GRAPH_IMAGE));
    QCOMPARE(title, QString("Save Image File"));
    const QImage saved(path);
    QCOMPARE(saved.size(), QSize(400, 300));
    QCOMPARE(saved.pixel(kHandleCorner), qRgb(255, 255, 255));
    QCOMPARE(screen().pixel(kHandleCorner), qRgb(255, 255, 255));

    view_->data().pointCount = 0;
    QVERIFY(!view_->CommandEnabled(ID_SAVE_GRAPH_IMAGE).value());
}

void ViewGraphCommandsTest::failedSaveSaysSo()
{
    const QString path = dir_.filePath("graph.txt");
    onNextDialog<QFileDialog>([path](QFileDialog* dialog) { acceptFileDialog(dialog, path); });
    QString message;
    onNextDialog<QMessageBox>([&message](QMessageBox* box) {
        message = box->text();
        box->accept();
    });
    view_->OnCommand(ID_SAVE_GRAPH_IMAGE);
    QCOMPARE(message, QString("Save image failed:\n80004005"));
    QVERIFY(!QFile::exists(path));
}

void ViewGraphCommandsTest::sizeDialogChangesTheCanvasOnly()
{
    onNextDialog<CDialogExSize>([](CDialogExSize* dialog) {
        dialog->findChild<QLineEdit*>("imageWidth")->setText("800");
        dialog->findChild<QLineEdit*>("imageHeight")->setText("600");
        dialog->accept();
    });
    view_->OnCommand(ID_IMAGE_SIZE);
    const ViewData& data = view_->data();
    QCOMPARE(data.canvasSize.width, 800);
    QCOMPARE(data.canvasSize.height, 600);
    QCOMPARE(data.plotRect.left, 80);
    QCOMPARE(data.plotRect.bottom, 180);
    QCOMPARE(view_->verticalScrollBar()->pageStep(), 150);
    QVERIFY(view_->horizontalScrollBar()->maximum() > 0);
}

void ViewGraphCommandsTest::fitChoiceShapesSavedPicturesOnly()
{
    onNextDialog<CDialogExSize>([](CDialogExSize* dialog) {
        dialog->findChild<QLineEdit*>("imageWidth")->setText("1200");
        dialog->findChild<QLineEdit*>("imageHeight")->setText("800");
        dialog->findChild<QCheckBox*>("fitGraph")->setChecked(true);
        dialog->accept();
    });
    view_->OnCommand(ID_IMAGE_SIZE);
    QCOMPARE(view_->data().fitGraphToImage, 1);
    QCOMPARE(view_->data().plotRect.right, 240);

    const QString path = dir_.filePath("report.png");
    onNextDialog<QFileDialog>([path](QFileDialog* dialog) { acceptFileDialog(dialog, path); });
    view_->OnCommand(ID_SAVE_GRAPH_IMAGE);
    const QRect frame = graphFrame(QImage(path));
    QVERIFY(frame.width() > 0.85 * 1200 && frame.height() > 0.85 * 800);
    QCOMPARE(graphFrame(screen()).right(), 240);

    // The dialog shows the choice again, and takes it back.
    bool shownTicked = false;
    onNextDialog<CDialogExSize>([&shownTicked](CDialogExSize* dialog) {
        auto* fit = dialog->findChild<QCheckBox*>("fitGraph");
        shownTicked = fit->isChecked();
        fit->setChecked(false);
        dialog->accept();
    });
    view_->OnCommand(ID_IMAGE_SIZE);
    QVERIFY(shownTicked);
    QCOMPARE(view_->data().fitGraphToImage, 0);
}

QTEST_MAIN(ViewGraphCommandsTest)
#include "view_graph_commands_test.moc"
