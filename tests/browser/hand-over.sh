#!/bin/sh
# Stands in for a web browser in the browser test: hands the page's address
# (the last argument) to the test through the file named by E2E_URL_FILE.
for url; do :; done
printf '%s\n' "$url" > "$E2E_URL_FILE.part" && mv "$E2E_URL_FILE.part" "$E2E_URL_FILE"
