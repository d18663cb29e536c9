#include "text/likelytext.h"

#include "text/windows31jtables.h"

#include <QChar>

#include <algorithm>

namespace text {

// Each reading gets a score, the sum of how unlikely each of its characters is in what posters
// write (a rough -log of its share, in small steps), and the likelier text is the one with the
// lower score. What is weighed:
// - Scripts: kana and JIS level 1 kanji cost least; half-width kana a little more; JIS level 2
//   kanji, kanji beyond JIS and symbols more again; stray marks, controls and private use most.
// - Words: a letter of Latin, Greek, Cyrillic or any other alphabet is likely in a word of three
//   letters or more, or, for Latin, beside ASCII letters ("café", "né") or among ASCII words
//   ("Ele é bom"); one or two letters of such a script on their own are not ("ﾐｻ" read as UTF-8
//   is the lone Cyrillic "л"). A Latin word is mostly ASCII, and its accents mostly those of
//   Western Europe.
// - Neighbours: a letter right after a letter of another script costs extra, so "cafﾃｩ" loses to
//   "café"; half-width kana glued to ASCII digits and punctuation too ("15ﾂｰ", "(ﾂｴ-`)").
//
// Measured by quillo-encoding-check (bench/README.md) on the Japanese manual pages, the IPA
// dictionary's words and names, and French, Spanish, German, Portuguese, Greek, Russian and
// Ukrainian word lists: every half-width kana handle of two to four characters reads back as
// written; of 950,000 pieces of Japanese prose with half-width katakana in Windows-31J one is read
// wrongly, and none of as many in UTF-8; no UTF-8 word of three letters or more is. What it gets
// wrong: a UTF-8 text of one or two letters of Greek, Cyrillic or Latin and nothing else reads as
// the half-width kana of the same bytes ("Гб" as "ﾐ寅ｱ", "é" as "ﾃｩ"), since those bytes are a
// kana handle's as often; and 6 in 100,000 dictionary words of rare kanji are taken for kanji of
// another reading ("諷刺" for "慎h"), 14 in 100,000 the other way.

namespace {

using windows31jtables::encodePages;

// Costs in steps of half a unit: a common kana costs 2.
constexpr int commonJapanese = 2; // kana, JIS level 1 kanji, CJK punctuation, full-width forms
constexpr int letterInWord = 2;   // a letter of a word of three or more, "é" in "café"
constexpr int latinInPair = 3;    // "é" in "né"
constexpr int latinAlone = 6;     // "é" in "Ele é bom"
constexpr int commonMark = 3;     // an accent on a letter, as text in decomposed form has it
constexpr int halfWidthKana = 4;
constexpr int gluedKana = 3;    // half-width kana against ASCII digits or punctuation: "15ﾂｰ"
constexpr int scriptChange = 6; // a letter right after a letter of another script
constexpr int heldSymbol = 8;   // a symbol Windows-31J holds, or one beyond its plane (emoji)
constexpr int strayHeldLetter = 8; // one or two Greek or Cyrillic letters, as JIS has them: "β版"
constexpr int otherMark = 16;
constexpr int rareKanji = 10;    // JIS level 2 and the extensions
constexpr int foreignKanji = 12; // none in Windows-31J (simplified Chinese, ...)
constexpr int otherSymbol = 12;
constexpr int strayLetter = 18;
constexpr int strayMark = 20;
constexpr int unlikely = 40; // controls, private use, unassigned code points
// How much lower the UTF-8 reading's score must be: a tie goes to Windows-31J.
constexpr int margin = 1;

bool isHalfWidthKana(char32_t c) { return c >= 0xFF61 && c <= 0xFF9F; }

// Kana, the long vowel mark, CJK punctuation and the full-width forms.
bool isJapaneseBlock(char32_t c)
{
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF)
           || (c >= 0xFF01 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFEE);
}

// The accents of Western European letters, and the kana voicing marks.
bool isCommonMark(char32_t c)
{
    return (c >= 0x0300 && c <= 0x030C) || c == 0x031B || c == 0x0323 || c == 0x0327 || c == 0x0328
           || c == 0x3099 || c == 0x309A;
}

// The Windows-31J code of a character of the Basic Multilingual Plane, 0 when it has none.
std::uint16_t windows31jCode(char32_t c)
{
    return c > 0xFFFF ? 0 : (*encodePages[c >> 8])[c & 0xFF];
}

int kanjiCost(char32_t c)
{
    const std::uint16_t code = windows31jCode(c);
    if (code == 0)
        return foreignKanji;
    return code >= 0x889F && code <= 0x9872 ? commonJapanese : rareKanji;
}

// Latin letters beyond ASCII: those of Western Europe are the common ones.
int latinRarity(char32_t c) { return c <= 0xFF ? 0 : c <= 0x17F ? 3 : 6; }

// Letters of one script in a row, with the marks on them: a word, or a stray letter or two.
struct Run
{
    int script = -1;
    int letters = 0;
    int asciiLetters = 0;
    // What the letters beyond ASCII cost in a word, in a Latin pair with an ASCII letter, stray.
    int inWord = 0;
    int inPair = 0;
    int alone = 0;
    int stray = 0;

