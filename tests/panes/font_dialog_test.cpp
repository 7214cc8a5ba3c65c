// The font dialogs open on the font a control really shows, in the size the
// panes show for it.
#include <QFontDialog>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/qt_translations.h"
#include "panes/edit_text_wnd.h"
#include "panes/property_grid_editors.h"
#include "panes/property_grid_list_font.h"
#include "panes/property_grid_text.h"

namespace {

// Runs answer on the next font dialog once it is open.
void answerNextFontDialog(const std::function<void(QFontDialog*)>& answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(10);
}

}  // namespace

class FontDialogTest : public QObject {
    Q_OBJECT
private slots:
    // As in the application: Qt's translation names the styles in Japanese.
    void initTestCase() { QVERIFY(installQtTranslations(*QCoreApplication::instance())); }

    void editorDialogOpensOnTheEditorsFontAndKeepsItsFixedPitch()
    {
        CEditTextWnd pane;
        const QFontInfo before(pane.editor()->font());
        QVERIFY(before.fixedPitch());
        QFont opened;
        answerNextFontDialog([&opened](QFontDialog* dialog) {
            opened = dialog->currentFont();
            dialog->accept();
        });
        pane.OnEditorFont();
        QCOMPARE(opened.family(), before.family());
        QCOMPARE(opened.pointSize(), before.pointSize());
        QCOMPARE(opened.weight(), before.weight());
        QCOMPARE(opened.italic(), before.italic());
        const QFontInfo after(pane.editor()->font());
        QCOMPARE(after.family(), before.family());
        QCOMPARE(after.weight(), before.weight());
        QVERIFY(after.fixedPitch());
    }

    // The list font is set in pixels; the property and the dialog both speak points.
    void fontPropertyShowsTheSizeItsDialogOpensOn()
    {
        const QFont listFont = paneListFont();
        QVERIFY(listFont.pixelSize() > 0);
        QFont opened;
        answerNextFontDialog([&opened](QFontDialog* dialog) {
            opened = dialog->currentFont();
            dialog->reject();
        });
        QVERIFY(!standardGridDialogs().pickFont(listFont, nullptr));
        QCOMPARE(showFont(listFont), QString("%1(%2)").arg(opened.family()).arg(opened.pointSize()));
        QCOMPARE(opened.pointSize(), QFontInfo(listFont).pointSize());
    }
};

QTEST_MAIN(FontDialogTest)
#include "font_dialog_test.moc"
