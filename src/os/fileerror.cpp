#include "os/fileerror.h"

namespace os {

QString FileError::reason() const
{
    switch (cause) {
    case Cause::DiskFull:
        return QStringLiteral("ディスクがいっぱいです。");
    case Cause::ReadOnly:
        return QStringLiteral("ファイルかフォルダが読み取り専用か、アクセスが拒否されました。");
    case Cause::DriveGone:
        return QStringLiteral(
            "ドライブが見つかりません。USB メモリなどが外されたのかもしれません。");
    case Cause::NameTooLong:
        return QStringLiteral("ファイルかフォルダの名前が長すぎます。");
    case Cause::None:
    case Cause::Other:
        break;
    }
    return systemText;
}

FileError lastFileErrorOr(const QString &qtText)
{
    FileError error = lastFileError();
    if (error.cause == FileError::Cause::None)
        error = {FileError::Cause::Other, qtText};
    return error;
}

} // namespace os
