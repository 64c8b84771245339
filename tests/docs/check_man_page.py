#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Renders a manual page and compares it with the program's --help.

The page must render without a groff warning; every command and option the
program's --help prints must appear in the page, every exit status it names
must have an entry under EXIT STATUS, and every command an example.
Exits 77 (skipped) when the program has no --help of its own.
"""
import os
import re
import subprocess
import sys

SKIP = 77
OPTION = re.compile(r"(?<![\w-])(--?[A-Za-z][A-Za-z0-9-]*)")


def render(page):
    result = subprocess.run(
        ["groff", "-man", "-Tutf8", "-ww", "-rHY=0", "-rLL=200n", page],
        capture_output=True, text=True, env=dict(os.environ, LC_ALL="C.UTF-8"))
    if result.returncode != 0 or result.stderr:
        sys.exit(f"{page}: groff reports:\n{result.stderr}")
    # Bold and underline come as overstrikes in older groff output.
    return re.sub(r".\x08", "", result.stdout)


def sections(text):
    """The rendered page split at its unindented headings."""
    parts, name = {}, ""
    for line in text.splitlines():
        if re.match(r"^[A-Z][A-Z ]+$", line):
            name = line
        else:
            parts.setdefault(name, []).append(line)
    return {key: "\n".join(lines) for key, lines in parts.items()}


def program_help(program, arguments):
    try:
        result = subprocess.run([program, *arguments, "--help"], capture_output=True,
                                text=True, timeout=5,
                                env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    except subprocess.TimeoutExpired:
        return None  # still running: the window opened instead
    return result.stdout


def commands_of(help_text, name):
    return sorted(set(re.findall(rf"^\s+{re.escape(name)} ([a-z][a-z-]*)", help_text, re.M)))


def has_word(text, word):
    return re.search(rf"(?<![\w-]){re.escape(word)}(?![\w-])", text) is not None


def main():
    page, program = sys.argv[1], sys.argv[2]
    name = os.path.basename(program)
    text = render(page)
    parts = sections(text)
    for heading in ["NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS", "EXAMPLES"]:
        if heading not in parts:
            sys.exit(f"{page}: no {heading} section")

    help_text = program_help(program, [])
    if help_text is None:
        print(f"{name} opens its window for --help; only the rendering was checked")
        sys.exit(SKIP)
    commands = commands_of(help_text, name)
    for command in commands:
        help_text += program_help(program, [command]) or ""

    faults = []
    options = sorted(set(OPTION.findall(help_text)))
    faults += [f"option {o} is not in the page" for o in options if not has_word(text, o)]
    faults += [f"command {c} is not in the page" for c in commands
               if not has_word(parts["DESCRIPTION"] + parts.get("COMMANDS", ""), c)]
    faults += [f"command {c} has no example" for c in commands
               if not re.search(rf"^\s*\$ {re.escape(name)} {c}\b", parts["EXAMPLES"], re.M)]
    status_line = re.search(r"Exit status:(.*?)(?:\n\n|\Z)", help_text, re.S)
    for status in re.findall(r"\b(\d+) ", status_line.group(1) if status_line else ""):
        if not re.search(rf"^\s+{status}\s", parts["EXIT STATUS"], re.M):
            faults.append(f"exit status {status} is not under EXIT STATUS")
    if faults:
        sys.exit(f"{page} against `{name} --help`:\n  " + "\n  ".join(faults))
    print(f"{page}: {len(options)} options, {len(commands)} commands documented")


if __name__ == "__main__":
    main()
