#include "post/descrypt.h"
#include "post/formbytes.h"
#include "post/postcheck.h"
#include "post/tripcode.h"
#include "support/testsystem.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using post::Check;
using post::Family;
using post::Finding;

Q_DECLARE_METATYPE(post::Post)
Q_DECLARE_METATYPE(post::Check)
Q_DECLARE_METATYPE(post::Family)

namespace {

// The limits the board's examples were measured with.
const post::BoardSettings measured = post::parseSettings(
    "BBS_TITLE=\x83\x65\x83\x58\x83\x67\nBBS_NAME_COUNT=64\nBBS_MAIL_COUNT=64\n"
    "BBS_MESSAGE_COUNT=2048\nBBS_LINE_NUMBER=16\nBBS_COLUMN_NUMBER=256\nBBS_SUBJECT_COUNT=48\n");

QString ascii(qsizetype count) { return QString(count, u'a'); }

QString lines(int count, qsizetype width)
{
    QStringList all;
    for (int i = 0; i < count; ++i)
        all << ascii(width);
    return all.join(u"\r\n"_s);
}

post::Post withName(const QString &name) { return {name, {}, {}, u"本文"_s}; }
post::Post withMail(const QString &mail) { return {{}, mail, {}, u"本文"_s}; }
post::Post withComment(const QString &comment) { return {{}, {}, {}, comment}; }

QString findingsOf(const post::CheckResult &result)
{
    QStringList all;
    for (const Finding &finding : result.findings)
        all << u"%1 %2 %3+%4"_s.arg(int(finding.kind))
                   .arg(int(finding.field))
                   .arg(finding.position)
                   .arg(finding.length);
    return all.join(u", "_s);
}

} // namespace

class PostCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void boardCountsAsMeasured_data();
    void boardCountsAsMeasured();
    void findingsPointAtTheirCharacters_data();
    void findingsPointAtTheirCharacters();
    void tripsAsBoardsShowThem_data();
    void tripsAsBoardsShowThem();
    void cryptAgreesWithTheSystems();
    void browserSendsShiftJis();
    void settingsPassOverWhatMakesNoSense();
    void longCommentsSplitIntoPosts();
};

