#include "output/desktopexport.h"

#include "os/dialogs.h"
#include "os/filenames.h"
#include "os/filesystem.h"
#include "os/services.h"
#include "os/textfiles.h"

#include <QDir>

namespace output {

namespace {

const QString namePrompt = QStringLiteral("Commentを名前をつけてﾃﾞｽｸﾄｯﾌﾟに出力します。\r\n"
                                          "ﾌｧｲﾙ名を入力してください。(拡張子は不要です）");
const QString exported = QStringLiteral("Commentがﾃﾞｽｸﾄｯﾌﾟに出力されました");
const QString extension = QStringLiteral(".txt");

} // namespace

void exportToDesktop(os::Services &services, const QString &comment)
{
    const QString name = services.dialogs.ask(namePrompt);
    if (name.isEmpty())
        return;
    if (const QString refusal = os::refusalOfFileName(name); !refusal.isEmpty()) {
        services.dialogs.inform(
            QStringLiteral("ファイル名「%1」は使えません。\n理由: %2").arg(name, refusal));
        return;
    }
    const QString fileName = name.endsWith(extension) ? name : name + extension;
    const QString path = QDir(services.desktopFolder).filePath(fileName);
    if (!services.files.exists(services.desktopFolder)) {
        os::reportFileFailure(services, os::FileFailure::NotSaved, path,
                              QStringLiteral("デスクトップのフォルダ「%1」がありません。")
                                  .arg(QDir::toNativeSeparators(services.desktopFolder)));
        return;
    }
    if (services.files.isSymbolicLink(path)) {
        os::reportFileFailure(services, os::FileFailure::NotSaved, path,
                              QStringLiteral("同じ名前のシンボリックリンクがあります。"));
        return;
    }
    if (os::writeTextFile(services, path, comment))
        services.dialogs.inform(exported);
}

} // namespace output
