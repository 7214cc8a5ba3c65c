#include <QtTest>

#include <QPainter>
#include <QWidget>

#include "recording_surface.h"
#include "view/graph_mouse.h"
#include "view/painter_surface.h"

Q_DECLARE_METATYPE(GraphRect)

static bool operator==(const GraphRect& a, const GraphRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static char* toString(const GraphRect& r)
{
    return QTest::toString(QString("(%1,%2)-(%3,%4)").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom));
}


namespace {

const GraphRect kDefaultPlot{80, 60, 240, 180};
const CanvasSize kCanvas{400, 300};
const QPoint kNoScroll(0, 0);

// A press, moves through the given points and a release, all unscrolled.
GraphRect dragged(GraphMouse& mouse, GraphRect plot, QPoint from, const QList<QPoint>& path)
{
    mouse.press(from, kNoScroll, plot);
    for (const QPoint& point : path)
        mouse.move(point, kNoScroll, kCanvas, plot);
    mouse.release(plot);
    return plot;
}

// A canvas widget that forwards its mouse to a GraphMouse and paints the
// rubber band over a white canvas, as the view does.
class CanvasWidget : public QWidget {
public:
    GraphMouse mouse;
    GraphRect plot = kDefaultPlot;

    CanvasWidget() { resize(400, 300); }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        mouse.press(event->position().toPoint(), kNoScroll, plot);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (mouse.move(event->position().toPoint(), kNoScroll, kCanvas, plot))
            update();
    }
    void mouseReleaseEvent(QMouseEvent*) override
    {
        mouse.release(plot);
        update();
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        PainterSurface surface(painter);
        mouse.drawRubberBand(surface);
    }
};

}  // namespace

class GraphMouseTest : public QObject {
    Q_OBJECT

private slots:
    void pressAndReleaseInsideSelectsWithoutMoving();
    void drags_data();
    void drags();
    void handleOfSelectedGraphWithoutMovingKeepsItsPlace();
    void pressOutsideDeselects();
    void scrolledViewTakesCanvasCoordinates();
    void rubberBandIsAnInvertedThickOutline();
    void rubberBandShowsOnTheWidget();
};

void GraphMouseTest::pressAndReleaseInsideSelectsWithoutMoving()
{
    GraphMouse mouse;
    QCOMPARE(dragged(mouse, kDefaultPlot, QPoint(150, 100), {}), kDefaultPlot);
    QVERIFY(mouse.selected());
    QVERIFY(!mouse.dragging());
}

void GraphMouseTest::drags_data()
{
    QTest::addColumn<bool>("selectFirst");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QList<QPoint>>("path");
    QTest::addColumn<GraphRect>("result");

    QTest::newRow("move") << false << QPoint(150, 100) << QList<QPoint>{{170, 130}}
                          << GraphRect{100, 90, 260, 210};
    QTest::newRow("move far left stops at the margin")
        << false << QPoint(150, 100) << QList<QPoint>{{100, 100}, {-300, 100}}
        << GraphRect{5, 60, 165, 180};
    QTest::newRow("move into the bottom-right corner")
        << false << QPoint(150, 100) << QList<QPoint>{{900, 900}} << GraphRect{235, 175, 395, 295};
    QTest::newRow("resize past the canvas edge")
        << true << QPoint(240, 180) << QList<QPoint>{{500, 400}} << GraphRect{80, 60, 395, 295};
    QTest::newRow("top-left across the bottom-right flips")
        << true << QPoint(80, 60) << QList<QPoint>{{200, 150}, {300, 250}}
        << GraphRect{240, 180, 300, 250};
    // A corner grabbed before the graph is selected resizes about the opposite corner too.
    QTest::newRow("handle of an unselected graph")
        << false << QPoint(237, 63) << QList<QPoint>{{300, 20}} << GraphRect{80, 20, 300, 180};
}

