// Readings drawn on the graphs: the Bode marks and the FILT error band appear
// only when their settings ask for them, and otherwise leave the picture as it was.
#include <QtTest>

#include "recording_surface.h"
#include "view/graph_drawing.h"
#include "view/image_export.h"

namespace {

// A Bode view on a logarithmic 0.1 .. 100 rad/s, dB axis, with readings taken.
ViewData bodeViewWithReadings()
{
    ViewData view;
    view.pointCount = 2;
    view.frequencyPoints[0] = FrequencyPoint{0.1, q_complex(10, 0)};
    view.frequencyPoints[1] = FrequencyPoint{100, q_complex(0.01, 0)};
    view.bode.linearFreqAxis = 0;
    view.bode.linearGain = 0;
    view.bode.freqAxisMin = 0.1;
    view.bode.freqAxisMax = 100;
    view.bode.dbRef = 40;
    view.bode.dbDiv = 10;
    view.readings.state = READINGS_TAKEN;
    BodeReadings& r = view.readings.bode;
    r.gainCrossover = 1.0;
    r.phaseMargin = 32.6;
    r.phaseCrossover = 3.16;
    r.gainMargin = 9.54;
    r.bandwidth = 0.5;
    r.peakGain = 6.0;
    r.peakOmega = 0.8;
    return view;
}

ViewData timeViewWithErrors(int count)
{
    ViewData view;
    view.graphMode = GRAPH_FILT;
    view.pointCount = count;
    for (int i = 0; i < count; ++i) {
        view.timePoints[size_t(i)] = TimePoint{i * 2.5, 1.0};
        view.levelErrors[size_t(i)] = 0.1;
    }
    view.errorEstimateTaken = 1;
    return view;
}

RecordingSurface drawn(const ViewData& view)
{
    RecordingSurface surface;
    drawGraph(surface, view, GraphFonts{}, false);
    return surface;
}

QImage pictureOf(const ViewData& view) { return renderGraphImage(view, GraphFonts{}); }

QStringList texts(const RecordingSurface& surface)
{
    QStringList all;
    for (const auto& text : surface.texts)
        all << text.text;
    return all;
}

}  // namespace

class ReadingMarksTest : public QObject {
    Q_OBJECT
private slots:
    void settingsOffLeaveThePictureAsWithoutReadings();
    void marksOnWriteEachReadingAtItsFrequency();
    void bandFollowsTheCurveWhileTheSettingsAskForIt();
};

void ReadingMarksTest::settingsOffLeaveThePictureAsWithoutReadings()
{
    ViewData bode = bodeViewWithReadings();
    ViewData bodeWithout = bode;
    bodeWithout.readings = RunReadings{};
    QCOMPARE(pictureOf(bode), pictureOf(bodeWithout));
    bode.bode.showReadings = 1;
    QVERIFY(pictureOf(bode) != pictureOf(bodeWithout));

    ViewData time = timeViewWithErrors(3);
    ViewData timeWithout = time;
    timeWithout.errorEstimateTaken = 0;
    QCOMPARE(pictureOf(time), pictureOf(timeWithout));
    time.settings.filtErrorEstimate = 1;
    QVERIFY(pictureOf(time) != pictureOf(timeWithout));
}

void ReadingMarksTest::marksOnWriteEachReadingAtItsFrequency()
{
    ViewData view = bodeViewWithReadings();
    view.bode.showReadings = 1;
    const RecordingSurface surface = drawn(view);
    const QStringList written = texts(surface);
    for (const char* label : {"PM 32.6°", "GM 9.54 dB", "BW 0.5", "Peak 6 dB"})
        QVERIFY2(written.contains(QString::fromUtf8(label)), label);
    // The phase margin's bar stands at 1 rad/s: a third of the way along 0.1 .. 100 on 80 .. 240.
    bool barAtOne = false;
    for (const auto& line : surface.lines)
        barAtOne |= line.pen.width == 3 && line.x1 == 133 && line.x2 == 133 && line.clipped;
    QVERIFY(barAtOne);
    // The dotted lines' labels stand on rows of their own, so close crossings do not cover each other.
    QSet<int> labelRows;
    for (const auto& text : surface.texts)
        for (const char* name : {"PM ", "GM ", "BW "})
            if (text.text.startsWith(QString::fromUtf8(name)))
                labelRows.insert(text.y);
    QCOMPARE(labelRows.size(), 3);

    // Without a reading its mark is left out; without phase, the phase margin too.
    view.readings.bode.gainMargin.reset();
    view.bode.showPhase = 0;
    const QStringList fewer = texts(drawn(view));
    QVERIFY(!fewer.contains(QString::fromUtf8("GM 9.54 dB")));
    QVERIFY(!fewer.contains(QString::fromUtf8("PM 32.6°")));
    QVERIFY(fewer.contains(QString::fromUtf8("BW 0.5")));
}

void ReadingMarksTest::bandFollowsTheCurveWhileTheSettingsAskForIt()
{
    ViewData view = timeViewWithErrors(3);
    QVERIFY(drawn(view).polygons.empty());

    view.settings.filtErrorEstimate = 1;
    const RecordingSurface surface = drawn(view);
    QCOMPARE(surface.polygons.size(), size_t(1));
    const RecordingSurface::Polygon& band = surface.polygons[0];
    QVERIFY(band.clipped);
    // Level 1 +- 0.1 on the axis 0 .. 2 over 120 pixels: 6 pixels each way around y = 120.
    QCOMPARE(band.corners, QPolygon({QPoint(80, 114), QPoint(120, 114), QPoint(160, 114), QPoint(160, 126),
                                     QPoint(120, 126), QPoint(80, 126)}));
}

QTEST_MAIN(ReadingMarksTest)
#include "reading_marks_test.moc"
