# Sourced by build-qt-mingw.sh. apt-get source needs a deb-src entry; this makes one from the
# machine's own deb entries for that suite and component: the same addresses (a local mirror or a
# proxy as much as the archive itself), options and key, since apt refuses two entries of one
# address with different keys, and the machine may reach no other address at all.

# Prints the deb-src entries for SUITE's COMPONENT made from the deb entries of the apt folder
# (default /etc/apt) in one of its two formats: the one-line entries of its .list files as one-line
# entries (list), or the deb822 stanzas of its .sources files as stanzas (sources).
deb_src_entries() {
    local format=$1 suite=$2 component=$3 apt=${4:-/etc/apt} files=() file
    if [ "$format" = list ]; then
        for file in "$apt/sources.list" "$apt"/sources.list.d/*.list; do
            [ -f "$file" ] && files+=("$file")
        done
    else
        for file in "$apt"/sources.list.d/*.sources; do
            [ -f "$file" ] && files+=("$file")
        done
    fi
    [ ${#files[@]} -gt 0 ] || return 0
    if [ "$format" = list ]; then
        awk -v suite="$suite" -v component="$component" '
        # deb [options] URI SUITE COMPONENT...: the options may hold spaces inside their brackets.
        $1 == "deb" {
            line = $0
            sub(/^[ \t]*deb[ \t]+/, "", line)
            options = ""
            if (line ~ /^\[/) {
                options = substr(line, 1, index(line, "]"))
                line = substr(line, index(line, "]") + 1)
            }
            n = split(line, word, /[ \t]+/)
            first = word[1] == "" ? 2 : 1
            if (word[first + 1] != suite) next
            for (i = first + 2; i <= n; i++)
                if (word[i] == component) {
                    print "deb-src" (options == "" ? "" : " " options) " " word[first] " " suite " " component
                    break
                }
        }' "${files[@]}"
    else
        awk -v suite="$suite" -v component="$component" '
        function has(field, value,    n, i, w) {
            n = split(field, w, /[ \t]+/)
            for (i = 1; i <= n; i++) if (w[i] == value) return 1
            return 0
        }
        function flush(    i) {
            if (count && has(value["types"], "deb") && has(value["suites"], suite) \
                && has(value["components"], component) && tolower(value["enabled"]) != "no") {
                print "Types: deb-src"
                for (i = 1; i <= count; i++) {
                    if (name[i] == "types" || name[i] == "enabled") continue
                    if (name[i] == "suites") print "Suites: " suite
                    else if (name[i] == "components") print "Components: " component
                    else printf "%s", text[i]
                }
                print ""
            }
            count = 0
            delete value
        }
        /^#/ { next }
        /^[ \t]*$/ { flush(); next }
        /^[ \t]/ { text[count] = text[count] $0 "\n"; next } # a field that goes on (a key inline)
        {
            key = tolower(substr($0, 1, index($0, ":") - 1))
            name[++count] = key
            text[count] = $0 "\n"
            value[key] = substr($0, index($0, ":") + 1)
            gsub(/^[ \t]+|[ \t]+$/, "", value[key])
        }
        END { flush() }' "${files[@]}"
    fi
}

# Writes the entries into the apt folder, in files of their own. Fails, saying so, when no deb
# entry names that suite and component.
write_deb_src() {
    local suite=$1 component=$2 apt=${3:-/etc/apt} format entries written=
    for format in list sources; do
        entries=$(deb_src_entries "$format" "$suite" "$component" "$apt")
        [ -n "$entries" ] || continue
        printf '%s\n' "$entries" >"$apt/sources.list.d/quillo-deb-src.$format"
        written=yes
    done
    [ -n "$written" ] && return 0
    echo "No apt entry of this machine names $suite $component: add one to get its sources." >&2
    return 1
}
