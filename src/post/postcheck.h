#pragma once

#include "post/boardsettings.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace post {

// The four fields of a post as the poster typed them.
struct Post
{
    QString name;
    QString mail;
    QString title;
    QString comment;
    bool newThread = false; // the title is sent, and checked, only when a thread is started
};

enum class Field { Name, Mail, Title, Comment };

// What the board counts, in the order it checks: the first one over its limit is its answer.
enum class Check { Title, Name, Mail, Comment, Lines, LongestLine, Anchors };

struct CheckRow
{
    Check check;
    qsizetype count = 0;
    qsizetype limit = 0;
    bool checked = true; // the title of a reply is not
    bool over() const { return checked && count > limit; }
};

// Something in a field that the board counts dearly, changes or refuses, at its characters in the
// field's text.
struct Finding
{
    enum class Kind {
        OverLimit,         // the first character past a limit
        Reference,         // sent as &#N;
        WaveDash,          // U+301C, sent as &#12316; where U+FF5E is two bytes
        Decomposed,        // a kana and a separate sound mark, sent as two characters
        ReferenceHash,     // the # of a &#N; gives a trip, or cuts the mail, that nobody typed
        Changed,           // ★, ◆, 削除, ... changed by the board
        LeadingBlankLines, // removed by the board
    };
    Kind kind;
    Field field;
    qsizetype position;
    qsizetype length;
    QString text; // in plain Japanese
};

struct CheckResult
{
    std::vector<CheckRow> rows; // one for each Check, in its order
    QStringList refusals;       // the board's own messages, the one it shows first
    QString shownName;          // as the board shows it, trip and all
    QString storedMail;
    std::vector<Finding> findings;

    bool accepted() const { return refusals.isEmpty(); }
    const CheckRow &row(Check check) const { return rows[std::size_t(check)]; }
};

// What the board will say of the post: a pure function, quick enough for every keystroke.
CheckResult checkPost(const Post &post, const BoardSettings &settings, Family family);

// A Comment over the board's limits cut into posts that each keep within every limit of the
// Comment (bytes, lines, line length, anchors), at line ends, a blank line taken where one is at
// hand (and then left out). Nothing when a single line is too long for any post.
std::vector<QString> splitComment(const QString &comment, const BoardSettings &settings,
                                  Family family);

} // namespace post
