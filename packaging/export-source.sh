#!/bin/sh
# Copies the sources of this tree, the files git knows of (committed or new,
# not ignored), into DEST: what a build from a clean copy starts from, with
# no build folder and no downloaded package in it.
#   packaging/export-source.sh DEST
set -eu
dest=$(realpath -m "$1")
cd "$(dirname "$0")/.."
mkdir -p "$dest"
# A file deleted but not yet committed is listed yet missing: tar says so
# and goes on.
git ls-files -z --cached --others --exclude-standard |
    tar --create --null --files-from=- --ignore-failed-read --file=- | tar --extract --file=- --directory="$dest"
