// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly module against tavolin-cli: the same answers, byte for
// byte, for every function the benchmarks use, every equation message and
// the PLA reader's and writer's results.
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { decodeState, encodeState } from '../page/share.js';
import { tableRows } from '../page/steps.js';
import {
  Mt19937, benchmarkFunctions, cliOutput, loadModule, plaOf, runCli, sixNames,
} from './support.mjs';

let core;
let folder;
let functions;
let files;

before(async () => {
  core = await loadModule();
  folder = mkdtempSync(path.join(tmpdir(), 'tavolin-web-'));
  functions = benchmarkFunctions();
  files = functions.map((cells, i) => {
    const file = path.join(folder, `f${i}.pla`);
    writeFileSync(file, plaOf(cells));
    return file;
  });
});

after(() => rmSync(folder, { recursive: true, force: true }));

// "FILE: text" lines of a call with several files, grouped by file.
function linesByFile(output) {
  const byFile = new Map();
  for (const line of output.split('\n')) {
    if (!line) continue;
    const split = line.indexOf(': ');
    const file = line.slice(0, split);
    if (!byFile.has(file)) byFile.set(file, []);
    byFile.get(file).push(line.slice(split + 2));
  }
  return byFile;
}

describe('minimization of the benchmark corpus', () => {
  const cases = [
    { name: 'window cover, sum of products', flags: [], pos: false, choice: 0 },
    { name: 'window cover, product of sums', flags: ['--pos'], pos: true, choice: 0 },
    { name: 'exact minimum, sum of products', flags: ['--exact'], pos: false, choice: 1 },
    { name: 'exact minimum, product of sums', flags: ['--pos', '--exact'], pos: true, choice: 1 },
  ];
  for (const { name, flags, pos, choice } of cases) {
    test(name, () => {
      const expected = linesByFile(cliOutput(['minimize', ...flags, ...files]));
      assert.equal(expected.size, functions.length);
      let differences = 0;
      functions.forEach((cells, i) => {
        const answer = core.minimize(6, cells, pos, sixNames, choice, 1);
        const want = expected.get(files[i]);
        if (answer.solutions.length !== 1 || answer.solutions[0].text !== want[0]) {
          if (++differences <= 3) assert.fail(`function ${i} (${cells}): ${answer.solutions[0]?.text} != ${want[0]}`);
        }
      });
      assert.equal(differences, 0);
    });
  }

  // The listing stops at the limit; below it, it is the command line's full list.
  for (const pos of [false, true]) {
    test(`every minimal solution, capped, ${pos ? 'product of sums' : 'sum of products'}`, () => {
      const some = files.slice(0, 404);
      const expected = linesByFile(cliOutput(['minimize', '--exact', '--all', ...(pos ? ['--pos'] : []), ...some]));
      const limit = 20;
      let capped = 0;
      some.forEach((file, i) => {
        const want = expected.get(file);
        const answer = core.minimize(6, functions[i], pos, sixNames, 2, limit);
        const texts = answer.solutions.map((s) => s.text);
        assert.deepEqual(texts, want.slice(0, limit), `function ${i}`);
        assert.equal(answer.more, want.length > limit, `function ${i}: more`);
        if (answer.more) ++capped;
      });
      assert.ok(capped > 0, 'no function of the set reached the cap');
    });
  }

  test('groups of the window cover, as tavolin-cli --json reports them', () => {
    const some = files.slice(0, 120);
    for (const pos of [false, true]) {
      const reports = JSON.parse(cliOutput(['minimize', '--json', ...(pos ? ['--pos'] : []), ...some]));
      reports.forEach((report, i) => {
        const answer = core.minimize(6, functions[i], pos, sixNames, 0, 1);
        assert.deepEqual(answer.solutions[0].groups, report.groups, `function ${i}`);
        assert.equal(answer.solutions[0].text, report.text);
      });
    }
  });

  test('a symmetric function with millions of minimum covers lists only the cap', () => {
    const weights = 0b1100; // one where two or three variables are 1
    const popcount = (m) => m.toString(2).split('').filter((b) => b === '1').length;
    const cells = Array.from({ length: 64 }, (_, m) => String((weights >> popcount(m)) & 1)).join('');
    const answer = core.minimize(6, cells, false, sixNames, 2, 100);
    assert.equal(answer.solutions.length, 100);
    assert.equal(answer.more, true);
    const first = cliOutput(['minimize', '--exact', files[404 + 6000 + weights]]).trim();
    assert.equal(answer.solutions[0].text, first);
  });
});

