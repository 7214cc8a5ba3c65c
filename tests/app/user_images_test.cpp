#include "app/user_images.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

class UserImagesTest : public QObject {
    Q_OBJECT

private:
    QString bitmap(const QString& name, int width, int height, const char* format = "BMP")
    {
        QImage image(width, height, QImage::Format_RGB888);
        image.fill(Qt::red);
        const QString path = directory_.filePath(name);
        image.save(path, format);
        return path;
    }

    QTemporaryDir directory_;

private slots:
    void tilesOrNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("tiles");
        QTest::newRow("two tiles in a row") << bitmap("row.bmp", 32, 16) << 2;
        QTest::newRow("rows of tiles") << bitmap("grid.bmp", 48, 32) << 6;
        QTest::newRow("partial tiles dropped") << bitmap("partial.bmp", 40, 20) << 2;
        QTest::newRow("smaller than a tile") << bitmap("small.bmp", 8, 8) << 0;
        QTest::newRow("larger than 819200 bytes") << bitmap("large.bmp", 704, 400) << 0;
        QTest::newRow("small file of a huge picture") << bitmap("huge.png", 16, 16 * 5000, "PNG") << kMaxUserImages;
        QTest::newRow("missing") << directory_.filePath("missing.bmp") << 0;
        QTest::newRow("directory") << directory_.path() << 0;
        const QString garbage = directory_.filePath("garbage.bmp");
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("BM not really a bitmap");
        file.close();
        QTest::newRow("unreadable") << garbage << 0;
    }

    void tilesOrNothing()
    {
        QFETCH(QString, path);
        QFETCH(int, tiles);
        const QList<QPixmap> images = loadUserImages(path);
        QCOMPARE(images.size(), tiles);
        for (const QPixmap& image : images)
            QCOMPARE(image.size(), QSize(kUserImageSize, kUserImageSize));
    }

    void lightGreyBackgroundBecomesTransparent()
    {
        QImage image(32, 16, QImage::Format_RGB888);
        image.fill(QColor(192, 192, 192));
        image.setPixelColor(20, 5, Qt::blue);
        const QString path = directory_.filePath("keyed.bmp");
        QVERIFY(image.save(path, "BMP"));
        const QList<QPixmap> images = loadUserImages(path);
        QCOMPARE(images.size(), 2);
        const QImage second = images[1].toImage();
        QCOMPARE(second.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(second.pixelColor(4, 5), QColor(Qt::blue));
    }
};

QTEST_MAIN(UserImagesTest)
#include "user_images_test.moc"
