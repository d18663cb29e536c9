#include "html/preview.h"

#include "platform/browser.h"
#include "platform/dialogs.h"
#include "platform/linereader.h"
#include "platform/services.h"
#include "platform/textfiles.h"

#include <QDir>
#include <QStringBuilder>
#include <QUrl>

namespace html {

namespace {

// The page names its encoding: without it, browsers outside a Japanese Windows guess, and take a
// short line of half-width kana for Cyrillic. A page written as UTF-8 starts with a byte-order
// mark, which browsers follow before any declaration.
const QString pageHead =
    QStringLiteral("<html><head><meta charset=Shift_JIS><title>Quillo.html</title></head>"
                   "<body text=#000000 bgcolor=#FFFFFF>");
const QString pageFoot = QStringLiteral("</body></html>");

} // namespace

QString previewSource(const QString &comment)
{
    // Built in one allocation: a chain of + would hold a large comment in each of its partial
    // results at once.
    return pageHead % platform::crLf % comment % platform::crLf % pageFoot;
}

QString previewPage(QStringView source) { return platform::joinLines(source, u"<br>\r\n"); }

void showPreview(platform::Services &services, const QString &dataFolder, QString comment,
                 QString &scratch)
{
    const QDir data(dataFolder);
    QString source = previewSource(comment);
    comment.clear(); // the source holds it now: a large Comment is not kept twice over
    if (!platform::writeTextFile(services, data.filePath(QStringLiteral("check.txt")), source))
        return;
    scratch = previewPage(source);
    source.clear();
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