// Well-formed equations over the given names from a small grammar, half of them then
// broken by one inserted, dropped or replaced character, so that every kind
// of error and plenty of valid ones come up.
function randomEquations(count, names) {
  const random = new Mt19937(1312);
  const pick = (list) => list[random.next() % list.length];
  const expression = (depth) => {
    const kind = depth > 2 ? 0 : random.next() % 4;
    if (kind === 0) return pick(names) + (random.next() % 4 === 0 ? "'" : '');
    if (kind === 1) return `(${expression(depth + 1)})` + (random.next() % 3 === 0 ? "'" : '');
    return expression(depth + 1) + pick(['+', '&', '^']) + expression(depth + 1);
  };
  const noise = ['A', 'E', 'x', '1', '(', ')', '+', '&', '^', "'", '*', '-', ' ', 'AB'];
  const list = [];
  for (let i = 0; i < count; ++i) {
    let text = expression(0);
    if (i % 2 === 1) {
      const at = random.next() % (text.length + 1);
      const change = random.next() % 3;
      const piece = pick(noise);
      if (change === 0) text = text.slice(0, at) + piece + text.slice(at);
      else if (change === 1) text = text.slice(0, at) + text.slice(at + 1);
      else text = text.slice(0, at) + piece + text.slice(at + 1);
    }
    list.push(text);
  }
  return list;
}

describe('equations', () => {
  const chosen = ["A&B'+C", "(A+B)&(C^D)'", "A''", "A+", "+A", "A&&B", "(A", "A)", "()", "AB", "A B",
    "A*B", "G", "a", "((A))", "A'B", "'A", "A(B)", "A^", "^", "", "(((", ")))", "A+B+C+D+E+F"];
  for (const n of [2, 4, 6]) {
    test(`messages and values agree with tavolin-cli eval at ${n} variables`, () => {
      const names = sixNames.slice(0, n);
      const equations = [...chosen, ...randomEquations(300, names)];
      let errors = 0;
      for (const equation of equations) {
        const run = runCli(['eval', '--vars', String(n), '--', equation]);
        const answer = core.evaluate(equation, names);
        if (run.status === 0) {
          const values = run.out.trim().split('\n').map((line) => line.split(' ')[1]).join('');
          assert.equal(answer.ok, true, `"${equation}": ${answer.message}`);
          assert.equal(answer.values, values, `"${equation}"`);
        } else {
          ++errors;
          assert.equal(answer.ok, false, `"${equation}" was accepted`);
          assert.equal(answer.message + '\n', run.err, `"${equation}"`);
          if (answer.column !== undefined) {
            assert.ok(answer.column >= 0 && answer.column + answer.length <= equation.length);
          }
        }
      }
      assert.ok(errors > 60 && errors < equations.length - 60, `${errors} errors: too few of one kind`);
    });
  }

  test('the offending token is the one the message names', () => {
    const cases = [
      ['A&(B+', 4, '+'], ['AB+C', 0, 'AB'], ['A+*', 2, '*'], ['(A', 0, '('], ["A&B'&", 4, '&'],
    ];
    for (const [equation, column, token] of cases) {
      const answer = core.evaluate(equation, sixNames.slice(0, 4));
      assert.equal(answer.column, column, equation);
      assert.equal(equation.substr(answer.column, answer.length), token, equation);
    }
  });
});

