#!/bin/sh
# Prints the date that every build dates its files by, in seconds since 1970,
# so that two builds of one commit give the same files: SOURCE_DATE_EPOCH
# where it is set, else the last commit's time, else, in a copy of the
# sources without git, the time of the changelog's last entry.
#   packaging/source-date.sh
set -eu
root=$(dirname "$0")/..
echo "${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null ||
    dpkg-parsechangelog --file "$root/debian/changelog" --show-field Timestamp)}"