// The facts measured on the board, and cases of our own: what the board counts, what it answers,
// and what it will show.
void PostCheckTest::boardCountsAsMeasured_data()
{
    QTest::addColumn<post::Post>("post");
    QTest::addColumn<Family>("family");
    QTest::addColumn<Check>("check");
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<QStringList>("refusals");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QString>("storedMail");
    const Family zero = Family::ZeroChPlus;
    const QStringList accepted;
    const QString any; // not looked at

    QTest::newRow("name テスト + 58") << withName(u"テスト"_s + ascii(58)) << zero << Check::Name
                                      << qsizetype(64) << accepted << any << any;
    QTest::newRow("name 16 <") << withName(QString(16, u'<')) << zero << Check::Name
                               << qsizetype(64) << accepted << QString(16, u'<') << any;
    QTest::newRow("name 43 + #key")
        << withName(ascii(43) + u"#key"_s) << zero << Check::Name << qsizetype(64) << accepted
        << ascii(43) + u" ◆lsUMWqdC0k"_s << any;
    QTest::newRow("name 60 + 削除")
        << withName(ascii(60) + u"削除"_s) << zero << Check::Name << qsizetype(68)
        << QStringList{u"名前が長すぎます！"_s} << ascii(60) + u"”削除”"_s << any;
    QTest::newRow("mail 10 \" + sage") << withMail(QString(10, u'"') + u"sage"_s) << zero
                                       << Check::Mail << qsizetype(64) << accepted << any << any;
    QTest::newRow("comment 2032 + 15 + ㈱")
        << withComment(lines(9, 222) + ascii(2 + 15) + u"㈱"_s) << zero << Check::Comment
        << qsizetype(2049) << QStringList{u"本文が長すぎます！"_s} << any << any;
    QTest::newRow("comment 30 lines + 12")
        << withComment(lines(30, 64) + ascii(12)) << zero << Check::Comment << qsizetype(2048)
        << accepted << any << any;
    QTest::newRow("comment 2040 + 😀")
        << withComment(lines(9, 222) + ascii(2 + 8) + u"😀"_s) << zero << Check::Comment
        << qsizetype(2049) << QStringList{u"本文が長すぎます！"_s} << any << any;
    QTest::newRow("comment 33 lines")
        << withComment(lines(33, 1)) << zero << Check::Lines << qsizetype(33)
        << QStringList{u"改行が多すぎます！"_s} << any << any;
    QTest::newRow("line of 64 >") << withComment(QString(64, u'>')) << zero << Check::LongestLine
                                  << qsizetype(256) << accepted << any << any;
    QStringList anchors;
    for (int i = 1; i <= 11; ++i)
        anchors << u">>%1"_s.arg(i);
    QTest::newRow("11 anchors") << withComment(anchors.join(u' ')) << zero << Check::Anchors
                                << qsizetype(11)
                                << QStringList{u"レスアンカーリンクが多すぎます！"_s} << any << any;
    QTest::newRow("name 😀テスト") << withName(u"😀テスト"_s) << zero << Check::Name << qsizetype(24)
                                  << accepted << u"& ◆nvcNbzQWEeZ5"_s << any;

    // Our own: the rules' edges.
    QTest::newRow("anchors that are none")
        << withComment(u">>1-5 >>>1 >>0 ＞＞2"_s) << zero << Check::Anchors << qsizetype(2)
        << accepted << any << any;
    QTest::newRow("髙＃key keeps its ＃") << withName(u"髙＃key"_s) << zero << Check::Name
                                          << qsizetype(7) << accepted << u"髙＃key"_s << any;
    QTest::newRow("＃ after JIS kanji") << withName(u"山＃key"_s) << zero << Check::Name
                                        << qsizetype(23) << accepted << u"山 ◆lsUMWqdC0k"_s << any;
    QTest::newRow("name: one leading space, ★, empty")
        << withName(u"  ★"_s) << zero << Check::Name << qsizetype(3) << accepted << u" ☆"_s << any;
    QTest::newRow("name 0 is the board's") << withName(u"0"_s) << zero << Check::Name
                                           << qsizetype(1) << accepted << u"名無しさん"_s << any;
    QTest::newRow("mail cut across ａ波") << withMail(u"ａ波abc"_s) << zero << Check::Mail
                                          << qsizetype(1) << accepted << any << u"\uFFFD"_s;
    QTest::newRow("mail sage😀") << withMail(u"sage😀"_s) << zero << Check::Mail << qsizetype(5)
                                << accepted << any << u"sage&"_s;
    QTest::newRow("mail # at the end stays") << withMail(u"sage#"_s) << zero << Check::Mail
                                             << qsizetype(5) << accepted << any << u"sage#"_s;
    QTest::newRow("mail <削除>") << withMail(u"<削除>"_s) << zero << Check::Mail << qsizetype(16)
                                 << accepted << any << u"<”削除”>"_s;
    QTest::newRow("breaks: CR LF, CR, LF")
        << withComment(u"a\r\nb\rc\nd"_s) << zero << Check::Comment << qsizetype(16) << accepted
        << any << any;
    QTest::newRow("a space beside a break")
        << withComment(u"ab \r\n cd"_s) << zero << Check::LongestLine << qsizetype(2) << accepted
        << any << any;
    QTest::newRow("a lone surrogate") << withComment(QString(QChar(0xD800))) << zero
                                      << Check::Comment << qsizetype(8) << accepted << any << any;
    QTest::newRow("empty comment") << withComment({}) << zero << Check::Lines << qsizetype(0)
                                   << QStringList{u"本文がありません！"_s} << any << any;
    post::Post thread{{}, {}, {}, u"本文"_s, true};
    QTest::newRow("a thread without a title")
        << thread << zero << Check::Title << qsizetype(0)
        << QStringList{u"サブジェクトが存在しません！"_s} << any << any;
    thread.title = ascii(47) + u'<';
    QTest::newRow("a title too long") << thread << zero << Check::Title << qsizetype(51)
                                      << QStringList{u"サブジェクトが長すぎます！"_s} << any << any;
    post::Post reply{{}, {}, ascii(100), u"本文"_s};
    QTest::newRow("a reply's title is not checked")
        << reply << zero << Check::Title << qsizetype(100) << accepted << any << any;
    post::Post everything{ascii(65), ascii(65), {}, ascii(2049)};
    QTest::newRow("every refusal, in the board's order")
        << everything << zero << Check::Comment << qsizetype(2049)
        << QStringList{u"名前が長すぎます！"_s, u"メールアドレスが長すぎます！"_s,
                       u"本文が長すぎます！"_s, u"長すぎる行があります！"_s}
        << any << any;

    // The 5ch model.
    const Family five = Family::FiveCh;
    QTest::newRow("5ch: a break is 6, a quote 6")
        << withComment(u"a\n\"b"_s) << five << Check::Comment << qsizetype(14) << accepted << any
        << any;
    QTest::newRow("5ch: leading blank lines go")
        << withComment(u"\r\n\r\nabc"_s) << five << Check::Lines << qsizetype(1) << accepted << any
        << any;
    QTest::newRow("5ch: & in the name")
        << withName(u"a&b"_s) << five << Check::Name << qsizetype(7) << accepted << u"a&b"_s << any;
}

