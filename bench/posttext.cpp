#include "posttext.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype lineLength = 80;

// The characters of a line, taken in turn from a start that moves with every line so that lines
// differ from each other.
const QString japanese =
    u"これは引用される前の投稿の一行です。漢字と仮名が混じり、全角の記号（！？）も入る。"_s;
const QString ascii =
    u"The quick brown fox jumps over the lazy dog; 0123456789 <a href=\"x\">.,!?</a>"_s;

QString lineOf(const QString &characters, qsizetype number)
{
    QString line;
    line.reserve(lineLength + 2);
    for (qsizetype i = 0; i < lineLength; ++i)
        line += characters[(number + i) % characters.size()];
    return line + u"\r\n"_s;
}

} // namespace

QString postText(qsizetype windows31jBytes)
{
    // Two lines and an empty one every tenth: about 2 * 80 + 80 + 2 * 2 bytes each pair.
    QString text;
    text.reserve(windows31jBytes * 2 / 3 + lineLength * 2);
    qsizetype bytes = 0;
    for (qsizetype number = 0; bytes < windows31jBytes; ++number) {
        if (number % 10 == 9) {
            text += u"\r\n"_s;
            bytes += 2;
        } else if (number % 2 == 0) {
            text += lineOf(japanese, number);
            bytes += lineLength * 2 + 2;
        } else {
            text += lineOf(ascii, number);
            bytes += lineLength + 2;
        }
    }
    return text;
}
