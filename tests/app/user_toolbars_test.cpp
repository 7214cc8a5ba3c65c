#include "app/toolbar_customizer.h"
#include "app/toolbar_quick_customize.h"
#include "toolbar_fixture.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

QList<QAction*> commandsOf(const ToolbarFixtureWindow& window, std::initializer_list<int> ids)
{
    QList<QAction*> commands;
    for (int id : ids)
        commands.append(id ? window.command(id) : nullptr);
    return commands;
}

// Separators compare as null, since each toolbar has its own.
QList<QAction*> shownCommands(const QToolBar* toolbar)
{
    QList<QAction*> commands = toolbarCommands(toolbar);
    for (QAction*& command : commands) {
        if (command->isSeparator())
            command = nullptr;
    }
    return commands;
}

void dropButton(QToolBar* source, QAction* command, QToolBar* target, QAction* before, Qt::KeyboardModifiers modifiers)
{
    std::unique_ptr<QMimeData> data(ToolbarQuickCustomizer::createButtonData(source, command));
    QApplication::processEvents();
    const QRect place = before ? target->actionGeometry(before) : QRect();
    const QPoint position = before ? QPoint(place.left() + 1, place.center().y()) : QPoint(target->width() - 2, 2);
    const Qt::DropActions actions = Qt::MoveAction | Qt::CopyAction;
    QDragEnterEvent enter(position, actions, data.get(), Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(position, actions, data.get(), Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &drop);
}

} // namespace

class UserToolbarsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ToolbarFixtureWindow> start(const QList<QPixmap>& userImages = {})
    {
        QSettings store(storePath(), QSettings::IniFormat);
        auto window = std::make_unique<ToolbarFixtureWindow>(store, userImages);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the test window was not exposed");
        return window;
    }

    std::unique_ptr<ToolbarFixtureWindow> restart(std::unique_ptr<ToolbarFixtureWindow> window,
                                                  const QList<QPixmap>& userImages = {})
    {
        {
            QSettings store(storePath(), QSettings::IniFormat);
            window->toolbars->save(store);
        }
        window.reset();
        return start(userImages);
    }

    QString storePath() const { return directory_.filePath(QStringLiteral("store.ini")); }

    QTemporaryDir directory_;