void PostCheckTest::boardCountsAsMeasured()
{
    QFETCH(post::Post, post);
    QFETCH(Family, family);
    QFETCH(Check, check);
    QFETCH(qsizetype, count);
    QFETCH(QStringList, refusals);
    QFETCH(QString, shownName);
    QFETCH(QString, storedMail);
    const post::CheckResult result = post::checkPost(post, measured, family);
    QCOMPARE(result.row(check).count, count);
    QCOMPARE(result.refusals, refusals);
    if (!shownName.isNull())
        QCOMPARE(result.shownName, shownName);
    if (!storedMail.isNull())
        QCOMPARE(result.storedMail, storedMail);
}

void PostCheckTest::findingsPointAtTheirCharacters_data()
{
    QTest::addColumn<post::Post>("post");
    QTest::addColumn<QString>("findings"); // kind field position+length, in order
    const auto item = [](Finding::Kind kind, post::Field field, int position, int length) {
        return u"%1 %2 %3+%4"_s.arg(int(kind)).arg(int(field)).arg(position).arg(length);
    };
    QTest::newRow("first character past the limit")
        << withComment(lines(9, 222) + ascii(16) + u"あい"_s) // い is the 2049th and 2050th byte
        << item(Finding::Kind::OverLimit, post::Field::Comment, 9 * 222 + 8 * 2 + 16 + 1, 1);
    QTest::newRow("〜, an emoji, a decomposed ガ")
        << withComment(u"〜😀カ\u3099"_s)
        << QStringList{item(Finding::Kind::WaveDash, post::Field::Comment, 0, 1),
                       item(Finding::Kind::Reference, post::Field::Comment, 1, 2),
                       item(Finding::Kind::Decomposed, post::Field::Comment, 3, 2)}
               .join(u", "_s);
    QTest::newRow("the # of an emoji in the name")
        << withName(u"a😀"_s)
        << QStringList{item(Finding::Kind::ReferenceHash, post::Field::Name, 1, 2),
                       item(Finding::Kind::Reference, post::Field::Name, 1, 2)}
               .join(u", "_s);
    QTest::newRow("★ and 削除 in the mail")
        << withMail(u"★削除"_s)
        << QStringList{item(Finding::Kind::Changed, post::Field::Mail, 0, 1),
                       item(Finding::Kind::Changed, post::Field::Mail, 1, 2)}
               .join(u", "_s);
    QTest::newRow("the line past the limit")
        << withComment(lines(33, 1)) << item(Finding::Kind::OverLimit, post::Field::Comment, 96, 1);
}

void PostCheckTest::findingsPointAtTheirCharacters()
{
    QFETCH(post::Post, post);
    QFETCH(QString, findings);
    QCOMPARE(findingsOf(post::checkPost(post, measured, Family::ZeroChPlus)), findings);
}

void PostCheckTest::tripsAsBoardsShowThem_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("trip");
    QTest::newRow("empty") << QByteArray() << QByteArray("jPpg5.obl6");
    QTest::newRow("1") << QByteArray("1") << QByteArray("tsGpSwX8mo");
    QTest::newRow("12345678") << QByteArray("12345678") << QByteArray("WBRXcNtpf.");
    QTest::newRow("12345678901") << QByteArray("12345678901") << QByteArray("WBRXcNtpf.");
    QTest::newRow("ｱｲｳｴｵｶｷｸ") << QByteArray("\xb1\xb2\xb3\xb4\xb5\xb6\xb7\xb8")
                              << QByteArray("XlUiP8mHCU");
    QTest::newRow("あいうえおか") << QByteArray("\x82\xa0\x82\xa2\x82\xa4\x82\xa6\x82\xa8\x82\xa9")
                                  << QByteArray("N0mUb9Yq8DyS");
    QTest::newRow("raw key") << QByteArray("#3132333488eb93f3") << QByteArray("RpvqNQTwMA");
    QTest::newRow("$ key") << QByteArray("$23456789012") << QByteArray("???");
    QTest::newRow("# key that is no raw key") << QByteArray("#12345678901") << QByteArray("???");
}

