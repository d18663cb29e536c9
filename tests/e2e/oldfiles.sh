#!/usr/bin/env bash
# A user moving over from the old Windows program: its Data folder, with half-width kana handles
# and titles whose Windows-31J bytes are UTF-8 as well, loads as written, and All Save, a slot
# saved again and an aux memo field saved again write the same bytes back. "ﾐｻ" pasted into Name
# and saved is Windows-31J too.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/oldprogramdata.sh"

start_x
write_old_program_data "$DATA"
start_quillo

click_control "$MAIN_WINDOW" 7650 1770 645 330       # Comment's Clip
expect_clipboard 'ﾃｽﾄは、\r\nﾄ、SYSLIN'
load_and_save_old_program_data

click_control "$MAIN_WINDOW" 8490 90 855 330         # New
click_control "$MAIN_WINDOW" 825 105 2565 330        # Name
paste_text 'ﾐｻ'
click_control "$MAIN_WINDOW" 3450 90 645 330         # its Save
answer_message_box Return
expect_data_file 1.txt '\xd0\xbb\r\n'
click_control "$MAIN_WINDOW" 8490 1770 855 330       # End
wait_for_exit
echo "e2e oldfiles: passed"
