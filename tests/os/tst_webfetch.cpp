#include "os/webfetch.h"
#include "post/boardaddress.h"
#include "post/boardsettings.h"
#include "support/testsystem.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Reading a board's SETTING.TXT from a server of the test's own on 127.0.0.1, over HTTP and over
// HTTPS with throwaway certificates that only the fetch's own seam trusts.
class WebFetchTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void tlsIsAvailable();
    void settingTextFromTheBoardsServer_data();
    void settingTextFromTheBoardsServer();
    void nothingButTheRequestIsSent();
    void boardAddresses();

private:
    os::FetchAnswer fetch(const QUrl &url, int seconds = 15);
    os::FetchAnswer answerOf(os::NetworkFetch &fetcher, const QUrl &url);
    QUrl at(const QString &server, const QString &path) const;

    QTemporaryDir folder_;
    QProcess server_;
    QMap<QString, int> ports_;
    QList<QSslCertificate> certificates_;
};

namespace {

// A self-signed certificate for the host, made by openssl: its certificate and key files.
bool makeCertificate(const QString &folder, const QString &name, const QString &subjectAlt)
{
    QProcess openssl;
    openssl.setStandardOutputFile(QProcess::nullDevice());
    openssl.setStandardErrorFile(QProcess::nullDevice());
    openssl.start(u"openssl"_s,
                  {u"req"_s, u"-x509"_s, u"-newkey"_s, u"rsa:2048"_s, u"-nodes"_s, u"-days"_s,
                   u"2"_s, u"-subj"_s, u"/CN=quillo test"_s, u"-addext"_s,
                   u"subjectAltName="_s + subjectAlt, u"-keyout"_s,
                   folder + u'/' + name + u".key"_s, u"-out"_s, folder + u'/' + name + u".pem"_s});
    return openssl.waitForFinished(60000) && openssl.exitCode() == 0;
}

} // namespace

void WebFetchTest::initTestCase()
{
    if (!runsLinuxPrograms()) {
        // Under Wine the server is started beside the test, over plain HTTP: its port is in a file.
        QFile port(qEnvironmentVariable("QUILLO_BOARD_SERVER_PORT_FILE"));
        if (port.open(QIODevice::ReadOnly))
            ports_[u"http"_s] = QString::fromLatin1(port.readAll()).split(u' ').value(1).toInt();
        return;
    }
    const QString folder = folder_.path();
    QVERIFY(makeCertificate(folder, u"local"_s, u"IP:127.0.0.1"_s));
    QVERIFY(makeCertificate(folder, u"other"_s, u"DNS:other.example"_s));
    for (const QString &name : {u"local"_s, u"other"_s})
        certificates_ += QSslCertificate::fromPath(folder + u'/' + name + u".pem"_s);
    QCOMPARE(certificates_.size(), 2);
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.start(u"python3"_s,
                  {QFINDTESTDATA("../support/boardserver.py"), folder + u"/local.pem"_s,
                   folder + u"/local.key"_s, folder + u"/other.pem"_s, folder + u"/other.key"_s});
    QVERIFY(server_.waitForReadyRead(20000));
    const QStringList words = QString::fromLatin1(server_.readLine()).split(u' ');
    QCOMPARE(words.size(), 6);
    for (int i = 0; i < 6; i += 2)
        ports_[words[i]] = words[i + 1].toInt();
}

// Linux's through OpenSSL, which Debian's Qt Network brings; Windows' own Schannel, whose plugin
// the program carries.
void WebFetchTest::tlsIsAvailable()
{
    QVERIFY(QSslSocket::supportsSsl());
    QCOMPARE(QSslSocket::activeBackend(), runsLinuxPrograms() ? u"openssl"_s : u"schannel"_s);
}

void WebFetchTest::cleanupTestCase()
{
    server_.closeWriteChannel(); // it ends when its input does
    server_.waitForFinished(5000);
}

QUrl WebFetchTest::at(const QString &server, const QString &path) const
{
    const QString scheme = server == u"http" ? u"http"_s : u"https"_s;
    return QUrl(u"%1://127.0.0.1:%2%3"_s.arg(scheme).arg(ports_.value(server)).arg(path));
}

os::FetchAnswer WebFetchTest::fetch(const QUrl &url, int seconds)
{
    os::NetworkFetch fetcher(certificates_, seconds);
    return answerOf(fetcher, url);
}

// The answer of one request, once it has come.
os::FetchAnswer WebFetchTest::answerOf(os::NetworkFetch &fetcher, const QUrl &url)
{
    std::optional<os::FetchAnswer> answer;
    fetcher.get(url, [&](const os::FetchAnswer &given) { answer = given; });
    [&] { QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 30000); }();
    return answer.value_or(os::FetchAnswer{});
}

