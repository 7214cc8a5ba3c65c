#include <QtTest>

#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include "graph_frame.h"
#include "tests/support/file_bytes.h"
#include "tests/support/image_file_names.h"

namespace {

const char kSample[] =
    "H(s) = (1-exp(-s*1.2))/s;\r\nFREQ 0.1, 10, 80, GEO;\r\nTIME 0.01, 5, 80;\r\n"
    "FILT 4.0, 0.0, 4.0, 0.2;\r\nPROBE H(s);\r\n/* 0-order Hold (sampling period 1.2sec) */\r\n";

struct CliRun {
    int status;
    QByteArray out;
    QByteArray err;
};

// fileSizeLimit: files the command writes cannot grow past that many KiB, as on a full disk.
CliRun runCli(const QStringList& arguments, int fileSizeLimit = 0)
{
    QProcess process;
    if (fileSizeLimit > 0)
        process.start("bash", QStringList{"-c", QString("ulimit -f %1; trap '' XFSZ; exec \"$0\" \"$@\"").arg(fileSizeLimit),
                                          BRENNO_CLI} + arguments);
    else
        process.start(BRENNO_CLI, arguments);
    process.waitForFinished(60000);
    return CliRun{process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

}  // namespace

class CliImageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void drawsTheGraphOfTheRun_data();
    void drawsTheGraphOfTheRun();
    void fitDrawsTheGraphFillingThePicture();
    void rejectsBadSizesAndPaths_data();
    void rejectsBadSizesAndPaths();
    void fullDiskKeepsTheOldImage_data();
    void fullDiskKeepsTheOldImage();
    void drawsFromAnInstallation();
    void drawsToStandardOutputAsPng();

private:
    QTemporaryDir dir_;
    QString program_;
};

void CliImageTest::initTestCase()
{
    program_ = dir_.filePath("sample.txt");
    QFile file(program_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kSample);
}

void CliImageTest::drawsTheGraphOfTheRun_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("bode, default canvas") << QStringList{"bode"} << "bode.png" << QSize(400, 300);
    QTest::newRow("filt, larger canvas")
        << QStringList{"filt", "--from-program", "--size", "800x600"} << "time.bmp" << QSize(800, 600);
}

void CliImageTest::drawsTheGraphOfTheRun()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QString path = dir_.filePath(name);
    const CliRun run = runCli(arguments << "--image" << path << program_);
    QCOMPARE(run.status, 0);
    // The image replaces the CSV on standard output.
    QVERIFY(run.out.isEmpty());
    const QImage image(path);
    QCOMPARE(image.size(), size);
    // The graph frame stays at the view's default rectangle, (80, 60)-(240, 180),
    // whatever the canvas size, as after the size dialog.
    QCOMPARE(qGray(image.pixel(160, 60)), 0);
    QCOMPARE(qGray(image.pixel(160, 180)), 0);
    QCOMPARE(qGray(image.pixel(160, 181)), 255);
}

void CliImageTest::fitDrawsTheGraphFillingThePicture()
{
    const QString path = dir_.filePath("report.png");
    const CliRun run = runCli({"bode", "--fit", "--image", path, "--size", "1200x800", program_});
    QCOMPARE(run.status, 0);
    const QImage image(path);
    QCOMPARE(image.size(), QSize(1200, 800));
    const QRect frame = graphFrame(image);
    QVERIFY2(frame.width() > 0.85 * 1200 && frame.height() > 0.85 * 800,
             qPrintable(QString("%1x%2").arg(frame.width()).arg(frame.height())));
}

void CliImageTest::rejectsBadSizesAndPaths_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::newRow("width below 400") << QStringList{"--image", "g.png", "--size", "399x300"} << 64;
    QTest::newRow("height above 2000") << QStringList{"--image", "g.png", "--size", "400x2001"} << 64;
    QTest::newRow("size without image") << QStringList{"--size", "800x600"} << 64;
    QTest::newRow("fit without image") << QStringList{"--fit"} << 64;
    QTest::newRow("unknown extension") << QStringList{"--image", "g.txt"} << 1;
}

void CliImageTest::rejectsBadSizesAndPaths()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    for (QString& argument : arguments)
        if (argument.startsWith("g."))
            argument = dir_.filePath(argument);
    const CliRun run = runCli(QStringList{"bode"} << arguments << program_);
    QCOMPARE(run.status, status);
    if (status == 1)
        QVERIFY(run.err.contains("Save image failed: 80004005"));
    QVERIFY(!QFile::exists(dir_.filePath("g.png")));
}

void CliImageTest::fullDiskKeepsTheOldImage_data() { addImageFileNameRows(); }

void CliImageTest::fullDiskKeepsTheOldImage()
{
    QFETCH(QString, name);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    const QByteArray old(3000, 'o');
    QVERIFY(writeBytes(path, old));
    const CliRun run = runCli(QStringList{"bode", "--image", path, program_}, 1);
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(QString(path + ": Save image failed: 80004005: File too large").toUtf8()), run.err);
    QCOMPARE(bytesOf(path), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

// An installed brenno-cli finds the image part in the installation's library folder.
void CliImageTest::drawsFromAnInstallation()
{
    const QString prefix = dir_.filePath("prefix");
    QProcess install;
    install.start(CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", prefix});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
    const QString path = dir_.filePath("installed.png");
    QProcess process;
    process.start(prefix + "/bin/brenno-cli", {"bode", "--image", path, program_});
    QVERIFY(process.waitForFinished(60000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    QCOMPARE(QImage(path).size(), QSize(400, 300));
}

// "-" names standard output, where the picture goes as PNG; no file of that name appears.
void CliImageTest::drawsToStandardOutputAsPng()
{
    QProcess process;
    process.setWorkingDirectory(dir_.path());
    process.start(BRENNO_CLI, {"bode", "--image", "-", "--size", "800x600", program_});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const QByteArray out = process.readAllStandardOutput();
    QVERIFY(out.startsWith("\x89PNG\r\n"));
    QCOMPARE(QImage::fromData(out, "PNG").size(), QSize(800, 600));
    QVERIFY(!QFile::exists(dir_.filePath("-")));

    const CliRun clash = runCli({"bode", "--image", "-", "--csv", "-", program_});
    QCOMPARE(clash.status, 64);
    QVERIFY(clash.out.isEmpty());
}

QTEST_MAIN(CliImageTest)
#include "cli_image_test.moc"
