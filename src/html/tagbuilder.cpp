#include "html/tagbuilder.h"

#include "html/tagmessages.h"
#include "os/clipboard.h"
#include "os/dialogs.h"
#include "os/services.h"

namespace html {

namespace {

constexpr QStringView pageScheme = u"http://";
constexpr QStringView mailScheme = u"mailto:";
constexpr QStringView linkOpener = u"<a href=";
constexpr QStringView imageOpener = u"<img src=";
constexpr QStringView linkEnd = u"</a>";

} // namespace

QString tagFor(const TagRecipe &recipe, const QString &address, const QString &siteName)
{
    const QString target =
        address.startsWith(recipe.scheme) ? address : recipe.scheme.toString() + address;
    QString content;
    switch (recipe.content) {
    case TagContent::Nothing:
        break;
    case TagContent::SiteName:
        content = siteName;
        break;
    case TagContent::BareAddress:
        content = target.sliced(recipe.scheme.size());
        break;
    }
    return recipe.opener.toString() + u'"' + target + u'"' + u'>' + content
           + recipe.closer.toString();
}

const TagRecipe linkTag{.addressPrompt = u"URLを入力してください。",
                        .siteNamePrompt = u"サイト名を入力してください。",
                        .scheme = pageScheme,
                        .opener = linkOpener,
                        .content = TagContent::SiteName,
                        .closer = linkEnd};
const TagRecipe imageTag{.addressPrompt = u"ｲﾒｰｼﾞのURLを入力してください。",
                         .siteNamePrompt = {},
                         .scheme = pageScheme,
                         .opener = imageOpener,
                         .content = TagContent::Nothing,
                         .closer = {}};
const TagRecipe mailTag{.addressPrompt = u"ﾒｰﾙｱﾄﾞﾚｽを入力してください。",
                        .siteNamePrompt = {},
                        .scheme = mailScheme,
                        .opener = linkOpener,
                        .content = TagContent::BareAddress,
                        .closer = linkEnd};

void writeTag(os::Services &services, const TagRecipe &recipe)
{
    const QString address = services.dialogs.ask(recipe.addressPrompt.toString());
    if (address.isEmpty())
        return;
    if (address.startsWith(u'<')) {
        services.dialogs.inform(alreadyTagged);
        return;
    }
    QString siteName;
    if (recipe.content == TagContent::SiteName) {
        // Taken as typed: a site name may well carry a tag of its own, "<b>" say.
        siteName = services.dialogs.ask(recipe.siteNamePrompt.toString());
        if (siteName.isEmpty())
            return;
    }
    services.clipboard.putText(tagFor(recipe, address, siteName));
    services.dialogs.inform(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞにﾘﾝｸﾀｸﾞがあります。\r\n") + pasteIt);
}

} // namespace html
