#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "view/size_dialog.h"

class SizeDialogTest : public QObject {
    Q_OBJECT

private slots:
    void readsOneSide_data();
    void readsOneSide();
    void showsTheCurrentSizeAndItsTexts();
    void okTakesValidSizes();
    void badWidthKeepsTheDialogOpen();
};

void SizeDialogTest::readsOneSide_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("problem");

    const QString notInteger = "整数を入力してください。";
    const QString widthRange = "400 から 2000 までの整数を入力してください。";
    QTest::newRow("lowest") << "400" << 400 << true << 400 << "";
    QTest::newRow("highest") << "2000" << 400 << true << 2000 << "";
    QTest::newRow("blanks and sign") << " +800 " << 400 << true << 800 << "";
    QTest::newRow("below") << "399" << 400 << false << 0 << widthRange;
    QTest::newRow("above") << "2001" << 400 << false << 0 << widthRange;
    QTest::newRow("huge") << "99999999999999999999999" << 400 << false << 0 << widthRange;
    QTest::newRow("height below") << "250" << 300 << false << 0
                                  << "300 から 2000 までの整数を入力してください。";
    QTest::newRow("empty") << "" << 400 << false << 0 << notInteger;
    QTest::newRow("trailing letters") << "800px" << 400 << false << 0 << notInteger;
    QTest::newRow("decimal") << "800.5" << 400 << false << 0 << notInteger;
    QTest::newRow("wide digits") << "８００" << 400 << false << 0 << notInteger;
}

void SizeDialogTest::readsOneSide()
{
    QFETCH(QString, text);
    QFETCH(int, minimum);
    QFETCH(bool, accepted);
    QFETCH(int, value);
    QFETCH(QString, problem);
    int read = 0;
    QString message;
    QCOMPARE(readImageSide(text, minimum, 2000, read, message), accepted);
    QCOMPARE(read, value);
    QCOMPARE(message, problem);
}

void SizeDialogTest::showsTheCurrentSizeAndItsTexts()
{
    CDialogExSize dialog;
    dialog.imageWidth = 640;
    dialog.imageHeight = 480;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("サイズ変更"));
    QCOMPARE(dialog.findChild<QLineEdit*>("imageWidth")->text(), QString("640"));
    QCOMPARE(dialog.findChild<QLineEdit*>("imageHeight")->text(), QString("480"));
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    QCOMPARE(labels, (QStringList{"水平方向(H)\n400～2000", "垂直方向(V)\n300～2000", "（保存画像サイズ）"}));
    QStringList buttons;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        buttons << button->text();
    QCOMPARE(buttons, (QStringList{"OK", "キャンセル"}));
}

void SizeDialogTest::okTakesValidSizes()
{
    CDialogExSize dialog;
    dialog.show();
    dialog.findChild<QLineEdit*>("imageWidth")->setText("800");
    dialog.findChild<QLineEdit*>("imageHeight")->setText("600");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.imageWidth, 800);
    QCOMPARE(dialog.imageHeight, 600);
}

void SizeDialogTest::badWidthKeepsTheDialogOpen()
{
    CDialogExSize dialog;
    dialog.imageWidth = 500;
    dialog.show();
    auto* width = dialog.findChild<QLineEdit*>("imageWidth");
    width->setText("2001");
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    dialog.accept();
    QCOMPARE(shown, QString("400 から 2000 までの整数を入力してください。"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.imageWidth, 500);
    QCOMPARE(width->selectedText(), QString("2001"));
}

QTEST_MAIN(SizeDialogTest)
#include "size_dialog_test.moc"
