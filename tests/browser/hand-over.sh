#!/bin/sh
# Stands in for a web browser in the browser tests. The game hands it the
# page's forwarding file (the last argument); it writes what a test looks
# at beside the file named by E2E_URL_FILE: its arguments, one a line
# (".args"), the forwarding file's path (".page") and its mode (".mode"),
# and last, in the file itself, the page's address read from the forwarding
# file.
for page; do :; done
printf '%s\n' "$@" > "$E2E_URL_FILE.args"
printf '%s\n' "$page" > "$E2E_URL_FILE.page"
stat -c %a "$page" > "$E2E_URL_FILE.mode"
url=$(grep -o 'http://[^"]*' "$page" | head -n 1)
printf '%s\n' "$url" > "$E2E_URL_FILE.part" && mv "$E2E_URL_FILE.part" "$E2E_URL_FILE"
