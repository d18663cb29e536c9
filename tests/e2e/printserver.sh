# A CUPS print server of the test's own for the print tests, sourced after a harness: a scheduler
# on a private socket and configuration, with a cups-pdf printer whose output folder lies in the
# test's folder. Needs root: the scheduler runs backends like cups-pdf as root only, and its
# configuration file is replaced inside a mount namespace of the scheduler's own, so that the
# system's CUPS stays as it was.
CUPS=$WORK/cups
SOCKET=$CUPS/cups.sock
PDF_FOLDER=$CUPS/pdf
PRINTER=quillo-pdf

start_cupsd() {
    # The filters run as lp and must reach the spool folder.
    chmod 711 "$WORK"
    mkdir -p "$CUPS"/{conf,cups-pdf,spool,cache,state,log,pdf-spool} "$PDF_FOLDER"
    chmod 755 "$CUPS"
    cat >"$CUPS/conf/cupsd.conf" <<CONF
Listen $SOCKET
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat >"$CUPS/conf/cups-files.conf" <<CONF
ServerRoot $CUPS/conf
RequestRoot $CUPS/spool
TempDir $CUPS/spool
CacheDir $CUPS/cache
StateDir $CUPS/state
ErrorLog $CUPS/log/error_log
AccessLog $CUPS/log/access_log
PageLog $CUPS/log/page_log
DataDir /usr/share/cups
ServerBin /usr/lib/cups
User lp
Group lp
SystemGroup root
CONF
    # cups-pdf reads its configuration from /etc/cups only: the scheduler sees a folder of the
    # test's own there.
    cat >"$CUPS/cups-pdf/cups-pdf.conf" <<CONF
Out $PDF_FOLDER
AnonDirName $PDF_FOLDER
Spool $CUPS/pdf-spool
Log $CUPS/log
Grp root
CONF
    unshare --mount --propagation private sh -c \
        'mount --bind "$1" /etc/cups && exec cupsd -f -c "$2" -s "$3"' sh \
        "$CUPS/cups-pdf" "$CUPS/conf/cupsd.conf" "$CUPS/conf/cups-files.conf" \
        >"$CUPS/log/cupsd.out" 2>&1 &
    OTHER_PIDS+=" $!" # the scheduler ends with the test
    eventually scheduler_answers || fail "cupsd did not start: $(cat "$CUPS"/log/*)"
}

# lpstat -r exits 0 whether or not a scheduler runs: only its words tell.
scheduler_answers() {
    [ "$(lpstat -h "$SOCKET" -r 2>/dev/null)" = "scheduler is running" ]
}

add_printer() {
    lpadmin -h "$SOCKET" -p "$PRINTER" -E -v cups-pdf:/ \
        -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd 2>"$WORK/lpadmin.log" \
        || fail "lpadmin could not add the printer: $(cat "$WORK/lpadmin.log")"
    lpadmin -h "$SOCKET" -d "$PRINTER" 2>"$WORK/lpadmin.log" \
        || fail "lpadmin could not make the printer the default: $(cat "$WORK/lpadmin.log")"
}

# Waits for the printout: a whole PDF file in the printer's folder, of at least the pages given,
# whose first page is not blank; prints its number of pages.
expect_printout() {
    local pdf pages ink
    pdf=$(PATIENCE=600 eventually printed_pdf) \
        || fail "no PDF came out: $(cat "$CUPS"/log/* 2>/dev/null)"
    pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
    [ "$pages" -ge "$1" ] || fail "the printout has $pages page(s), expected at least $1"
    # Through Ghostscript the text is drawn, not kept as text: the first page must not be blank.
    pdftoppm -r 40 -f 1 -l 1 -gray -png "$pdf" "$WORK/page"
    ink=$(convert "$WORK"/page*.png -threshold 50% -format '%[fx:1-mean]' info:)
    awk -v ink="$ink" 'BEGIN { exit !(ink > 0.001) }' || fail "the first printed page is blank"
    echo "$pages"
}

printed_pdf() {
    local pdf
    pdf=$(ls "$PDF_FOLDER"/*.pdf 2>/dev/null | head -n1) && [ -n "$pdf" ] \
        && pdfinfo "$pdf" >/dev/null 2>&1 && echo "$pdf"
}
