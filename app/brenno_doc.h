// The document: no data of its own. It names the window and hands a file it opens
// to the view's source loader.
#pragma once
#include <QObject>
#include <QString>

class CBrennoView;

class CBrennoDoc : public QObject {
    Q_OBJECT
public:
    explicit CBrennoDoc(QObject* parent = nullptr);

    void AttachView(CBrennoView* view) { view_ = view; }

    // An untitled document.
    void OnNewDocument();
    // Loads the file into the source editor; only then the file names the document.
    bool OnOpenDocument(const QString& path);

    QString Title() const { return title_; }
    QString PathName() const { return pathName_; }
    void SetTitle(const QString& title);

signals:
    void titleChanged(const QString& title);

private:
    CBrennoView* view_ = nullptr;
    QString title_;
    QString pathName_;
};
