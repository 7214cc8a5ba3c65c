#include <QtTest>

#include <cmath>
#include <limits>

#include "recording_surface.h"
#include "view/graph_drawing.h"

namespace {

constexpr Colorref kGain = kRed;
constexpr Colorref kPhase = 0xFF0000;
constexpr Colorref kCurve = 0x00AA00;

// A Bode view whose points sit at equal steps over the default axis 0.1 .. 20 rad/s.
ViewData bodeView(const QList<q_complex>& values)
{
    ViewData view;
    view.pointCount = int(values.size());
    for (int i = 0; i < values.size(); ++i)
        view.frequencyPoints[size_t(i)] = FrequencyPoint{0.1 + i * 19.9 / 4, values[i]};
    return view;
}

ViewData timeView(int count)
{
    ViewData view;
    view.graphMode = GRAPH_FILT;
    view.filt.curveColor = kCurve;
    view.pointCount = count;
    for (int i = 0; i < count; ++i)
        view.timePoints[size_t(i)] = TimePoint{i * 2.5, 1.0};
    return view;
}

RecordingSurface drawn(const ViewData& view)
{
    RecordingSurface surface;
    drawGraph(surface, view, GraphFonts{}, false);
    return surface;
}

// The curve lines: those drawn under the clip region.
QList<RecordingSurface::Line> curveLines(const RecordingSurface& surface)
{
    QList<RecordingSurface::Line> lines;
    for (const auto& line : surface.lines)
        if (line.clipped)
            lines << line;
    return lines;
}

QStringList numbers(const RecordingSurface& surface, Colorref colour)
{
    QStringList result;
    for (const auto& text : surface.texts)
        if (text.clipped && text.colour == colour)
            result << text.text;
    return result;
}

}  // namespace

class GraphCurvesTest : public QObject {
    Q_OBJECT

private slots:
    void onePointDrawsNoCurve();
    void markersAndLinesOfDefaultFlags();
    void gainAndPhaseSegmentsInterleave();
    void pointsMapIntoTheGraph_data();
    void pointsMapIntoTheGraph();
    void numbering_data();
    void numbering();
    void curvesAreClippedToTheGraph();
    void hiddenCurvesDrawNothing();
    void pointOffTheScaleIsLeftOut();
    void farPointStillDrawsItsLineToTheEdge();
    void timeCurve();
};

void GraphCurvesTest::onePointDrawsNoCurve()
{
    for (ViewData view : {bodeView({{1, 0}}), timeView(1)}) {
        view.bode.showNumbers = 1;
        view.filt.showNumbers = 1;
        const RecordingSurface surface = drawn(view);
        QVERIFY(surface.ellipses.empty());
        QVERIFY(curveLines(surface).isEmpty());
        QVERIFY(numbers(surface, kGain).isEmpty() && numbers(surface, kCurve).isEmpty());
    }
}

void GraphCurvesTest::markersAndLinesOfDefaultFlags()
{
    const RecordingSurface surface = drawn(bodeView({{1, 0}, {1, 0}, {1, 0}}));
    // Two segments per curve, each with a marker at both ends.
    QCOMPARE(surface.ellipses.size(), size_t(8));
    for (const auto& marker : surface.ellipses) {
        QCOMPARE(marker.box.right - marker.box.left, 8);
        QCOMPARE(marker.box.bottom - marker.box.top, 8);
        QCOMPARE(marker.pen.width, 2);
    }
    QCOMPARE(curveLines(surface).size(), 4);
    for (const auto& line : curveLines(surface))
        QCOMPARE(line.pen.width, 2);
}

void GraphCurvesTest::gainAndPhaseSegmentsInterleave()
{
    const RecordingSurface surface = drawn(bodeView({{1, 0}, {1, 0}, {1, 0}}));
    QList<Colorref> colours;
    for (const auto& line : curveLines(surface))
        colours << line.pen.colour;
    QCOMPARE(colours, (QList<Colorref>{kGain, kPhase, kGain, kPhase}));
}

void GraphCurvesTest::pointsMapIntoTheGraph_data()
{
    QTest::addColumn<int>("linearGain");
    QTest::addColumn<int>("phaseRange");
    QTest::addColumn<int>("linearFreqAxis");
    QTest::addColumn<int>("radianUnits");
    QTest::addColumn<double>("omega");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("gainY");
    QTest::addColumn<int>("phaseY");

    // The value j: gain 1 (0 dB), phase +pi/2, which the -2pi .. 0 range shows as -3pi/2.
    QTest::newRow("linear gain, phase reduced") << 1 << 0 << 1 << 1 << 20.0 << 240 << 120 << 144;
    QTest::newRow("phase -pi .. pi unreduced") << 1 << 1 << 1 << 1 << 20.0 << 240 << 120 << 96;
    // 0 dB on 10 dB .. -40 dB.
    QTest::newRow("dB gain") << 0 << 0 << 1 << 1 << 0.1 << 80 << 84 << 144;
    // 1 rad/s on the logarithmic axis 0.1 .. 20.
    QTest::newRow("log axis") << 1 << 0 << 0 << 1 << 1.0 << 149 << 120 << 144;
    // Hz axis ends turned into rad/s: 20 Hz is 40 pi rad/s.
    QTest::newRow("Hz axis") << 1 << 0 << 1 << 0 << 40 * M_PI << 240 << 120 << 144;
}

