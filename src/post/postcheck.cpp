#include "post/postcheck.h"

#include "post/formbytes.h"
#include "post/tripcode.h"
#include "text/linereader.h"

#include <QRegularExpression>

#include <array>
#include <numeric>

using namespace Qt::StringLiterals;

namespace post {

namespace {

// How the two families differ: a few bytes and one step.
struct FamilyRules
{
    QByteArray commentBreak;     // what a line break of the Comment becomes
    bool quotesEverywhere;       // '"' becomes &quot; in every field, not in the mail alone
    bool ampersandInName;        // '&' of the name becomes &amp;
    bool dropsLeadingBlankLines; // of the Comment
};

const FamilyRules &rulesOf(Family family)
{
    static const FamilyRules zeroChPlus{QByteArrayLiteral("<br>"), false, false, false};
    // The model 2ch browsers count 5ch with: its server's code is not public.
    static const FamilyRules fiveCh{QByteArrayLiteral(" <br> "), true, true, true};
    return family == Family::FiveCh ? fiveCh : zeroChPlus;
}

// A stretch of a field's text, with the bytes the board counts for it and what its page shows.
struct Piece
{
    qsizetype position;
    qsizetype length;
    QByteArray bytes;
    QString shown;
    bool reference = false;
};

using Pieces = std::vector<Piece>;

// The characters of a one-line field: its line breaks go.
Pieces piecesOf(QStringView text)
{
    Pieces pieces;
    forEachSent(text, [&](const SentCharacter &sent) {
        if (!sent.lineBreak)
            pieces.push_back({sent.position, sent.length, bytesOf(sent),
                              text.sliced(sent.position, sent.length).toString(), sent.reference});
    });
    return pieces;
}

qsizetype totalOf(const Pieces &pieces)
{
    return std::accumulate(
        pieces.begin(), pieces.end(), qsizetype(0),
        [](qsizetype sum, const Piece &piece) { return sum + piece.bytes.size(); });
}

struct Escapes
{
    bool quote;
    bool ampersand;
};

// The HTML a board makes of the bytes; a reference whose '&' is escaped shows as its own text.
void escape(Pieces &pieces, Escapes escapes)
{
    for (Piece &piece : pieces) {
        QByteArray escaped;
        for (const char byte : std::as_const(piece.bytes)) {
            if (byte == '<')
                escaped += "&lt;";
            else if (byte == '>')
                escaped += "&gt;";
            else if (byte == '"' && escapes.quote)
                escaped += "&quot;";
            else if (byte == '&' && escapes.ampersand)
                escaped += "&amp;";
            else
                escaped += byte;
        }
        if (piece.reference && escapes.ampersand)
            piece.shown = QString::fromLatin1(piece.bytes);
        piece.bytes = std::move(escaped);
    }
}

void addFinding(std::vector<Finding> &findings, Finding::Kind kind, Field field, const Piece &piece,
                const QString &text)
{
    findings.push_back({kind, field, piece.position, piece.length, text});
}

// ★ and ◆ are the board's own marks for trips and caps: a name or mail gets the white ones.
void whitenMarks(Pieces &pieces, Field field, std::vector<Finding> &findings)
{
    static const std::array<std::pair<QString, QString>, 2> marks{
        {{u"★"_s, u"☆"_s}, {u"◆"_s, u"◇"_s}}};
    for (Piece &piece : pieces) {
        for (const auto &[black, white] : marks) {
            if (piece.shown != black)
                continue;
            piece.bytes[1] = char(piece.bytes[1] - 1); // ☆ and ◇ stand just before
            piece.shown = white;
            addFinding(findings, Finding::Kind::Changed, field, piece,
                       u"「%1」は掲示板で「%2」に変わります。"_s.arg(black, white));
        }
    }
}

// Words only the board's own people may write come out in quotation marks, 4 bytes more.
void quoteReservedWords(Pieces &pieces, const QStringList &words, Field field,
                        std::vector<Finding> &findings)
{
    static const QByteArray quote = QByteArrayLiteral("\x81\x68"); // ”
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        const QString pair = pieces[i].shown + pieces[i + 1].shown;
        if (!words.contains(pair))
            continue;
        pieces[i].bytes.prepend(quote);
        pieces[i].shown.prepend(u'”');
        pieces[i + 1].bytes.append(quote);
        pieces[i + 1].shown.append(u'”');
        Finding finding{Finding::Kind::Changed, field, pieces[i].position, 2,
                        u"「%1」は掲示板で「”%1”」に変わり、4 バイト増えます。"_s.arg(pair)};
        findings.push_back(finding);
        ++i;
    }
}

QString shownOf(const Pieces &pieces)
{
    QString shown;
    for (const Piece &piece : pieces)
        shown += piece.shown;
    return shown;
}

QString charactersOf(QStringView text, const Piece &piece)
{
    return text.sliced(piece.position, piece.length).toString();
}

// Where a count first passes its limit: the character that crosses it.
void findingPastLimit(const Pieces &pieces, qsizetype limit, Field field, const QString &what,
                      std::vector<Finding> &findings)
{
    qsizetype total = 0;
    for (const Piece &piece : pieces) {
        total += piece.bytes.size();
        if (total > limit) {
            addFinding(findings, Finding::Kind::OverLimit, field, piece,
                       u"%1はここで上限の %2 バイトを超えます。"_s.arg(what).arg(limit));
            return;
        }
    }
}

// The characters that go as &#N;, and what they cost.
void referenceFindings(QStringView text, Field field, std::vector<Finding> &findings)
{
    SentCharacter previous{};
    forEachSent(text, [&](const SentCharacter &sent) {
        const SentCharacter before = std::exchange(previous, sent);
        if (!sent.reference)
            return;
        const QString character = text.sliced(sent.position, sent.length).toString();
        const QString bytes = QString::fromLatin1(bytesOf(sent));
        if (sent.character == U'〜') {
            findings.push_back(
                {Finding::Kind::WaveDash, field, sent.position, sent.length,
                 u"「〜」は「%1」として送られ、%2 バイトになります。「～」なら 2 バイトです。"_s
                     .arg(bytes)
                     .arg(sent.size)});
        } else if ((sent.character == 0x3099 || sent.character == 0x309A) && sent.position > 0) {
            const QStringView both = text.sliced(before.position, before.length + sent.length);
            findings.push_back(
                {Finding::Kind::Decomposed, field, before.position, both.size(),
                 u"「%1」は文字と濁点が分かれていて、濁点は「%2」として送られます（%3 バイト）。"_s
                     .arg(both.toString(), bytes)
                     .arg(sent.size)});
        } else {
            findings.push_back(
                {Finding::Kind::Reference, field, sent.position, sent.length,
                 u"「%1」は Shift_JIS にないため「%2」として送られ、%3 バイトになります。"_s
                     .arg(character, bytes)
                     .arg(sent.size)});
        }
    });
}

// The first full-width ＃ stands for # when every character before it is single-byte or starts
// with 81–9F or E0–EF: the board's pattern goes no further than such characters.
void markFullWidthHash(Pieces &pieces)
{
    for (Piece &piece : pieces) {
        if (piece.bytes == "\x81\x94") {
            piece.bytes = "#";
            return;
        }
        const auto lead = static_cast<unsigned char>(piece.bytes[0]);
        if (piece.bytes.size() == 2
            && !((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xEF)))
            return;
    }
}

void checkName(const Post &post, const BoardSettings &settings, const FamilyRules &rules,
               CheckResult &result)
{
    Pieces pieces = piecesOf(post.name);
    markFullWidthHash(pieces);
    // From the first '#' on, the name is its trip's key, as the browser sent it.
    QByteArray key;
    std::optional<Piece> hash;
    for (std::size_t i = 0; i < pieces.size() && !hash; ++i) {
        const qsizetype at = pieces[i].bytes.indexOf('#');
        if (at < 0)
            continue;
        hash = pieces[i];
        key = pieces[i].bytes.sliced(at + 1);
        for (std::size_t j = i + 1; j < pieces.size(); ++j)
            key += pieces[j].bytes;
        if (pieces[i].reference) {
            addFinding(
                result.findings, Finding::Kind::ReferenceHash, Field::Name, pieces[i],
                u"「%1」は「%2」として送られ、その # から先がトリップになります。"_s.arg(
                    charactersOf(post.name, pieces[i]), QString::fromLatin1(pieces[i].bytes)));
        }
        const QByteArray before = pieces[i].bytes.first(at);
        pieces.resize(i);
        if (!before.isEmpty())
            pieces.push_back({hash->position, hash->length, before, QString::fromLatin1(before)});
    }
    escape(pieces, {rules.quotesEverywhere, rules.ampersandInName});
    if (!pieces.empty() && pieces.front().bytes.startsWith(' ')) {
        pieces.front().bytes.remove(0, 1);
        pieces.front().shown.remove(0, 1);
    }
    whitenMarks(pieces, Field::Name, result.findings);
    quoteReservedWords(pieces, {u"削除"_s, u"管理"_s, u"管直"_s, u"復帰"_s}, Field::Name,
                       result.findings);

    QString shown = shownOf(pieces);
    if (shown.isEmpty() || shown == u"0")
        shown = settings.defaultName.isEmpty() ? u"名無しさん"_s : settings.defaultName;
    if (hash) {
        const QByteArray trip = tripOf(key, settings.tripColumns);
        // " </b>◆TRIP <b>": the page shows the trip beside the name, in a plain face.
        pieces.push_back({hash->position,
                          post.name.size() - hash->position,
                          " </b>\x81\x9f" + trip + " <b>",
                          {}});
        shown += u" ◆"_s + QString::fromLatin1(trip);
    }
    result.shownName = shown;
    result.rows[std::size_t(Check::Name)] = {Check::Name, totalOf(pieces), settings.nameBytes};
    if (result.row(Check::Name).over())
        findingPastLimit(pieces, settings.nameBytes, Field::Name, u"名前"_s, result.findings);
}

// The mail is cut at its first '#' or ＃ that has a byte after it: the rest is a cap's password.
// The search goes by bytes, and so may find the ＃ across two characters.
void cutCapPassword(QStringView mail, Pieces &pieces, std::vector<Finding> &findings)
{
    QByteArray bytes;
    for (const Piece &piece : pieces)
        bytes += piece.bytes;
    qsizetype cut = -1;
    for (const QByteArray &mark : {QByteArrayLiteral("#"), QByteArrayLiteral("\x81\x94")}) {
        const qsizetype at = bytes.indexOf(mark);
        if (at >= 0 && at + mark.size() < bytes.size() && (cut < 0 || at < cut))
            cut = at;
    }
    if (cut < 0)
        return;
    qsizetype start = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        Piece &piece = pieces[i];
        const qsizetype end = start + piece.bytes.size();
        if (cut < end) {
            const bool typed = piece.shown == u"#" || piece.shown == u"＃";
            if (piece.reference)
                addFinding(
                    findings, Finding::Kind::ReferenceHash, Field::Mail, piece,
                    u"「%1」は「%2」として送られ、その # から先はメール欄に残りません。"_s.arg(
                        charactersOf(mail, piece), QString::fromLatin1(piece.bytes)));
            else if (!typed)
                addFinding(
                    findings, Finding::Kind::ReferenceHash, Field::Mail, piece,
                    u"「%1」のバイトが「＃」と同じ並びになり、メール欄はここで切られます。"_s.arg(
                        mail.sliced(piece.position).left(2)));
            piece.bytes.truncate(cut - start);
            if (!piece.reference && !piece.bytes.isEmpty())
                piece.shown = QString(QChar::ReplacementCharacter);
            else
                piece.shown = QString::fromLatin1(piece.bytes);
            pieces.resize(piece.bytes.isEmpty() ? i : i + 1);
            return;
        }
        start = end;
    }
}

