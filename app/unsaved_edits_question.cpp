#include "app/unsaved_edits_question.h"

#include <QMessageBox>
#include <QPushButton>

UnsavedEditsAnswer askAboutUnsavedEdits(QWidget* parent, const QString& documentTitle)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Brenno"),
                    QStringLiteral("作業中のプログラムソースは変更されています。変更を保存しますか?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    if (!documentTitle.isEmpty())
        box.setInformativeText(documentTitle);
    box.button(QMessageBox::Save)->setText(QStringLiteral("保存"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("破棄"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save: return UnsavedEditsAnswer::Save;
    case QMessageBox::Discard: return UnsavedEditsAnswer::Discard;
    default: return UnsavedEditsAnswer::Cancel;
    }
}
