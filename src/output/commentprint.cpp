#include "output/commentprint.h"

#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/services.h"

namespace output {

void printComment(platform::Services &services, const QString &title, const QString &comment)
{
    if (!services.dialogs.confirm(QStringLiteral("Comment を印刷しますか？")))
        return;
    if (!services.printer.hasPrinter()) {
        services.dialogs.inform(QStringLiteral("プリンタが見つかりません。"));
        return;
    }
    const QString newLine = QStringLiteral("\r\n");
    QString reason;
    if (!services.printer.print(title + newLine + newLine + comment + newLine, &reason))
        services.dialogs.inform(QStringLiteral("印刷できませんでした。\n理由: ") + reason);
}

} // namespace output
