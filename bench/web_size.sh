#!/bin/sh
# The browser site's bytes as a server sends them compressed: each file of
# build-web/site gzipped at the highest level, and their sum against the
# goal of 100 KB.
#   bench/web_size.sh [SITE_FOLDER]     (default build-web/site)
set -eu
site=${1:-build-web/site}
total=0
for file in "$site"/*; do
    raw=$(wc -c <"$file")
    packed=$(gzip -9 -c "$file" | wc -c)
    total=$((total + packed))
    printf '%-24s %8d bytes, gzipped %7d\n' "$(basename "$file")" "$raw" "$packed"
done
printf 'site, gzipped: %d bytes (%.1f KB; goal under 100 KB)\n' "$total" "$(echo "$total / 1024" | bc -l)"
