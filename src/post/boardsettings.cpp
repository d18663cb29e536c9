#include "post/boardsettings.h"

#include "text/linereader.h"
#include "text/textcodec.h"

#include <QRegularExpression>

#include <array>

using namespace Qt::StringLiterals;

namespace post {

namespace {

struct NumberSetting
{
    QStringView key;
    int BoardSettings::*field;
    int most; // a limit past this makes no sense for a post
};

constexpr std::array<NumberSetting, 8> numberSettings{{
    {u"BBS_SUBJECT_COUNT", &BoardSettings::subjectBytes, 4096},
    {u"BBS_NAME_COUNT", &BoardSettings::nameBytes, 4096},
    {u"BBS_MAIL_COUNT", &BoardSettings::mailBytes, 4096},
    {u"BBS_MESSAGE_COUNT", &BoardSettings::messageBytes, 1 << 20},
    {u"BBS_LINE_NUMBER", &BoardSettings::lineNumber, 10000},
    {u"BBS_COLUMN_NUMBER", &BoardSettings::columnBytes, 1 << 20},
    {u"BBS_ANCHOR_COUNT", &BoardSettings::anchors, 10000},
    {u"BBS_TRIPCOLUMN", &BoardSettings::tripColumns, 12},
}};

// One KEY=VALUE line; any other line, and any key not known here, is passed over.
void readSetting(BoardSettings &settings, QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0)
        return;
    const QStringView key = line.first(equals).trimmed();
    const QStringView value = line.sliced(equals + 1).trimmed();
    if (key == u"BBS_TITLE")
        settings.title = value.toString();
    else if (key == u"BBS_NONAME_NAME")
        settings.defaultName = value.toString();
    for (const NumberSetting &number : numberSettings) {
        if (key != number.key)
            continue;
        bool isNumber = false;
        const long long given = value.toLongLong(&isNumber);
        if (isNumber && given > 0 && given <= number.most)
            settings.*number.field = int(given);
        else
            settings.ignored.append(line.toString());
    }
}

} // namespace

BoardSettings parseSettings(QByteArrayView settingText)
{
    BoardSettings settings;
    // A server's file ends its lines with LF alone.
    text::forEachLine(
        text::decodeText(settingText), [&](QStringView line) { readSetting(settings, line); },
        text::LineRule::Clipboard);
    return settings;
}

QString whyNotSettings(QByteArrayView answer)
{
    const QString start = u"SETTING.TXT ではありません: "_s;
    if (answer.contains('\0'))
        return start + u"文字でないバイトがあります。"_s;
    const QByteArray head =
        answer.first(std::min<qsizetype>(answer.size(), 512)).toByteArray().toLower();
    if (head.contains("<html") || head.contains("<!doctype"))
        return start + u"HTML のページです。"_s;
    static const QRegularExpression setting(u"(^|\\n)BBS_[A-Z_]+="_s);
    if (!setting.match(text::decodeText(answer)).hasMatch())
        return start + u"BBS_ で始まる設定がありません。"_s;
    return {};
}

} // namespace post
