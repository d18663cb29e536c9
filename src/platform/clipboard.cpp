#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

namespace {

void putData(QMimeData *data)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setMimeData(data);
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

bool Clipboard::hasText() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

QString Clipboard::text() const { return QGuiApplication::clipboard()->text(); }

} // namespace platform