void checkMail(const Post &post, const BoardSettings &settings, CheckResult &result)
{
    Pieces pieces = piecesOf(post.mail);
    cutCapPassword(post.mail, pieces, result.findings);
    escape(pieces, {true, false});
    whitenMarks(pieces, Field::Mail, result.findings);
    quoteReservedWords(pieces, {u"削除"_s}, Field::Mail, result.findings);
    result.storedMail = shownOf(pieces);
    result.rows[std::size_t(Check::Mail)] = {Check::Mail, totalOf(pieces), settings.mailBytes};
    if (result.row(Check::Mail).over())
        findingPastLimit(pieces, settings.mailBytes, Field::Mail, u"メール"_s, result.findings);
}

void checkTitle(const Post &post, const BoardSettings &settings, const FamilyRules &rules,
                CheckResult &result)
{
    Pieces pieces = piecesOf(post.title);
    escape(pieces, {rules.quotesEverywhere, false});
    result.rows[std::size_t(Check::Title)] = {Check::Title, totalOf(pieces), settings.subjectBytes,
                                              post.newThread};
    if (result.row(Check::Title).over())
        findingPastLimit(pieces, settings.subjectBytes, Field::Title, u"タイトル"_s,
                         result.findings);
}

// What each character of the Comment costs once the board has made HTML of it.
qsizetype commentBytes(const SentCharacter &sent, const FamilyRules &rules)
{
    if (sent.lineBreak)
        return rules.commentBreak.size();
    if (sent.character == U'<' || sent.character == U'>')
        return 4; // &lt; &gt;
    if (sent.character == U'"' && rules.quotesEverywhere)
        return 6; // &quot;
    return sent.size;
}