void GraphCurvesTest::pointsMapIntoTheGraph()
{
    QFETCH(int, linearGain);
    QFETCH(int, phaseRange);
    QFETCH(int, linearFreqAxis);
    QFETCH(int, radianUnits);
    QFETCH(double, omega);
    QFETCH(int, x);
    QFETCH(int, gainY);
    QFETCH(int, phaseY);
    ViewData view = bodeView({{0, 1}, {0, 1}});
    view.frequencyPoints[1].omega = omega;
    view.bode.linearGain = linearGain;
    view.bode.phaseRange = phaseRange;
    view.bode.linearFreqAxis = linearFreqAxis;
    view.bode.radianUnits = radianUnits;
    const auto lines = curveLines(drawn(view));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(QPoint(lines[0].x2, lines[0].y2), QPoint(x, gainY));
    QCOMPARE(QPoint(lines[1].x2, lines[1].y2), QPoint(x, phaseY));
}

void GraphCurvesTest::numbering_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("linearFreqAxis");
    QTest::addColumn<QStringList>("gainColoured");
    QTest::addColumn<QStringList>("phaseColoured");
    QTest::addColumn<QStringList>("curveColoured");

    const QStringList fromTwo{"2", "3", "4", "5"};
    // With a linear axis the phase numbers keep the gain colour.
    QTest::newRow("Bode, linear axis")
        << int(GRAPH_BODE) << 1 << QStringList{"2", "2", "3", "3", "4", "4", "5", "5"} << QStringList{}
        << QStringList{};
    QTest::newRow("Bode, log axis") << int(GRAPH_BODE) << 0 << fromTwo << fromTwo << QStringList{};
    QTest::newRow("time") << int(GRAPH_FILT) << 1 << QStringList{} << QStringList{}
                          << QStringList{"1", "2", "3", "4"};
}

void GraphCurvesTest::numbering()
{
    QFETCH(int, mode);
    QFETCH(int, linearFreqAxis);
    QFETCH(QStringList, gainColoured);
    QFETCH(QStringList, phaseColoured);
    QFETCH(QStringList, curveColoured);
    ViewData view = mode == GRAPH_BODE ? bodeView({{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}}) : timeView(5);
    view.bode.linearFreqAxis = linearFreqAxis;
    view.bode.freqAxisMin = 0.1;
    view.bode.showNumbers = 1;
    view.filt.showNumbers = 1;
    const RecordingSurface surface = drawn(view);
    QCOMPARE(numbers(surface, kGain), gainColoured);
    QCOMPARE(numbers(surface, kPhase), phaseColoured);
    QCOMPARE(numbers(surface, kCurve), curveColoured);

    // A number's top-left corner is at (x - r, y + r) of its point.
    const auto lines = curveLines(surface);
    const auto& number = *std::find_if(surface.texts.begin(), surface.texts.end(),
                                       [](const auto& t) { return t.clipped; });
    QCOMPARE(QPoint(number.x, number.y), QPoint(lines[0].x2 - 4, lines[0].y2 + 4));
}

void GraphCurvesTest::curvesAreClippedToTheGraph()
{
    ViewData view = bodeView({{1, 0}, {1, 0}});
    view.plotRect = GraphRect{50, 40, 300, 250};
    RecordingSurface surface;
    drawGraph(surface, view, GraphFonts{}, false);
    QCOMPARE(surface.clip.left, 50);
    QCOMPARE(surface.clip.bottom, 250);
    for (const auto& marker : surface.ellipses)
        QVERIFY(marker.clipped);
    QVERIFY(!surface.clipped);
}

void GraphCurvesTest::hiddenCurvesDrawNothing()
{
    ViewData view = bodeView({{1, 0}, {1, 0}, {1, 0}});
    view.bode.showGain = 0;
    view.bode.showPhase = 0;
    view.bode.showNumbers = 1;
    const RecordingSurface surface = drawn(view);
    QVERIFY(curveLines(surface).isEmpty());
    QVERIFY(surface.ellipses.empty());
}

void GraphCurvesTest::pointOffTheScaleIsLeftOut()
{
    // A gain of 0 has no place on the dB axis: its marker and the lines to
    // and from it go, the rest of the curve stays.
    ViewData view = bodeView({{1, 0}, {0, 0}, {1, 0}, {1, 0}});
    view.bode.linearGain = 0;
    view.bode.showPhase = 0;
    const RecordingSurface surface = drawn(view);
    const auto lines = curveLines(surface);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines[0].x1, 80 + 2 * 40);
    QCOMPARE(surface.ellipses.size(), size_t(4));
    for (const auto& marker : surface.ellipses)
        QVERIFY(marker.box.left + 4 != 80 + 40);
}

void GraphCurvesTest::farPointStillDrawsItsLineToTheEdge()
{
    ViewData view = bodeView({{1, 0}, {1e300, 0}});
    view.bode.showPhase = 0;
    const auto lines = curveLines(drawn(view));
    QCOMPARE(lines.size(), 1);
    QCOMPARE(QPoint(lines[0].x1, lines[0].y1), QPoint(80, 120));
    QVERIFY(lines[0].y2 < 60 - 1000);
    QVERIFY(lines[0].x2 >= 80 && lines[0].x2 <= 120);
}

void GraphCurvesTest::timeCurve()
{
    const RecordingSurface surface = drawn(timeView(3));
    const auto lines = curveLines(surface);
    QCOMPARE(lines.size(), 2);
    // t 0 .. 5 on the axis 0 .. 10, level 1 on 0 .. 2.
    QCOMPARE(QPoint(lines[0].x1, lines[0].y1), QPoint(80, 120));
    QCOMPARE(QPoint(lines[1].x2, lines[1].y2), QPoint(160, 120));
    QCOMPARE(lines[0].pen.colour, kCurve);
    QCOMPARE(surface.ellipses.size(), size_t(4));
}

QTEST_MAIN(GraphCurvesTest)
#include "graph_curves_test.moc"