private slots:
    void init() { QFile::remove(storePath()); }

    void userToolbarWithTwoCommandsSurvivesRestartAndRunsThem()
    {
        auto window = start();
        QString name;
        {
            CToolbarCustomizeDlg dialog(window->toolbars, window.get());
            QToolBar* made = dialog.createToolbar(QStringLiteral("解析ボタン"));
            QVERIFY(made);
            QVERIFY(made->isVisible());
            dialog.addCommand(window->command(ID_FILT_ANALYSIS));
            dialog.addCommand(window->command(ID_FILE_SAVE));
            name = made->objectName();
        }

        window = restart(std::move(window));
        QToolBar* restored = window->toolbarNamed(name);
        QVERIFY(restored);
        QCOMPARE(restored->windowTitle(), QStringLiteral("解析ボタン"));
        QVERIFY(window->toolbars->isUserToolbar(restored));
        QCOMPARE(toolbarCommands(restored), commandsOf(*window, {ID_FILT_ANALYSIS, ID_FILE_SAVE}));
        for (int id : {ID_FILT_ANALYSIS, ID_FILE_SAVE})
            QTest::mouseClick(restored->widgetForAction(window->command(id)), Qt::LeftButton);
        QCOMPARE(window->runs.value(ID_FILT_ANALYSIS), 1);
        QCOMPARE(window->runs.value(ID_FILE_SAVE), 1);
        QCOMPARE(restored->actions().size(), 3); // the two commands and the customise button
        QVERIFY(isCustomizeButton(restored->actions().last()));
    }

    void atMostTenUserToolbarsRenamedAndDeletedOnesKeptAcrossRestart()
    {
        auto window = start();
        QList<QToolBar*> made;
        for (int i = 0; i < kMaxUserToolbars; ++i)
            made.append(window->toolbars->create(window->toolbars->proposedName()));
        QVERIFY(!made.contains(nullptr));
        QVERIFY(!window->toolbars->canCreate());
        QVERIFY(!window->toolbars->create(QStringLiteral("11")));
        window->toolbars->rename(made[2], QStringLiteral("改名"));
        const QString renamedName = made[2]->objectName();
        const QString freedName = made[4]->objectName();
        window->toolbars->remove(made[4]);
        QVERIFY(!window->toolbars->toolbars().contains(made[4]));

        window = restart(std::move(window));
        QCOMPARE(window->toolbars->userToolbars().size(), kMaxUserToolbars - 1);
        QCOMPARE(window->toolbarNamed(renamedName)->windowTitle(), QStringLiteral("改名"));
        QVERIFY(!window->toolbarNamed(freedName));
        QToolBar* again = window->toolbars->create(QStringLiteral("再作成"));
        QVERIFY(again);
        QCOMPARE(again->objectName(), freedName);
    }

    void customisedBuiltInToolbarSurvivesRestartAndResets()
    {
        auto window = start();
        setToolbarCommands(window->mainToolBar, commandsOf(*window, {ID_SAVE_GRAPH_CSV, 0, ID_FILE_NEW}));
        window->mainToolBar->hide();

        window = restart(std::move(window));
        QCOMPARE(shownCommands(window->mainToolBar), commandsOf(*window, {ID_SAVE_GRAPH_CSV, 0, ID_FILE_NEW}));
        window->toolbars->reset(window->mainToolBar);
        const std::initializer_list<int> defaults = {ID_FILE_NEW, ID_FILE_OPEN, 0, ID_BODE_ANALYSIS};
        QCOMPARE(shownCommands(window->mainToolBar), commandsOf(*window, defaults));

        window = restart(std::move(window));
        QCOMPARE(shownCommands(window->mainToolBar), commandsOf(*window, defaults));
    }

    void storedEntriesThatNoLongerFitAreSkipped()
    {
        {
            QSettings store(storePath(), QSettings::IniFormat);
            store.beginGroup(QStringLiteral("Toolbars"));
            store.beginWriteArray(QStringLiteral("User"));
            const QList<std::pair<int, QString>> entries = {
                {kFirstUserToolbarId, QStringLiteral("残る")},
                {kFirstUserToolbarId, QStringLiteral("同じ番号")},
                {kFirstUserToolbarId + kMaxUserToolbars, QStringLiteral("範囲外")},
                {kFirstUserToolbarId + 1, QString()},
            };
            for (int i = 0; i < entries.size(); ++i) {
                store.setArrayIndex(i);
                store.setValue(QStringLiteral("Id"), entries[i].first);
                store.setValue(QStringLiteral("Name"), entries[i].second);
                store.setValue(QStringLiteral("Commands"), QStringList{"57600", "99999", "-", "57601"});
            }
            store.endArray();
            store.endGroup();
        }
        auto window = start();
        QCOMPARE(window->toolbars->userToolbars().size(), 1);
        QToolBar* kept = window->toolbars->userToolbars().first();
        QCOMPARE(kept->windowTitle(), QStringLiteral("残る"));
        QCOMPARE(shownCommands(kept), commandsOf(*window, {ID_FILE_NEW, 0, ID_FILE_OPEN}));
    }

    // A damaged or hostile store: sizes far past any real list, values of the
    // wrong kind. Start-up neither hangs nor crashes, and takes what fits.
    void hostileStoreIsReadWithinBounds()
    {
        const QByteArray separators = QByteArray("-, ").repeated(100000);
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Toolbars]\n"
                   "User\\size=2147483647\n"
                   "User\\1\\Id=" + QByteArray::number(kFirstUserToolbarId) + "\n"
                   "User\\1\\Name=kept\n"
                   "User\\1\\Commands=57600, " + separators + "57601\n"
                   "User\\2\\Id=@ByteArray(not a number)\n"
                   "User\\2\\Name=a, list, not, a, name\n"
                   "BuiltIn\\size=2147483647\n"
                   "BuiltIn\\1\\Toolbar=MainToolBar\n"
                   "BuiltIn\\1\\Commands=" + separators + "57600\n"
                   "Images\\size=-7\n");
        file.close();
        auto window = start();
        QCOMPARE(window->toolbars->userToolbars().size(), 1);
        QToolBar* kept = window->toolbars->userToolbars().first();
        QCOMPARE(kept->windowTitle(), QStringLiteral("kept"));
        QVERIFY(toolbarCommands(kept).size() <= 256);
        QVERIFY(toolbarCommands(window->mainToolBar).size() <= 256);

        {
            QSettings store(storePath(), QSettings::IniFormat);
            store.beginGroup(QStringLiteral("Toolbars"));
            store.remove(QString());
            store.setValue(QStringLiteral("Images/size"), 2147483647);
            store.setValue(QStringLiteral("Images/1/Command"), QStringLiteral("57600"));
            store.setValue(QStringLiteral("Images/1/Image"), 2147483647);
        }
        window = start();
        QCOMPARE(window->toolbars->userToolbars().size(), 0);
    }

    void altDraggedButtonMovesAndWithCtrlCopies()
    {
        auto window = start();
        QToolBar* user = window->toolbars->create(QStringLiteral("ドロップ先"));
        QToolBar* main = window->mainToolBar;
        QAction* open = window->command(ID_FILE_OPEN);
        QAction* bode = window->command(ID_BODE_ANALYSIS);

        dropButton(main, bode, user, nullptr, Qt::AltModifier);
        QCOMPARE(toolbarCommands(user), QList<QAction*>{bode});
        QVERIFY(!toolbarCommands(main).contains(bode));

        dropButton(main, open, user, bode, Qt::AltModifier | Qt::ControlModifier);
        QCOMPARE(toolbarCommands(user), (QList<QAction*>{open, bode}));
        QVERIFY(toolbarCommands(main).contains(open));

        dropButton(user, bode, user, open, Qt::AltModifier);
        QCOMPARE(toolbarCommands(user), (QList<QAction*>{bode, open}));
    }

    void assignedUserImageSurvivesRestart()
    {
        QPixmap red(16, 16);
        red.fill(Qt::red);
        QPixmap blue(16, 16);
        blue.fill(Qt::blue);
        const QList<QPixmap> images{red, blue};
        auto window = start(images);
        window->toolbars->setCommandImage(window->command(ID_FILE_SAVE), 1);

        window = restart(std::move(window), images);
        QAction* save = window->command(ID_FILE_SAVE);
        QCOMPARE(window->toolbars->commandImage(save), 1);
        QCOMPARE(save->icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::blue));
        window->toolbars->setCommandImage(save, -1);
        QCOMPARE(save->icon().pixmap(16, 16).toImage(), commandIcon(ID_FILE_SAVE).pixmap(16, 16).toImage());
    }
};

QTEST_MAIN(UserToolbarsTest)
#include "user_toolbars_test.moc"
