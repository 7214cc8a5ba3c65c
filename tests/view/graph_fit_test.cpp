#include <QtTest>

#include "recording_surface.h"
#include "view/graph_drawing.h"
#include "view/graph_fit.h"

Q_DECLARE_METATYPE(ViewData)

namespace {

ViewData viewOf(int mode, CanvasSize canvas)
{
    ViewData view;
    view.graphMode = mode;
    view.canvasSize = canvas;
    view.fitGraphToImage = 1;
    return view;
}

}  // namespace

class GraphFitTest : public QObject {
    Q_OBJECT

private slots:
    void fittedGraphFillsTheCanvasWithItsTexts_data();
    void fittedGraphFillsTheCanvasWithItsTexts();
    void withoutFitTheGraphStaysWhereItIs();
};

void GraphFitTest::fittedGraphFillsTheCanvasWithItsTexts_data()
{
    QTest::addColumn<ViewData>("view");
    QTest::addColumn<double>("share");

    QTest::newRow("Bode, report size") << viewOf(GRAPH_BODE, CanvasSize{1200, 800}) << 0.85;
    QTest::newRow("time, report size") << viewOf(GRAPH_FILT, CanvasSize{1200, 800}) << 0.85;
    QTest::newRow("Bode, smallest size") << viewOf(GRAPH_BODE, CanvasSize{400, 300}) << 0.6;
    ViewData degrees = viewOf(GRAPH_BODE, CanvasSize{2000, 400});
    degrees.bode.radianUnits = 0;
    degrees.bode.linearGain = 0;
    degrees.bode.linearFreqAxis = 0;
    QTest::newRow("Bode in dB and degrees, wide") << degrees << 0.6;
}

// Every label and title within the canvas, the graph as large as that leaves it.
void GraphFitTest::fittedGraphFillsTheCanvasWithItsTexts()
{
    QFETCH(ViewData, view);
    QFETCH(double, share);
    RecordingSurface surface;
    const ViewData picture = pictureView(view, GraphFonts{}, surface);
    drawGraph(surface, picture, GraphFonts{}, false);

    const GraphRect& plot = picture.plotRect;
    const CanvasSize canvas = view.canvasSize;
    QVERIFY(plot.right - plot.left >= share * canvas.width);
    QVERIFY(plot.bottom - plot.top >= share * canvas.height);
    int left = canvas.width, top = canvas.height, right = 0, bottom = 0;
    for (const auto& text : surface.texts) {
        left = std::min(left, text.x);
        top = std::min(top, text.y);
        right = std::max(right, text.x + surface.textExtent(text.text).cx);
        bottom = std::max(bottom, text.y + surface.textExtent(text.text).cy);
    }
    // Ten pixels of blank canvas around the outermost texts.
    QCOMPARE(left, 10);
    QCOMPARE(top, 10);
    QCOMPARE(right, canvas.width - 10);
    QCOMPARE(bottom, canvas.height - 10);
}

void GraphFitTest::withoutFitTheGraphStaysWhereItIs()
{
    ViewData view = viewOf(GRAPH_BODE, CanvasSize{1200, 800});
    view.fitGraphToImage = 0;
    view.plotRect = GraphRect{80, 60, 240, 180};
    RecordingSurface surface;
    const GraphRect kept = pictureView(view, GraphFonts{}, surface).plotRect;
    QCOMPARE(QRect(kept.left, kept.top, kept.right, kept.bottom), QRect(80, 60, 240, 180));
}

QTEST_MAIN(GraphFitTest)
#include "graph_fit_test.moc"
