#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the bash completion of tavolin-cli as bash-completion loads it:
# from a completions folder, by the command's name, on first use.
#   check_completion.sh COMPLETION_FILE TAVOLIN_CLI
set -u
completion=$1
program=$2

loader=/usr/share/bash-completion/bash_completion
if [[ ! -r $loader ]]; then
    echo "bash-completion is not installed"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/completions" "$work/bin" "$work/files/sub"
cp "$completion" "$work/completions/tavolin-cli"
ln -s "$(realpath "$program")" "$work/bin/tavolin-cli"
touch "$work/files/"{majority.pla,cyclic.pla,notes.txt,map.png,map.svg,map.jpg,"two words.pla",class.csv}

failures=0

# complete LINE: the sorted candidates bash offers for the cursor at the end,
# separated by "|" so that a candidate with a blank shows as one.
complete_line()
{
    BASH_COMPLETION_USER_DIR=$work PATH="$work/bin:$PATH" bash --norc --noprofile -c '
        cd "$1/files"
        source "$2"
        __load_completion tavolin-cli || { echo "not loaded"; exit; }
        read -ra COMP_WORDS <<<"$3"
        [[ $3 == *" " ]] && COMP_WORDS+=("")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        COMP_LINE=$3
        COMP_POINT=${#3}
        _tavolin_cli tavolin-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" "|"' _ "$work" "$loader" "$1"
}

expect()
{
    local line=$1 expected=$2 actual
    actual=$(complete_line "$line")
    actual=${actual%|}
    if [[ $actual != "$expected" ]]; then
        echo "FAIL: '$line' offers [$actual], expected [$expected]"
        failures=$((failures + 1))
    fi
}

registered=$(BASH_COMPLETION_USER_DIR=$work bash --norc --noprofile -c \
    'source "$1"; __load_completion tavolin-cli; complete -p tavolin-cli' _ "$loader" 2>&1)
if [[ $registered != "complete -F _tavolin_cli tavolin-cli" ]]; then
    echo "FAIL: bash-completion registers [$registered]"
    failures=$((failures + 1))
fi

# The commands and options come from the program's own --help.
commands=$("$program" --help | awk '/^  tavolin-cli [a-z]/ { print $2 }' | sort -u | tr '\n' '|')
expect "tavolin-cli " "--help|--version|${commands%|}"
expect "tavolin-cli mi" "minimize"
expect "tavolin-cli --v" "--version"
expect "tavolin-cli minimize --p" "--pos"
expect "tavolin-cli minimize --e" "--exact"
expect "tavolin-cli eval --v" "--vars"
expect "tavolin-cli eval --m" "--minimize"
expect "tavolin-cli map -" "$("$program" --help | awk '/^  tavolin-cli map/' |
    grep -oE -- '(^|[[:space:]([|])--?[a-z][a-z-]*' | sed 's/^[^-]*//' | sort -u | tr '\n' '|' |
    sed 's/|$//')"
# Files: PLA files (and folders) where a command reads them, images after -o.
expect "tavolin-cli minimize " "cyclic.pla|majority.pla|sub|two words.pla"
expect "tavolin-cli minimize --pos m" "majority.pla"
expect "tavolin-cli minimize tw" "two words.pla"
expect "tavolin-cli map majority.pla -o " "map.png|map.svg|sub"
expect "tavolin-cli map majority.pla -o map.s" "map.svg"
# A value the user types: nothing is offered.
expect "tavolin-cli minimize --names " ""
expect "tavolin-cli eval --vars 3 " ""
expect "tavolin-cli unknown " ""
# Options with a fixed choice of values offer the choice of the command being
# completed, as its usage lines in --help list it (all of them: minimize
# lists --format on two).
choices()
{
    local command=$1 option=$2
    "$program" --help | awk -v command="$command" '
        /^  tavolin-cli / { inside = ($2 == command) }
        /^$/ { inside = 0 }
        inside { print }' |
        grep -o -- "$option [a-z|-]*" | cut -d" " -f2 | tr "|" "\n" | sort -u |
        tr "\n" "|" | sed "s/|$//"
}
expect "tavolin-cli minimize majority.pla --format " "$(choices minimize --format)"
expect "tavolin-cli explain majority.pla --format " "$(choices explain --format)"
expect "tavolin-cli circuit majority.pla --format " "$(choices circuit --format)"
expect "tavolin-cli circuit majority.pla --style " "$(choices circuit --style)"
expect "tavolin-cli circuit majority.pla --style n" "nand|nor"
expect "tavolin-cli explain majority.pla --format m" "markdown"
expect "tavolin-cli explain majority.pla --ha" "--hazard-free"
expect "tavolin-cli circuit --f" "--fan-in|--format"
expect "tavolin-cli circuit majority.pla --fan-in " ""
expect "tavolin-cli explain " "cyclic.pla|majority.pla|sub|two words.pla"
expect "tavolin-cli check majority.pla --answers " "class.csv|sub"
expect "tavolin-cli check majority.pla --ans" "--answer|--answers"
expect "tavolin-cli check majority.pla --answer " ""
# The choices differ by command, so a mix-up between commands shows.
[[ $(choices minimize --format) != "$(choices explain --format)" ]] || {
    echo "FAIL: minimize and explain list the same --format values"
    failures=$((failures + 1))
}

if ((failures > 0)); then
    echo "$failures completion checks failed"
    exit 1
fi
echo "completion checks passed"
