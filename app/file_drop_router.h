// Files dropped anywhere on the main window, its panes included, open through
// the document one after the other. Without it the editor and the output
// pane would take a dropped file as the text of its address.
#pragma once
#include <QObject>
#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

// The local files a drag carries, in order.
QStringList droppedFiles(const QMimeData* mime);

class FileDropRouter : public QObject {
public:
    // Opens one file; false leaves the rest of the drop unopened.
    using Open = std::function<bool(const QString& path)>;

    // Watches every drag over window and the widgets it holds, floating panes
    // included; drags of anything but local files go their usual way.
    FileDropRouter(QWidget* window, Open open);
    ~FileDropRouter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToWindow(QObject* object) const;

    QWidget* window_;
    Open open_;
};
