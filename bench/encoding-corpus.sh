#!/usr/bin/env bash
# Gathers the real text that quillo-encoding-check measures the codec's reading rule on, from
# Debian's packages, into a folder of UTF-8 files of one text a line:
#   ja-prose.txt   the prose of the Japanese manual pages (manpages-ja)
#   ja-words.txt   Japanese words, and ja-names.txt the readings of person names, in katakana
#                  (the IPA dictionary of MeCab, mecab-ipadic)
#   latin.txt      French, Spanish, German and Portuguese words with a letter beyond ASCII
#   greek.txt      Greek words (hunspell-el), cyrillic.txt Russian and Ukrainian words
#                  (hunspell-ru, wukrainian)
# usage: bench/encoding-corpus.sh FOLDER
set -euo pipefail
export LC_ALL=C.UTF-8
folder=${1:?usage: encoding-corpus.sh FOLDER}
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages manpages-ja mecab-ipadic wfrench wspanish wngerman wportuguese hunspell-el \
    hunspell-ru wukrainian
mkdir -p "$folder"

# The text of every page: no requests, no font escapes, lines with kana or kanji (the tables of
# the character set pages are no prose).
find /usr/share/man/ja -name '*.gz' -print0 | sort -z | xargs -0 zcat -f \
    | grep -v '^[.'"'"']' \
    | sed -e 's/\\f\[[^]]*\]//g; s/\\f(..//g; s/\\f.//g; s/\\[,/&]//g; s/\\-/-/g; s/\\(..//g' \
    | iconv -f UTF-8 -t UTF-8 -c | grep -P '[\p{Han}\p{Hiragana}\p{Katakana}]' \
    >"$folder/ja-prose.txt"

ipadic=/usr/share/mecab/dic/ipadic
# Surface forms of the nouns, verbs and adjectives; katakana readings of the person names.
cat "$ipadic"/{Noun,Noun.adjv,Noun.verbal,Verb,Adj,Adverb}.csv | iconv -f EUC-JP -t UTF-8 \
    | cut -d, -f1 | sort -u >"$folder/ja-words.txt"
iconv -f EUC-JP -t UTF-8 "$ipadic/Noun.name.csv" | cut -d, -f12 | sort -u >"$folder/ja-names.txt"

# Dictionary words without their affix flags.
words() { sed -e 's|/.*||' | grep -P '^\p{L}+$'; }
cat /usr/share/dict/{french,spanish,ngerman,portuguese} | grep -P '[^\x00-\x7F]' | words \
    | sort -u >"$folder/latin.txt"
tail -n +2 /usr/share/hunspell/el_GR.dic | iconv -f ISO-8859-7 -t UTF-8 | words \
    | sort -u >"$folder/greek.txt"
{ tail -n +2 /usr/share/hunspell/ru_RU.dic; cat /usr/share/dict/ukrainian; } | words \
    | sort -u >"$folder/cyrillic.txt"
wc -l "$folder"/*.txt
