#include "post/boardaddress.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace post {

namespace {

bool isFiveChHost(const QString &host)
{
    for (const QString &domain : {u"5ch.net"_s, u"bbspink.com"_s}) {
        if (host == domain || host.endsWith(u'.' + domain))
            return true;
    }
    return false;
}

} // namespace

std::optional<BoardAddress> boardAddressOf(QStringView typed)
{
    const QUrl url(typed.trimmed().toString(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != u"http" && scheme != u"https") || url.host().isEmpty()
        || !url.userInfo().isEmpty())
        return std::nullopt;
    // /test/read.cgi/BOARD/KEY/ and what follows it, or /BOARD/ alone.
    static const QRegularExpression thread(u"^/test/read\\.cgi/([A-Za-z0-9_-]+)/[0-9]+(/.*)?$"_s);
    static const QRegularExpression board(u"^/([A-Za-z0-9_-]+)/?$"_s);
    const QString path = url.path();
    QRegularExpressionMatch match = thread.match(path);
    if (!match.hasMatch())
        match = board.match(path);
    if (!match.hasMatch() || match.captured(1) == u"test")
        return std::nullopt;
    QUrl boardUrl;
    boardUrl.setScheme(scheme);
    boardUrl.setHost(url.host());
    boardUrl.setPort(url.port());
    boardUrl.setPath(u'/' + match.captured(1) + u'/');
    return BoardAddress{boardUrl,
                        isFiveChHost(url.host().toLower()) ? Family::FiveCh : Family::ZeroChPlus};
}

} // namespace post
