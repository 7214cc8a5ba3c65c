#include <QtTest>

#include "recording_surface.h"
#include "view/graph_drawing.h"
#include "view/image_export.h"

Q_DECLARE_METATYPE(BodeDisplaySettings)
Q_DECLARE_METATYPE(ViewData)

namespace {

constexpr Colorref kGreen = 0x00FF00;

RecordingSurface drawn(const ViewData& view)
{
    RecordingSurface surface;
    drawGraph(surface, view, GraphFonts{}, false);
    return surface;
}

// A graph wide and tall enough for every label to show.
constexpr GraphRect kRoomyPlot{100, 60, 1100, 660};

ViewData bodeView(const BodeDisplaySettings& bode, const GraphRect& plot = kRoomyPlot)
{
    ViewData view;
    view.bode = bode;
    view.plotRect = plot;
    return view;
}

ViewData timeView(double from, double to, const GraphRect& plot = defaultPlotRect(CanvasSize{}))
{
    ViewData view;
    view.graphMode = GRAPH_FILT;
    view.filt.timeAxisMin = from;
    view.filt.timeAxisMax = to;
    view.filt.curveColor = kGreen;
    view.plotRect = plot;
    return view;
}

QPoint positionOf(const RecordingSurface& surface, const QString& text, Colorref colour)
{
    for (const auto& t : surface.texts)
        if (t.text == text && t.colour == colour)
            return QPoint(t.x, t.y);
    return QPoint(-1, -1);
}

bool isVertical(const RecordingSurface::Line& line) { return line.x1 == line.x2; }
bool isHorizontal(const RecordingSurface::Line& line) { return line.y1 == line.y2; }

// Vertical lines strictly inside the default frame, of one pen width, by x.
QList<int> innerVerticals(const RecordingSurface& surface, int penWidth)
{
    QList<int> xs;
    for (const auto& line : surface.lines)
        if (isVertical(line) && line.pen.width == penWidth && line.x1 > 80 && line.x1 < 240)
            xs << line.x1;
    return xs;
}

}  // namespace

class GraphAxesTest : public QObject {
    Q_OBJECT

private slots:
    void defaultBodeGraphLabelsAndTitles();
    void bodeLabels_data();
    void bodeLabels();
    void frequencyGridLines_data();
    void frequencyGridLines();
    void gainLinesStayWhenGainIsHidden();
    void timeGraphLabelsAndGrid();
    void crowdedLabelsGiveWay_data();
    void crowdedLabelsGiveWay();
    void labelsStandClearAtTheirGridLines_data();
    void labelsStandClearAtTheirGridLines();
    void zeroWithinRoundingIsWrittenZero();
    void eachStepRestoresPenFontAndColour();
    void selectionMarksOnlyWhenAsked();
};

