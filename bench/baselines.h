#pragma once

#include <QString>

// The least work a command's file needs, done with the program's own codec and plain file
// access: what every path is measured against.
void encodeAndWrite(const QString &path, QStringView text);
QString readAndDecode(const QString &path);
// The same for a file from elsewhere, whose encoding is found from its bytes.
QString readAndDecodeForeign(const QString &path);
// The raw bytes of a file, for cases that prepare one.
void writeBytes(const QString &path, const QByteArray &bytes);
