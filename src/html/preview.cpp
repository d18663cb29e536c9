#include "html/preview.h"

#include "platform/browser.h"
#include "platform/dialogs.h"
#include "platform/linereader.h"
#include "platform/services.h"
#include "platform/textfiles.h"

#include <QDir>
#include <QUrl>

namespace html {

namespace {

const QString pageHead = QStringLiteral(
    "<html><head><title>Quillo.html</title></head><body text=#000000 bgcolor=#FFFFFF>");
const QString pageFoot = QStringLiteral("</body></html>");

} // namespace

QString previewSource(const QString &comment)
{
    return pageHead + platform::crLf + comment + platform::crLf + pageFoot;
}

QString previewPage(QStringView source)
{
    return platform::splitLines(source).join(QStringView(u"<br>\r\n"));
}

void showPreview(platform::Services &services, const QString &dataFolder, const QString &comment,
                 QString &scratch)
{
    const QDir data(dataFolder);
    const QString source = previewSource(comment);
    if (!platform::writeTextFile(services, data.filePath(QStringLiteral("check.txt")), source))
        return;
    scratch = previewPage(source);
    const QString page = data.filePath(QStringLiteral("check.html"));
    if (!platform::writeTextFile(services, page, scratch))
        return;
    if (!services.browser.showPage(QUrl::fromLocalFile(page)))
        services.dialogs.inform(
            QStringLiteral("ファイル「%1」をブラウザで表示できませんでした。\n理由: "
                           "Webブラウザを起動できません。")
                .arg(QDir::toNativeSeparators(page)));
}

} // namespace html
