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

QList<std::pair<QString, QByteArray>> secretTextMarks()
{
#if defined(Q_OS_WIN)
    // Registered clipboard formats, reached through Qt's Windows mime handling: clipboard
    // monitors skip the text, and Windows keeps it neither in the clipboard history nor in the
    // cloud clipboard (each a DWORD 0).
    const auto windowsFormat = [](const char *name) {
        return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"")
            .arg(QLatin1String(name));
    };
    const QByteArray dwordZero(4, '\0');
    return {{windowsFormat("ExcludeClipboardContentFromMonitorProcessing"), dwordZero},
            {windowsFormat("CanIncludeInClipboardHistory"), dwordZero},
            {windowsFormat("CanUploadToCloudClipboard"), dwordZero}};
#elif defined(Q_OS_MACOS)
    return {{QStringLiteral("application/x-nspasteboard-concealed-type"), QByteArray()}};
#else
    return {{QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret")}};
#endif
}

void Clipboard::putSecretText(const QString &text)
{
    auto *data = new QMimeData;
    data->setText(text);
    for (const auto &[format, bytes] : secretTextMarks())
        data->setData(format, bytes);
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
