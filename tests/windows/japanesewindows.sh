# Wine runs a program as on Japanese Windows, where the program's users are (code page 932 for
# text without a stated encoding, Japanese as the user's language), when its locale is Japanese.
# Linux must know that locale as well, or Wine cannot name files with anything beyond ASCII: it is
# compiled once from the locale sources of Debian's package locales into a folder of the caller's,
# and the system's locales are left alone.
# usage: japanese_windows FOLDER; then JAPANESE_WINDOWS holds the environment, as env takes it.
japanese_windows() {
    local folder=$1 made
    if [ ! -d "$folder/ja_JP.UTF-8" ]; then
        mkdir -p "$folder"
        made=$(mktemp -d -p "$folder")
        localedef -i ja_JP -f UTF-8 "$made/ja_JP.UTF-8" \
            || { echo "localedef could not make ja_JP.UTF-8 (the package locales?)" >&2; exit 1; }
        # Whoever comes first puts it in place; a test running beside this one may have.
        mv -T "$made/ja_JP.UTF-8" "$folder/ja_JP.UTF-8" 2>/dev/null || true
        rm -rf "$made"
    fi
    JAPANESE_WINDOWS=(LOCPATH="$folder" LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8)
}
