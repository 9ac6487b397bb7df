#!/bin/sh
# Writes the date that the build dates its files by, SOURCE_DATE_EPOCH (else
# the last commit's time), into FILE, and leaves FILE untouched when it
# already holds that date, so that what depends on it is made again only when
# the date has changed.
#   packaging/record-source-date.sh FILE
set -eu
root=$(dirname "$0")/..
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}
[ "$(cat "$1" 2>/dev/null)" = "$epoch" ] || echo "$epoch" >"$1"
