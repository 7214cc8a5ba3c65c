#include "app/brenno_doc.h"

#include <QFileInfo>

#include "view/brenno_view.h"

CBrennoDoc::CBrennoDoc(QObject* parent) : QObject(parent) {}

void CBrennoDoc::OnNewDocument()
{
    pathName_.clear();
    SetTitle(QString());
}

bool CBrennoDoc::OnOpenDocument(const QString& path)
{
    if (!view_ || !view_->LoadSourceFile(path))
        return false;
    pathName_ = QFileInfo(path).absoluteFilePath();
    SetTitle(QFileInfo(path).fileName());
    return true;
}

void CBrennoDoc::SetTitle(const QString& title)
{
    title_ = title;
    emit titleChanged(title_);
}
