#pragma once

#include "post/boardsettings.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <vector>

namespace os {
class FileSystem;
struct FileError;
} // namespace os

namespace check {

// A board added by its address: its SETTING.TXT as it was read, from where and when, and the
// family it is counted as.
struct KeptBoard
{
    QUrl address; // the board's own, https://HOST/BOARD/
    post::Family family;
    QDateTime readAt; // UTC
    QByteArray settingText;
};

// The boards added, kept in the Data folder so that the check works without a network:
// boards.txt lists them, a line each (address, family, when read, the file of its settings, with a
// tab between), and each board's SETTING.TXT lies beside it as it was read, in setting1.txt,
// setting2.txt, ... in the list's order.
class BoardStore
{
public:
    static const QString listName;

    BoardStore(os::FileSystem &files, QString dataFolder);

    // What the folder holds; a line whose settings file is gone or unreadable is passed over.
    std::vector<KeptBoard> load() const;
    // The boards' settings first, then the list: a failure names the file in `failedFile`.
    bool save(const std::vector<KeptBoard> &boards, QString *failedFile, os::FileError *error);
    // The files the store writes, for the start's clean-up after a crash.
    QStringList fileNames() const;

private:
    QString pathOf(const QString &name) const;

    os::FileSystem &files_;
    QString dataFolder_;
};

// What the chooser calls a board: its BBS_TITLE, else its address.
QString nameOf(const KeptBoard &board);

} // namespace check
