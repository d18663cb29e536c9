#include "baselines.h"

#include "platform/textcodec.h"

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
    writeBytes(path, platform::encodeText(text));
}

QString readAndDecode(const QString &path) { return platform::decodeText(readBytes(path)); }

QString readAndDecodeForeign(const QString &path)
{
    return platform::decodeForeignText(readBytes(path));
}