describe('PLA files', () => {
  const files = {
    'count out of range': '.i 9\n',
    'short input part': '.i 2\n.o 1\n0 1\n',
    'bad character': '.i 3\n.o 1\n0a1 1\n',
    'repeated name': '.i 2\n.o 1\n.ilb A A\n01 1\n',
    'missing output': '.i 2\n.o 1\n01\n',
    'fine, with names': '.i 3\n.o 1\n.ilb x y z\n1-1 1\n000 -\n.e\n',
    'fine, without a count': '.o 1\n1100 1\n',
    'several outputs': '.i 2\n.o 2\n11 10\n',
  };
  for (const [name, text] of Object.entries(files)) {
    test(`reads as the command line does: ${name}`, () => {
      const file = path.join(folder, 'read.pla');
      writeFileSync(file, text);
      const run = runCli(['minimize', file]);
      const read = core.readPla(new TextEncoder().encode(text), 4);
      if (!read.ok) {
        assert.equal(run.status, 2);
        assert.equal(`${file}:${read.line}: ${read.message}\n`, run.err);
        return;
      }
      assert.equal(run.status, 0, run.err);
      const answer = core.minimize(read.variableCount, read.values, false,
        read.names.length ? read.names : sixNames, 0, 1);
      const first = answer.solutions[0].text;
      if (read.severalOutputs) {
        // The command line prints every output by its name; the page shows the first.
        assert.equal(run.out.split('\n')[0], `f = ${first}`);
      } else {
        assert.equal(first + '\n', run.out);
      }
    });
  }

  test('what the writer writes reads back to the same function', () => {
    const random = new Mt19937(77);
    for (let n = 2; n <= 6; ++n) {
      const values = Array.from({ length: 1 << n }, () => '01X'[random.next() % 3]).join('');
      const names = ['p', 'q1', 'R', 's', 'T2', 'u'].slice(0, n);
      const text = core.writePla(n, names, values);
      const read = core.readPla(new TextEncoder().encode(text), 4);
      assert.equal(read.ok, true, text);
      assert.equal(read.values, values);
      assert.deepEqual(read.names, names);
      const file = path.join(folder, 'written.pla');
      writeFileSync(file, text);
      assert.equal(cliOutput(['minimize', '--pos', file]),
        core.minimize(n, values, true, names, 0, 1).solutions[0].text + '\n');
    }
  });
});

describe('several outputs', () => {
  // A file of `k` outputs over n inputs, random cells from the generator.
  function outputsFile(random, n, k) {
    const columns = Array.from({ length: k }, () =>
      Array.from({ length: 1 << n }, () => '01X0'[random.next() % 4]).join(''));
    const names = ['a', 'b', 'c', 'd', 'e', 'g'].slice(0, n);
    const outputNames = ['s', 'y1', 'Z', 'q'].slice(0, k);
    return { n, names, outputNames, columns, text: core.writePlaOutputs(n, names, outputNames, columns) };
  }

  test('the outputs read back as written, and the joint cover is explain --joint\'s', () => {
    const random = new Mt19937(22);
    for (const [n, k] of [[2, 2], [3, 3], [4, 2], [5, 4], [6, 3]]) {
      const written = outputsFile(random, n, k);
      const read = core.readPlaOutputs(new TextEncoder().encode(written.text), 4);
      assert.equal(read.ok, true, written.text);
      assert.deepEqual([read.variableCount, read.names, read.outputNames, read.columns],
        [n, written.names, written.outputNames, written.columns]);
      const file = path.join(folder, 'outputs.pla');
      writeFileSync(file, written.text);
      for (const pos of [false, true]) {
        const expected = JSON.parse(cliOutput(['explain', '--joint', '--format', 'json', file,
          ...(pos ? ['--pos'] : [])]));
        const joint = core.jointCover(n, read.columns, pos, read.names, read.outputNames);
        assert.deepEqual(joint.products.map((p) => [p.term, p.outputs]),
          expected.products.map((p) => [p.term, p.outputs.join(', ')]));
        assert.deepEqual([joint.literals, joint.connections, joint.proven],
          [expected.literals, expected.connections, expected.proven]);
        assert.deepEqual(joint.texts, expected.outputs.map((output) => output.text));
        const text = cliOutput(['explain', '--joint', file, ...(pos ? ['--pos'] : [])]);
        assert.ok(text.startsWith(`${joint.title}\n`));
        // Each product shades the cells of its prime.
        joint.products.forEach((product, i) => {
          assert.deepEqual(product.groups, [expected.primes[expected.products[i].prime - 1].minterms]);
        });
      }
    }
  });
});

