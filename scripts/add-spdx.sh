#!/bin/sh
# Puts the licence identifier into the first line of every source file that
# lacks it (after a "#!" line, or the HTML doctype, where one comes first).
# Running it again changes nothing.
set -eu
cd "$(dirname "$0")/.."
id="SPDX-License-Identifier: GPL-3.0-or-later"

comment_for()
{
    case "$1" in
    *.cpp | *.h | *.js | *.mjs) echo "// $id" ;;
    *.css) echo "/* $id */" ;;
    *.html) echo "<!-- $id -->" ;;
    *.1.in) echo ".\\\" $id" ;;
    *CMakeLists.txt | *.cmake | *.sh | *.py | Makefile | .ci/run | completion/*) echo "# $id" ;;
    esac
}

git ls-files | while IFS= read -r file; do
    line=$(comment_for "$file")
    [ -n "$line" ] || continue
    grep -q "$id" "$file" && continue
    first=$(head -n 1 "$file")
    case "$first" in
    '#!'* | '<!DOCTYPE'* | '<!doctype'*)
        { printf '%s\n%s\n' "$first" "$line"; tail -n +2 "$file"; } >"$file.spdx" ;;
    *)
        { printf '%s\n' "$line"; cat "$file"; } >"$file.spdx" ;;
    esac
    chmod --reference="$file" "$file.spdx"
    mv "$file.spdx" "$file"
done
