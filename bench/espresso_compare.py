#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Joint minimization of many multi-output files against espresso.

Writes 77 functions of several outputs (the textbook circuits of a course and
seeded random ones, some with don't cares) as PLA files, adds the files of up
to six inputs and several outputs from a folder of espresso's examples when
given, and then
  - times one `tavolin-cli minimize --joint --format pla` call over all files
    against one `espresso -Dexact` run per file (wall time, side by side);
  - compares the product counts: Tavolin's against espresso's exact and
    default modes;
  - hands every cover Tavolin wrote to `espresso -Dverify` with its source,
    so the other program confirms the two are equivalent;
  - shows where the time goes: each program's process start (the median of
    runs on a file of one product) and, per file, the time of each program
    with its start taken off (Tavolin then runs once per file too).

  bench/espresso_compare.py ESPRESSO TAVOLIN_CLI [EXAMPLES_FOLDER]

espresso is not part of Tavolin: build it from its public source outside the
repository (`make bench-espresso ESPRESSO=/path/to/espresso`).
"""

import os
import random
import re
import subprocess
import sys
import tempfile
import time

SEGMENTS = ["1111110", "0110000", "1101101", "1111001", "0110011", "1011011",
            "1011111", "1110000", "1111111", "1111011", "1110111", "0011111",
            "1001110", "0111101", "1001111", "1000111"]


def pla(name, n, k, rows):
    """rows: (minterm, output bits as a string over 0, 1, -) for every row
    that is not all zeros; '-' is a don't care (type fd)."""
    lines = [f"# {name}", f".i {n}", f".o {k}", ".type fd"]
    for m, outputs in rows:
        if set(outputs) != {"0"}:
            lines.append(format(m, f"0{n}b") + " " + outputs)
    lines.append(".e")
    return "\n".join(lines) + "\n"


def table(name, n, k, function):
    """function(m) gives k output bits as an integer, or None: don't care."""
    rows = []
    for m in range(1 << n):
        value = function(m)
        rows.append((m, "-" * k if value is None else format(value, f"0{k}b")))
    return pla(name, n, k, rows)


def textbook():
    files = {}
    for digits, label in ((10, "bcd7seg"), (16, "hex7seg")):
        files[label] = table(label, 4, 7,
                             lambda m, d=digits: int(SEGMENTS[m], 2) if m < d else None)
    files["fulladder"] = table("fulladder", 3, 2, lambda m: (m >> 2) + (m >> 1 & 1) + (m & 1))
    files["fullsub"] = table("fullsub", 3, 2,
                             lambda m: ((m >> 2) - (m >> 1 & 1) - (m & 1)) & 3)
    for bits in (2, 3):
        mask = (1 << bits) - 1
        n = 2 * bits
        files[f"add{bits}"] = table(f"add{bits}", n, bits + 1,
                                    lambda m, b=bits, k=mask: (m >> b) + (m & k))
        files[f"mul{bits}"] = table(f"mul{bits}", n, n,
                                    lambda m, b=bits, k=mask: (m >> b) * (m & k))
        files[f"cmp{bits}"] = table(
            f"cmp{bits}", n, 3,
            lambda m, b=bits, k=mask: 4 if (m >> b) > (m & k) else 2 if (m >> b) == (m & k) else 1)
        files[f"sub{bits}"] = table(f"sub{bits}", n, bits + 1,
                                    lambda m, b=bits, k=mask: ((m >> b) - (m & k)) & ((2 << b) - 1))
    for n in (4, 5, 6):
        files[f"gray{n}"] = table(f"gray{n}", n, n, lambda m: m ^ (m >> 1))

        def ungray(m):
            value = 0
            while m:
                value ^= m
                m >>= 1
            return value
        files[f"ungray{n}"] = table(f"ungray{n}", n, n, ungray)
        files[f"popcount{n}"] = table(f"popcount{n}", n, 3, lambda m: bin(m).count("1"))
    files["bcd2xs3"] = table("bcd2xs3", 4, 4, lambda m: m + 3 if m < 10 else None)
    files["xs32bcd"] = table("xs32bcd", 4, 4, lambda m: m - 3 if 3 <= m < 13 else None)
    files["bcd2421"] = table("bcd2421", 4, 4, lambda m: (m if m < 5 else m + 6) if m < 10 else None)
    files["dec2to4"] = table("dec2to4", 3, 4, lambda m: (8 >> (m & 3)) if m >> 2 else 0)
    files["dec3to8"] = table("dec3to8", 3, 8, lambda m: 128 >> m)
    files["prio4"] = table("prio4", 4, 3,
                           lambda m: 0 if m == 0 else 4 | (3 - (m.bit_length() - 1)))
    files["inc4"] = table("inc4", 4, 5, lambda m: m + 1)
    files["square3"] = table("square3", 3, 6, lambda m: m * m)
    files["parmaj5"] = table("parmaj5", 5, 2, lambda m: (bin(m).count("1") & 1) << 1
                             | (bin(m).count("1") >= 3))
    return files


def randomFunctions(count, seed):
    rng = random.Random(seed)
    files = {}
    for i in range(count):
        n = 3 + i % 4
        k = 2 + rng.randrange(7)
        dontCares = i % 3 == 0
        rows = []
        for m in range(1 << n):
            bits = "".join("-" if dontCares and rng.random() < 0.15 else rng.choice("01")
                           for _ in range(k))
            rows.append((m, bits))
        files[f"random{i:02d}"] = pla(f"random{i:02d}", n, k, rows)
    return files


