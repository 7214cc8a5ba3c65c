#include "app/about_dlg.h"
#include "app/toolbar_customizer.h"
#include "app_test_support.h"
#include "toolbar_fixture.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QPushButton* buttonTitled(const QWidget* dialog, const QString& text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

QStringList itemTexts(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

} // namespace

class CustomizeDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir directory_;

private slots:
    void toolbarPageShowsHidesAndManagesUserToolbars()
    {
        QSettings store(directory_.filePath(QStringLiteral("toolbars.ini")), QSettings::IniFormat);
        ToolbarFixtureWindow window(store);
        QVERIFY(window.toolbars->create(QStringLiteral("自作")));
        CToolbarCustomizeDlg dialog(window.toolbars, &window);
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("toolbarList"));
        QCOMPARE(itemTexts(list), (QStringList{QStringLiteral("標準"), QStringLiteral("自作")}));

        list->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(window.mainToolBar->isHidden());
        list->item(0)->setCheckState(Qt::Checked);
        QVERIFY(!window.mainToolBar->isHidden());

        QPushButton* rename = buttonTitled(&dialog, QStringLiteral("名前の変更(&M)..."));
        QPushButton* remove = buttonTitled(&dialog, QStringLiteral("削除(&D)"));
        QPushButton* reset = buttonTitled(&dialog, QStringLiteral("リセット(&R)"));
        list->setCurrentRow(0);
        QVERIFY(!rename->isEnabled() && !remove->isEnabled() && reset->isEnabled());
        list->setCurrentRow(1);
        QVERIFY(rename->isEnabled() && remove->isEnabled() && !reset->isEnabled());

        QTimer::singleShot(0, [] {
            auto* ask = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(ask);
            ask->setTextValue(QStringLiteral("  改名 "));
            ask->accept();
        });
        rename->click();
        QCOMPARE(list->item(1)->text(), QStringLiteral("改名"));
        QCOMPARE(window.toolbars->userToolbars().first()->windowTitle(), QStringLiteral("改名"));
        {
            MessageBoxAnswer no(QMessageBox::No);
            remove->click();
            QVERIFY(no.shown());
        }
        QCOMPARE(window.toolbars->userToolbars().size(), 1);
        {
            MessageBoxAnswer yes(QMessageBox::Yes);
            list->setCurrentRow(1);
            remove->click();
        }
        QVERIFY(window.toolbars->userToolbars().isEmpty());
        QCOMPARE(list->count(), 1);

        for (int made = 0; made < kMaxUserToolbars; ++made)
            QVERIFY(dialog.createToolbar(QStringLiteral("追加 %1").arg(made)));
        QVERIFY(!buttonTitled(&dialog, QStringLiteral("新規作成(&N)..."))->isEnabled());
        QVERIFY(!dialog.createToolbar(QStringLiteral("多すぎる")));
        QCOMPARE(list->count(), 1 + kMaxUserToolbars);
    }

    void commandPageAddsMovesAndRemovesCommands()
    {
        QSettings store(directory_.filePath(QStringLiteral("commands.ini")), QSettings::IniFormat);
        ToolbarFixtureWindow window(store);
        QToolBar* user = window.toolbars->create(QStringLiteral("自作"));
        CToolbarCustomizeDlg dialog(window.toolbars, &window);
        dialog.selectToolbar(user);
        auto* categories = dialog.findChild<QListWidget*>(QStringLiteral("categoryList"));
        auto* catalog = dialog.findChild<QListWidget*>(QStringLiteral("catalogList"));
        auto* commands = dialog.findChild<QListWidget*>(QStringLiteral("commandList"));
        QCOMPARE(itemTexts(categories), (QStringList{QStringLiteral("ファイル"), QStringLiteral("解析")}));

        categories->setCurrentRow(1);
        QCOMPARE(itemTexts(catalog).first(), QStringLiteral("ソース → ボード線図"));
        catalog->setCurrentRow(0);
        buttonTitled(&dialog, QStringLiteral("追加(&A) >>"))->click();
        catalog->setCurrentRow(2);
        buttonTitled(&dialog, QStringLiteral("追加(&A) >>"))->click();
        buttonTitled(&dialog, QStringLiteral("区切り線の追加(&S)"))->click();
        QCOMPARE(commands->count(), 3);
        QCOMPARE(toolbarCommands(user).at(1), window.command(ID_SAVE_GRAPH_CSV));
        QVERIFY(toolbarCommands(user).at(2)->isSeparator());

        commands->setCurrentRow(1);
        buttonTitled(&dialog, QStringLiteral("上へ(&U)"))->click();
        QCOMPARE(toolbarCommands(user).at(0), window.command(ID_SAVE_GRAPH_CSV));
        QCOMPARE(commands->currentRow(), 0);
        buttonTitled(&dialog, QStringLiteral("下へ(&W)"))->click();
        buttonTitled(&dialog, QStringLiteral("下へ(&W)"))->click();
        QCOMPARE(toolbarCommands(user).at(2), window.command(ID_SAVE_GRAPH_CSV));
        const QPointer<QAction> csv = window.command(ID_SAVE_GRAPH_CSV);
        buttonTitled(&dialog, QStringLiteral("<< 削除(&V)"))->click();
        QCOMPARE(toolbarCommands(user).size(), 2);
        QVERIFY(!toolbarCommands(user).contains(csv));
        QVERIFY(csv); // the menu keeps the command
    }

    void aboutBoxShowsNameVersionAndOk()
    {
        QApplication::setApplicationVersion(QStringLiteral("3.0.0"));
        CAboutDlg about;
        QCOMPARE(about.windowTitle(), QStringLiteral("バージョン情報 Brenno"));
        QStringList texts;
        bool hasIcon = false;
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            texts.append(label->text());
            hasIcon = hasIcon || !label->pixmap().isNull();
        }
        QVERIFY(texts.contains(QStringLiteral("Brenno")));
        QVERIFY(texts.contains(QStringLiteral("バージョン 3.0.0")));
        QVERIFY(hasIcon);
        about.show();
        about.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(CustomizeDialogTest)
#include "customize_dialog_test.moc"
