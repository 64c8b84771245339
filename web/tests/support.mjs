// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the tests: where the builds are, the WebAssembly module loaded
// under Node, tavolin-cli as a child process, and the benchmarks' functions.
import { execFileSync, spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');
export const dist = process.env.TAVOLIN_WEB_DIST ?? path.join(root, 'build-web/dist');
export const cli = process.env.TAVOLIN_CLI ?? path.join(root, 'build/bin/tavolin-cli');

// The loader of this Emscripten fetches its binary by URL, which Node cannot
// do for a file; it is handed the bytes instead.
export async function loadModule() {
  const { default: createTavolin } = await import(path.join(dist, 'tavolin.js'));
  return createTavolin({ wasmBinary: readFileSync(path.join(dist, 'tavolin.wasm')) });
}

export function runCli(args) {
  const run = spawnSync(cli, args, { encoding: 'utf8', maxBuffer: 1 << 28 });
  if (run.error) throw run.error;
  return { status: run.status, out: run.stdout, err: run.stderr };
}

export function cliOutput(args) {
  return execFileSync(cli, args, { encoding: 'utf8', maxBuffer: 1 << 28 });
}

// std::mt19937, so that the functions are the very ones the benchmarks time.
export class Mt19937 {
  constructor(seed) {
    this.state = new Uint32Array(624);
    this.state[0] = seed >>> 0;
    for (let i = 1; i < 624; ++i) {
      const previous = this.state[i - 1] ^ (this.state[i - 1] >>> 30);
      this.state[i] = (Math.imul(1812433253, previous) + i) >>> 0;
    }
    this.index = 624;
  }

  next() {
    if (this.index >= 624) this.twist();
    let y = this.state[this.index++];
    y ^= y >>> 11;
    y ^= (y << 7) & 0x9d2c5680;
    y ^= (y << 15) & 0xefc60000;
    y ^= y >>> 18;
    return y >>> 0;
  }

  twist() {
    const s = this.state;
    for (let i = 0; i < 624; ++i) {
      const y = (s[i] & 0x80000000) | (s[(i + 1) % 624] & 0x7fffffff);
      s[i] = s[(i + 397) % 624] ^ (y >>> 1) ^ (y & 1 ? 0x9908b0df : 0);
    }
    this.index = 0;
  }
}

const popcount = (m) => m.toString(2).split('').filter((b) => b === '1').length;
const CODE = ['0', '1', 'X'];

function randomCells(random, outcomes) {
  return Array.from({ length: 64 }, () => CODE[random.next() % outcomes]).join('');
}

// The six-variable functions of bench_minimization, bench_exactcover and the
// symmetric ones of bench_exactcover, in the order they build them.
export function benchmarkFunctions() {
  const set = [];
  const plain = new Mt19937(1234);
  for (let i = 0; i < 200; ++i) set.push(randomCells(plain, 2));
  for (let i = 0; i < 200; ++i) set.push(randomCells(plain, 3));
  set.push(Array.from({ length: 64 }, (_, m) => String(popcount(m) % 2)).join(''));
  for (const value of ['0', '1']) {
    const cells = new Array(64).fill('X');
    cells[37] = value;
    set.push(cells.join(''));
  }
  set.push('1'.repeat(64));

  const exact = new Mt19937(20261208);
  for (const outcomes of [2, 3]) {
    for (let form = 0; form < 2; ++form) {
      for (let f = 0; f < 1500; ++f) set.push(randomCells(exact, outcomes));
    }
  }
  for (let weights = 0; weights < 128; ++weights) {
    set.push(Array.from({ length: 64 }, (_, m) => String((weights >> popcount(m)) & 1)).join(''));
  }
  return set;
}

// One line per minterm, '-' for a don't care: the reader takes anything
// but 0 and 1 in the output part as one.
export function plaOf(cells) {
  const n = Math.log2(cells.length);
  let text = `.i ${n}\n.o 1\n`;
  for (let m = 0; m < cells.length; ++m) {
    const value = cells[m] === 'X' ? '-' : cells[m];
    text += `${m.toString(2).padStart(n, '0')} ${value}\n`;
  }
  return text + '.e\n';
}

export const sixNames = ['A', 'B', 'C', 'D', 'E', 'F'];
