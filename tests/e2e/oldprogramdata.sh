# A Data folder as the old Windows program left it, in Windows-31J: half-width kana handles and
# titles whose bytes happen to be UTF-8 too ("ﾐｻ" is D0 BB, "л" in UTF-8), in every field file,
# a slot file and the first aux memo's files. Sourced by the real-window tests of both systems.

# Each file's bytes, as printf formats.
declare -A OLD_PROGRAM_FILES=(
    [1.txt]='\xd0\xbb\r\n'                                           # ﾐｻ
    [2.txt]='misa@example.jp\r\n'
    [3.txt]='\xc2\xb1\xc2\xb1\r\n'                                   # ﾂｱﾂｱ
    [4.txt]='\xce\xa1\xcc\xa7\r\n'                                   # ﾎ｡ﾌｧ
    [5.txt]='http://example.jp/\r\n'
    [6.txt]='\xc3\xbd\xc4\x82\xcc\x91\xe8\x96\xbc\r\n'               # ﾃｽﾄの題名
    [7.txt]='\xc3\xbd\xc4\x82\xcd\x81\x41\r\n\xc4\x81\x41SYSLIN'     # ﾃｽﾄは、 / ﾄ、SYSLIN
    [save1.txt]='\xd2\xa1\xd0\xbb\r\n\r\nid\r\n\r\n\r\n\xc3\xa1\r\n\xc3\xbd\xc4\x82\xcd\x81\x41\r\n' # ﾒ｡ﾐｻ, ﾃ｡
    [11.txt]='\xd0\xbb\xd0\xbb\r\n'                                  # ﾐｻﾐｻ
)
for n in 12 13 14 15 16 17; do OLD_PROGRAM_FILES[$n.txt]='\r\n'; done

# Writes the files into a Data folder.
write_old_program_data() {
    local name
    mkdir -m 700 -p "$1"
    for name in "${!OLD_PROGRAM_FILES[@]}"; do
        printf "${OLD_PROGRAM_FILES[$name]}" >"$1/$name"
    done
}

# Each of the named files holds again exactly what the old program wrote.
expect_old_program_files() {
    local folder=$1 name
    shift
    for name in "$@"; do
        expect_file "$folder/$name" "${OLD_PROGRAM_FILES[$name]}"
    done
}

# In the program started on such a folder: Name and Title show what was written; All Save, slot
# 1 loaded and saved again, and field Ⅰ of "Aux" saved again write the same bytes back.
load_and_save_old_program_data() {
    click_control "$MAIN_WINDOW" 4185 90 645 330         # Name's Clip
    expect_clipboard 'ﾐｻ'
    click_control "$MAIN_WINDOW" 7650 1350 645 330       # Title's Clip
    expect_clipboard 'ﾃｽﾄの題名'

    click_control "$MAIN_WINDOW" 8490 1350 855 330       # All Save
    answer_box
    answer_message_box Return
    expect_old_program_files "$DATA" 1.txt 2.txt 3.txt 4.txt 5.txt 6.txt 7.txt

    click_control "$MAIN_WINDOW" 9285 2145 195 390       # slot 1
    click_control "$MAIN_WINDOW" 4185 90 645 330         # Name's Clip
    expect_clipboard 'ﾒ｡ﾐｻ'
    click_control "$MAIN_WINDOW" 9285 5265 195 390       # S
    CHOOSER=$(wait_for_window '^All Save 拡張 $')
    click_control "$CHOOSER" 120 420 855 330             # slot 1
    answer_message_box Return
    expect_old_program_files "$DATA" save1.txt
    click_control "$CHOOSER" 6000 30 855 330             # Close
    wait_for_window_gone '^All Save'

    click_control "$MAIN_WINDOW" 4710 1770 645 330       # Aux
    MEMO=$(wait_for_window '^AUX Free Memo$')
    click_control "$MEMO" 7965 120 645 330               # Clip of field Ⅰ
    expect_clipboard 'ﾐｻﾐｻ'
    click_control "$MEMO" 7305 120 645 330               # its Save
    answer_message_box Return
    expect_old_program_files "$DATA" 11.txt
    click_control "$MEMO" 7305 4740 1305 330             # End
    wait_for_window_gone '^AUX Free Memo$'
}
