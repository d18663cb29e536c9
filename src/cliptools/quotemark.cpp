#include "cliptools/quotemark.h"

#include "os/clipboard.h"
#include "os/dialogs.h"
#include "os/filesystem.h"
#include "os/services.h"
#include "os/textfiles.h"
#include "text/linereader.h"

#include <QDir>
#include <QScopeGuard>

#include <optional>

using namespace Qt::StringLiterals;

namespace cliptools {

namespace {

const QString quoteMarkFile = u"inyo.txt"_s;
const QString workingFile = u"res.txt"_s;
const QString defaultMark = u">"_s;

// The lines of the quote-mark file run together, collected in the scratch window; ">" when
// there is no such file; nothing when it cannot be read (the user has been told).
std::optional<QString> readQuoteMark(os::Services &services, const QDir &data, QString &scratch)
{
    const QString path = data.filePath(quoteMarkFile);
    if (!services.files.isPresentFile(path))
        return defaultMark;
    const std::optional<QString> text = os::readTextFile(services, path);
    if (!text)
        return std::nullopt;
    scratch = quoteMarkFrom(*text);
    return scratch;
}

// The working file read back line by line, every line after the mark. It holds the clipboard
// text, so its lines end where the clipboard's do, at a lone LF too. The file's text is let go
// on return, so that a large text is held no more often than needed.
std::optional<QString> quotedLinesOf(os::Services &services, const QString &path,
                                     const QString &mark)
{
    const std::optional<QString> text = os::readTextFile(services, path);
    if (!text)
        return std::nullopt;
    return quotedLines(*text, mark);
}

} // namespace

QString quoteMarkFrom(QStringView fileText) { return text::joinLines(fileText, {}); }

QString quotedLines(QStringView text, QStringView mark)
{
    return text::joinLines(text, text::crLf, mark, text::LineRule::Clipboard);
}

void changeQuoteMark(os::Services &services, const QString &dataFolder)
{
    const QString mark =
        services.dialogs.ask(u"変更する引用符を入力してください\r\n\r\n"
                             u"引用符を変更するとｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容はｸﾘｱされます。\r\n"
                             u"引用する場合は再度行ってください。"_s);
    if (mark.isEmpty())
        return;
    if (!os::writeTextFile(services, QDir(dataFolder).filePath(quoteMarkFile), mark + text::crLf))
        return;
    services.dialogs.inform(u"引用符 "_s + mark + u" が保存されました "_s);
    services.clipboard.clear();
}

void quoteClipboardText(os::Services &services, const QString &dataFolder,
                        const QuoteScratch &scratch)
{
    if (!services.clipboard.hasText()) {
        services.dialogs.inform(u"クリップボードにテキストがありません"_s);
        return;
    }
    const QDir data(dataFolder);
    const QString working = data.filePath(workingFile);
    // Whichever way the run ends: the scratch texts are let go and no working file stays behind,
    // not even one that an interrupted earlier run left.
    const auto cleanUp = qScopeGuard([&] {
        scratch.quoted.clear();
        scratch.clipboardText.clear();
        scratch.quoteMark.clear();
        if (services.files.exists(working))
            os::deleteFile(services, working);
    });

    scratch.clipboardText = services.clipboard.text();
    if (scratch.clipboardText.isEmpty())
        return;
    if (!os::writeTextFile(services, working, scratch.clipboardText))
        return;
    const std::optional<QString> mark = readQuoteMark(services, data, scratch.quoteMark);
    if (!mark)
        return;
    std::optional<QString> quoted = quotedLinesOf(services, working, *mark);
    if (!quoted)
        return;
    scratch.quoted = std::move(*quoted);
    services.clipboard.putText(scratch.quoted);
    services.dialogs.inform(u"ｸﾘｯﾌﾟﾎﾞｰﾄﾞのﾃｷｽﾄに引用符が付きました"_s);
}

QStringList quoteMarkFileNames() { return {quoteMarkFile, workingFile}; }

} // namespace cliptools