describe('share link', () => {
  test('a state survives the fragment', () => {
    const state = { n: 3, values: [...'01X00110'], names: ['x', 'y2', 'Z'], form: 'pos', cover: 'all' };
    assert.deepEqual(decodeState(encodeState(state)), state);
  });

  // Random functions of several outputs (seeded): every one comes back whole,
  // the shown output's values as the page's values.
  test('several outputs survive the fragment, the shown one as the values', () => {
    const random = new Mt19937(7);
    const next = (k) => random.next() % k;
    for (let round = 0; round < 200; ++round) {
      const n = 2 + next(5);
      const names = sixNames.slice(0, n);
      const count = 2 + next(63);
      const columns = Array.from({ length: count }, () =>
        Array.from({ length: 1 << n }, () => '01X'[next(3)]));
      const outputs = { names: columns.map((_, k) => `f${k}`), columns, shown: next(count) };
      const state = { n, values: columns[outputs.shown], names, form: 'sop', cover: 'window', outputs };
      const decoded = decodeState(encodeState(state));
      assert.deepEqual(decoded.outputs, outputs);
      assert.deepEqual(decoded.values, columns[outputs.shown]);
    }
  });

  const refused = [
    ['values of the wrong length', '#n=3&f=0101', 'values'],
    ['a value outside 0, 1 and X', '#n=2&f=01Y0', 'values'],
    ['a repeated name', '#n=2&names=A,A', 'names'],
    ['a name too long', '#n=2&names=A,BCDE', 'names'],
    ['too many names for the count', '#n=2&names=A,B,C', 'names'],
    ['a count out of range', '#n=7&f=01', 'n'],
    ['an unknown cover', '#cover=fast', 'cover'],
    ['an exercise of seven variables', '#exercise=7,sop,x,1', 'exercise'],
    ['an exercise of another form', '#exercise=4,xor,-,1', 'exercise'],
    ['an exercise of seed 0', '#exercise=4,pos,x,0', 'exercise'],
    ['fewer value lists than outputs', '#n=2&f=0110&names=A,B&outputs=s,c', 'outputs'],
    ['an output named as an input', '#n=2&f=0110.0001&names=A,B&outputs=s,B', 'outputs'],
    ['a shown output beyond the last', '#n=2&f=0110.0001&names=A,B&outputs=s,c&shown=2', 'outputs'],
    ['outputs without the input names', '#n=2&f=0110.0001&outputs=s,c', 'outputs'],
  ];
  for (const [name, fragment, part] of refused) {
    test(`refuses ${name}`, () => {
      assert.equal(decodeState(fragment)[part], undefined);
    });
  }
});

