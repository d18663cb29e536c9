#!/usr/bin/env bash
# A poster's typical round, from start to "End", in the real program with the real programs
# around it: xclip as the browser that copies and pastes, xdotool as the user, Chromium to show
# the preview page. The seven saved fields come up; three lines copied from a browser (LF line
# breaks) are quoted with ">", pasted into the Comment and answered; a link built with "Link" is
# pasted below; "Re:" marks the Title; "IE" writes the page, which Chromium must show as typed;
# the Clip buttons hand Name, Mail, Title and Comment over; the Comment is saved and "End" quits.
# Messages are read over the accessibility bus, as a screen reader reads them.
[ -n "${QUILLO_OWN_SESSION_BUS:-}" ] \
    || QUILLO_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/harness.sh"

COMMENT_BOX=(765 2175 8505 3465)

# Data files hold Windows-31J with CR LF; the arguments are UTF-8 printf formats.
write_data_file() {
    printf "$2" | iconv -f UTF-8 -t CP932 >"$DATA/$1"
}
expect_data_text() {
    local expected actual
    expected=$(printf "$2" | iconv -f UTF-8 -t CP932 | hex_bytes)
    actual=$(hex_bytes <"$DATA/$1")
    [ "$actual" = "$expected" ] || fail "$1 holds [$actual], expected [$expected]"
}

start_x

# 1. The fields as they were saved last time.
mkdir -p "$DATA"
write_data_file 1.txt '山田太郎\r\n'
write_data_file 2.txt 'taro@example.jp\r\n'
write_data_file 3.txt 'taro\r\n'
write_data_file 4.txt 'secret\r\n'
write_data_file 5.txt 'http://example.jp/\r\n'
write_data_file 6.txt '質問\r\n'
write_data_file 7.txt '前の下書き'

make_recording_opener
start_quillo -u BROWSER -u DEFAULT_BROWSER QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    PATH="$OPENER_FOLDER"

# 2. Three lines copied in a browser, quoted.
printf '一行目\n二行目\n三行目\n' | xclip -i -selection clipboard
expect_clipboard '一行目\n二行目\n三行目\n'
click_control "$MAIN_WINDOW" 3240 1770 645 330       # >
expect_clipboard '>一行目\r\n>二行目\r\n>三行目'
expect_message 'ｸﾘｯﾌﾟﾎﾞｰﾄﾞのﾃｷｽﾄに引用符が付きました'

# 3. The quote in place of the draft, an answer below it, then a link.
click_control "$MAIN_WINDOW" "${COMMENT_BOX[@]}"
xdotool key ctrl+a ctrl+v Return
xdotool type --delay 40 'Thanks. '
paste_text 'ありがとうございます。'
xdotool key Return

click_control "$MAIN_WINDOW" 90 2295 645 330         # Link
answer_input_box 'http://example.jp/faq'
answer_input_box 'FAQ ' 'よくある質問'
expect_clipboard '<a href="http://example.jp/faq">FAQ よくある質問</a>'
expect_message $'ｸﾘｯﾌﾟﾎﾞｰﾄﾞにﾘﾝｸﾀｸﾞがあります。\r\nﾍﾟｰｽﾄしてお使いください。'
click_control "$MAIN_WINDOW" "${COMMENT_BOX[@]}"
xdotool key ctrl+End ctrl+v

click_control "$MAIN_WINDOW" 1770 1770 645 330       # Re:

# 4. The page, as a browser shows it.
click_control "$MAIN_WINDOW" 90 3975 645 330         # IE
expect_preview_opened
body=$(page_body_in_chromium "$DATA/check.html")
expected='<br>&gt;一行目<br>&gt;二行目<br>&gt;三行目<br>Thanks. ありがとうございます。<br>'
expected+='<a href="http://example.jp/faq">FAQ よくある質問</a><br>'
[ "$body" = "$expected" ] || fail "Chromium shows the page as [$body], expected [$expected]"

# 5. Each field the posting form asks for, in turn.
COMMENT='>一行目\r\n>二行目\r\n>三行目\r\nThanks. ありがとうございます。\r\n'
COMMENT+='<a href="http://example.jp/faq">FAQ よくある質問</a>'
click_control "$MAIN_WINDOW" 4185 90 645 330         # Name's Clip
expect_clipboard '山田太郎'
click_control "$MAIN_WINDOW" 4185 510 645 330        # Mail's Clip
expect_clipboard 'taro@example.jp'
click_control "$MAIN_WINDOW" 7650 1350 645 330       # Title's Clip
expect_clipboard 'Re:質問'
click_control "$MAIN_WINDOW" 7650 1770 645 330       # Comment's Clip
expect_clipboard "$COMMENT"

# 6. The Comment saved, the other fields as they were; "End".
click_control "$MAIN_WINDOW" 6915 1770 645 330       # Comment's Save
expect_message 'Commentが保存されました。'
expect_data_text 7.txt "$COMMENT"
expect_data_text 6.txt '質問\r\n'
expect_data_text 1.txt '山田太郎\r\n'
click_control "$MAIN_WINDOW" 8490 1770 855 330       # End
wait_for_exit
echo "e2e typicaluse: passed"
