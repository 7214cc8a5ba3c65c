#include "view/source_file_io.h"

#include <QFile>
#include <string>

#include "analysis/atomic_file_write.h"
#include "analysis/program_file_read.h"
#include "lang/encoding.h"
#include "lang/editor_text.h"

namespace {

QString unrepresentableMessage(const Cp932Failure& failure)
{
    return QStringLiteral("Couldn't save source file: the character \"%1\" on line %2 cannot be written in code page 932.")
        .arg(QString::fromStdString(failure.badChar))
        .arg(failure.line);
}

}  // namespace

bool readSourceFile(const QString& path, QString& text, QString& error)
{
    std::string bytes;
    ProgramReadFailure failure;
    if (!readProgramFile(QFile::encodeName(path).toStdString(), bytes, failure)) {
        const char* message = failure.step == ProgramReadStep::Open ? "Couldn't open source file: "
                                                                    : "Couldn't read source file: ";
        error = QString::fromLatin1(message) + QString::fromStdString(failure.reason);
        return false;
    }
    text = QString::fromStdString(editorTextOf(bytes));
    return true;
}

bool writeSourceFile(const QString& path, const QString& text, QString& error)
{
    std::string bytes;
    Cp932Failure unrepresentable;
    if (!utf8ToCp932Strict(text.toStdString(), bytes, unrepresentable)) {
        error = unrepresentableMessage(unrepresentable);
        return false;
    }
    FileWriteFailure failure;
    if (writeFileAtomically(QFile::encodeName(path).toStdString(), bytes, failure))
        return true;
    const char* message = failure.step == FileWriteStep::Create ? "Couldn't open destination file: "
                                                                : "Couldn't write destination file: ";
    error = QString::fromLatin1(message) + QString::fromStdString(failure.reason);
    return false;
}