// The steps' document written out as Markdown, the way the explanation core
// writes it, so that what the page shows can be held against the command line.
function markdownOf(steps) {
  const escaped = (text) => text.replace(/[\\|*_`<[]/g, (c) => `\\${c}`);
  const row = (cells) => `|${cells.map((cell) => ` ${escaped(cell)} |`).join('')}\n`;
  let text = `# ${escaped(steps.title)}\n`;
  for (const section of steps.sections) {
    text += `\n## ${escaped(section.title)}\n`;
    for (const block of section.blocks) {
      text += '\n';
      if (block.header === undefined) text += `${escaped(block.text)}\n`;
      else text += row(block.header) + `|${' --- |'.repeat(block.header.length)}\n` + tableRows(block).map(row).join('');
    }
  }
  return text;
}

describe('worked steps', () => {
  // Every 97th function of the corpus, plus symmetric ones with many covers:
  // 1 where two or three variables are 1, and its complement for the product
  // of sums, stop at the command line's count cap.
  const sample = () => {
    const chosen = functions.map((_, i) => i).filter((i) => i % 97 === 0);
    return chosen.concat([0b0110, 0b1100, 0b1110011, 0b101010].map((weights) => 404 + 6000 + weights));
  };
  const limit = 50;
  const countCap = 100000;

  for (const pos of [false, true]) {
    const form = pos ? 'product of sums' : 'sum of products';
    test(`the steps read as tavolin-cli explain --format markdown, ${form}`, () => {
      let capped = 0;
      for (const i of sample()) {
        const steps = core.explain(6, functions[i], pos, sixNames, limit, countCap);
        const expected = cliOutput(['explain', '--format', 'markdown', ...(pos ? ['--pos'] : []), files[i]]);
        assert.equal(markdownOf(steps), expected, `function ${i}`);
        if (!steps.complete) ++capped;
      }
      assert.ok(capped > 0, 'no function of the sample reached the count cap');
    });

    test(`primes, choices and covers with their groups as tavolin-cli explain --format json, ${form}`, () => {
      const cover = (c) => ({ primes: c.primes, text: c.text, groups: c.groups });
      for (const i of sample()) {
        const steps = core.explain(6, functions[i], pos, sixNames, limit, countCap);
        const report = JSON.parse(cliOutput(['explain', '--format', 'json', ...(pos ? ['--pos'] : []), files[i]]));
        assert.deepEqual(steps.primes.map((p) => [p.term, p.minterms, p.essential]),
          report.primes.map((p) => [p.term, p.minterms, p.essential]), `function ${i}`);
        // A prime is shaded as one group holding exactly its cells.
        steps.primes.forEach((p) => assert.deepEqual([...p.groups[0]].sort((a, b) => a - b), p.minterms));
        assert.deepEqual(steps.choices, report.choices.map((c) => c.prime), `function ${i}`);
        assert.deepEqual(cover(steps.window), cover(report.window), `function ${i}`);
        assert.deepEqual(cover(steps.minimum), cover(report.minimum), `function ${i}`);
        assert.deepEqual(steps.covers.map(cover), report.solutions.covers.map(cover), `function ${i}`);
        assert.equal(steps.count, report.solutions.count);
        assert.equal(steps.complete, report.solutions.complete);
      }
    });
  }

  test('own names, three variables: every 61st function over 0, 1 and X in both forms', () => {
    const names = ['x', 'y2', 'Zed'];
    const file = path.join(folder, 'three.pla');
    for (let f = 0; f < 3 ** 8; f += 61) {
      const values = Array.from({ length: 8 }, (_, m) => '01X'[Math.floor(f / 3 ** m) % 3]).join('');
      writeFileSync(file, `.i 3\n.o 1\n.ilb ${names.join(' ')}\n${[...values].map((v, m) =>
        `${m.toString(2).padStart(3, '0')} ${v === 'X' ? '-' : v}`).join('\n')}\n`);
      for (const pos of [false, true]) {
        const steps = core.explain(3, values, pos, names, limit, countCap);
        assert.equal(markdownOf(steps), cliOutput(['explain', '--format', 'markdown', ...(pos ? ['--pos'] : []), file]),
          `${values} ${pos ? 'POS' : 'SOP'}`);
      }
    }
  });
});

// An answer as its terms, each a list of literals such as "B'", written in
// the form's equation syntax, and read back from the core's own text.
function writeTerms(terms, pos) {
  if (!pos) return terms.map((term) => term.join('&')).join('+');
  return terms.map((term) => (term.length > 1 ? `(${term.join('+')})` : term[0])).join('&');
}

function readTerms(text, pos) {
  if (pos) return text.split('&').map((sum) => sum.replace(/[()]/g, '').split('+'));
  return text.split('+').map((product) => product.split('&'));
}

// Answers of every kind for one function: the window's cover and an exact
// minimum, each spoiled in one way (a term dropped, a literal flipped or
// dropped, a term repeated), random terms, three outside the form (one of
// them equal), one broken and an empty one.
function answersFor(core, n, cells, pos, names, random) {
  const pick = (list) => list[random.next() % list.length];
  const literal = () => pick(names.slice(0, n)) + (random.next() % 2 ? "'" : '');
  const own = readTerms(core.minimize(n, cells, pos, names, 0, 1).solutions[0].text, pos);
  const minimum = readTerms(core.minimize(n, cells, pos, names, 1, 1).solutions[0].text, pos);
  const spoiled = (terms, change) => {
    const copy = terms.map((term) => term.slice());
    const t = random.next() % copy.length;
    const l = random.next() % copy[t].length;
    if (change === 0 && copy.length > 1) copy.splice(t, 1);
    if (change === 1) copy[t][l] = copy[t][l].endsWith("'") ? copy[t][l].slice(0, -1) : `${copy[t][l]}'`;
    if (change === 2 && copy[t].length > 1) copy[t].splice(l, 1);
    if (change === 3) copy.push(copy[t].slice());
    return copy;
  };
  const answers = [own, minimum, ...[0, 1, 2, 3].map((change) => spoiled(pick([own, minimum]), change))];
  for (let i = 0; i < 3; ++i) {
    answers.push(Array.from({ length: 1 + (random.next() % 4) }, () =>
      Array.from({ length: 1 + (random.next() % n) }, literal)));
  }
  const texts = answers.map((terms) => writeTerms(terms, pos));
  texts.push(`(${writeTerms(own, pos)})''`, `${literal()}^(${writeTerms(own, pos)})`,
    `${literal()}&(${literal()}+${literal()})'`);
  texts.push(`${literal()}+&${literal()}`, '');
  return texts;
}

describe('checking answers', () => {
  test('the verdicts of tavolin-cli check --answers --json on random functions and answers', () => {
    const random = new Mt19937(2323);
    const names = ['x', 'y2', 'Zed', 'w', 'V', 'u'];
    const seen = new Set();
    let findings = 0;
    for (let n = 2; n <= 6; ++n) {
      for (let f = 0; f < 6; ++f) {
        const cells = Array.from({ length: 1 << n }, () => '0001111X'[random.next() % 8]).join('');
        const file = path.join(folder, 'check.pla');
        writeFileSync(file, plaOf(cells));
        for (const pos of [false, true]) {
          const answers = answersFor(core, n, cells, pos, names, random);
          const csv = path.join(folder, 'answers.csv');
          writeFileSync(csv, `id,answer\n${answers.map((answer, i) => `${i},${answer}`).join('\n')}\n`);
          const run = runCli(['check', file, ...(pos ? ['--pos'] : []), '--names', names.slice(0, n).join(','),
            '--answers', csv, '--json']);
          const rows = run.out.trim().split('\n').map((line) => JSON.parse(line));
          assert.equal(rows.length, answers.length, run.err);
          rows.forEach((row, i) => {
            const where = `${cells} ${pos ? 'POS' : 'SOP'} "${answers[i]}"`;
            const verdict = core.checkAnswer(n, cells, pos, names.slice(0, n), answers[i]);
            seen.add(row.verdict);
            if (row.verdict === 'error') {
              assert.notEqual(verdict.status, 'checked', where);
              assert.equal(verdict.message ?? verdict.summary.join(' '), row.error, where);
              if (verdict.column !== undefined) {
                assert.ok(verdict.column >= 0 && verdict.column + verdict.length <= answers[i].length, where);
              }
              return;
            }
            assert.equal(verdict.status, 'checked', where);
            for (const key of ['equivalent', 'minimal', 'extra', 'missing', 'minimum', 'answer']) {
              assert.deepEqual(verdict[key], row[key], `${where}: ${key}`);
            }
            assert.deepEqual(verdict.terms.map((t) => [t.text, t.cells]), row.terms.map((t) => [t.text, t.cells]), where);
            assert.deepEqual(verdict.summary.concat(...verdict.terms.map((t) => t.findings)), row.sentences, where);
            findings += verdict.terms.filter((t) => t.findings.length > 0).length;
          });
        }
      }
    }
    assert.deepEqual([...seen].sort(), ['error', 'minimal', 'not-equal', 'not-in-form', 'not-minimal']);
    assert.ok(findings > 100, `only ${findings} terms with findings`);
  });
});

describe('exercises', () => {
  // No command draws an exercise, so a fresh instance of the module stands in
  // for another machine, and tavolin-cli judges that the function is worth
  // minimizing: neither constant nor trivial, two to n + 1 terms at least.
  test('a seed gives the same sensible function in a fresh module', async () => {
    const other = await loadModule();
    const random = new Mt19937(4711);
    for (let n = 2; n <= 6; ++n) {
      for (const pos of [false, true]) {
        const distinct = new Set();
        for (const dontCares of [false, true]) {
          for (let i = 0; i < 4; ++i) {
            const seed = 1 + (random.next() % core.largestExerciseSeed);
            const cells = core.exerciseCells(n, pos, dontCares, seed);
            const where = `${n} ${pos ? 'POS' : 'SOP'} ${dontCares} ${seed}`;
            assert.equal(other.exerciseCells(n, pos, dontCares, seed), cells, where);
            assert.match(cells, dontCares ? /^[01X]+$/ : /^[01]+$/, where);
            assert.equal(cells.length, 1 << n, where);
            assert.ok(cells.includes('0') && cells.includes('1'), where);
            const file = path.join(folder, 'exercise.pla');
            writeFileSync(file, plaOf(cells));
            const run = runCli(['check', file, ...(pos ? ['--pos'] : []), '--answer', 'A', '--json']);
            const { minimum } = JSON.parse(run.out);
            assert.ok(minimum.terms >= 2 && minimum.terms <= n + 1, `${where}: ${minimum.terms} terms`);
            assert.ok(minimum.literals > minimum.terms, where);
            distinct.add(cells);
          }
        }
        assert.ok(distinct.size >= (n === 2 ? 2 : 6), `${n} ${pos}: ${distinct.size} functions`);
      }
    }
  });

  test('an exercise survives the share link', () => {
    const state = { n: 5, values: [], names: ['A', 'B', 'C', 'q', 'E'], form: 'pos', cover: 'window',
      exercise: { n: 5, form: 'pos', dontCares: true, seed: 777 } };
    const decoded = decodeState(encodeState(state), core.largestExerciseSeed);
    assert.deepEqual(decoded.exercise, state.exercise);
    assert.deepEqual([decoded.n, decoded.form, decoded.names, decoded.values], [5, 'pos', state.names, undefined]);
    const tooLarge = `#exercise=4,sop,x,${core.largestExerciseSeed + 1}`;
    assert.equal(decodeState(tooLarge, core.largestExerciseSeed).exercise, undefined);
  });
});
