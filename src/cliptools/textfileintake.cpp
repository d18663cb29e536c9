#include "cliptools/textfileintake.h"

#include "os/clipboard.h"
#include "os/dialogs.h"
#include "os/filesystem.h"
#include "os/opendialog.h"
#include "os/services.h"
#include "os/textfiles.h"
#include "text/linereader.h"
#include "text/textcodec.h"
#include "widgets/filedrop.h"

#include <QListWidget>

#include <optional>

using namespace Qt::StringLiterals;

namespace cliptools {

namespace {

const QString notTextFile = u"テキストファイルではありません。"_s;

enum class OnFailure { Quiet, Report };

bool isTextFileName(const QString &path) { return path.endsWith(u".txt"_s, Qt::CaseSensitive); }

// The file's lines joined by CR LF. Its bytes are let go before the lines are joined, so that a
// large file is held no more often than needed.
std::optional<QString> joinedLinesOf(const os::FileSystem &files, const QString &path,
                                     os::FileError *error)
{
    QString text;
    {
        const std::optional<QByteArray> bytes = files.read(path, error);
        if (!bytes)
            return std::nullopt;
        text = text::decodeForeignText(*bytes);
    }
    return text::joinLines(text, text::crLf);
}

void takeInTextFile(os::Services &services, QString &scratch, const QString &path,
                    OnFailure onFailure)
{
    scratch.clear();
    os::FileError error;
    std::optional<QString> joined = joinedLinesOf(services.files, path, &error);
    if (!joined) {
        if (onFailure == OnFailure::Report)
            os::reportFileFailure(services, os::FileFailure::NotRead, path, error.reason());
        return;
    }
    scratch = std::move(*joined);
    services.clipboard.putText(scratch);
    services.dialogs.inform(u"ｸﾘｯﾌﾟﾎﾞｰﾄﾞにﾃｷｽﾄがあります。\r\nﾍﾟｰｽﾄしてお使いください。"_s);
}

} // namespace

void takeInChosenFile(os::Services &services, QString &scratch, QString &lastChosen)
{
    const std::optional<QString> path = services.openDialog.chooseFile(lastChosen, u"*.txt"_s);
    if (!path)
        return;
    lastChosen = *path;
    if (isTextFileName(*path))
        takeInTextFile(services, scratch, *path, OnFailure::Quiet);
    else
        services.dialogs.inform(notTextFile);
}

void takeInDroppedFiles(os::Services &services, QString &scratch, QListWidget &dropBox,
                        const QMimeData &data)
{
    const QStringList files = widgets::droppedFiles(data);
    if (files.isEmpty())
        return;
    dropBox.addItems(files);
    if (files.size() != 1) {
        dropBox.clear();
        services.dialogs.inform(u"ファイルは1発づつ入れてください。"_s);
        return;
    }
    if (!isTextFileName(files.constFirst())) {
        dropBox.clear();
        services.dialogs.inform(notTextFile);
        return;
    }
    takeInTextFile(services, scratch, files.constFirst(), OnFailure::Report);
    dropBox.clear();
}

} // namespace cliptools
