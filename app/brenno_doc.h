// The document: no data of its own. It names the window, hands a file it opens
// to the view's source loader and asks before unsaved edits would be lost.
#pragma once
#include <QObject>
#include <QString>

#include "app/unsaved_edits_question.h"

class CBrennoView;

enum class OpenOutcome { Opened, Failed, Cancelled };

class CBrennoDoc : public QObject {
    Q_OBJECT
public:
    explicit CBrennoDoc(QObject* parent = nullptr);

    void AttachView(CBrennoView* view) { view_ = view; }
    void SetUnsavedEditsQuestion(UnsavedEditsQuestion question) { question_ = std::move(question); }

    // An untitled document.
    void OnNewDocument();
    // The one way a file reaches the editor (open command, command line, drops):
    // the file is read, unsaved edits are asked about, then the text replaces
    // the editor's and the file names the document. Failed: the file could not
    // be read (already reported); Cancelled: the user kept the edits.
    OpenOutcome OpenDocumentFile(const QString& path);
    // The editor's text is now the file's: the file names the document.
    void OnDocumentSaved(const QString& path);

    // True when nothing unsaved is left to lose: no edits, the user saved them
    // or chose to discard them. False when the user cancelled or the save failed.
    bool SaveModified();

    QString Title() const { return title_; }
    QString PathName() const { return pathName_; }
    void SetTitle(const QString& title);

signals:
    void titleChanged(const QString& title);
    // The document is named after a file it opened or saved.
    void pathNameChanged(const QString& path);

private:
    void setPathName(const QString& path);

    CBrennoView* view_ = nullptr;
    UnsavedEditsQuestion question_ = askAboutUnsavedEdits;
    QString title_;
    QString pathName_;
};
