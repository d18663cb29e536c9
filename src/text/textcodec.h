#pragma once

#include <QByteArray>
#include <QString>

namespace text {

// Every file of the program goes through these functions.
//
// Text is written in Windows-31J (the Japanese Windows code page, no byte-order mark) whenever
// that code page holds every character exactly and decodeText reads its bytes back as the same
// text, so files stay readable by the Windows tools our users share them with. Text it cannot hold
// (emoji, U+301C typed by Linux input methods, ...) is written as UTF-8 with a byte-order mark
// instead: nothing the user typed is ever lost.
QByteArray encodeText(QStringView text);

// Files of the Data folder, which other editors may have saved too (Notepad and most Linux
// editors write UTF-8 without a mark): a UTF-8 byte-order mark means UTF-8; bytes well-formed in
// only one of UTF-8 and Windows-31J are that one (ASCII alone is both); bytes well-formed in both
// are Windows-31J unless their UTF-8 reading is clearly the likelier text (likelytext.h).
QString decodeText(QByteArrayView bytes);

// Files from elsewhere, that the user picks or drops, were written by any program on any system:
// a byte-order mark names their encoding (UTF-8, UTF-16 LE or BE); without one, zero bytes on one
// side of the byte pairs only mean UTF-16 in that byte order; anything else is read as the Data
// folder's files are. Decoding never fails.
QString decodeForeignText(QByteArrayView bytes);

} // namespace text