// The Comment is counted without a copy of it, character by character: it may be long, and the
// check runs at every keystroke. A line is counted as the board makes it, less one space right
// after or right before a line break.
void checkComment(const Post &post, const BoardSettings &settings, const FamilyRules &rules,
                  CheckResult &result)
{
    QStringView comment = post.comment;
    qsizetype offset = 0;
    if (rules.dropsLeadingBlankLines) {
        while (offset < comment.size() && (comment[offset] == u'\r' || comment[offset] == u'\n'))
            ++offset;
        if (offset > 0)
            result.findings.push_back({Finding::Kind::LeadingBlankLines, Field::Comment, 0, offset,
                                       u"先頭の空行は掲示板が取り除きます。"_s});
    }
    const QStringView sent = comment.sliced(offset);
    struct Line
    {
        qsizetype start;
        qsizetype bytes;
    };
    std::vector<Line> lines{{0, 0}};
    qsizetype total = 0;
    std::optional<SentCharacter> pastLimit;
    bool afterBreak = false, endsWithSpace = false;
    forEachSent(sent, [&](const SentCharacter &character) {
        const qsizetype bytes = commentBytes(character, rules);
        total += bytes;
        if (!pastLimit && total > settings.messageBytes)
            pastLimit = character;
        if (character.lineBreak) {
            if (endsWithSpace)
                --lines.back().bytes;
            lines.push_back({character.position + character.length, 0});
            afterBreak = true;
            endsWithSpace = false;
            return;
        }
        const bool space = character.character == U' ';
        if (!(afterBreak && space))
            lines.back().bytes += bytes;
        endsWithSpace = space && !afterBreak;
        afterBreak = false;
    });
    const auto addPast = [&](qsizetype position, qsizetype length, const QString &text) {
        result.findings.push_back(
            {Finding::Kind::OverLimit, Field::Comment, offset + position, length, text});
    };

    result.rows[std::size_t(Check::Comment)] = {Check::Comment, total, settings.messageBytes};
    if (pastLimit)
        addPast(pastLimit->position, pastLimit->length,
                u"本文はここで上限の %1 バイトを超えます。"_s.arg(settings.messageBytes));

    const qsizetype lineLimit = 2 * qsizetype(settings.lineNumber);
    const qsizetype lineCount = sent.isEmpty() ? 0 : qsizetype(lines.size());
    result.rows[std::size_t(Check::Lines)] = {Check::Lines, lineCount, lineLimit};
    if (result.row(Check::Lines).over())
        addPast(lines[std::size_t(lineLimit)].start, 1,
                u"ここから先の行が上限の %1 行を超えています。"_s.arg(lineLimit));

    const Line longest = *std::max_element(
        lines.begin(), lines.end(), [](const Line &a, const Line &b) { return a.bytes < b.bytes; });
    result.rows[std::size_t(Check::LongestLine)] = {Check::LongestLine, longest.bytes,
                                                    settings.columnBytes};
    if (result.row(Check::LongestLine).over()) {
        qsizetype bytes = 0;
        bool found = false;
        forEachSent(sent.sliced(longest.start), [&](const SentCharacter &character) {
            if (found || character.lineBreak)
                return;
            bytes += commentBytes(character, rules);
            if (bytes > settings.columnBytes) {
                found = true;
                addPast(longest.start + character.position, character.length,
                        u"この行はここで上限の %1 バイトを超えます。"_s.arg(settings.columnBytes));
            }
        });
    }

    // An anchor is >> and a digit from 1: >>1-5 is one, >>>1 is one, >>0 and ＞＞2 none.
    static const QRegularExpression anchor(u">>[1-9]"_s);
    qsizetype anchors = 0;
    for (auto match = anchor.globalMatch(sent); match.hasNext();) {
        const QRegularExpressionMatch next = match.next();
        if (++anchors == settings.anchors + 1)
            addPast(next.capturedStart(), next.capturedLength(),
                    u"ここから先のアンカーが上限の %1 個を超えています。"_s.arg(settings.anchors));
    }
    result.rows[std::size_t(Check::Anchors)] = {Check::Anchors, anchors, settings.anchors};
}

