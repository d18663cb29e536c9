#include "output/desktopexport.h"

#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/services.h"
#include "platform/textfiles.h"

#include <QDir>

namespace output {

namespace {

const QString namePrompt = QStringLiteral("Commentを名前をつけてﾃﾞｽｸﾄｯﾌﾟに出力します。\r\n"
                                          "ﾌｧｲﾙ名を入力してください。(拡張子は不要です）");
const QString exported = QStringLiteral("Commentがﾃﾞｽｸﾄｯﾌﾟに出力されました");
const QString extension = QStringLiteral(".txt");

// Why no file on the desktop may have this name, or the empty text when one may.
QString refusalOf(const QString &name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("「.」と「..」はフォルダを指す名前です。");
    if (name.contains(u'/') || name.contains(u'\\'))
        return QStringLiteral("フォルダの区切り（/ と \\）は名前に使えません。");
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QStringLiteral("制御文字（タブや改行など）は名前に使えません。");
#ifdef Q_OS_WIN
        if (QStringLiteral("<>:\"|?*").contains(c))
            return QStringLiteral("< > : \" | ? * は名前に使えません。");
#endif
    }
    return QString();
}

} // namespace

void exportToDesktop(platform::Services &services, const QString &comment)
{
    const QString name = services.dialogs.ask(namePrompt);
    if (name.isEmpty())
        return;
    if (const QString refusal = refusalOf(name); !refusal.isEmpty()) {
        services.dialogs.inform(
            QStringLiteral("ファイル名「%1」は使えません。\n理由: %2").arg(name, refusal));
        return;
    }
    const QString fileName = name.endsWith(extension) ? name : name + extension;
    const QString path = QDir(services.desktopFolder).filePath(fileName);
    if (!services.files.exists(services.desktopFolder)) {
        services.dialogs.inform(QStringLiteral("ファイル「%1」に保存できませんでした。\n理由: "
                                               "デスクトップのフォルダ「%2」がありません。")
                                    .arg(QDir::toNativeSeparators(path),
                                         QDir::toNativeSeparators(services.desktopFolder)));
        return;
    }
    if (services.files.isSymbolicLink(path)) {
        services.dialogs.inform(QStringLiteral("ファイル「%1」に保存できませんでした。\n理由: "
                                               "同じ名前のシンボリックリンクがあります。")
                                    .arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (platform::writeTextFile(services, path, comment))
        services.dialogs.inform(exported);
}

} // namespace output