void GraphAxesTest::defaultBodeGraphLabelsAndTitles()
{
    const RecordingSurface surface = drawn(ViewData{});
    // Six pixels a figure: the frequency labels of the default graph stand
    // at the ends and the middle only; the gain and phase labels all fit.
    QCOMPARE(surface.textsIn(kBlack), (QStringList{"0.1", "10.05", "20", "omega[rad/sec]"}));
    QCOMPARE(surface.textsIn(kRed), (QStringList{"0", "0.2", "0.4", "0.6", "0.8", "1", "1.2", "1.4", "1.6",
                                                 "1.8", "2", "LinearGain"}));
    QCOMPARE(surface.textsIn(0xFF0000),
             (QStringList{"-2PI", "-(7/4)PI", "-(6/4)PI", "-(5/4)PI", "-PI", "-(3/4)PI", "-(2/4)PI",
                          "-(1/4)PI", "0", "Phase[rad]"}));

    // Frequency labels centred under their lines, 8 below the frame; the
    // title takes half its width plus height off the middle.
    QCOMPARE(positionOf(surface, "10.05", kBlack), QPoint(160 - 15, 188));
    QCOMPARE(positionOf(surface, "0.1", kBlack), QPoint(80 - 9, 188));
    QCOMPARE(positionOf(surface, "20", kBlack), QPoint(240 - 6, 188));
    QCOMPARE(positionOf(surface, "omega[rad/sec]", kBlack), QPoint(160 - (84 + 12) / 2, 200));
    // Gain labels end 8 left of the frame, centred on their lines.
    QCOMPARE(positionOf(surface, "0.2", kRed), QPoint(80 - 18 - 8, 168 - 6));
    QCOMPARE(positionOf(surface, "0", kRed), QPoint(80 - 6 - 8, 180 - 6));
    QCOMPARE(positionOf(surface, "2", kRed), QPoint(80 - 6 - 8, 60 - 6));
    QCOMPARE(positionOf(surface, "LinearGain", kRed), QPoint(80 - 60 - 8, 60 - 12 - 8));
    // Phase labels start 8 right of the frame.
    QCOMPARE(positionOf(surface, "-2PI", 0xFF0000), QPoint(248, 180 - 12 - 6));
    QCOMPARE(positionOf(surface, "0", 0xFF0000), QPoint(248, 180 - 108 - 6));
    QCOMPARE(positionOf(surface, "Phase[rad]", 0xFF0000), QPoint(248, 40));

    // The canvas outline comes first, with the surface's own pen.
    QCOMPARE(surface.rectangles.size(), size_t(1));
    QCOMPARE(surface.rectangles[0].box.right, 400);
    QCOMPARE(surface.rectangles[0].box.bottom, 300);
}

void GraphAxesTest::bodeLabels_data()
{
    QTest::addColumn<BodeDisplaySettings>("bode");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QStringList>("labels");

    BodeDisplaySettings db;
    db.linearGain = 0;
    db.dbRef = 0;
    db.dbDiv = 20;
    QTest::newRow("dB axis 0 to -200")
        << db << uint(kRed)
        << QStringList{"-200", "-180", "-160", "-140", "-120", "-100", "-80", "-60", "-40", "-20", "0",
                       "Gain[dB]"};

    BodeDisplaySettings degrees;
    degrees.radianUnits = 0;
    QTest::newRow("degrees -360 to 0")
        << degrees << uint(0xFF0000)
        << QStringList{"-360.00", "-315.00", "-270.00", "-225.00", "-180.00", "-135.00", "-90.00",
                       "-45.00", "0.00", "Phase[deg]"};
    QTest::newRow("frequency in Hz")
        << degrees << uint(kBlack)
        << QStringList{"0.1", "2.09", "4.08", "6.07", "8.06", "10.05", "12.04", "14.03", "16.02", "18.01",
                       "20", "f[Hz]"};
    degrees.phaseRange = 1;
    QTest::newRow("degrees -180 to 180")
        << degrees << uint(0xFF0000)
        << QStringList{"-180.00", "-135.00", "-90.00", "-45.00", "0.00", "45.00", "90.00", "135.00",
                       "180.00", "Phase[deg]"};

    BodeDisplaySettings radians;
    radians.phaseRange = 1;
    QTest::newRow("radians -PI to PI")
        << radians << uint(0xFF0000)
        << QStringList{"-PI", "-(3/4)PI", "-(2/4)PI", "-(1/4)PI", "0", "(1/4)PI", "(2/4)PI",
                       "(3/4)PI", "PI", "Phase[rad]"};

    BodeDisplaySettings noGain;
    noGain.showGain = 0;
    QTest::newRow("gain hidden") << noGain << uint(kRed) << QStringList{};
    BodeDisplaySettings noPhase;
    noPhase.showPhase = 0;
    QTest::newRow("phase hidden") << noPhase << uint(0xFF0000) << QStringList{};

    BodeDisplaySettings log;
    log.linearFreqAxis = 0;
    QTest::newRow("log 0.1 to 20")
        << log << uint(kBlack) << QStringList{"1", "10", "0.1", "20", "omega[rad/sec]"};
    log.freqAxisMin = 2;
    log.freqAxisMax = 8;
    QTest::newRow("log 2 to 8") << log << uint(kBlack) << QStringList{"2", "8", "omega[rad/sec]"};
    log.freqAxisMin = 1e-7;
    log.freqAxisMax = 1e7;
    QTest::newRow("log decades with exponents")
        << log << uint(kBlack)
        << QStringList{"1E-006", "1E-005", "0.0001", "0.001", "0.01", "0.1", "1", "10", "100",
                       "1000", "10000", "100000", "1E+006", "1E-007", "1E+007", "omega[rad/sec]"};
    // Ends that give no decades still get their labels and the frame.
    log.freqAxisMin = 0;
    log.freqAxisMax = 20;
    QTest::newRow("log from zero") << log << uint(kBlack) << QStringList{"0", "20", "omega[rad/sec]"};
}