// The board's answer, in the order it checks.
QStringList refusalsOf(const Post &post, const CheckResult &result)
{
    QStringList refusals;
    if (post.newThread && post.title.isEmpty())
        refusals << u"サブジェクトが存在しません！"_s;
    const std::array<std::pair<Check, QString>, 7> messages{{
        {Check::Title, u"サブジェクトが長すぎます！"_s},
        {Check::Name, u"名前が長すぎます！"_s},
        {Check::Mail, u"メールアドレスが長すぎます！"_s},
        {Check::Comment, u"本文が長すぎます！"_s},
        {Check::Lines, u"改行が多すぎます！"_s},
        {Check::LongestLine, u"長すぎる行があります！"_s},
        {Check::Anchors, u"レスアンカーリンクが多すぎます！"_s},
    }};
    for (const auto &[check, message] : messages) {
        if (check == Check::Comment && post.comment.isEmpty())
            refusals << u"本文がありません！"_s;
        if (result.row(check).over())
            refusals << message;
    }
    return refusals;
}

} // namespace

CheckResult checkPost(const Post &post, const BoardSettings &settings, Family family)
{
    const FamilyRules &rules = rulesOf(family);
    CheckResult result;
    for (int check = 0; check <= int(Check::Anchors); ++check)
        result.rows.push_back({Check(check)});
    checkTitle(post, settings, rules, result);
    checkName(post, settings, rules, result);
    checkMail(post, settings, result);
    checkComment(post, settings, rules, result);
    for (const auto &[text, field] :
         {std::pair{&post.name, Field::Name}, std::pair{&post.mail, Field::Mail},
          std::pair{&post.title, Field::Title}, std::pair{&post.comment, Field::Comment}})
        referenceFindings(*text, field, result.findings);
    result.refusals = refusalsOf(post, result);
    return result;
}

