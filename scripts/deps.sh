#!/usr/bin/env bash
# Installs what building, playing and testing need on a Debian machine, when
# it is missing. "browser" also installs what the browser test needs, "fuzz"
# what the fuzz harnesses need (clang with libFuzzer and the sanitizer
# runtimes, and the symbolizer for readable reports), "bench" what the
# benchmark needs (valgrind, which counts instructions).
set -euo pipefail
wants() { [[ " $extras " == *" $1 "* ]]; }
extras="$*"
missing=()
need_pkg() { dpkg -s "$1" >/dev/null 2>&1 || missing+=("$1"); }
need_cmd() { command -v "$1" >/dev/null 2>&1 || missing+=("$2"); }
need_cmd g++ g++
need_cmd cmake cmake
need_cmd make make
need_cmd python3 python3
need_pkg libgtest-dev
need_pkg libreadline-dev
need_pkg libncurses-dev
need_pkg libbenchmark-dev
if wants browser; then
  [ -x /usr/bin/chromium ] || missing+=(chromium)
  need_cmd node nodejs
  need_cmd npm npm
fi
if wants fuzz; then
  need_cmd clang++ clang
  need_pkg libclang-rt-dev
  need_cmd llvm-symbolizer llvm
fi
if wants bench; then
  need_cmd valgrind valgrind
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
if wants browser && [ -f tests/browser/package.json ]; then
  (cd tests/browser && { [ -d node_modules/playwright-core ] || npm ci --no-audit --no-fund --loglevel=error; })
fi