void GraphMouseTest::drags()
{
    QFETCH(bool, selectFirst);
    QFETCH(QPoint, from);
    QFETCH(QList<QPoint>, path);
    QFETCH(GraphRect, result);
    GraphMouse mouse;
    if (selectFirst)
        dragged(mouse, kDefaultPlot, QPoint(150, 100), {});
    QCOMPARE(dragged(mouse, kDefaultPlot, from, path), result);
    QVERIFY(mouse.selected());
}

void GraphMouseTest::handleOfSelectedGraphWithoutMovingKeepsItsPlace()
{
    GraphMouse mouse;
    dragged(mouse, kDefaultPlot, QPoint(150, 100), {});
    // The bottom-left zone, 3 right and 4 below the corner.
    QCOMPARE(dragged(mouse, kDefaultPlot, QPoint(83, 184), {}), (GraphRect{83, 60, 240, 184}));
    QCOMPARE(mouse.dragCorner(), 3);
}

void GraphMouseTest::pressOutsideDeselects()
{
    GraphMouse mouse;
    dragged(mouse, kDefaultPlot, QPoint(150, 100), {});
    // The handle zones exclude their right and bottom edges: (245, 185) is outside.
    QCOMPARE(dragged(mouse, kDefaultPlot, QPoint(245, 185), {{300, 250}}), kDefaultPlot);
    QVERIFY(!mouse.selected());
    QVERIFY(!mouse.rubberBand());
}

void GraphMouseTest::scrolledViewTakesCanvasCoordinates()
{
    GraphMouse mouse;
    const CanvasSize canvas{800, 600};
    GraphRect plot{400, 300, 560, 420};
    const QPoint scroll(350, 250);
    mouse.press(QPoint(100, 100), scroll, plot);
    QVERIFY(mouse.dragging());
    mouse.move(QPoint(120, 90), scroll, canvas, plot);
    QCOMPARE(*mouse.rubberBand(), (GraphRect{420, 290, 580, 410}));
    mouse.release(plot);
    QCOMPARE(plot, (GraphRect{420, 290, 580, 410}));
}

void GraphMouseTest::rubberBandIsAnInvertedThickOutline()
{
    GraphMouse mouse;
    GraphRect plot = kDefaultPlot;
    mouse.press(QPoint(150, 100), kNoScroll, plot);
    RecordingSurface before;
    mouse.drawRubberBand(before);
    QVERIFY(before.lines.empty());

    mouse.move(QPoint(160, 110), kNoScroll, kCanvas, plot);
    RecordingSurface surface;
    mouse.drawRubberBand(surface);
    QCOMPARE(surface.lines.size(), size_t(4));
    for (const auto& line : surface.lines) {
        QCOMPARE(line.op, RasterOp::Invert);
        QCOMPARE(line.pen.width, 2);
    }
    QCOMPARE(QPoint(surface.lines[0].x1, surface.lines[0].y1), QPoint(90, 70));
    QCOMPARE(QPoint(surface.lines[1].x2, surface.lines[1].y2), QPoint(250, 190));
    QCOMPARE(surface.op, RasterOp::Copy);
    QCOMPARE(surface.pen.width, 1);

    mouse.release(plot);
    QVERIFY(!mouse.rubberBand());
}

void GraphMouseTest::rubberBandShowsOnTheWidget()
{
    CanvasWidget widget;
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(150, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(130, 90), widget.mapToGlobal(QPointF(130, 90)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
    // The outline of the graph moved by (-20, -10) shows inverted: black on white.
    const QImage during = widget.grab().toImage();
    QCOMPARE(QColor(during.pixel(140, 50)), QColor(Qt::black));
    QCOMPARE(QColor(during.pixel(60, 120)), QColor(Qt::black));
    QCOMPARE(QColor(during.pixel(150, 100)), QColor(Qt::white));

    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(130, 90));
    QCOMPARE(widget.plot, (GraphRect{60, 50, 220, 170}));
    const QImage after = widget.grab().toImage();
    QCOMPARE(QColor(after.pixel(140, 50)), QColor(Qt::white));
}

QTEST_MAIN(GraphMouseTest)
#include "graph_mouse_test.moc"