std::vector<QString> splitComment(const QString &comment, const BoardSettings &settings,
                                  Family family)
{
    const FamilyRules &rules = rulesOf(family);
    struct Line
    {
        QStringView text;
        qsizetype bytes = 0;
        qsizetype anchors = 0;
    };
    std::vector<Line> lines;
    text::forEachLine(
        comment, [&](QStringView text) { lines.push_back({text}); }, text::LineRule::Clipboard);
    static const QRegularExpression anchor(u">>[1-9]"_s);
    for (Line &line : lines) {
        forEachSent(line.text,
                    [&](const SentCharacter &sent) { line.bytes += commentBytes(sent, rules); });
        for (auto match = anchor.globalMatch(line.text); match.hasNext(); match.next())
            ++line.anchors;
        if (line.bytes > settings.columnBytes || line.bytes > settings.messageBytes
            || line.anchors > settings.anchors)
            return {};
    }
    const qsizetype maxLines = 2 * qsizetype(settings.lineNumber);
    std::vector<QString> parts;
    for (std::size_t start = 0; start < lines.size();) {
        qsizetype bytes = 0, anchors = 0;
        std::size_t end = start, blank = start;
        for (; end < lines.size(); ++end) {
            const qsizetype more = lines[end].bytes + (end > start ? rules.commentBreak.size() : 0);
            if (bytes + more > settings.messageBytes || qsizetype(end - start) >= maxLines
                || anchors + lines[end].anchors > settings.anchors)
                break;
            bytes += more;
            anchors += lines[end].anchors;
            if (end > start && lines[end].text.trimmed().isEmpty())
                blank = end;
        }
        // Cut at the last blank line of the part, when the part goes on past it.
        const std::size_t cut = end < lines.size() && blank > start ? blank : end;
        QStringList part;
        for (std::size_t i = start; i < cut; ++i)
            part << lines[i].text.toString();
        parts.push_back(part.join(text::crLf));
        start = cut < end ? cut + 1 : cut; // past the blank line cut at
    }
    return parts;
}

} // namespace post
