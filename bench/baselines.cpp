#include "baselines.h"

#include "text/textcodec.h"
#include "widgets/textbox.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

} // namespace

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void encodeAndWrite(const QString &path, QStringView text)
{
    writeBytes(path, text::encodeText(text));
}

QString readAndDecode(const QString &path) { return text::decodeText(readBytes(path)); }

void readDecodeAndFill(const QString &path, QWidget *box)
{
    widgets::setBoxText(box, readAndDecode(path));
}

QString decodeThroughQt(QByteArrayView bytes)
{
    // A megabyte at a time into a text reserved for a character a byte, then squeezed, with a NUL
    // after the last chunk to make a lead byte cut off by the end a replacement character.
    constexpr qsizetype chunkSize = 1024 * 1024;
    QStringDecoder decoder("windows-31j");
    if (!decoder.isValid())
        qFatal("this Qt has no Windows-31J converter (no ICU)");
    QString text;
    text.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size(); at += chunkSize)
        text += decoder.decode(bytes.sliced(at, std::min(chunkSize, bytes.size() - at)));
    text += QString(decoder.decode(QByteArrayView("", 1))).chopped(1);
    text.squeeze();
    return text;
}

QByteArray encodeThroughQt(QStringView text)
{
    QStringEncoder encoder("windows-31j");
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError() || decodeThroughQt(bytes) != text)
        qFatal("the text is not Windows-31J");
    return bytes;
}

QString readAndDecodeForeign(const QString &path)
{
    return text::decodeForeignText(readBytes(path));
}
