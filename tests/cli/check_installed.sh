#!/usr/bin/env bash
# The installed programs: installs the build into a temporary prefix with `cmake --install`,
# checks the installed files, then runs the installed melotheek and discovant as a user
# would. Usage: bash check_installed.sh BUILD_DIR
#
# melotheek is a window that runs until the user quits it. The check answers --version and
# --help (which end by themselves), then starts a real first session on the offscreen platform,
# waits until that session has written its settings and its catalogue, ends it with SIGTERM as
# a session manager would, and reads what it wrote.
set -u

build_dir=$(realpath "${1:?usage: check_installed.sh BUILD_DIR}")
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build_dir/CMakeCache.txt"; }
cmake_command=$(cache_value CMAKE_COMMAND)
version=$(cache_value CMAKE_PROJECT_VERSION)
app_id=org.melotheek.Melotheek
work=$(mktemp -d)
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill -KILL "$program_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
# Leaks that the system libraries keep for the life of the process are not ours.
export LSAN_OPTIONS="suppressions=$(dirname "$(realpath "$0")")/../lsan.supp"
export QT_QPA_PLATFORM=offscreen

# --- install ---------------------------------------------------------------------------------
root=$work/root
prefix=$root/usr
"$cmake_command" --install "$build_dir" --prefix "$prefix" >"$work/install.log" 2>&1 \
    || { cat "$work/install.log" >&2; echo "FAIL: cmake --install" >&2; exit 1; }

# Every file the desktop, man and the programs look for. Add new kinds of installed data here.
help_pages=(Dutch English French German)
expected=(bin/melotheek bin/discovant
    "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$app_id.svg"
    share/man/man1/melotheek.1.gz share/man/man1/discovant.1.gz
    share/doc/melotheek/copyright share/doc/melotheek/changelog.gz)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
for page in "${help_pages[@]}"; do
    expected+=("share/melotheek/help/$page.html")
done
for language in nl en fr de; do
    expected+=("share/melotheek/translations/melotheek_$language.qm")
done
for file in "${expected[@]}"; do
    [ -s "$prefix/$file" ] || fail "not installed: $file"
done
# The desktop entry, the metainfo and the icons agree with each other.
appstreamcli validate-tree --no-net "$root" >"$work/tree.log" 2>&1 \
    || fail "appstreamcli validate-tree: $(cat "$work/tree.log")"

# The installed programs load the installed libraries, not the build tree's.
for program in melotheek discovant; do
    runpath=$(readelf -d "$prefix/bin/$program" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
    case $runpath in
        '$ORIGIN/'*) ;;
        *) fail "$program: run path '$runpath' is not relative to the program" ;;
    esac
    libraries=$(ldd "$prefix/bin/$program")
    grep -q "libdiscovant.so.1 => $prefix/" <<<"$libraries" \
        || fail "$program does not load the installed libdiscovant: $libraries"
    grep -q "$build_dir" <<<"$libraries" && fail "$program loads from the build tree: $libraries"
done

# --- melotheek: --version, --help ----------------------------------------------------------
melotheek=$prefix/bin/melotheek
out=$("$melotheek" --version 2>"$work/stderr") || fail "melotheek --version: status $? ($(cat "$work/stderr"))"
[ "$out" == "Melotheek $version" ] || fail "melotheek --version printed '$out'"
out=$(LANGUAGE= LC_ALL=C.UTF-8 "$melotheek" --help 2>"$work/stderr") \
    || fail "melotheek --help: status $? ($(cat "$work/stderr"))"
grep -q -- "--home <folder>" <<<"$out" || fail "melotheek --help does not name --home: $out"
# In the terminal's language, from the installed catalogues: the program's texts and Qt's own.
out=$(LANGUAGE= LC_ALL=de_DE.UTF-8 "$melotheek" --help 2>&1)
grep -q -- "--home <Ordner>" <<<"$out" || fail "melotheek --help in German lacks the program's texts: $out"
grep -q "Optionen:" <<<"$out" || fail "melotheek --help in German lacks Qt's texts: $out"
"$melotheek" --no-such-option >/dev/null 2>"$work/stderr"
status=$?
[ "$status" -eq 2 ] || fail "melotheek --no-such-option: status $status, expected 2"
grep -q "no-such-option" "$work/stderr" || fail "melotheek --no-such-option: $(cat "$work/stderr")"

# --- melotheek: a first session in German --------------------------------------------------
home=$work/home
fake_user=$work/user
mkdir -p "$fake_user"
HOME=$fake_user XDG_DATA_HOME=$fake_user/.local/share XDG_CONFIG_HOME=$fake_user/.config \
    MELOTHEEK_HOME= LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 LANGUAGE= \
    "$melotheek" --home "$home" >"$work/session.log" 2>&1 &
program_pid=$!
# The catalogue is the last thing a first start writes, staged and renamed into place.
catalogue=$home/Database/Muziek.db
deadline=$((SECONDS + 60))
until [ -s "$catalogue" ] || [ $SECONDS -ge $deadline ] || ! kill -0 "$program_pid" 2>/dev/null; do
    sleep 0.1
done
if kill -TERM "$program_pid" 2>/dev/null; then
    wait "$program_pid"
    status=$?
    [ "$status" -eq 143 ] || fail "melotheek ended with status $status on SIGTERM"
else
    wait "$program_pid"
    fail "melotheek ended by itself with status $? ($(cat "$work/session.log"))"
fi
program_pid=

ini=$home/Melotheek.ini
setting() { sed -n "s/^$1 *= *//p" "$ini" | tr -d '\r'; }
if [ ! -s "$ini" ]; then
    fail "no settings file written ($(cat "$work/session.log"))"
else
    [ "$(setting Setup)" == 1 ] || fail "Setup is '$(setting Setup)' after the first start"
    [ "$(setting Database)" == "$catalogue" ] || fail "Database is '$(setting Database)'"
    # The help page found is the installed one, in the session's language.
    help_page=$(setting Help)
    [ "$help_page" == "$(realpath "$prefix")/share/melotheek/help/German.html" ] \
        || fail "Help is '$help_page', not the installed German page"
    [ -s "$help_page" ] || fail "the help page $help_page does not exist"
fi
tables=$(sqlite3 "file:$catalogue?mode=ro" "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name" 2>&1)
[ -n "$tables" ] || fail "the catalogue holds no tables"
grep -q '^Artiest$' <<<"$tables" || fail "the catalogue has no table Artiest: $tables"
for folder in Covers Playlist Backup Foto; do
    [ -d "$home/$folder" ] || fail "the folder $folder was not created"
done
[ -e "$fake_user/.local/share/Melotheek" ] && fail "the session used the default home folder, not --home"

# --- discovant ----------------------------------------------------------------------------
out=$("$prefix/bin/discovant" id "150 10000 20000" 2>"$work/stderr") \
    || fail "discovant id: status $? ($(cat "$work/stderr"))"
[ "$out" == "DISCID=09010802
TRACKS=2
LENGTH=264
TRACKLENGTHS=131 133
QUERY=09010802+2+150+10000+266" ] || fail "discovant id printed
$out"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of the installed programs failed" >&2
    exit 1
fi
echo "the installed programs passed"
