#include "check/boardstore.h"

#include "os/filesystem.h"
#include "text/linereader.h"
#include "text/textcodec.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace check {

namespace {

constexpr int mostBoards = 100;

QString settingFileName(int index) { return u"setting%1.txt"_s.arg(index + 1); }

QString familyWord(post::Family family)
{
    return family == post::Family::FiveCh ? u"5ch"_s : u"0ch+"_s;
}

} // namespace

const QString BoardStore::listName = u"boards.txt"_s;

BoardStore::BoardStore(os::FileSystem &files, QString dataFolder)
    : files_(files)
    , dataFolder_(std::move(dataFolder))
{}

QString BoardStore::pathOf(const QString &name) const { return QDir(dataFolder_).filePath(name); }

std::vector<KeptBoard> BoardStore::load() const
{
    std::vector<KeptBoard> boards;
    os::FileError error;
    if (!files_.isPresentFile(pathOf(listName)))
        return boards;
    const auto list = files_.read(pathOf(listName), &error);
    if (!list)
        return boards;
    text::forEachLine(text::decodeText(*list), [&](QStringView line) {
        const QList<QStringView> fields = line.split(u'\t');
        if (fields.size() != 4 || boards.size() >= mostBoards)
            return;
        KeptBoard board{QUrl(fields[0].toString()),
                        fields[1] == u"5ch" ? post::Family::FiveCh : post::Family::ZeroChPlus,
                        QDateTime::fromString(fields[2].toString(), Qt::ISODate),
                        {}};
        const QString file = fields[3].toString();
        if (!board.address.isValid() || file.contains(u'/') || file.contains(u'\\'))
            return; // a list edited by hand names no file outside the folder
        if (const auto bytes = files_.read(pathOf(file), &error)) {
            board.settingText = *bytes;
            boards.push_back(std::move(board));
        }
    });
    return boards;
}

bool BoardStore::save(const std::vector<KeptBoard> &boards, QString *failedFile,
                      os::FileError *error)
{
    QStringList lines;
    for (std::size_t i = 0; i < boards.size(); ++i) {
        const KeptBoard &board = boards[i];
        const QString file = settingFileName(int(i));
        if (!files_.write(pathOf(file), board.settingText, error)) {
            *failedFile = pathOf(file);
            return false;
        }
        lines << QStringList{board.address.toString(), familyWord(board.family),
                             board.readAt.toUTC().toString(Qt::ISODate), file}
                     .join(u'\t');
    }
    const QString list = lines.isEmpty() ? QString() : lines.join(text::crLf) + text::crLf;
    if (!files_.write(pathOf(listName), text::encodeText(list), error)) {
        *failedFile = pathOf(listName);
        return false;
    }
    // The settings of a board removed from the end of the list go too.
    for (int i = int(boards.size()); files_.exists(pathOf(settingFileName(i))); ++i)
        files_.remove(pathOf(settingFileName(i)), error);
    return true;
}

QStringList BoardStore::fileNames() const
{
    QStringList names{listName};
    for (int i = 0; i < mostBoards; ++i)
        names << settingFileName(i);
    return names;
}

QString nameOf(const KeptBoard &board)
{
    const QString title = post::parseSettings(board.settingText).title;
    return title.isEmpty() ? board.address.toString() : title;
}

} // namespace check
