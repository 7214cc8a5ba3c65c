// The status bar's part of a long run: its progress in percent and a button
// that cancels it. Hidden while no run lasts.
#pragma once
#include <QWidget>

class QProgressBar;
class QPushButton;

class RunStatus : public QWidget {
    Q_OBJECT
public:
    explicit RunStatus(QWidget* parent = nullptr);

    void showProgress();
    void setPercent(int percent);
    QProgressBar* progressBar() const { return bar_; }
    QPushButton* cancelButton() const { return cancel_; }

signals:
    void cancelRequested();

private:
    QProgressBar* bar_;
    QPushButton* cancel_;
};
