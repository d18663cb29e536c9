#include "os/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

namespace os {

namespace {

void putData(QMimeData *data)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setMimeData(data);
}

// The clipboard's data when it holds plain text in some charset, else null. Qt alone would also
// take a URL list (a file copied in a file manager) for text, and hand out its addresses.
const QMimeData *plainTextData()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return nullptr;
    const QStringList formats = data->formats();
    const bool plainText = std::any_of(formats.begin(), formats.end(), [](const QString &format) {
        return format == QLatin1String("text/plain")
               || format.startsWith(QLatin1String("text/plain;"));
    });
    return plainText ? data : nullptr;
}

} // namespace

void Clipboard::putText(const QString &text)
{
    auto *data = new QMimeData;
    data->setText(text);
    putData(data);
}

void Clipboard::putSecretText(const QString &text)
{
    auto *data = new QMimeData;
    data->setText(text);
#if defined(Q_OS_WIN)
    data->setData(
        QStringLiteral(
            "application/x-qt-windows-mime;value=\"ExcludeClipboardContentFromMonitorProcessing\""),
        QByteArray(4, '\0'));
#elif defined(Q_OS_MACOS)
    data->setData(QStringLiteral("application/x-nspasteboard-concealed-type"), QByteArray());
#else
    data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
#endif
    putData(data);
}

void Clipboard::clear() { QGuiApplication::clipboard()->clear(); }

bool Clipboard::hasText() const { return plainTextData() != nullptr; }

QString Clipboard::text() const
{
    const QMimeData *data = plainTextData();
    return data ? data->text() : QString();
}

} // namespace os