void WebFetchTest::settingTextFromTheBoardsServer_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("title");  // of a SETTING.TXT read
    QTest::addColumn<QString>("reason"); // or why not: the start of the message
    QTest::newRow("http") << u"http"_s << u"/board/SETTING.TXT"_s << 15 << u"テスト板"_s
                          << QString();
    QTest::newRow("https") << u"https"_s << u"/board/SETTING.TXT"_s << 15 << u"テスト板"_s
                           << QString();
    QTest::newRow("a redirect") << u"https"_s << u"/redirect/SETTING.TXT"_s << 15 << u"テスト板"_s
                                << QString();
    QTest::newRow("https to http") << u"https"_s << u"/tohttp/SETTING.TXT"_s << 15 << QString()
                                   << u"https から http への転送は受け付けません。"_s;
    QTest::newRow("redirects without end") << u"http"_s << u"/loop/SETTING.TXT"_s << 15 << QString()
                                           << u"転送が多すぎます（5 回まで）。"_s;
    QTest::newRow("404")
        << u"http"_s << u"/hidden/SETTING.TXT"_s << 15 << QString()
        << u"サーバーの答えが HTTP 404 Not Found でした。設定を公開していない掲示板は、こう答えます。"_s;
    QTest::newRow("credentials asked for") << u"http"_s << u"/auth/SETTING.TXT"_s << 15 << QString()
                                           << u"サーバーの答えが HTTP 401 Unauthorized でした。"_s;
    QTest::newRow("a time-out") << u"http"_s << u"/slow/SETTING.TXT"_s << 1 << QString()
                                << u"1 秒待っても答えがありません。"_s;
    QTest::newRow("10 MB") << u"http"_s << u"/huge/SETTING.TXT"_s << 15 << QString()
                           << u"答えが 64 KB を超えています。"_s;
    QTest::newRow("binary") << u"http"_s << u"/binary/SETTING.TXT"_s << 15 << QString()
                            << u"SETTING.TXT ではありません: 文字でないバイトがあります。"_s;
    QTest::newRow("an HTML page") << u"http"_s << u"/html/SETTING.TXT"_s << 15 << QString()
                                  << u"SETTING.TXT ではありません: HTML のページです。"_s;
    QTest::newRow("a certificate for another host")
        << u"other"_s << u"/board/SETTING.TXT"_s << 15 << QString()
        << u"サーバーの証明書を確かめられませんでした: "_s;
}

void WebFetchTest::settingTextFromTheBoardsServer()
{
    QFETCH(QString, server);
    QFETCH(QString, path);
    if (!ports_.contains(server))
        QSKIP("No such server beside the test here");
    QFETCH(int, seconds);
    QFETCH(QString, title);
    QFETCH(QString, reason);
    const os::FetchAnswer answer = fetch(at(server, path), seconds);
    QString why = answer.reason;
    if (answer.bytes)
        why = post::whyNotSettings(*answer.bytes);
    if (title.isNull()) {
        QVERIFY2(why.startsWith(reason) && why.size() >= reason.size(), qPrintable(why));
        if (reason.endsWith(u"。"))
            QCOMPARE(why, reason);
    } else {
        QVERIFY2(why.isEmpty(), qPrintable(why));
        QCOMPARE(post::parseSettings(*answer.bytes).title, title);
    }
}

// The request names Quillo, and carries no cookie the server set and no credentials.
void WebFetchTest::nothingButTheRequestIsSent()
{
    if (ports_.isEmpty())
        QSKIP("The test's server is a Linux program");
    os::NetworkFetch fetcher(certificates_);
    QVERIFY(answerOf(fetcher, at(u"http"_s, u"/cookie/SETTING.TXT"_s)).bytes);
    const os::FetchAnswer echoed = answerOf(fetcher, at(u"http"_s, u"/headers/SETTING.TXT"_s));
    const QString headers = QString::fromLatin1(echoed.bytes.value_or("<none>")).toLower();
    QVERIFY2(headers.contains(u"user-agent: quillo/"_s), qPrintable(headers));
    QVERIFY2(!headers.contains(u"cookie"_s) && !headers.contains(u"authorization"_s),
             qPrintable(headers));

    // A request given up gives no answer, not even once the next one has had its own.
    bool answered = false;
    fetcher.get(at(u"http"_s, u"/slow/SETTING.TXT"_s),
                [&](const os::FetchAnswer &) { answered = true; });
    fetcher.cancel();
    QVERIFY(answerOf(fetcher, at(u"http"_s, u"/board/SETTING.TXT"_s)).bytes);
    QVERIFY(!answered);
}

void WebFetchTest::boardAddresses()
{
    const auto settingText = [](const QString &typed) {
        const auto address = post::boardAddressOf(typed);
        return address ? address->settingText().toString() : u"none"_s;
    };
    QCOMPARE(settingText(u"https://mao.5ch.net/test/read.cgi/news4vip/1234567890/"_s),
             u"https://mao.5ch.net/news4vip/SETTING.TXT"_s);
    QCOMPARE(settingText(u" https://mao.5ch.net/test/read.cgi/news4vip/1234567890/123-456 "_s),
             u"https://mao.5ch.net/news4vip/SETTING.TXT"_s);
    QCOMPARE(settingText(u"http://127.0.0.1:8080/board/"_s),
             u"http://127.0.0.1:8080/board/SETTING.TXT"_s);
    QCOMPARE(settingText(u"https://example.jp/board"_s), u"https://example.jp/board/SETTING.TXT"_s);
    QCOMPARE(settingText(u"ftp://example.jp/board/"_s), u"none"_s);
    QCOMPARE(settingText(u"https://example.jp/a/b/c"_s), u"none"_s);
    QCOMPARE(settingText(u"今日の天気"_s), u"none"_s);
    QCOMPARE(post::boardAddressOf(u"https://mercury.bbspink.com/onatopi/"_s)->family,
             post::Family::FiveCh);
    QCOMPARE(post::boardAddressOf(u"https://example.5ch.net.evil.jp/x/"_s)->family,
             post::Family::ZeroChPlus);
}

QTEST_GUILESS_MAIN(WebFetchTest)
#include "tst_webfetch.moc"
