#include "os/textfiles.h"

#include "os/dialogs.h"
#include "os/filesystem.h"
#include "os/services.h"
#include "text/textcodec.h"

#include <QDir>

namespace os {

namespace {

QString whatFailed(FileFailure failure)
{
    switch (failure) {
    case FileFailure::NotSaved:
        return QStringLiteral("ファイル「%1」に保存できませんでした。");
    case FileFailure::NotRead:
        return QStringLiteral("ファイル「%1」を読み込めませんでした。");
    case FileFailure::NotDeleted:
        return QStringLiteral("ファイル「%1」を削除できませんでした。");
    case FileFailure::FolderNotCreated:
        return QStringLiteral("フォルダ「%1」を作成できませんでした。");
    case FileFailure::NotShownInBrowser:
        return QStringLiteral("ファイル「%1」をブラウザで表示できませんでした。");
    }
    Q_UNREACHABLE();
}

} // namespace

bool writeTextFile(Services &services, const QString &path, QStringView text)
{
    QString reason;
    if (services.files.write(path, text::encodeText(text), &reason))
        return true;
    reportFileFailure(services, FileFailure::NotSaved, path, reason);
    return false;
}

std::optional<QString> readTextFile(Services &services, const QString &path)
{
    QString reason;
    if (const auto bytes = services.files.read(path, &reason))
        return text::decodeText(*bytes);
    reportFileFailure(services, FileFailure::NotRead, path, reason);
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
    reportFileFailure(services, FileFailure::NotDeleted, path, reason);
    return false;
}

void reportFileFailure(Services &services, FileFailure failure, const QString &path,
                       const QString &reason)
{
    services.dialogs.inform(whatFailed(failure).arg(QDir::toNativeSeparators(path))
                            + QStringLiteral("\n理由: ") + reason);
}

} // namespace os
