#include "app/brenno_doc.h"

#include <QFileInfo>

#include "view/brenno_view.h"

CBrennoDoc::CBrennoDoc(QObject* parent) : QObject(parent) {}

void CBrennoDoc::OnNewDocument()
{
    pathName_.clear();
    SetTitle(QString());
}

OpenOutcome CBrennoDoc::OpenDocumentFile(const QString& path)
{
    QString text;
    if (!view_ || !view_->ReadSourceFile(path, text))
        return OpenOutcome::Failed;
    if (!SaveModified())
        return OpenOutcome::Cancelled;
    view_->LoadSourceText(text);
    setPathName(path);
    return OpenOutcome::Opened;
}

void CBrennoDoc::OnDocumentSaved(const QString& path) { setPathName(path); }

bool CBrennoDoc::SaveModified()
{
    if (!view_ || !view_->IsSourceModified())
        return true;
    switch (question_(view_->window(), title_)) {
    case UnsavedEditsAnswer::Save: return view_->SaveSourceFile();
    case UnsavedEditsAnswer::Discard: return true;
    case UnsavedEditsAnswer::Cancel: break;
    }
    return false;
}

void CBrennoDoc::SetTitle(const QString& title)
{
    title_ = title;
    emit titleChanged(title_);
}

void CBrennoDoc::setPathName(const QString& path)
{
    pathName_ = QFileInfo(path).absoluteFilePath();
    SetTitle(QFileInfo(path).fileName());
    emit pathNameChanged(pathName_);
}