    int cost(bool amongLatinWords) const
    {
        if (amongLatinWords && script == QChar::Script_Latin && letters == 1 && asciiLetters == 0)
            return alone;
        // A Latin word is mostly ASCII: "ýĂA" is no word but the bytes of "ﾃｽﾄは、".
        const bool latin = script == QChar::Script_Latin;
        if (letters >= 3 && (!latin || 2 * asciiLetters >= letters))
            return inWord;
        return latin && asciiLetters > 0 ? inPair : stray;
    }
};

// Kana and kanji count as one script, half-width kana as another: a change between the two is
// no change, and neither is one between kana or kanji and the scripts Japanese text mixes with
// them: ASCII letters ("Linuxの") and Greek and Cyrillic ("β版", "(ノД`)").
constexpr int japanese = QChar::ScriptCount;
constexpr int halfWidth = QChar::ScriptCount + 1;

bool isChange(int from, int to)
{
    if (from == -1 || from == to)
        return false;
    const auto isJapanese = [](int script) { return script == japanese || script == halfWidth; };
    if (isJapanese(from) && isJapanese(to))
        return false;
    const auto mixes = [](int script) {
        return script == QChar::Script_Latin || script == QChar::Script_Greek
               || script == QChar::Script_Cyrillic;
    };
    return !(from == japanese && mixes(to)) && !(mixes(from) && to == japanese);
}

class Scorer
{
public:
    int score(QStringView text)
    {
        amongLatinWords_ = std::any_of(text.begin(), text.end(), [](QChar c) {
            return (c.unicode() | 0x20) >= 'a' && (c.unicode() | 0x20) <= 'z';
        });
        for (qsizetype i = 0; i < text.size(); ++i) {
            char32_t c = text[i].unicode();
            if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
            add(c);
        }
        endRun();
        return score_;
    }

private:
    void add(char32_t c)
    {
        if (c < 0x80)
            return addAscii(c);
        if (isHalfWidthKana(c)) {
            score_ += afterAsciiSymbol_ ? gluedKana : 0;
            return letter(halfWidth, halfWidthKana);
        }
        const QChar::Category category = QChar::category(c);
        const bool isLetter =
            category >= QChar::Letter_Uppercase && category <= QChar::Letter_Other;
        if (isJapaneseBlock(c) && isLetter)
            return letter(japanese, commonJapanese);
        if (isJapaneseBlock(c))
            return other(commonJapanese);
        if (isLetter)
            return addLetter(c);
        switch (category) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
            return addMark(c);
        case QChar::Other_Control:
        case QChar::Other_Surrogate:
        case QChar::Other_PrivateUse:
        case QChar::Other_NotAssigned:
            return other(unlikely);
        default:
            return other(windows31jCode(c) != 0 || c > 0xFFFF ? heldSymbol : otherSymbol);
        }
    }

    void addAscii(char32_t c)
    {
        if ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') {
            letter(QChar::Script_Latin, 0);
            ++run_.asciiLetters;
            return;
        }
        const bool symbol = c > 0x20 && c < 0x7F;
        score_ += symbol && previous_ == halfWidth ? gluedKana : 0;
        other(c >= 0x20 || c == '\t' || c == '\r' || c == '\n' ? 0 : unlikely);
        afterAsciiSymbol_ = symbol;
    }

    void addLetter(char32_t c)
    {
        const QChar::Script script = QChar::script(c);
        if (script == QChar::Script_Han)
            return letter(japanese, kanjiCost(c));
        if (script == QChar::Script_Hiragana || script == QChar::Script_Katakana)
            return letter(japanese, commonJapanese);
        letter(script, 0);
        const int rarity = script == QChar::Script_Latin ? latinRarity(c) : 0;
        run_.inWord += letterInWord + rarity;
        run_.inPair += latinInPair + rarity;
        run_.alone += latinAlone + rarity;
        run_.stray += windows31jCode(c) != 0 ? strayHeldLetter : strayLetter;
    }

    // A mark on a letter belongs to it (text in decomposed form) and is as likely as its word; on
    // nothing, it is noise.
    void addMark(char32_t c)
    {
        const int cost = isCommonMark(c) ? commonMark : otherMark;
        if (previous_ == -1) {
            score_ += strayMark;
        } else if (run_.letters == 0) {
            score_ += cost;
        } else {
            run_.inWord += cost;
            run_.inPair += cost;
            run_.stray += strayMark;
        }
    }

    // A letter of a script: ASCII letters are Latin, kana and kanji are one script.
    void letter(int script, int cost)
    {
        if (isChange(previous_, script))
            score_ += scriptChange;
        if (script != run_.script)
            endRun();
        previous_ = script;
        score_ += cost;
        if (script == japanese || script == halfWidth)
            return;
        run_.script = script;
        ++run_.letters;
    }

    void other(int cost)
    {
        endRun();
        score_ += cost;
    }

    void endRun()
    {
        score_ += run_.cost(amongLatinWords_);
        run_ = Run();
        previous_ = -1;
        afterAsciiSymbol_ = false;
    }

    int score_ = 0;
    int previous_ = -1; // the script of the letter just before, -1 after anything else
    bool afterAsciiSymbol_ = false;
    bool amongLatinWords_ = false; // the text has ASCII letters
    Run run_;
};

} // namespace

bool utf8IsLikelier(QStringView utf8Reading, QStringView windows31jReading)
{
    return Scorer().score(utf8Reading) + margin < Scorer().score(windows31jReading);
}

} // namespace text