void GraphAxesTest::bodeLabels()
{
    QFETCH(BodeDisplaySettings, bode);
    QFETCH(uint, colour);
    QFETCH(QStringList, labels);
    QCOMPARE(drawn(bodeView(bode)).textsIn(colour), labels);
}

void GraphAxesTest::frequencyGridLines_data()
{
    QTest::addColumn<int>("linear");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<QList<int>>("thick");
    QTest::addColumn<int>("thinCount");

    QTest::newRow("linear") << 1 << 0.1 << 20.0 << QList<int>{} << 9;
    // Decades 1 and 10 thick; 0.2 .. 0.9, 1 .. 9 and 10 thin; nothing from 20 on.
    QTest::newRow("log 0.1 to 20") << 0 << 0.1 << 20.0 << QList<int>{149, 219} << 18;
    QTest::newRow("log 2 to 8") << 0 << 2.0 << 8.0 << QList<int>{} << 5;
}

void GraphAxesTest::frequencyGridLines()
{
    QFETCH(int, linear);
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(QList<int>, thick);
    QFETCH(int, thinCount);
    BodeDisplaySettings bode;
    bode.linearFreqAxis = linear;
    bode.freqAxisMin = from;
    bode.freqAxisMax = to;
    const RecordingSurface surface = drawn(bodeView(bode, defaultPlotRect(CanvasSize{})));
    QCOMPARE(innerVerticals(surface, 2), thick);
    QCOMPARE(innerVerticals(surface, 1).size(), thinCount);
    for (int x : thick)
        QVERIFY(innerVerticals(surface, 1).contains(x));
}

void GraphAxesTest::gainLinesStayWhenGainIsHidden()
{
    BodeDisplaySettings bode;
    bode.showGain = 0;
    bode.showPhase = 0;
    const RecordingSurface surface = drawn(bodeView(bode, defaultPlotRect(CanvasSize{})));
    QList<int> ys;
    for (const auto& line : surface.lines)
        if (isHorizontal(line) && line.pen.width == 1)
            ys << line.y1;
    QCOMPARE(ys, (QList<int>{168, 156, 144, 132, 120, 108, 96, 84, 72}));
}

void GraphAxesTest::timeGraphLabelsAndGrid()
{
    const RecordingSurface surface = drawn(timeView(0, 10, kRoomyPlot));
    QCOMPARE(surface.textsIn(kGreen),
             (QStringList{"   0", " 0.2", " 0.4", " 0.6", " 0.8", "   1", " 1.2", " 1.4", " 1.6",
                          " 1.8", "   2", "Numerical Inversion of Laplace Transform."}));
    QCOMPARE(surface.textsIn(kBlack), (QStringList{"   0", "   1", "   2", "   3", "   4", "   5",
                                                   "   6", "   7", "   8", "   9", "  10",
                                                   "Time[sec]"}));
    // Level labels end 8 left of the frame; the figures of a time label, not
    // its padding blanks, stand centred under its line.
    QCOMPARE(positionOf(surface, " 0.2", kGreen), QPoint(100 - 24 - 8, 600 - 6));
    QCOMPARE(positionOf(surface, "   1", kBlack), QPoint(200 - 3 - 18, 668));
    QCOMPARE(positionOf(surface, "  10", kBlack), QPoint(1100 - 6 - 12, 668));
    QCOMPARE(positionOf(surface, "Numerical Inversion of Laplace Transform.", kGreen), QPoint(100, 40));
    QCOMPARE(positionOf(surface, "Time[sec]", kBlack), QPoint(600 - 27, 660 + 12 + 16));

    // Thin horizontal grid, thick vertical grid.
    const RecordingSurface standard = drawn(timeView(0, 10));
    int thinHorizontal = 0;
    for (const auto& line : standard.lines)
        if (isHorizontal(line) && line.pen.width == 1)
            ++thinHorizontal;
    QCOMPARE(thinHorizontal, 9);
    QCOMPARE(innerVerticals(standard, 2), (QList<int>{96, 112, 128, 144, 160, 176, 192, 208, 224}));
}

