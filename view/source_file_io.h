// Program source files: written in code page 932, read as UTF-8 when the bytes are
// valid UTF-8 and as code page 932 otherwise.
#pragma once
#include <QString>

// On failure, error holds the message for the user and text is untouched.
bool readSourceFile(const QString& path, QString& text, QString& error);

// Written through the one safe write path, so a failed save leaves the old file
// whole. A character that code page 932 cannot hold stops the save before anything is written.
bool writeSourceFile(const QString& path, const QString& text, QString& error);
