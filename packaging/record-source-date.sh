#!/bin/sh
# Writes the date that the build dates its files by into FILE, and leaves
# FILE untouched when it already holds that date, so that what depends on it
# is made again only when the date has changed.
#   packaging/record-source-date.sh FILE
set -eu
epoch=$(sh "$(dirname "$0")/source-date.sh")
[ "$(cat "$1" 2>/dev/null)" = "$epoch" ] || echo "$epoch" >"$1"
