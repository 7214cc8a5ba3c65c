// Qt's own dialogs speak Japanese, like the rest of the interface.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "app/qt_translations.h"

class QtTranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(installQtTranslations(*QCoreApplication::instance())); }

    void standardButtonsReadInJapanese_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("Yes") << int(QDialogButtonBox::Yes) << QStringLiteral("はい(&Y)");
        QTest::newRow("No") << int(QDialogButtonBox::No) << QStringLiteral("いいえ(&N)");
        QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << QStringLiteral("キャンセル");
        QTest::newRow("Save") << int(QDialogButtonBox::Save) << QStringLiteral("保存");
    }

    void standardButtonsReadInJapanese()
    {
        QFETCH(int, button);
        QFETCH(QString, text);
        const auto standard = static_cast<QDialogButtonBox::StandardButton>(button);
        const QDialogButtonBox buttons{QDialogButtonBox::StandardButtons(standard)};
        QCOMPARE(buttons.button(standard)->text(), text);
    }

    // New's question, as the user meets it.
    void questionBoxReadsInJapanese()
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Brenno"), QStringLiteral("作業中のプログラムソースを破棄しますか."),
                        QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
        QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("いいえ(&N)"));
    }

    void fileDialogReadsInJapanese()
    {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            labels << label->text();
        QVERIFY2(labels.contains(QStringLiteral("ファイル名(&N):")) || labels.contains(QStringLiteral("ファイル名:")),
                 qPrintable(labels.join('|')));
    }
};

QTEST_MAIN(QtTranslationsTest)
#include "qt_translations_test.moc"