void PostCheckTest::tripsAsBoardsShowThem()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, trip);
    QCOMPARE(post::tripOf(key), trip);
}

// The program's crypt gives what the C library's does, for keys of any bytes and any salt.
void PostCheckTest::cryptAgreesWithTheSystems()
{
    if (!systemCrypt("a", "ab"))
        QSKIP("This system has no crypt(3) to compare with");
    static const char alphabet[] =
        "./0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    QRandomGenerator random(20261211);
    for (int i = 0; i < 10000; ++i) {
        QByteArray key;
        for (int length = random.bounded(10); key.size() < length;)
            key += char(random.bounded(1, 256));
        QByteArray salt;
        salt += alphabet[random.bounded(64)];
        salt += alphabet[random.bounded(64)];
        QCOMPARE(post::desCrypt(key, salt), *systemCrypt(key, salt));
    }
}

void PostCheckTest::browserSendsShiftJis()
{
    const auto sent = [](const QString &text) { return post::sentBytes(text); };
    QCOMPARE(sent(u"\u00A5\u203E\u2212"_s), QByteArray("\x5C\x7E\x81\x7C"));
    QCOMPARE(sent(u"〜～"_s), QByteArray("&#12316;\x81\x60"));
    QCOMPARE(sent(u"😀ｱ髙"_s), QByteArray("&#128512;\xB1\xFB\xFC"));
    QCOMPARE(sent(u"\uE000"_s), QByteArray("&#57344;")); // the user-defined area is Windows'
    QCOMPARE(sent(u"a\rb\nc\r\n"_s), QByteArray("a\r\nb\r\nc\r\n"));
}

void PostCheckTest::settingsPassOverWhatMakesNoSense()
{
    const post::BoardSettings settings = post::parseSettings(
        "BBS_TITLE=\x83\x65\x83\x58\x83\x67\r\nBBS_NAME_COUNT=0\r\nBBS_MESSAGE_COUNT="
        "1000000000000\n"
        "BBS_MAIL_COUNT=-5\nBBS_LINE_NUMBER=30\nnonsense\n=5\nBBS_UNKNOWN=7\n\x00\xff\xfe");
    QCOMPARE(settings.title, u"テスト"_s);
    QCOMPARE(settings.nameBytes, 128);
    QCOMPARE(settings.messageBytes, 2048);
    QCOMPARE(settings.mailBytes, 64);
    QCOMPARE(settings.lineNumber, 30);
    QCOMPARE(settings.ignored,
             (QStringList{u"BBS_NAME_COUNT=0"_s, u"BBS_MESSAGE_COUNT=1000000000000"_s,
                          u"BBS_MAIL_COUNT=-5"_s}));
}

// Every part within every limit, cut at a blank line where one is at hand, nothing lost.
void PostCheckTest::longCommentsSplitIntoPosts()
{
    const QString first = lines(20, 64), second = lines(25, 64);
    const QString comment = first + u"\r\n\r\n"_s + second;
    const std::vector<QString> parts = post::splitComment(comment, measured, Family::ZeroChPlus);
    QCOMPARE(parts.size(), std::size_t(2));
    QCOMPARE(parts[0], first); // at the blank line, though more lines would have fitted
    QCOMPARE(parts[1], second);
    for (const QString &part : parts)
        QVERIFY(post::checkPost(withComment(part), measured, Family::ZeroChPlus).accepted());

    const QString many = lines(100, 200);
    QStringList joined;
    for (const QString &part : post::splitComment(many, measured, Family::FiveCh)) {
        QVERIFY(post::checkPost(withComment(part), measured, Family::FiveCh).accepted());
        joined << part;
    }
    QCOMPARE(joined.join(u"\r\n"_s), many);
    QVERIFY(post::splitComment(ascii(300), measured, Family::ZeroChPlus).empty());
}

QTEST_GUILESS_MAIN(PostCheckTest)
#include "tst_postcheck.moc"
