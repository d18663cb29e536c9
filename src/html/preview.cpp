#include "html/preview.h"

#include "os/browser.h"
#include "os/dialogs.h"
#include "os/services.h"
#include "os/textfiles.h"
#include "text/linereader.h"

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
const QString sourceFile = QStringLiteral("check.txt");
const QString pageFile = QStringLiteral("check.html");

} // namespace

QString previewSource(const QString &comment)
{
    // Built in one allocation: a chain of + would hold a large comment in each of its partial
    // results at once.
    return pageHead % text::crLf % comment % text::crLf % pageFoot;
}

QString previewPage(QStringView source) { return text::joinLines(source, u"<br>\r\n"); }

void showPreview(os::Services &services, const QString &dataFolder, QString comment,
                 QString &scratch)
{
    const QDir data(dataFolder);
    QString source = previewSource(comment);
    comment.clear(); // the source holds it now: a large Comment is not kept twice over
    if (!os::writeTextFile(services, data.filePath(sourceFile), source))
        return;
    scratch = previewPage(source);
    source.clear();
    const QString page = data.filePath(pageFile);
    if (!os::writeTextFile(services, page, scratch))
        return;
    if (!services.browser.showPage(QUrl::fromLocalFile(page)))
        os::reportFileFailure(services, os::FileFailure::NotShownInBrowser, page,
                              QStringLiteral("Webブラウザを起動できません。"));
}

QStringList previewFileNames() { return {sourceFile, pageFile}; }

} // namespace html
