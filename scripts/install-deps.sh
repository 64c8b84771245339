#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, testing and running Tavolin need,
# and only those that are missing, so a second run does nothing.
#
#   scripts/install-deps.sh            build, test and run
#   scripts/install-deps.sh --dev      also the tools CI and benchmarks use
#   scripts/install-deps.sh --web      the browser edition: Emscripten, Node
#                                      and Chromium for its tests (with or
#                                      after --dev)
#   scripts/install-deps.sh --package  the Debian package: CPack's helpers and
#                                      the tools that check the package
set -eu

packages="cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev fonts-dejavu-core"
# Header-only libraries of the command-line tool: argument parsing, JSON.
packages="$packages libcli11-dev nlohmann-json3-dev"
# The integer-programming solver that proves the hard joint covers minimal.
packages="$packages coinor-libcbc-dev"
# The circuit tests simulate the Verilog they write.
packages="$packages iverilog"
# The documentation tests: manual pages, command examples, bash completion.
packages="$packages python3 groff-base bash-completion pkg-config"
# The translations: lupdate/lrelease with their CMake functions (LinguistTools),
# and Qt's own German texts for the standard dialogs.
packages="$packages qt6-tools-dev qt6-l10n-tools qt6-translations-l10n"
for option in "$@"; do
  case "$option" in
  --dev)
    packages="$packages ccache clang clang-format clang-tidy libclang-rt-14-dev desktop-file-utils appstream"
    # The tools that read the text of "Copy As" in the tests: a VHDL simulator
    # and Python (iverilog is in the base list, the C compiler too).
    packages="$packages ghdl python3"
    # The circuit export's test runs the classic educational simulator in its
    # command-line mode, which needs a Java runtime.
    packages="$packages logisim default-jre-headless"
    ;;
  --web)
    # node-acorn: Emscripten's JavaScript optimizer needs it. A Node.js that
    # brings its own npm conflicts with Debian's npm package.
    packages="$packages emscripten node-acorn nodejs chromium python3"
    command -v npm >/dev/null 2>&1 || packages="$packages npm"
    ;;
  --package)
    # dpkg-shlibdeps (dpkg-dev) and file compute the dependencies; the check
    # validates the desktop files and opens the help on a virtual display.
    packages="$packages dpkg-dev file desktop-file-utils appstream xvfb xauth xdotool strace"
    ;;
  esac
done

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
  run=""
elif command -v sudo >/dev/null 2>&1; then
  run="sudo"
else
  echo "error: these Debian packages are missing:$missing" >&2
  echo "Install them as root (apt-get install$missing), or install sudo." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$run apt-get update -q
# shellcheck disable=SC2086
$run apt-get install -y -q --no-install-recommends $missing
