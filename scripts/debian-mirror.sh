# shellcheck shell=sh
# Sourced by the scripts that take packages from a Debian release.

# This machine's main archive: the one its apt sources give for its own suite.
host_mirror() {
    (. /etc/os-release &&
        apt-cache policy | awk -v suite="$VERSION_CODENAME/main" '$3 == suite { print $2; exit }')
}
