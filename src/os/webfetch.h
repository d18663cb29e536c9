#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace os {

// The one kind of request the program makes, and only when the user asks: a GET of a small text
// file (a board's SETTING.TXT). What it gives: the bytes, or the reason in Japanese.
struct FetchAnswer
{
    std::optional<QByteArray> bytes;
    QString reason;
};

class WebFetch : public QObject
{
    Q_OBJECT

public:
    // One request at a time: a new one cancels the one under way, which then gives no answer.
    virtual void get(const QUrl &url, std::function<void(const FetchAnswer &)> answered) = 0;
    // The request under way ends, and gives no answer.
    virtual void cancel() = 0;
};

// Through Qt Network, as a careful program asks: http and https only, TLS with the system's
// certificates and full verification, at most five redirects and never from https to http, no
// cookies and no credentials, a time limit, at most 64 KB read, and a User-Agent that names
// Quillo and its version.
class NetworkFetch final : public WebFetch
{
    Q_OBJECT

public:
    static constexpr qint64 mostBytes = 64 * 1024;

    // alsoTrusted: certificates trusted beside the system's, and the time limit: for the tests
    // against a server of their own.
    explicit NetworkFetch(QList<QSslCertificate> alsoTrusted = {}, int seconds = 15);
    ~NetworkFetch() override;

    void get(const QUrl &url, std::function<void(const FetchAnswer &)> answered) override;
    void cancel() override;

private:
    void finished(QNetworkReply *reply);

    QList<QSslCertificate> alsoTrusted_;
    int seconds_;
    QNetworkAccessManager *manager_;
    QNetworkReply *reply_ = nullptr;
    std::function<void(const FetchAnswer &)> answered_;
    QString certificateErrors_;
    bool tooLarge_ = false;
};

} // namespace os
