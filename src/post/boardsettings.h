#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace post {

// Where a board's software comes from decides how it counts: 0ch+ and the software compatible
// with it, or 5ch (5ch.net, bbspink.com), whose code is not public and is counted by the model
// 2ch browsers have used since 2008.
enum class Family { ZeroChPlus, FiveCh };

// What a board's SETTING.TXT says of its limits, with 0ch+'s defaults for what it leaves out.
struct BoardSettings
{
    QString title;       // BBS_TITLE
    QString defaultName; // BBS_NONAME_NAME
    int subjectBytes = 48;
    int nameBytes = 128;
    int mailBytes = 64;
    int messageBytes = 2048;
    int lineNumber = 12; // lines are limited to twice this
    int columnBytes = 256;
    int anchors = 10;
    int tripColumns = 10;
    // The lines of the text that were passed over: bad lines, unknown keys' values out of sense.
    QStringList ignored;
};

// Reads SETTING.TXT (Shift_JIS KEY=VALUE lines, through the program's codec): unknown keys and
// lines that are no KEY=VALUE are passed over, and so are numbers out of sense (a limit of 0 or of
// 10^12), which it names in `ignored`.
BoardSettings parseSettings(QByteArrayView settingText);

// Why an answer is no SETTING.TXT (bytes that are no text, an HTML page, no BBS_ setting in it),
// in Japanese; empty when it is one.
QString whyNotSettings(QByteArrayView answer);

} // namespace post
