#include "check/boards.h"

namespace check {

std::vector<Board> presetBoards()
{
    post::BoardSettings zeroChPlus;
    zeroChPlus.defaultName = QStringLiteral("名無しさん");
    // What the SETTING.TXT of most 5ch boards says; the board's own comes with its address.
    post::BoardSettings fiveCh = zeroChPlus;
    fiveCh.subjectBytes = 96;
    fiveCh.nameBytes = 96;
    fiveCh.mailBytes = 64;
    fiveCh.messageBytes = 4096;
    fiveCh.lineNumber = 30;
    fiveCh.columnBytes = 256;
    return {{QStringLiteral("0ch+ 互換（既定の設定）"), zeroChPlus, post::Family::ZeroChPlus},
            {QStringLiteral("5ちゃんねる（よくある設定）"), fiveCh, post::Family::FiveCh}};
}

} // namespace check
