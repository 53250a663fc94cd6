#!/usr/bin/env bash
# The Qt Linguist catalogues are complete: refreshes a copy of every translations/*.ts from the
# program's sources with lupdate (so a text wrapped in tr() but never added to the catalogues
# counts too) and fails on any entry that is unfinished, empty or no longer in the sources.
# Usage: bash check_translations.sh LUPDATE SOURCE_DIR
set -u

lupdate=${1:?usage: check_translations.sh LUPDATE SOURCE_DIR}
source_dir=$(realpath "${2:?usage: check_translations.sh LUPDATE SOURCE_DIR}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

for ts in "$source_dir"/translations/melotheek_*.ts; do
    name=$(basename "$ts")
    cp "$ts" "$work/$name"
    "$lupdate" -silent -locations none -I "$source_dir/app" "$source_dir/app" -ts "$work/$name" >"$work/log" 2>&1 \
        || { echo "FAIL: lupdate $name: $(cat "$work/log")" >&2; failures=$((failures + 1)); continue; }
    # lupdate marks new texts "unfinished" and texts gone from the sources "vanished"/"obsolete".
    bad=$(grep -nE 'type="(unfinished|vanished|obsolete)"|<translation>\s*</translation>|<translation/>' \
        "$work/$name")
    if [ -n "$bad" ]; then
        echo "FAIL: $name has entries to finish (run the update_translations target, then translate):" >&2
        echo "$bad" >&2
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "translations complete"
exit $((failures > 0))
