#pragma once

#include <QString>

class QWidget;

// The least work a command's file needs, done with the program's own codec and plain file
// access: what every path is measured against.
void encodeAndWrite(const QString &path, QStringView text);
QString readAndDecode(const QString &path);
// The same for a file from elsewhere, whose encoding is found from its bytes.
QString readAndDecodeForeign(const QString &path);
// The file read, decoded and put into a box of the Comment's kind: what a bare program that shows
// the file does.
void readDecodeAndFill(const QString &path, QWidget *box);
// Windows-31J the way the program did it before it had tables of its own, through Qt's converter
// (ICU): decoded a megabyte at a time, encoded with the result decoded again to catch best-fit
// mappings.
QString decodeThroughQt(QByteArrayView bytes);
QByteArray encodeThroughQt(QStringView text);
// The raw bytes of a file, for cases that prepare one.
void writeBytes(const QString &path, const QByteArray &bytes);
