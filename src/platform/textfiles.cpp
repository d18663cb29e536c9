#include "platform/textfiles.h"

#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/services.h"
#include "platform/textcodec.h"

#include <QDir>

namespace platform {

namespace {

void report(Services &services, const QString &what, const QString &path, const QString &reason)
{
    services.dialogs.inform(what.arg(QDir::toNativeSeparators(path)) + QStringLiteral("\n理由: ")
                            + reason);
}

} // namespace

bool writeTextFile(Services &services, const QString &path, QStringView text)
{
    QString reason;
    if (services.files.write(path, encodeText(text), &reason))
        return true;
    report(services, QStringLiteral("ファイル「%1」に保存できませんでした。"), path, reason);
    return false;
}

std::optional<QString> readTextFile(Services &services, const QString &path)
{
    QString reason;
    if (const auto bytes = services.files.read(path, &reason))
        return decodeText(*bytes);
    reportNotRead(services, path, reason);
    return std::nullopt;
}

std::optional<QString> readTextFileIfPresent(Services &services, const QString &path)
{
    if (!services.files.isPresentFile(path))
        return std::nullopt;
    return readTextFile(services, path);
}

bool deleteFile(Services &services, const QString &path)
{
    QString reason;
    if (services.files.remove(path, &reason))
        return true;
    report(services, QStringLiteral("ファイル「%1」を削除できませんでした。"), path, reason);
    return false;
}

void reportNotRead(Services &services, const QString &path, const QString &reason)
{
    report(services, QStringLiteral("ファイル「%1」を読み込めませんでした。"), path, reason);
}

void reportFolderNotCreated(Services &services, const QString &path, const QString &reason)
{
    report(services, QStringLiteral("フォルダ「%1」を作成できませんでした。"), path, reason);
}

} // namespace platform
