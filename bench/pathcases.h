#pragma once

#include <QString>
#include <QStringList>

// The commands that move large text between the program's boxes, the clipboard and files, each
// paired with the least work its files need: the text encoded and written, or read and decoded.
QStringList pathCaseNames();
// Runs one of them on a text of about this many megabytes; false for a name that is none.
bool runPathCase(const QString &name, qsizetype megabytes);
