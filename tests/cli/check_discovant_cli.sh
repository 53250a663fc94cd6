#!/usr/bin/env bash
# Black-box check of the discovant command-line tool: KEY=value lines on stdout, messages on
# stderr, exit status. Usage: bash check_discovant_cli.sh BUILD_DIR
set -u

build_dir=${1:?usage: check_discovant_cli.sh BUILD_DIR}
tool="$build_dir/discovant/discovant"
# The tool takes proxies from the environment; the test server is reached directly.
export no_proxy=127.0.0.1 NO_PROXY=127.0.0.1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# expect_output NAME EXPECTED-STDOUT -- COMMAND...: exit 0 and exactly this stdout.
expect_output() {
    local name=$1 expected=$2
    shift 3
    local actual status
    actual=$("$@" 2>"$work/stderr")
    status=$?
    [ "$status" -eq 0 ] || fail "$name: exit status $status ($(cat "$work/stderr"))"
    [ "$actual" == "$expected" ] || fail "$name: stdout was
$actual
expected
$expected"
}

# expect_failure NAME -- COMMAND...: non-zero exit, empty stdout, a message on stderr.
expect_failure() {
    local name=$1
    shift 2
    local actual status
    actual=$("$@" 2>"$work/stderr" </dev/null)
    status=$?
    [ "$status" -ne 0 ] || fail "$name: exit status 0"
    [ -z "$actual" ] || fail "$name: stdout not empty: $actual"
    [ -s "$work/stderr" ] || fail "$name: no message on stderr"
}

[ -x "$tool" ] || { echo "FAIL: $tool not built" >&2; exit 1; }

# --- id: the worked example, with blanks around the TOC --------------------------------------
expect_output "id" "DISCID=09010802
TRACKS=2
LENGTH=264
TRACKLENGTHS=131 133
QUERY=09010802+2+150+10000+266" -- "$tool" id "  150 10000 20000 "

# --- parse: a saved read answer, CR LF line ends, notes with \n -------------------------------
printf '%s\r\n' \
    "210 jazz 09010802 CD database entry follows (until terminating \`.')" \
    "# xmcd" "#" "# Revision: 7" "#" "DISCID=09010802" \
    "DTITLE=Miles Davis / Kind of Blue" "DYEAR=1959" "DGENRE=" \
    "TTITLE0=So What" "TTITLE1=Freddie " "TTITLE1=Freeloader" \
    'EXTD=Recorded\nin New York' "EXTT0=Modal" "EXTT1=" "PLAYORDER=" "." >"$work/answer.txt"
expect_output "parse" 'DISCID=09010802
CATEGORY=jazz
ARTIST=Miles Davis
ALBUM=Kind of Blue
YEAR=1959
GENRE=jazz
REVISION=7
LENGTH=0
TRACKS=0
TRACK1=So What
TRACK2=Freddie Freeloader
TNOTES1=Modal
TNOTES2=
NOTES=Recorded\nin New York' -- "$tool" parse "$work/answer.txt"

# --- cdtext: a READ TOC format 5 answer (header, a title pack and a performer pack) ----------
{
    printf '\x00\x2a\x00\x00'
    printf '\x80\x00\x00\x00Album\x00Song1\x00\x00\x00'
    printf '\x81\x00\x01\x00Band\x00Band\x00\x00\x00\x00\x00\x00'
} >"$work/cdtext.bin"
expect_output "cdtext" "CDTEXT=Band|Album||||Song1|" -- "$tool" cdtext "$work/cdtext.bin"

# --- toc: a disc image (cue sheet with CD-Text), through the readers the interface allows ---
mkdir -p "$work/image"
head -c $((450 * 2352)) /dev/zero >"$work/image/disc.bin"
cat >"$work/image/disc.cue" <<'CUE'
PERFORMER "Band"
TITLE "Album"
FILE "disc.bin" BINARY
  TRACK 01 AUDIO
    TITLE "Song1"
    INDEX 01 00:00:00
  TRACK 02 AUDIO
    TITLE "Song2"
    INDEX 01 00:02:00
CUE
toc_expected='TOC=150 300 600
CDTEXT=Band|Album||||Song1|Song2|'
expect_output "toc auto" "$toc_expected" -- "$tool" toc "$work/image/disc.cue"
expect_output "toc aspi" "$toc_expected" -- "$tool" toc "$work/image/disc.cue" --interface aspi
expect_failure "toc mci on an image" -- "$tool" toc "$work/image/disc.cue" --interface mci

# --- lookup in a local database (windows format: CR LF, #FILENAME first) ---------------------
entry() { # discid title
    printf '%s\r\n' "#FILENAME=$1" "# xmcd" "#" "# Revision: 2" "DISCID=$1" "DTITLE=$2" \
        "DYEAR=1972" "DGENRE=Krautrock" "TTITLE0=Mushroom" "TTITLE1=Oh Yeah" \
        'EXTD=Line one\nline two' "PLAYORDER="
}
mkdir -p "$work/db/rock" "$work/db/misc"
{ entry 01020304 "Other / Disc"; entry 09010802 "Can / Tago Mago"; } >"$work/db/rock/00to3f"
entry 7a0b2c09 "Wrong / File" >"$work/db/rock/40to7f"
lookup_expected='MATCH=2
DISCID=09010802
CATEGORY=rock
ARTIST=Can
ALBUM=Tago Mago
YEAR=1972
GENRE=Krautrock
REVISION=2
LENGTH=266
TRACKS=2
TRACK1=Mushroom
TRACK2=Oh Yeah
TIME1=131
TIME2=133
NOTES=Line one\nline two'
expect_output "lookup --local" "$lookup_expected" -- "$tool" lookup "150 10000 20000" --local "$work/db"
expect_output "lookup --local DIR/" "$lookup_expected" -- "$tool" lookup "150 10000 20000" --local "$work/db/"

