#include "html/fonttag.h"

#include "html/tagmessages.h"
#include "os/clipboard.h"
#include "os/colourdialog.h"
#include "os/dialogs.h"
#include "os/services.h"

#include <QColor>

namespace html {

QString fontTag(const QString &size, const QColor &colour, const QString &text)
{
    const QString sizeLabel = size.isEmpty() ? QString() : QStringLiteral("Size=");
    return QStringLiteral("<Font ") + sizeLabel + size + QStringLiteral(" color=\"")
           + colour.name(QColor::HexRgb).toUpper() + QStringLiteral("\">") + text
           + QStringLiteral("</font>");
}

namespace {

const QString sizePrompt =
    QStringLiteral("Font Size を 1～7の絶対指定あるいは ±1～6の相対指定で入力してください。\r\n"
                   "\r\n"
                   "無入力およびｷｬﾝｾﾙの場合、ﾌｫﾝﾄｻｲｽﾞは設定されません。\r\n"
                   "引き続きﾌｫﾝﾄｶﾗｰの設定に進みます。");

void wrapClipboardText(os::Services &services, QString &scratch)
{
    if (services.clipboard.hasText()) {
        scratch = services.clipboard.text();
        if (scratch.startsWith(u'<')) {
            services.dialogs.inform(alreadyTagged);
            return;
        }
        if (scratch.isEmpty()) {
            services.dialogs.inform(
                QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞにﾃｷｽﾄがありません。\r\n"
                               "ﾀｸﾞを付ける文字列を事前にｸﾘｯﾌﾟﾎﾞｰﾄにｾｯﾄしてください。"));
            return;
        }
    }
    const QString size = services.dialogs.ask(sizePrompt);
    // Cancelled, the colour dialog ends the command like a failure: no tag, the clipboard kept.
    const std::optional<QColor> colour = services.colourDialog.chooseColour();
    if (!colour)
        return;
    services.clipboard.putText(fontTag(size, *colour, scratch));
    services.dialogs.inform(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞにﾀｸﾞ付ﾃｷｽﾄがあります。\r\n") + pasteIt);
}

} // namespace

void writeFontTag(os::Services &services, QString &scratch)
{
    wrapClipboardText(services, scratch);
    scratch.clear();
}

} // namespace html
