#!/bin/sh
# Copies the sources of this tree into DEST: what a build from a clean copy
# starts from, with no build folder and no downloaded package in it. In a git
# clone these are the files git knows of (committed or new, not ignored); in
# a copy without git, as a downloaded source archive is, every file of it but
# those git would ignore, found by git with an empty repository of its own.
#   packaging/export-source.sh DEST
set -eu
dest=$(realpath -m "$1")
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
if [ -e .git ]; then
    git ls-files -z --cached --others --exclude-standard >"$work/files"
else
    git --git-dir="$work/git" init --quiet
    git --git-dir="$work/git" --work-tree=. ls-files -z --others --exclude-standard >"$work/files"
fi
[ -s "$work/files" ] || { echo "$0: found no source file in $(pwd)" >&2; exit 1; }
mkdir -p "$dest"
# A file deleted but not yet committed is listed yet missing: tar says so
# and goes on.
tar --create --null --files-from="$work/files" --ignore-failed-read --file=- | tar --extract --file=- --directory="$dest"