void GraphAxesTest::crowdedLabelsGiveWay_data()
{
    QTest::addColumn<ViewData>("view");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QStringList>("labels");

    // Six pixels a figure, sixteen between the lines of the default graph:
    // every other label, every fifth, or the ends alone, always from the first.
    QTest::newRow("time 0 to 10") << timeView(0, 10) << uint(kBlack)
                                  << QStringList{"   0", "   2", "   4", "   6", "   8", "  10", "Time[sec]"};
    QTest::newRow("time 0.0078 to 8") << timeView(0.0078, 8) << uint(kBlack)
                                      << QStringList{"0.0078", "   4", "   8", "Time[sec]"};
    BodeDisplaySettings narrow;
    QTest::newRow("ends touching") << bodeView(narrow, GraphRect{80, 60, 100, 180}) << uint(kBlack)
                                   << QStringList{"0.1", "omega[rad/sec]"};
    // Decades at multiples of the step; one that touches an end label gives way.
    BodeDisplaySettings decades;
    decades.linearFreqAxis = 0;
    decades.freqAxisMin = 1e-7;
    decades.freqAxisMax = 1e7;
    QTest::newRow("fourteen decades") << bodeView(decades, defaultPlotRect(CanvasSize{})) << uint(kBlack)
                                      << QStringList{"1", "1E-007", "1E+007", "omega[rad/sec]"};
    // Stacked labels may meet but not overlap: six pixels apart, every other one.
    const GraphRect shallow{80, 60, 240, 120};
    QTest::newRow("gain on a shallow graph")
        << bodeView(BodeDisplaySettings{}, shallow) << uint(kRed)
        << QStringList{"0", "0.4", "0.8", "1.2", "1.6", "2", "LinearGain"};
    QTest::newRow("phase on a shallow graph") << bodeView(BodeDisplaySettings{}, shallow) << uint(0xFF0000)
                                              << QStringList{"-2PI", "-(6/4)PI", "-PI", "-(2/4)PI", "0",
                                                             "Phase[rad]"};
}

void GraphAxesTest::crowdedLabelsGiveWay()
{
    QFETCH(ViewData, view);
    QFETCH(uint, colour);
    QFETCH(QStringList, labels);
    QCOMPARE(drawn(view).textsIn(colour), labels);
}

// Drawn with the graph font as saved images show it: the figures under the
// graph, as ink on the image, fall into separate words, one centred under
// each of as many grid lines as expected.
void GraphAxesTest::labelsStandClearAtTheirGridLines_data()
{
    QTest::addColumn<ViewData>("view");
    QTest::addColumn<int>("atLeast");

    QTest::newRow("time 0 to 10") << timeView(0, 10) << 6;
    QTest::newRow("time 0.0078 to 8") << timeView(0.0078, 8) << 3;
    QTest::newRow("default Bode") << ViewData{} << 3;
    QTest::newRow("time on a report-sized graph") << timeView(-1.5, 1.5, GraphRect{60, 40, 1140, 740}) << 11;
}

