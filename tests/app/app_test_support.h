// Helpers for the application tests: a private settings store, answers to
// message boxes, and a user of their own for the program started as a process.
#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The environment of a user of their own: runtime folder (where the lock lives)
// and settings in home, and no display.
inline QProcessEnvironment environmentOfUser(const QTemporaryDir& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", home.path());
    environment.insert("XDG_CONFIG_HOME", home.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    return environment;
}

// Keeps the user's own settings out of reach for the life of the test process.
inline void useTemporarySettings(const QTemporaryDir& directory)
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, directory.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, directory.path());
}

// Shows the window and waits until it has the keyboard.
inline bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Presses a button of the next message box that opens with that button, and
// keeps its text.
class MessageBoxAnswer : public QObject {
public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton button) : button_(button)
    {
        connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswer::answer);
        timer_.start(10);
    }

    bool shown() const { return shown_; }
    QString text() const { return text_; }
    QString informativeText() const { return informativeText_; }
    QMessageBox::Icon icon() const { return icon_; }

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->button(button_))
            return;
        timer_.stop();
        shown_ = true;
        text_ = box->text();
        informativeText_ = box->informativeText();
        icon_ = box->icon();
        box->button(button_)->click();
    }

    QMessageBox::StandardButton button_;
    QTimer timer_;
    bool shown_ = false;
    QString text_;
    QString informativeText_;
    QMessageBox::Icon icon_ = QMessageBox::NoIcon;
};

// Runs action on the next modal dialog of that kind once it is open.
template <typename Dialog, typename Action>
void onNextDialog(Action action)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            action(dialog);
        }
    });
    poll->start(10);
}

// Types the name into the dialog, as a user would, and presses Save or Open.
// The dialog must be Qt's own (Qt::AA_DontUseNativeDialogs).
inline void acceptFileDialog(QFileDialog* dialog, const QString& path)
{
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
    static_cast<QDialog*>(dialog)->accept();
}
