#include <QtTest>

#include <QImageReader>
#include <QTemporaryDir>

#include "view/graph_drawing.h"
#include "view/image_export.h"
#include "tests/support/file_bytes.h"
#include "tests/support/image_file_names.h"
#include "tests/support/file_size_limit.h"
#include "view/painter_surface.h"
#include "tests/view/bode_view_with_curve.h"

namespace {

bool isDark(QRgb pixel) { return qGray(pixel) < 64; }

}  // namespace

class ImageExportTest : public QObject {
    Q_OBJECT

private slots:
    void imageIsTheCanvasWithTheFrameInPlace();
    void imageLeavesOutTheSelectionMarks();
    void largerCanvasKeepsTheGraphWhereItWas();
    void eachFormatReadsBackAtCanvasSize_data();
    void eachFormatReadsBackAtCanvasSize();
    void losslessFileHoldsTheRenderedPixels();
    void vectorFormats_data();
    void vectorFormats();
    void failures_data();
    void failures();
    void failureKeepsAnExistingFile_data();
    void failureKeepsAnExistingFile();

private:
    QTemporaryDir dir_;
};

void ImageExportTest::imageIsTheCanvasWithTheFrameInPlace()
{
    const QImage image = renderGraphImage(viewWithCurve(), GraphFonts{});
    QCOMPARE(image.size(), QSize(400, 300));
    // The canvas outline on the image's edges.
    QVERIFY(isDark(image.pixel(0, 150)) && isDark(image.pixel(399, 150)));
    QVERIFY(isDark(image.pixel(200, 0)) && isDark(image.pixel(200, 299)));
    // The thick frame of the graph on (80, 60) - (240, 180), white outside it.
    for (QPoint p : {QPoint(100, 60), QPoint(240, 75), QPoint(225, 180), QPoint(80, 170)})
        QVERIFY2(isDark(image.pixel(p)), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
    QCOMPARE(image.pixel(100, 56), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(76, 100), qRgb(255, 255, 255));
}

void ImageExportTest::imageLeavesOutTheSelectionMarks()
{
    const ViewData view = viewWithCurve();
    QImage screen(400, 300, QImage::Format_RGB32);
    {
        QPainter painter(&screen);
        PainterSurface surface(painter);
        drawGraph(surface, view, GraphFonts{}, true);
    }
    const QString path = dir_.filePath("selected.png");
    QCOMPARE(saveGraphImage(path, view, GraphFonts{}), kImageSaved);
    const QImage saved(path);
    // The gain curve and labels are red too; the handles' outer corners are not.
    const QRgb red = qRgb(255, 0, 0);
    for (QPoint corner : {QPoint(76, 56), QPoint(243, 56), QPoint(76, 183), QPoint(243, 183)}) {
        QCOMPARE(screen.pixel(corner), red);
        QCOMPARE(saved.pixel(corner), qRgb(255, 255, 255));
    }
}

void ImageExportTest::largerCanvasKeepsTheGraphWhereItWas()
{
    ViewData view = viewWithCurve();
    view.canvasSize = CanvasSize{800, 600};
    const QImage image = renderGraphImage(view, GraphFonts{});
    QCOMPARE(image.size(), QSize(800, 600));
    QVERIFY(isDark(image.pixel(100, 60)) && isDark(image.pixel(80, 170)));
    QVERIFY(isDark(image.pixel(799, 300)) && isDark(image.pixel(400, 599)));
    QCOMPARE(image.pixel(600, 400), qRgb(255, 255, 255));
}

void ImageExportTest::eachFormatReadsBackAtCanvasSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    for (const char* name : {"g.bmp", "g.jpg", "g.png", "g.tif", "G.BMP", "g.Jpeg", "g.tiff"}) {
        const QByteArray format = QByteArray(name).toLower().endsWith("bmp")    ? "bmp"
                                  : QByteArray(name).toLower().contains("jp") ? "jpeg"
                                  : QByteArray(name).toLower().endsWith("png") ? "png"
                                                                                : "tiff";
        QTest::newRow(name) << QString(name) << format;
    }
}

void ImageExportTest::eachFormatReadsBackAtCanvasSize()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    for (CanvasSize canvas : {CanvasSize{400, 300}, CanvasSize{800, 600}}) {
        ViewData view = viewWithCurve();
        view.canvasSize = canvas;
        const QString path = dir_.filePath(name);
        QCOMPARE(saveGraphImage(path, view, GraphFonts{}), kImageSaved);
        QImageReader reader(path);
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.read().size(), QSize(canvas.width, canvas.height));
    }
}

void ImageExportTest::losslessFileHoldsTheRenderedPixels()
{
    const ViewData view = viewWithCurve();
    const QString path = dir_.filePath("exact.bmp");
    QCOMPARE(saveGraphImage(path, view, GraphFonts{}), kImageSaved);
    QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), renderGraphImage(view, GraphFonts{}));
}

void ImageExportTest::vectorFormats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("svg") << "graph.svg" << QByteArray("<?xml");
    QTest::newRow("pdf") << "graph.PDF" << QByteArray("%PDF");
}

void ImageExportTest::vectorFormats()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    const QString path = dir_.filePath(name);
    QCOMPARE(saveGraphImage(path, viewWithCurve(), GraphFonts{}), kImageSaved);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith(start));
    QVERIFY(bytes.size() > 1000);
}

void ImageExportTest::failures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unknown extension") << "graph.txt" << R"(no image format has the extension "txt")";
    QTest::newRow("no extension") << "graph" << R"(no image format has the extension "")";
    QTest::newRow("missing folder") << "no/such/folder/graph.png" << "No such file or directory";
}

void ImageExportTest::failures()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);
    const QString full = dir_.filePath(path);
    QString given;
    QCOMPARE(saveGraphImage(full, viewWithCurve(), GraphFonts{}, &given), kImageSaveFailed);
    QCOMPARE(given, reason);
    QVERIFY(!QFile::exists(full));
    QCOMPARE(saveImageFailedText(kImageSaveFailed), QString("Save image failed:\n80004005"));
}

void ImageExportTest::failureKeepsAnExistingFile_data() { addImageFileNameRows(); }

// A full disk: the new image cannot be written whole, the old one stays.
void ImageExportTest::failureKeepsAnExistingFile()
{
    QFETCH(QString, name);
    QTemporaryDir alone;
    const QString path = alone.filePath(name);
    const QByteArray old = "the previous image";
    QVERIFY(writeBytes(path, old));
    QString reason;
    {
        FileSizeLimit fullDisk(64);
        QCOMPARE(saveGraphImage(path, viewWithCurve(), GraphFonts{}, &reason), kImageSaveFailed);
    }
    QCOMPARE(reason, QString("File too large"));
    QCOMPARE(bytesOf(path), old);
    QCOMPARE(QDir(alone.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

QTEST_MAIN(ImageExportTest)
#include "image_export_test.moc"