void GraphAxesTest::labelsStandClearAtTheirGridLines()
{
    QFETCH(ViewData, view);
    QFETCH(int, atLeast);
    view.canvasSize = CanvasSize{1200, 800};
    const QImage image = renderGraphImage(view, GraphFonts{});
    const GraphRect& plot = view.plotRect;
    const int top = plot.bottom + 8;
    const int bottom = top + QFontMetrics(GraphFonts{}.filt).height();

    // Columns with ink in the label band, in words: figures of one label
    // stand closer than a figure's width apart.
    QList<QPair<int, int>> words;
    for (int x = 1; x < image.width() - 1; ++x) {
        bool ink = false;
        for (int y = top; y < bottom; ++y)
            ink = ink || qGray(image.pixel(x, y)) < 128;
        if (!ink)
            continue;
        if (!words.isEmpty() && x - words.last().second < 6)
            words.last().second = x;
        else
            words.append({x, x});
    }
    QVERIFY2(words.size() >= atLeast, qPrintable(QString::number(words.size())));
    for (const auto& word : words) {
        const int centre = (word.first + word.second) / 2;
        bool atALine = false;
        for (int k = 0; k <= 10; ++k)
            atALine = atALine || std::abs(centre - (plot.left + k * (plot.right - plot.left) / 10)) <= 3;
        QVERIFY2(atALine, qPrintable(QString("word %1..%2").arg(word.first).arg(word.second)));
    }
}

void GraphAxesTest::zeroWithinRoundingIsWrittenZero()
{
    // 6 × (3 / 10) - 1.8 and 5 × 3.24 / 10 - 1.62 are a few 1E-016 off zero.
    BodeDisplaySettings gain;
    gain.linGainMin = -1.8;
    gain.linGainMax = 1.2;
    QVERIFY(drawn(bodeView(gain)).textsIn(kRed).contains("0"));
    ViewData time = timeView(-1.62, 1.62, kRoomyPlot);
    time.filt.levelMin = -1.62;
    time.filt.levelMax = 1.62;
    const RecordingSurface surface = drawn(time);
    QCOMPARE(surface.textsIn(kBlack).at(5), QString("   0"));
    QCOMPARE(surface.textsIn(kGreen).at(5), QString("   0"));
}

void GraphAxesTest::eachStepRestoresPenFontAndColour()
{
    for (int mode : {GRAPH_BODE, GRAPH_FILT}) {
        ViewData view;
        view.graphMode = mode;
        view.pointCount = 3;
        RecordingSurface surface;
        const SurfacePen pen{3, 0x123456};
        QFont font("Serif");
        surface.pen = pen;
        surface.font = font;
        surface.textColour = 0x654321;
        drawGraph(surface, view, GraphFonts{}, true);
        QCOMPARE(surface.pen.width, pen.width);
        QCOMPARE(surface.pen.colour, pen.colour);
        QCOMPARE(surface.font, font);
        QCOMPARE(surface.textColour, Colorref(0x654321));
        QVERIFY(!surface.clipped);
    }
}

void GraphAxesTest::selectionMarksOnlyWhenAsked()
{
    RecordingSurface plain;
    drawGraph(plain, ViewData{}, GraphFonts{}, false);
    QVERIFY(plain.fills.empty());

    RecordingSurface selected;
    drawGraph(selected, ViewData{}, GraphFonts{}, true);
    QCOMPARE(selected.fills.size(), size_t(4));
    const QList<QPoint> corners{{80, 60}, {240, 60}, {80, 180}, {240, 180}};
    for (int i = 0; i < 4; ++i) {
        const GraphRect square = selected.fills[size_t(i)].rect;
        QCOMPARE(QPoint(square.left + 5, square.top + 5), corners[i]);
        QCOMPARE(QSize(square.right - square.left, square.bottom - square.top), QSize(10, 10));
        QCOMPARE(selected.fills[size_t(i)].colour, kRed);
    }
    const auto& last = selected.lines.back();
    QCOMPARE(last.pen.colour, kRed);
    QCOMPARE(last.pen.width, 2);
    QCOMPARE(QPoint(last.x2, last.y2), QPoint(80, 60));
}

QTEST_MAIN(GraphAxesTest)
#include "graph_axes_test.moc"
