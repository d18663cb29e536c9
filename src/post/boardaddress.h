#pragma once

#include "post/boardsettings.h"

#include <QStringView>
#include <QUrl>

#include <optional>

namespace post {

// A board as its address names it: a thread's (https://HOST/test/read.cgi/BOARD/1234567890/,
// with or without a post number) or the board's own (https://HOST/BOARD/).
struct BoardAddress
{
    QUrl board;    // https://HOST/BOARD/
    Family family; // by the host: 5ch.net and bbspink.com are 5ch, any other 0ch+-compatible

    QUrl settingText() const { return board.resolved(QUrl(QStringLiteral("SETTING.TXT"))); }
};

// Nothing for text that is no http or https address of a board or a thread.
std::optional<BoardAddress> boardAddressOf(QStringView typed);

} // namespace post
