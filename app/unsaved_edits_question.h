// The question asked before unsaved edits of the program source would be lost.
#pragma once
#include <QString>
#include <functional>

class QWidget;

enum class UnsavedEditsAnswer { Save, Discard, Cancel };

// Tests put a scripted answer in its place.
using UnsavedEditsQuestion = std::function<UnsavedEditsAnswer(QWidget* parent, const QString& documentTitle)>;

// 保存 / 破棄 / キャンセル, with the document's name when it has one; closing
// the box is Cancel.
UnsavedEditsAnswer askAboutUnsavedEdits(QWidget* parent, const QString& documentTitle);
