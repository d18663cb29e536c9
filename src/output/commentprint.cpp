#include "output/commentprint.h"

#include "os/dialogs.h"
#include "os/printer.h"
#include "os/services.h"
#include "text/linereader.h"

#include <QStringBuilder>

namespace output {

void printComment(os::Services &services, const QString &title, const QString &comment)
{
    if (!services.dialogs.confirm(QStringLiteral("Comment を印刷しますか？")))
        return;
    if (!services.printer.hasPrinter()) {
        services.dialogs.inform(QStringLiteral("プリンタが見つかりません。"));
        return;
    }
    QString reason;
    // In one allocation, as a chain of + would hold the comment in each of its partial results.
    const QString page = title % text::crLf % text::crLf % comment % text::crLf;
    if (!services.printer.print(page, &reason))
        services.dialogs.inform(QStringLiteral("印刷できませんでした。\n理由: ") + reason);
}

} // namespace output
