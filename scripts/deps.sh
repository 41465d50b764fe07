#!/usr/bin/env bash
# Installs what building, playing and testing need on a Debian machine, when
# it is missing. "browser" also installs what the browser test needs.
set -euo pipefail
want=(g++ cmake make pkg-config libgtest-dev libreadline-dev libncurses-dev libbenchmark-dev)
if [ "${1:-}" = browser ]; then
  want+=(chromium nodejs npm)
fi
missing=()
for p in "${want[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
if [ "${1:-}" = browser ] && [ -f tests/browser/package.json ]; then
  (cd tests/browser && { [ -d node_modules/playwright-core ] || npm ci --no-audit --no-fund --loglevel=error; })
fi
