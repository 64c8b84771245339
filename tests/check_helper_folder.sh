#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tavolin-cli in an installation's layout: itself in bin/, its helpers only
# in libexec/tavolin/. The map and the circuit image must still be drawn,
# and a missing helper must be reported as a failure naming it.
set -u
cli=$1 map=$2 circuit=$3 example=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$work/usr/bin" "$work/usr/libexec/tavolin"
cp "$cli" "$work/usr/bin/"
cp "$map" "$circuit" "$work/usr/libexec/tavolin/"
cd "$work"
usr/bin/tavolin-cli map "$example" -o map.svg || fail "map exited with $?"
grep -q '<svg' map.svg || fail "map.svg is no SVG picture"
usr/bin/tavolin-cli circuit "$example" -o circuit.png || fail "circuit exited with $?"
[[ $(head -c 4 circuit.png | od -An -tx1 | tr -d ' ') == 89504e47 ]] || fail "circuit.png is no PNG"

rm usr/libexec/tavolin/tavolin-cli-map
status=0
usr/bin/tavolin-cli map "$example" -o again.svg 2>err.txt || status=$?
[[ $status -ne 0 && ! -e again.svg ]] || fail "a missing helper was not reported (status $status)"
grep -q 'tavolin-cli-map' err.txt || fail "the error does not name the helper: $(cat err.txt)"
echo "helpers found in libexec/tavolin"
