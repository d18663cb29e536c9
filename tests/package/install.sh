#!/usr/bin/env bash
# Installs the Debian package for real, starts the program as its menu entry does under a real X
# server with a home of its own, and removes the package again whatever the outcome. The program
# comes up on top, keeps its data in that home's data folder, and removing the package leaves the
# data alone. Arguments: the folder with the package, the version, the desktop entry's id.
# Exits 77 (skipped) without root, and when Quillo is already installed, which it leaves alone.
PACKAGE_FOLDER=$1 VERSION=$2 APP_ID=$3
DEB=$(echo "$PACKAGE_FOLDER"/quillo_"$VERSION"_*.deb)
source "$(dirname "$0")/../e2e/harness.sh" "$DEB"

if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: installing the package needs root"
    exit 77
fi
if dpkg-query -W -f='${Status}' quillo 2>/dev/null | grep -q 'install ok'; then
    echo "skipped: Quillo is installed on this system already"
    exit 77
fi

# dpkg does not wait for the package database; another package tool may hold it a while.
dpkg_when_free() {
    local tries=0 said
    until said=$(dpkg "$@" 2>&1); do
        grep -q 'lock' <<<"$said" && ((++tries < 1200)) || {
            echo "$said" >&2
            return 1
        }
        sleep 0.1
    done
}

INSTALLED=
remove_package() {
    [ -z "$INSTALLED" ] || dpkg_when_free --remove quillo || echo "could not remove quillo" >&2
    INSTALLED=
}
trap 'remove_package; cleanup' EXIT

INSTALLED=yes # from here on: even a half-done installation is undone
dpkg_when_free --install "$DEB" || fail "dpkg could not install $DEB"
ENTRY=/usr/share/applications/$APP_ID.desktop
[ -f "$ENTRY" ] || fail "no menu entry $ENTRY"

start_x
unset XDG_DATA_HOME
read -ra command <<<"$(sed -n 's/^Exec=//p' "$ENTRY")"
(cd "$HOME" && exec "${command[@]}" >>"$WORK/quillo.log" 2>&1) &
APP_PID=$!
MAIN_WINDOW=$(wait_for_window "^${MAIN_TITLE}\$")
expect_on_top "$MAIN_WINDOW" yes
class=$(xprop -id "$MAIN_WINDOW" WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')
[ "$class" = "$(sed -n 's/^StartupWMClass=//p' "$ENTRY")" ] \
    || fail "the window's class $class is not the entry's StartupWMClass"

DATA=$HOME/.local/share/Quillo/Data
[ -d "$DATA" ] || fail "no Data folder in $HOME/.local/share/Quillo: $(ls -R "$HOME")"
[ "$(stat -c %a "$DATA")" = 700 ] || fail "$DATA is open to others: $(stat -c %a "$DATA")"
[ ! -e /usr/bin/Data ] || fail "Data was created in the program's folder"

click_control "$MAIN_WINDOW" 8490 1770 855 330       # End
wait_for_exit

touch "$DATA/1.txt" # what a user saved
remove_package
[ ! -e /usr/bin/quillo ] || fail "removing the package left /usr/bin/quillo"
[ -f "$DATA/1.txt" ] || fail "removing the package took the user's data"
echo "package install: passed"
