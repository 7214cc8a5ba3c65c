// Program source files: written in code page 932, read back as written; files
// from other editors in UTF-8 open as UTF-8 where their bytes tell them apart.
#pragma once
#include <QString>

// The text as the editor holds it once opened (see editorTextOf). A folder, a
// pipe, a device or a file over 4 MiB is refused. On failure, error holds the
// message for the user and text is untouched.
bool readSourceFile(const QString& path, QString& text, QString& error);

// Written through the one safe write path, so a failed save leaves the old file
// whole. A character that code page 932 cannot hold stops the save before anything is written.
bool writeSourceFile(const QString& path, const QString& text, QString& error);