def exampleFiles(folder):
    """espresso's own examples of up to six inputs and several outputs."""
    chosen = {}
    for name in sorted(os.listdir(folder)):
        path = os.path.join(folder, name)
        if name.endswith("~") or not os.path.isfile(path):
            continue
        text = open(path, encoding="latin-1").read()
        i = re.search(r"^\.i\s+(\d+)", text, re.M)
        o = re.search(r"^\.o\s+(\d+)", text, re.M)
        if i and o and int(i.group(1)) <= 6 and int(o.group(1)) > 1:
            chosen["example-" + name] = text
    return chosen


def products(text):
    """Product lines of one PLA file."""
    return sum(1 for line in text.splitlines()
               if line and line[0] in "01-" and not line.startswith("-D"))


def espresso(binary, path, *options):
    return subprocess.run([binary, *options, path], capture_output=True, text=True,
                          check=True).stdout


def seconds(command):
    start = time.perf_counter()
    subprocess.run(command, capture_output=True, check=True)
    return time.perf_counter() - start


def processStart(command, runs=21):
    """The median time of a run that has next to nothing to do."""
    return sorted(seconds(command) for _ in range(runs))[runs // 2]


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    binary, cli = sys.argv[1], sys.argv[2]
    functions = textbook()
    functions.update(randomFunctions(77 - len(functions), 20261209))
    if len(sys.argv) > 3:
        functions.update(exampleFiles(sys.argv[3]))
    with tempfile.TemporaryDirectory() as folder:
        paths = []
        for name, text in functions.items():
            path = os.path.join(folder, name + ".pla")
            with open(path, "w", encoding="latin-1") as file:
                file.write(text)
            paths.append(path)

        start = time.perf_counter()
        run = subprocess.run([cli, "minimize", "--joint", "--format", "pla", *paths],
                             capture_output=True, text=True)
        tavolinSeconds = time.perf_counter() - start
        if run.returncode != 0:
            sys.exit("tavolin-cli failed: " + run.stderr)
        covers = {}
        for block in run.stdout.split(".e\n"):
            header = re.match(r"# (.*)\n", block)
            if header:
                covers[header.group(1)] = block + ".e\n"

        trivial = os.path.join(folder, "trivial.pla")
        with open(trivial, "w") as file:
            file.write(".i 2\n.o 2\n1- 11\n.e\n")
        espressoStart = processStart([binary, "-Dexact", trivial])
        tavolinStart = processStart([cli, "minimize", "--joint", "--format", "pla", trivial])

        exactSeconds = 0.0
        rows = []
        for path in paths:
            start = time.perf_counter()
            exact = espresso(binary, path, "-Dexact")
            exactTime = time.perf_counter() - start
            exactSeconds += exactTime
            ownTime = seconds([cli, "minimize", "--joint", "--format", "pla", path])
            default = espresso(binary, path)
            cover = os.path.join(folder, "cover.pla")
            with open(cover, "w") as file:
                file.write(covers[path])
            verify = subprocess.run([binary, "-Dverify", path, cover], capture_output=True,
                                    text=True)
            rows.append((os.path.basename(path), products(covers[path]), products(exact),
                         products(default), verify.returncode == 0,
                         max(0.0, ownTime - tavolinStart), max(0.0, exactTime - espressoStart)))

    unproven = run.stderr.count("not proven minimal")
    print(f"{'file':<28} tavolin exact default verified  tavolin ms  espresso ms")
    for name, ours, exact, default, verified, ownTime, exactTime in rows:
        print(f"{name:<28} {ours:>7} {exact:>5} {default:>7} {'yes' if verified else 'NO':>8}"
              f"  {ownTime * 1000:>10.1f}  {exactTime * 1000:>11.1f}")
    fewer = sum(1 for r in rows if r[1] < r[2])
    more = sum(1 for r in rows if r[1] > r[2])
    defaultWorse = sum(1 for r in rows if r[3] > r[2])
    failed = sum(1 for r in rows if not r[4])
    print(f"\n{len(rows)} files; tavolin-cli, one call: {tavolinSeconds:.2f} s; "
          f"espresso -Dexact, one run per file: {exactSeconds:.2f} s; "
          f"ratio {exactSeconds / tavolinSeconds:.1f} (target at least 10)")
    ownWork = sum(r[5] for r in rows)
    exactWork = sum(r[6] for r in rows)
    print(f"process start: tavolin-cli {tavolinStart * 1000:.1f} ms once, espresso "
          f"{espressoStart * 1000:.1f} ms per file ({espressoStart * len(rows):.2f} s of its "
          f"{exactSeconds:.2f} s); without the starts: tavolin {ownWork:.2f} s, "
          f"espresso {exactWork:.2f} s (ms per file in the table, start taken off)")
    print(f"products: fewer than espresso -Dexact in {fewer}, more in {more}; "
          f"espresso's default mode above its exact one in {defaultWorse}; "
          f"not proven minimal: {unproven}; not equivalent: {failed}")
    return 1 if failed or more else 0


if __name__ == "__main__":
    sys.exit(main())