# Two categories: first match (misc comes before rock), or the one typed on stdin.
entry 09010802 "Can / Misc Mago" >"$work/db/misc/00toff"
actual=$("$tool" lookup "150 10000 20000" --local "$work/db" 2>/dev/null | sed -n '1p;3p;5p')
[ "$actual" == $'MATCH=1\nCATEGORY=misc\nALBUM=Misc Mago' ] || fail "lookup first match: $actual"
actual=$(echo 2 | "$tool" lookup "150 10000 20000" --local "$work/db" --no-first-match 2>"$work/stderr" |
    sed -n '1p;3p;5p')
[ "$actual" == $'MATCH=1\nCATEGORY=rock\nALBUM=Tago Mago' ] || fail "lookup chosen match: $actual"
grep -q "Can / Misc Mago" "$work/stderr" || fail "lookup chooser lines not on stderr"

# No match and a missing folder: exit 0, MATCH=0, the event on stderr.
actual=$("$tool" lookup "150 20000 30000" --local "$work/db" 2>/dev/null | head -1)
[ "$actual" == "MATCH=0" ] || fail "lookup no match: $actual"
actual=$("$tool" lookup "150 10000 20000" --local "$work/nothing" 2>"$work/stderr" | head -1)
[ "$actual" == "MATCH=0" ] || fail "lookup missing folder: $actual"
grep -qx "ProtocolError 8885: The folder for local database does not exist!" "$work/stderr" ||
    fail "lookup missing folder event: $(cat "$work/stderr")"

# A network lookup without an address reports 8880 and sends nothing.
actual=$("$tool" lookup "150 10000 20000" --server 127.0.0.1:9 2>"$work/stderr" | head -1)
[ "$actual" == "MATCH=0" ] || fail "lookup without e-mail: $actual"
grep -qx "ProtocolError 8880: Missing or Malformed Email address" "$work/stderr" ||
    fail "lookup without e-mail event: $(cat "$work/stderr")"

# --- sites and a network lookup against a CDDB server on 127.0.0.1 -------------------------
cat >"$work/server.py" <<'PY'
import http.server, sys, urllib.parse
ANSWERS = {
    "sites": "210 OK, site information follows (until terminating `.')\r\n"
             "a.example.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Main site\r\n"
             "a.example.org cddbp 8880 - N000.00 W000.00 Main site\r\n"
             "b.example.org http 8080 /~cddb/cddb.cgi N052.22 E004.53 Mirror\r\n.\r\n",
    "cddb query": "200 rock 09010802 Can / Tago Mago\r\n",
    "cddb read": "210 rock 09010802 CD database entry follows (until terminating `.')\r\n"
                 "DTITLE=Can / Tago Mago\r\nTTITLE0=Mushroom\r\nPLAYORDER=\r\n.\r\n",
}
class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        cmd = urllib.parse.parse_qs(urllib.parse.urlsplit(self.path).query).get("cmd", [""])[0]
        body = next((a for k, a in ANSWERS.items() if cmd.startswith(k)), "500 Unknown\r\n")
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body.encode())
    def log_message(self, *args):
        pass
server = http.server.HTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
PY
/usr/bin/python3 "$work/server.py" >"$work/port" &
server_pid=$!
trap 'kill "$server_pid" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
server="127.0.0.1:$(cat "$work/port")"
expect_output "sites" "SITES=2
SITE1=a.example.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Main site
SITE2=b.example.org http 8080 /~cddb/cddb.cgi N052.22 E004.53 Mirror" -- \
    "$tool" sites --server "$server" --email jan@example.org
actual=$("$tool" lookup "150 10000 20000" --server "$server" --email jan@example.org 2>&1 |
    sed -n '1,5p;11,12p')
[ "$actual" == $'MATCH=2\nDISCID=09010802\nCATEGORY=rock\nARTIST=Can\nALBUM=Tago Mago\nTRACK1=Mushroom\nTIME1=131' ] ||
    fail "network lookup: $actual"

# --- errors: non-zero exit, nothing on stdout ------------------------------------------------
expect_failure "no command" -- "$tool"
expect_failure "unknown command" -- "$tool" frobnicate
expect_failure "id without TOC" -- "$tool" id
expect_failure "id of one field" -- "$tool" id "150"
expect_failure "id beyond 32767 s" -- "$tool" id "150 2457750"
expect_failure "unknown option" -- "$tool" lookup "150 10000 20000" --colour
expect_failure "option without value" -- "$tool" lookup "150 10000 20000" --server
expect_failure "bad e-mail" -- "$tool" lookup "150 10000 20000" --email nobody
expect_failure "parse missing file" -- "$tool" parse "$work/missing.txt"
printf '401 jazz 09010802 No such CD entry in database.\r\n' >"$work/401.txt"
expect_failure "parse not a read answer" -- "$tool" parse "$work/401.txt"
printf '\x00\x2a\x00\x00\x80\x64\x00\x00Title\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$work/badtrack.bin"
expect_failure "cdtext bad track" -- "$tool" cdtext "$work/badtrack.bin"
expect_failure "toc of a missing image" -- "$tool" toc "$work/missing.cue"
expect_failure "toc bad interface" -- "$tool" toc /dev/null --interface floppy
expect_failure "sites unreachable" -- "$tool" sites --server 127.0.0.1:9 --email jan@example.org

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "discovant CLI checks passed"
