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

// The user's save comes before the background copy of what was not saved: that copy waits, and on
// a full disk gives up its room for one more try. It stands in for the files only until they are
// saved, so this loses nothing, and keeping it until then keeps every other field's text safe
// while the write runs.
bool writeTextFile(Services &services, const QString &path, QStringView text)
{
    const QByteArray bytes = text::encodeText(text);
    BackgroundWriter *background = services.files.backgroundWriter();
    if (background)
        background->finish();
    FileError error;
    if (services.files.write(path, bytes, &error))
        return true;
    if (error.cause == FileError::Cause::DiskFull && background && background->freeRoom()
        && services.files.write(path, bytes, &error))
        return true;
    reportFileFailure(services, FileFailure::NotSaved, path, error.reason());
    return false;
}

std::optional<QString> readTextFile(Services &services, const QString &path)
{
    FileError error;
    if (const auto bytes = services.files.read(path, &error))
        return text::decodeText(*bytes);
    reportFileFailure(services, FileFailure::NotRead, path, error.reason());
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
    FileError error;
    if (services.files.remove(path, &error))
        return true;
    reportFileFailure(services, FileFailure::NotDeleted, path, error.reason());
    return false;
}

void reportFileFailure(Services &services, FileFailure failure, const QString &path,
                       const QString &reason)
{
    services.dialogs.inform(whatFailed(failure).arg(QDir::toNativeSeparators(path))
                            + QStringLiteral("\n理由: ") + reason);
}

} // namespace os
