#include "os/webfetch.h"

#include "buildinfo.h"

#include <QAuthenticator>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSslError>

using namespace Qt::StringLiterals;

namespace os {

namespace {

constexpr int mostRedirects = 5;

QString reasonOf(QNetworkReply &reply, const QString &certificateErrors, bool tooLarge, int seconds)
{
    if (tooLarge)
        return u"答えが %1 KB を超えています。"_s.arg(NetworkFetch::mostBytes / 1024);
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    switch (reply.error()) {
    case QNetworkReply::HostNotFoundError:
        return u"サーバー「%1」が見つかりません。"_s.arg(reply.url().host());
    case QNetworkReply::ConnectionRefusedError:
        return u"サーバーに接続を断られました。"_s;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        return u"%1 秒待っても答えがありません。"_s.arg(seconds);
    case QNetworkReply::SslHandshakeFailedError:
        return u"サーバーの証明書を確かめられませんでした: %1"_s.arg(
            certificateErrors.isEmpty() ? reply.errorString() : certificateErrors);
    case QNetworkReply::InsecureRedirectError:
        return u"https から http への転送は受け付けません。"_s;
    case QNetworkReply::TooManyRedirectsError:
        return u"転送が多すぎます（%1 回まで）。"_s.arg(mostRedirects);
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::UnknownNetworkError:
        return u"ネットワークにつながっていません。"_s;
    default:
        break;
    }
    if (status >= 400) {
        const QString phrase =
            reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        QString reason = u"サーバーの答えが HTTP %1 %2 でした。"_s.arg(status).arg(phrase);
        if (status == 403 || status == 404)
            reason += u"設定を公開していない掲示板は、こう答えます。"_s;
        return reason;
    }
    return reply.errorString();
}

} // namespace

NetworkFetch::NetworkFetch(QList<QSslCertificate> alsoTrusted, int seconds)
    : alsoTrusted_(std::move(alsoTrusted))
    , seconds_(seconds)
    , manager_(new QNetworkAccessManager(this))
{
    // No credentials: a server that asks for them gets none, and the request fails.
    connect(manager_, &QNetworkAccessManager::authenticationRequired, this, [] {});
}

NetworkFetch::~NetworkFetch() { cancel(); }

void NetworkFetch::get(const QUrl &url, std::function<void(const FetchAnswer &)> answered)
{
    cancel();
    const QString scheme = url.scheme().toLower();
    if (scheme != u"http" && scheme != u"https") {
        answered({std::nullopt, u"http か https のアドレスではありません。"_s});
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, u"Quillo/" QUILLO_VERSION ""_s);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(mostRedirects);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::AuthenticationReuseAttribute, QNetworkRequest::Manual);
    request.setTransferTimeout(seconds_ * 1000);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.addCaCertificates(alsoTrusted_);
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    request.setSslConfiguration(tls);

    answered_ = std::move(answered);
    certificateErrors_.clear();
    tooLarge_ = false;
    reply_ = manager_->get(request);
    reply_->setReadBufferSize(mostBytes + 1);
    connect(reply_, &QNetworkReply::sslErrors, this, [this](const QList<QSslError> &errors) {
        QStringList texts;
        for (const QSslError &error : errors)
            texts << error.errorString();
        certificateErrors_ = texts.join(u' ');
    });
    // A larger answer is cut off at the limit, not read to its end.
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (received > mostBytes || total > mostBytes) {
            tooLarge_ = true;
            reply_->abort();
        }
    });
    connect(reply_, &QNetworkReply::finished, this, [this, reply = reply_] { finished(reply); });
}

void NetworkFetch::cancel()
{
    if (!reply_)
        return;
    QNetworkReply *reply = std::exchange(reply_, nullptr);
    answered_ = nullptr;
    reply->abort();
    reply->deleteLater();
}

void NetworkFetch::finished(QNetworkReply *reply)
{
    if (reply != reply_)
        return; // cancelled
    reply_ = nullptr;
    reply->deleteLater();
    const auto answered = std::exchange(answered_, nullptr);
    if (reply->error() == QNetworkReply::NoError && !tooLarge_) {
        answered({reply->read(mostBytes + 1), {}});
        return;
    }
    answered({std::nullopt, reasonOf(*reply, certificateErrors_, tooLarge_, seconds_)});
}

} // namespace os
