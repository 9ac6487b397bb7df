#!/bin/sh
# Prints the date that every build dates its files by, in seconds since 1970,
# so that two builds of one commit give the same files: SOURCE_DATE_EPOCH
# where it is set, else the last commit's time, else, in a copy of the
# sources without git (a downloaded source archive), the time of the
# changelog's last entry.
#   packaging/source-date.sh
set -eu
root=$(dirname "$0")/..
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "$SOURCE_DATE_EPOCH"
elif [ -e "$root/.git" ]; then
    git -C "$root" log -1 --format=%ct
else
    dpkg-parsechangelog --file "$root/debian/changelog" --show-field Timestamp
fi
