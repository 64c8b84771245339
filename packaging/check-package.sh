#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a built tavolin_<version>_<arch>.deb without installing it: lists
# it, compares its files with what `cmake --install` puts under /usr, unpacks
# it into a temporary folder and runs both programs from there.
#   packaging/check-package.sh PACKAGE.deb BUILD_DIR
set -euo pipefail
deb=$(realpath "$1")
build=$(realpath "$2")

fail() { echo "check-package: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

for field in Package Version Architecture Section Depends Description; do
    [[ -n $(dpkg-deb --field "$deb" "$field") ]] || fail "the control field $field is empty"
done
grep -q 'libqt6widgets6' <<<"$(dpkg-deb --field "$deb" Depends)" ||
    fail "the dependencies miss the Qt libraries the programs link"

# The package holds exactly the files of an installation under /usr.
dpkg-deb -x "$deb" "$work/package"
DESTDIR="$work/installed" cmake --install "$build" --prefix /usr >/dev/null
(cd "$work/package" && find . -not -type d | sort) >"$work/package.list"
(cd "$work/installed" && find . -not -type d | sort) >"$work/installed.list"
diff -u "$work/installed.list" "$work/package.list" ||
    fail "the package and 'cmake --install' differ in the files above"

root=$work/package/usr
appstreamcli validate-tree --no-net "$work/package" || fail "AppStream rejects the tree"
for desktop in "$root"/share/applications/*.desktop; do
    desktop-file-validate "$desktop" || fail "$desktop is not valid"
done

# tavolin-cli from the unpacked tree; its helper programs live off PATH, in
# the private program folder it finds relative to its own.
for helper in tavolin-cli-map tavolin-cli-circuit; do
    [[ -x "$root/libexec/tavolin/$helper" && ! -e "$root/bin/$helper" ]] ||
        fail "$helper is not in usr/libexec/tavolin alone"
done
examples=$root/share/doc/tavolin/examples
mkdir "$work/run"
cd "$work/run"
# The output is read whole before it is searched: `grep -q` stops at its first
# match, and a program still writing into the closed pipe dies of SIGPIPE,
# which pipefail turns into a failure of a check that passed.
help=$("$root/bin/tavolin-cli" --help)
grep -q '^Usage:' <<<"$help" || fail "tavolin-cli --help prints no usage"
[[ $("$root/bin/tavolin-cli" minimize "$examples/majority.pla") == "Q&R+P&R+P&Q" ]] ||
    fail "tavolin-cli minimize gives a wrong answer"
json=$("$root/bin/tavolin-cli" minimize --json "$examples/cyclic.pla")
grep -q '"text"' <<<"$json" ||
    fail "tavolin-cli --json fails"
"$root/bin/tavolin-cli" map "$examples/majority.pla" -o "$work/run/majority.svg"
grep -q '<svg' "$work/run/majority.svg" || fail "tavolin-cli map does not find tavolin-cli-map in libexec"
"$root/bin/tavolin-cli" circuit "$examples/majority.pla" -o "$work/run/circuit.svg"
grep -q '<svg' "$work/run/circuit.svg" || fail "tavolin-cli circuit does not find tavolin-cli-circuit"

# The window, offscreen, still running after one second.
status=0
QT_QPA_PLATFORM=offscreen timeout 1 "$root/bin/tavolin" || status=$?
[[ $status -eq 124 ]] || fail "tavolin ended with status $status within one second"

# The help files, found beside the program in the unpacked tree: Ctrl+T on a
# virtual display opens the truth-table help, which reads its text from there.
if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null && command -v strace >/dev/null; then
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        strace -f -e trace=openat -o "$2/trace" "$1/bin/tavolin" &
        window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Tavolin$" | head -n 1)
        program=$(xdotool getwindowpid "$window")
        xdotool windowfocus --sync "$window" key ctrl+t
        timeout 20 xdotool search --sync --onlyvisible --name "^Truth Table Help$" >/dev/null
        found=$?
        kill "$program"
        wait
        exit $found' _ "$root" "$work" || fail "the help window did not open"
    grep -q "\"$root/share/tavolin/TruthtableHelp.txt\"" "$work/trace" ||
        fail "tavolin did not read its help text from the unpacked tree"
    echo "help text read from $root/share/tavolin"
else
    ls "$root/share/tavolin/TruthtableHelp.txt" >/dev/null || fail "the help files are missing"
fi
echo "package checks passed: $(basename "$deb")"
