#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the command examples of the README and the manual pages.

An example is a line "$ tavolin-cli ..." followed by the lines it prints, at
the same indentation or deeper (an indented line keeps its extra blanks), up
to a blank line, a less indented line or the next "$" line. Each runs in a
shell, in a fresh copy of the examples folder, with the built programs first
on PATH; it must succeed and print exactly the lines shown, as a terminal
shows them: standard output and standard error each in their order, mixed as
the example shows them. A line on standard error the example leaves out is a
fault, as is one it shows that nothing printed.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
from xml.etree import ElementTree

PROMPT = re.compile(r"^(\s*)\$ (tavolin-cli .*)$")


def man_text(page):
    result = subprocess.run(["groff", "-man", "-Tutf8", "-rHY=0", "-rLL=200n", page],
                            capture_output=True, text=True, check=True,
                            env=dict(os.environ, LC_ALL="C.UTF-8"))
    return re.sub(r".\x08", "", result.stdout)


def examples(text):
    """(command, expected output) pairs in the order they appear."""
    found = []
    lines = text.splitlines()
    for i, line in enumerate(lines):
        prompt = PROMPT.match(line)
        if not prompt:
            continue
        indent, output = prompt.group(1), []
        for following in lines[i + 1:]:
            if not following.strip() or PROMPT.match(following) \
                    or not following.startswith(indent):
                break
            output.append(following[len(indent):])
        found.append((prompt.group(2), output))
    return found


def interleaves(expected, printed, errors):
    """Whether the expected lines are the printed and the error lines, each
    in its own order, mixed: what a terminal showing both may display."""
    if len(expected) != len(printed) + len(errors):
        return False
    # reachable[j]: the first i + j expected lines can take i printed and j error lines.
    reachable = [True] + [False] * len(errors)
    for j in range(1, len(errors) + 1):
        reachable[j] = reachable[j - 1] and expected[j - 1] == errors[j - 1]
    for i in range(1, len(printed) + 1):
        reachable[0] = reachable[0] and expected[i - 1] == printed[i - 1]
        for j in range(1, len(errors) + 1):
            line = expected[i + j - 1]
            reachable[j] = (reachable[j] and line == printed[i - 1]) \
                or (reachable[j - 1] and line == errors[j - 1])
    return reachable[len(errors)]


def image_written(command, folder):
    """Whether the image an "-o FILE" example names was written: an SVG an
    XML parser reads as <svg>, a Logisim file it reads as <project>, or a PNG
    with its signature."""
    image = re.search(r" -o (\S+)", command)
    if not image:
        return True
    path = os.path.join(folder, image.group(1))
    if not os.path.isfile(path):
        return False
    if path.endswith((".svg", ".circ")):
        root = "svg" if path.endswith(".svg") else "project"
        try:
            return ElementTree.parse(path).getroot().tag.endswith(root)
        except ElementTree.ParseError:
            return False
    with open(path, "rb") as png:
        return png.read(8) == b"\x89PNG\r\n\x1a\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--examples", required=True)
    parser.add_argument("--readme", required=True)
    parser.add_argument("pages", nargs="+")
    args = parser.parse_args()

    documents = [(args.readme, open(args.readme, encoding="utf-8").read())]
    documents += [(page, man_text(page)) for page in args.pages]
    environment = dict(os.environ, PATH=args.bin + os.pathsep + os.environ["PATH"],
                       QT_QPA_PLATFORM="offscreen")

    faults, count = [], 0
    for name, text in documents:
        found = examples(text)
        if not found:
            faults.append(f"{name}: no command examples found")
        for command, expected in found:
            count += 1
            with tempfile.TemporaryDirectory() as folder:
                work = shutil.copytree(args.examples, os.path.join(folder, "examples"))
                result = subprocess.run(["bash", "-c", command], cwd=work, env=environment,
                                        capture_output=True, text=True, timeout=60)
                written = image_written(command, work)
            printed, errors = result.stdout.splitlines(), result.stderr.splitlines()
            if result.returncode != 0 or not interleaves(expected, printed, errors) \
                    or not written:
                faults.append(f"{name}: $ {command}\n    status {result.returncode}, "
                              f"expected {expected}\n    printed  {printed}\n"
                              f"    on standard error {errors}")
    if faults:
        sys.exit("\n".join(faults))
    print(f"{count} examples print what the documents show")


if __name__ == "__main__":
    main()
