#include "baselines.h"

#include "text/textcodec.h"

#include <QFile>

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

QString readAndDecodeForeign(const QString &path)
{
    return text::decodeForeignText(readBytes(path));
}
