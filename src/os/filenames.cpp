#include "os/filenames.h"

#include "os/filenames_system.h"

namespace os {

QString refusalOfFileName(const QString &name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("「.」と「..」はフォルダを指す名前です。");
    if (name.contains(u'/') || name.contains(u'\\'))
        return QStringLiteral("フォルダの区切り（/ と \\）は名前に使えません。");
    const QString reserved = reservedFileNameCharacters();
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QStringLiteral("制御文字（タブや改行など）は名前に使えません。");
        if (reserved.contains(c)) {
            QString listed;
            for (const QChar r : reserved)
                listed += r + QLatin1Char(' ');
            return listed + QStringLiteral("は名前に使えません。");
        }
    }
    return QString();
}

} // namespace os
