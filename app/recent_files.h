// The recent-file list: the last four program sources the document was named
// after, newest first. It lives in the settings store and is shown in the File
// menu above Exit, where choosing an entry opens that file again.
#pragma once
#include <QList>
#include <QObject>
#include <QStringList>

class QAction;
class QMenu;

class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kEntryCount = 4;

    // Reads the list from the settings store and puts its entries into the menu before `before`.
    RecentFiles(QMenu* menu, QAction* before, QObject* parent);

    const QStringList& paths() const { return paths_; }
    // Puts the path first, stored at once; the oldest entry beyond four drops out.
    void add(const QString& path);
    // Takes out a path that can no longer be opened.
    void remove(const QString& path);
    // Like Open, the entries wait while a run works on the program.
    void setEnabled(bool enabled);
    const QList<QAction*>& entries() const { return entries_; }

signals:
    void openRequested(const QString& path);

private:
    void store() const;
    void showEntries();

    QStringList paths_;
    QList<QAction*> entries_;
    QAction* separator_;
};
