// SPDX-License-Identifier: GPL-3.0-or-later
// The page end to end in headless Chromium, driven as a user drives it:
// clicks and keys in both views, the equation field, Minimize!, files, the
// share link. Expected answers come from tavolin-cli.
import assert from 'node:assert/strict';
import { existsSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { after, before, beforeEach, describe, test } from 'node:test';
import { launch, openPage, serve } from './browser.mjs';
import { cliOutput, dist, runCli } from './support.mjs';

let server;
let browser;
let page;
let folder;

before(async () => {
  server = await serve(path.resolve(dist));
  browser = await launch();
  folder = mkdtempSync(path.join(tmpdir(), 'tavolin-page-'));
});

after(async () => {
  await browser?.close();
  await server?.close();
  rmSync(folder, { recursive: true, force: true });
});

beforeEach(async () => {
  await page?.close();
  page = await openPage(browser, server.url);
});

const cellOf = (view, m) => `${view === 'table' ? '#truth-table' : '#kmap'} td[data-minterm="${m}"]`;

// The values a view shows, in minterm order.
function valuesOf(view) {
  return page.$$eval(`${view === 'table' ? '#truth-table' : '#kmap'} td[data-minterm]`, (cells) => {
    const values = [];
    for (const cell of cells) values[Number(cell.dataset.minterm)] = cell.textContent;
    return values.join('');
  });
}

async function fillEquation(text) {
  await page.click('#equation', { clickCount: 3 });
  await page.keyboard.press('Backspace');
  await page.type('#equation', text);
  await page.click('#fill');
}

async function setVariableCount(n) {
  await page.select('#vars', String(n));
}

function cliFile(name, text) {
  const file = path.join(folder, name);
  writeFileSync(file, text);
  return file;
}

describe('editing', () => {
  test('a click advances a cell in both views, 0 → 1 → X → 0', async () => {
    for (const [view, m] of [['table', 5], ['map', 11]]) {
      const seen = [];
      for (let i = 0; i < 3; ++i) {
        await page.click(cellOf(view, m));
        seen.push((await valuesOf('table'))[m] + (await valuesOf('map'))[m]);
      }
      assert.deepEqual(seen, ['11', 'XX', '00'], view);
    }
    assert.equal(await valuesOf('table'), '0'.repeat(16));
  });

  test('keys set values and arrows move, in the map across the block separator', async () => {
    await setVariableCount(5);
    await page.click(cellOf('map', 3)); // row B'C', fourth column: minterm 2 is next
    await page.keyboard.press('0');
    const focused = () => page.evaluate(() => Number(document.activeElement.dataset.minterm));
    const path5 = [];
    for (const key of ['ArrowRight', 'ArrowRight', 'ArrowDown', 'ArrowLeft']) {
      await page.keyboard.press(key);
      path5.push(await focused());
    }
    // Right of minterm 2 lies the separator, then the A block's first column.
    assert.deepEqual(path5, [2, 16, 20, 6]);
    await page.keyboard.press('1');
    await page.keyboard.press('ArrowUp');
    await page.keyboard.press('x');
    await page.keyboard.press('ArrowUp'); // the top edge keeps the cursor
    await page.keyboard.press(' ');
    const values = await valuesOf('table');
    assert.equal(values[6], '1');
    assert.equal(values[2], '0'); // X, then Space: 0
    assert.equal(values.replace(/0/g, ''), '1');
    assert.equal(await valuesOf('map'), values);

    await page.click(cellOf('table', 30));
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('X');
    await page.keyboard.press('ArrowDown'); // the last row keeps the cursor
    await page.keyboard.press('1');
    assert.equal((await valuesOf('map'))[31], '1');
  });

  test('a new variable count shows the new layout with every cell 0', async () => {
    await page.click(cellOf('table', 1));
    for (const n of [2, 3, 6]) {
      await setVariableCount(n);
      assert.equal(await valuesOf('table'), '0'.repeat(1 << n));
      assert.equal(await valuesOf('map'), '0'.repeat(1 << n));
      const separators = await page.$$eval('#kmap td.separator', (cells) => cells.length);
      assert.equal(separators, n === 6 ? 18 : 0); // a row and a column, each with its header
    }
    const labels = await page.$$eval('#kmap th[scope="col"]', (cells) => cells.map((c) => c.textContent));
    assert.deepEqual(labels, ["B'E'F'", "B'E'F", "B'EF", "B'EF'", "BEF'", 'BEF', "BE'F", "BE'F'"]);
  });
});

describe('equation', () => {
  test('fills both views with the values tavolin-cli computes', async () => {
    await fillEquation("A&B'+C^D");
    const expected = cliOutput(['eval', '--vars', '4', "A&B'+C^D"]).trim().split('\n')
      .map((line) => line.split(' ')[1]).join('');
    assert.equal(await valuesOf('table'), expected);
    assert.equal(await valuesOf('map'), expected);
  });

  test('an error shows the message and highlights the offending part', async () => {
    await page.click(cellOf('table', 0));
    for (const [equation, token, start] of [['A&(B+', '+', 4], ['AB+C', 'AB', 0], ["A+D''E", 'E', 5]]) {
      await fillEquation(equation);
      const run = runCli(['eval', '--vars', '4', '--', equation]);
      const shown = await page.$eval('#equation-error', (box) => ({
        hidden: box.hidden,
        title: box.querySelector('.message-title').textContent,
        text: box.querySelector('.message-text').textContent,
        marked: box.querySelector('mark')?.textContent,
      }));
      assert.deepEqual(shown, { hidden: false, title: 'Equation Syntax Error', text: run.err.trimEnd(), marked: token });
      const selection = await page.$eval('#equation', (field) => [field.selectionStart, field.selectionEnd,
        document.activeElement === field]);
      assert.deepEqual(selection, [start, start + token.length, true]);
    }
    assert.equal((await valuesOf('table'))[0], '1'); // an error leaves the function alone
    await fillEquation('A');
    assert.equal(await page.$eval('#equation-error', (box) => box.hidden), true);
  });

  test('characters outside the equation alphabet cannot be typed', async () => {
    await page.type('#equation', 'A * B-C');
    assert.equal(await page.$eval('#equation', (field) => field.value), 'ABC');
  });
});

describe('minimize', () => {
  for (const form of ['sop', 'pos']) {
    test(`${form === 'sop' ? 'sum of products' : 'product of sums'}: the text and groups of tavolin-cli`, async () => {
      await setVariableCount(6);
      const equation = "A&B'+C&D&E'+F^A+B&C'&E";
      await fillEquation(equation);
      await page.click(cellOf('map', 9));
      await page.keyboard.press('x');
      await page.click(`#${form}`);
      await page.click('#minimize');
      const values = await valuesOf('table');
      const file = cliFile('page.pla', `.i 6\n.o 1\n${[...values].map((v, m) =>
        `${m.toString(2).padStart(6, '0')} ${v === 'X' ? '-' : v}`).join('\n')}\n`);
      const report = JSON.parse(cliOutput(['minimize', '--json', ...(form === 'pos' ? ['--pos'] : []), file]));
      assert.equal(await page.$eval('#result', (o) => o.value), report.text);
      const shaded = await page.$$eval('#kmap td[data-groups]', (cells) => cells.map((c) =>
        [Number(c.dataset.minterm), c.dataset.groups]));
      const expected = new Map();
      report.groups.forEach((group, index) => group.forEach((m) => {
        expected.set(m, expected.has(m) ? `${expected.get(m)} ${index}` : String(index));
      }));
      assert.deepEqual(new Map(shaded), expected);
      // A cell in more groups is shaded darker.
      const alpha = (m) => page.$eval(cellOf('map', m), (c) => getComputedStyle(c).backgroundColor);
      const [single] = [...expected].find(([, g]) => !g.includes(' ')) ?? [];
      const [double] = [...expected].find(([, g]) => g.split(' ').length === 2) ?? [];
      if (single !== undefined && double !== undefined) {
        const opacity = (color) => Number(color.match(/[\d.]+\)$/)?.[0].slice(0, -1) ?? 1);
        assert.ok(opacity(await alpha(double)) > opacity(await alpha(single)));
      }
    });
  }

  test('Copy Result and Copy Share Link put the text on the clipboard', async () => {
    await browser.defaultBrowserContext().overridePermissions(server.url.slice(0, -1),
      ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    await fillEquation("A'&B+C&D'");
    await page.click('#minimize');
    await page.click('#copy');
    const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
    assert.equal(await clipboard(), cliOutput(['eval', '--vars', '4', "A'&B+C&D'", '--minimize']).trim());
    await page.click('#share');
    assert.equal(await clipboard(), await page.evaluate(() => location.href));
    assert.match(await clipboard(), /#n=4&f=[01X]{16}&names=A,B,C,D$/);
  });

  test('exact minimum and all minimal solutions, as tavolin-cli --exact [--all]', async () => {
    // The cyclic function of three variables has two minimum covers.
    const text = '.i 3\n.o 1\n001 1\n010 1\n011 1\n100 1\n101 1\n110 1\n';
    const file = cliFile('cyclic.pla', text);
    await setVariableCount(3);
    for (const m of [1, 2, 3, 4, 5, 6]) await page.click(cellOf('table', m));
    await page.select('#cover', 'exact');
    await page.click('#minimize');
    assert.equal(await page.$eval('#result', (o) => o.value), cliOutput(['minimize', '--exact', file]).trim());
    await page.select('#cover', 'all');
    await page.click('#minimize');
    const all = cliOutput(['minimize', '--exact', '--all', file]).trim().split('\n');
    const listed = await page.$$eval('#solutions button', (buttons) => buttons.map((b) => b.textContent));
    assert.deepEqual(listed, all);
    await page.click('#solutions li:nth-child(2) button');
    assert.equal(await page.$eval('#result', (o) => o.value), all[1]);
    // An edit makes the shown groups stale: they go.
    await page.click(cellOf('map', 7));
    assert.equal(await page.$$eval('#kmap td[data-groups]', (cells) => cells.length), 0);
    assert.equal(await page.$$eval('#solutions li', (items) => items.length), 0);
  });
});

describe('files', () => {
  test('a malformed file is refused with the reader\'s message and changes nothing', async () => {
    await page.click(cellOf('table', 2));
    const file = cliFile('broken.pla', '.i 3\n.o 1\n.ilb a b\n01 1\n');
    const run = runCli(['minimize', file]);
    const [, line, message] = run.err.trim().match(/:(\d+): (.*)$/);
    const input = await page.$('#import');
    await input.uploadFile(file);
    await page.waitForSelector('#file-message:not([hidden])');
    const shown = await page.$eval('#file-message', (box) => [box.querySelector('.message-title').textContent,
      box.querySelector('.message-text').textContent]);
    assert.deepEqual(shown, ['Import File', `broken.pla was not imported.\nLine ${line}: ${message}`]);
    assert.equal(await valuesOf('table'), '0010' + '0'.repeat(12));
  });

  test('export downloads the function, and importing the download restores it', async () => {
    const downloads = mkdtempSync(path.join(folder, 'downloads-'));
    const session = await page.createCDPSession();
    await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
    await setVariableCount(5);
    await fillEquation("A^B&C'+D&E");
    await page.click(cellOf('map', 4));
    await page.keyboard.press('x');
    await page.click('#names');
    const fields = await page.$$('#names-dialog input');
    for (const [i, name] of ['p', 'q', 'r2', 's', 'T'].entries()) {
      await fields[i].click({ clickCount: 3 });
      await fields[i].type(name);
    }
    await page.click('#names-ok');
    const before = await valuesOf('table');
    await page.click('#export');
    const saved = path.join(downloads, 'function.pla');
    for (let i = 0; i < 100 && !existsSync(saved); ++i) await new Promise((r) => setTimeout(r, 50));
    assert.deepEqual(readdirSync(downloads), ['function.pla']);
    const text = readFileSync(saved, 'utf8');
    assert.match(text, /^\.i 5\n\.o 1\n\.ilb p q r2 s T \n/);

    await page.click('#reset');
    assert.equal(await valuesOf('table'), '0'.repeat(16));
    await (await page.$('#import')).uploadFile(saved);
    await page.waitForFunction((v) => [...document.querySelectorAll('#truth-table td[data-minterm]')]
      .map((c) => c.textContent).join('') === v, {}, before);
    const headers = await page.$$eval('#truth-table thead th', (cells) => cells.map((c) => c.textContent));
    assert.deepEqual(headers, ['', 'p', 'q', 'r2', 's', 'T', 'f']);
    await page.click('#minimize');
    assert.equal(await page.$eval('#result', (o) => o.value), cliOutput(['minimize', saved]).trim());
  });

  test('a file dropped on the page is imported', async () => {
    await page.evaluate(() => {
      const transfer = new DataTransfer();
      transfer.items.add(new File(['.i 2\n.o 1\n1- 1\n'], 'dropped.pla'));
      for (const type of ['dragenter', 'dragover', 'drop']) {
        document.body.dispatchEvent(new DragEvent(type, { dataTransfer: transfer, bubbles: true, cancelable: true }));
      }
    });
    await page.waitForFunction(() => document.querySelectorAll('#truth-table td[data-minterm]').length === 4);
    assert.equal(await valuesOf('table'), '0011');
    assert.equal(await page.$eval('#drop-veil', (veil) => veil.hidden), true);
  });
});

describe('several outputs', () => {
  // A user imports a file of three outputs, picks the second for the map,
  // edits it, minimizes, and reads the joint cover: every output is in the
  // table, the map shows the output picked, the result is that output's,
  // and the joint cover lists the products tavolin-cli explain --joint
  // lists. Export writes every output.
  test('a file of several outputs: its columns, the map of one, the joint cover', async () => {
    const file = cliFile('three.pla',
      '.i 3\n.o 3\n.ilb a b c\n.ob s co z\n001 100\n010 100\n011 010\n100 100\n101 010\n110 011\n111 11-\n.e\n');
    await (await page.$('#import')).uploadFile(file);
    await page.waitForFunction(() => document.querySelectorAll('#truth-table th[data-output]').length === 3);
    const headers = await page.$$eval('#truth-table thead th', (cells) => cells.map((c) => c.textContent));
    assert.deepEqual(headers, ['', 'a', 'b', 'c', 's', 'co', 'z']);
    assert.equal(await page.$eval('.output-row', (row) => row.hidden), false);
    assert.equal(await valuesOf('map'), '01101001');

    await page.select('#output', '1');
    assert.equal(await valuesOf('map'), '00010111');
    assert.equal(await valuesOf('table'), '00010111');
    await page.click(cellOf('map', 0)); // co becomes 1 at m0; the others keep theirs
    const other = await page.$$eval('#truth-table tbody tr', (rows) => rows.map((r) => r.cells[4].textContent).join(''));
    assert.equal(other, '01101001');

    const edited = cliFile('edited.pla',
      '.i 3\n.o 3\n.ilb a b c\n.ob s co z\n000 010\n001 100\n010 100\n011 010\n100 100\n101 010\n110 011\n111 11-\n.e\n');
    await page.click('#minimize');
    assert.equal(await page.$eval('#result', (o) => o.value),
      cliOutput(['minimize', '--output', '2', edited]).trim());
    await page.waitForSelector('#joint:not([hidden])');
    const expected = JSON.parse(cliOutput(['explain', '--joint', '--format', 'json', edited]));
    const products = await page.$$eval('#joint .steps-joint-cover', (tables) =>
      [...tables[0].rows].slice(1).map((r) => [r.cells[2].textContent, r.cells[3].textContent]));
    assert.deepEqual(products, expected.products.map((p) => [p.term, p.outputs.join(', ')]));
    const sections = await page.$$eval('#joint details', (all) => all.map((d) => d.dataset.section));
    assert.deepEqual(sections, ['joint-primes', 'joint-chart', 'joint-cover']);

    // A product pressed shades its cube's cells.
    await page.click('#joint .steps-joint-cover button[data-select="T1"]');
    const shaded = await page.$$eval('#kmap td[data-groups]', (cells) => cells.map((c) => Number(c.dataset.minterm)).sort((x, y) => x - y));
    assert.deepEqual(shaded, expected.primes[expected.products[0].prime - 1].minterms);

    // The share link keeps every output and the one the map shows.
    const outputsOf = (tab) => tab.evaluate(() => ({
      headers: [...document.querySelectorAll('#truth-table thead th')].map((c) => c.textContent),
      shown: document.getElementById('output').value,
      columns: [...document.querySelectorAll('#truth-table tbody tr')].map((r) =>
        [...r.cells].slice(4).map((c) => c.textContent).join('')),
    }));
    const linked = await openPage(browser, await page.evaluate(() => location.href));
    assert.deepEqual(await outputsOf(linked), await outputsOf(page));
    assert.deepEqual(linked.errors, []);
    await linked.close();
  });
});

describe('names and links', () => {
  test('the names dialog refuses an empty and a repeated name with the window\'s messages', async () => {
    await page.click('#names');
    const fields = await page.$$('#names-dialog input');
    await fields[1].click({ clickCount: 3 });
    await page.keyboard.press('Backspace');
    await page.click('#names-ok');
    const message = () => page.$eval('#names-error', (box) => [box.hidden,
      box.querySelector('.message-title').textContent, box.querySelector('.message-text').textContent]);
    assert.deepEqual(await message(), [false, 'Invalid Variable Name',
      'A variable name can only contain numbers, upper-case letters, and lower-case letters.']);
    await fields[1].type('C');
    await page.click('#names-ok');
    assert.deepEqual(await message(), [false, 'Duplicate Variable Name',
      'This variable name has already been used. A variable name must be unique.']);
    assert.equal(await page.evaluate(() => document.activeElement === document.querySelectorAll('#names-dialog input')[2]), true);
    await fields[2].click({ clickCount: 3 });
    await fields[2].type('Q');
    await page.click('#names-ok');
    assert.equal(await page.$eval('#names-dialog', (d) => d.open), false);
    const headers = await page.$$eval('#truth-table thead th', (cells) => cells.map((c) => c.textContent));
    assert.deepEqual(headers, ['', 'A', 'C', 'Q', 'D', 'f']);
  });

  test('the share link restores function, names, form and cover in a new page', async () => {
    await setVariableCount(3);
    await fillEquation("A^B+C'");
    await page.click(cellOf('table', 7));
    await page.click(cellOf('table', 7));
    await page.click('#pos');
    await page.select('#cover', 'exact');
    await page.click('#names');
    const fields = await page.$$('#names-dialog input');
    await fields[0].click({ clickCount: 3 });
    await fields[0].type('x1');
    await page.click('#names-ok');
    const link = await page.evaluate(() => location.href);
    const values = await valuesOf('table');

    const other = await openPage(browser, link);
    const seen = await other.evaluate(() => ({
      values: [...document.querySelectorAll('#truth-table td[data-minterm]')].map((c) => c.textContent).join(''),
      names: [...document.querySelectorAll('#truth-table thead th')].map((c) => c.textContent),
      pos: document.getElementById('pos').checked,
      cover: document.getElementById('cover').value,
    }));
    assert.deepEqual(seen, { values, names: ['', 'x1', 'B', 'C', 'f'], pos: true, cover: 'exact' });
    await other.click('#minimize');
    const file = cliFile('shared.pla', `.i 3\n.o 1\n.ilb x1 B C\n${[...values].map((v, m) =>
      `${m.toString(2).padStart(3, '0')} ${v === 'X' ? '-' : v}`).join('\n')}\n`);
    assert.equal(await other.$eval('#result', (o) => o.value), cliOutput(['minimize', '--pos', '--exact', file]).trim());
    assert.deepEqual(other.foreignRequests, []);
    assert.deepEqual(other.errors, []);
    await other.close();
  });
});

describe('steps', () => {
  // The map's shaded cells as minterm → group indexes.
  const shading = () => page.$$eval('#kmap td[data-groups]', (cells) =>
    Object.fromEntries(cells.map((c) => [c.dataset.minterm, c.dataset.groups])));
  const shadingOf = (groups) => {
    const byCell = {};
    groups.forEach((group, index) => group.forEach((m) => {
      byCell[m] = byCell[m] === undefined ? String(index) : `${byCell[m]} ${index}`;
    }));
    return byCell;
  };

  test('appear after Minimize! as tavolin-cli explains, and a pick shades its groups', async () => {
    // The cyclic function of three variables: no essential prime, two minimum covers.
    const text = '.i 3\n.o 1\n001 1\n010 1\n011 1\n100 1\n101 1\n110 1\n';
    const report = JSON.parse(cliOutput(['explain', '--format', 'json', cliFile('cyclic.pla', text)]));
    await setVariableCount(3);
    for (const m of [1, 2, 3, 4, 5, 6]) await page.click(cellOf('table', m));
    assert.equal(await page.$eval('#steps', (s) => s.hidden), true);
    await page.click('#minimize');
    await page.waitForSelector('#steps:not([hidden])');
    const sections = await page.$$eval('#steps details', (all) => all.map((d) => d.dataset.section));
    assert.deepEqual(sections, ['tabulation', 'primes', 'chart', 'choices', 'solutions']);
    const terms = await page.$$eval('#steps .steps-primes tr', (rows) => rows.slice(1).map((r) => r.cells[2].textContent));
    assert.deepEqual(terms, report.primes.map((p) => p.term));
    const reasons = await page.$$eval('#steps .steps-choices tr', (rows) => rows.slice(1).map((r) => r.cells[3].textContent));
    assert.deepEqual(reasons, report.choices.map((c) => c.reason));
    const listed = await page.$$eval('[data-section="solutions"] tr', (rows) =>
      rows.filter((r) => /^S\d+$/.test(r.querySelector('button')?.dataset.select)).map((r) => r.cells[2].textContent));
    assert.deepEqual(listed, report.solutions.covers.map((c) => c.text));
    const windowShading = await shading();
    assert.deepEqual(windowShading, shadingOf(report.window.groups));

    // A prime alone, then a second minimum cover, then back to Minimize!'s groups.
    await page.click('[data-section="primes"] button[data-select="P4"]');
    assert.deepEqual(Object.keys(await shading()).map(Number).sort((a, b) => a - b), report.primes[3].minterms);
    await page.click('[data-section="solutions"] button[data-select="S2"]');
    assert.deepEqual(await shading(), shadingOf(report.solutions.covers[1].groups));
    assert.deepEqual(await page.$$eval('#steps button[aria-pressed="true"]', (b) => b.map((x) => x.dataset.select)), ['S2']);
    await page.click('[data-section="solutions"] button[data-select="S2"]');
    assert.deepEqual(await shading(), windowShading);

    // An edit makes the steps stale: they go with the groups.
    await page.click(cellOf('map', 0));
    assert.equal(await page.$eval('#steps', (s) => s.hidden), true);
    assert.equal(await page.$$eval('#steps details', (all) => all.length), 0);
  });

  test('the chart marks the essential primes and the primes chosen', async () => {
    await fillEquation("A&B'+C&D");
    await page.click('#minimize');
    await page.waitForSelector('#steps:not([hidden])');
    const report = JSON.parse(cliOutput(['explain', '--format', 'json', cliFile('chart.pla',
      `.i 4\n.o 1\n${[...(await valuesOf('table'))].map((v, m) => `${m.toString(2).padStart(4, '0')} ${v}`).join('\n')}\n`)]));
    const essentialHeads = await page.$$eval('.steps-chart th.essential', (ths) => ths.map((th) => th.textContent));
    assert.deepEqual(essentialHeads, report.primes.filter((p) => p.essential).map((p) => `P${p.number}`));
    const marked = await page.$$eval('.steps-chart td.essential', (tds) => tds.length);
    assert.ok(marked >= report.chart.essentials.length);
    const chosen = await page.$$eval('.steps-chart tr.chosen td', (tds) => tds.map((td) => td.textContent === '✓'));
    assert.deepEqual(chosen, report.primes.map((p) => report.window.primes.includes(p.number)));
  });
});

describe('check answer and exercises', () => {
  const marked = (view, name) => page.$$eval(`${view === 'table' ? '#truth-table' : '#kmap'} td.${name}`,
    (cells) => cells.map((c) => Number(c.dataset.minterm)).sort((a, b) => a - b));

  test('an exercise link opens the exercise, and a checked answer frames the cells it gets wrong', async () => {
    await page.click('#new-exercise');
    await page.select('#exercise-vars', '4');
    await page.select('#exercise-form', 'sop');
    await page.$eval('#exercise-seed', (field) => { field.value = '777'; });
    await page.click('#exercise-ok');
    const link = await page.evaluate(() => location.href);
    assert.match(link, /#exercise=4,sop,-,777&names=A,B,C,D$/);
    const values = await valuesOf('table');

    await page.close();
    page = await openPage(browser, link);
    assert.equal(await valuesOf('table'), values);
    assert.equal(await valuesOf('map'), values);
    assert.equal(await page.$eval('#result', (o) => o.value), '');
    assert.match(await page.$eval('#exercise-note', (p) => p.textContent), /777/);

    // The minimum with its first term dropped: right where that term
    // alone covered a 1, framed as missing there and nowhere else.
    const file = cliFile('exercise.pla', `.i 4\n.o 1\n${[...values].map((v, m) =>
      `${m.toString(2).padStart(4, '0')} ${v === 'X' ? '-' : v}`).join('\n')}\n`);
    const minimum = cliOutput(['minimize', file]).trim();
    const answer = minimum.split('+').slice(1).join('+');
    const run = runCli(['check', file, '--answer', answer, '--json']);
    const report = JSON.parse(run.out);
    assert.equal(run.status, 4);
    await page.type('#answer', answer);
    await page.keyboard.press('Enter');
    const verdict = await page.$eval('#verdict', (p) => p.textContent);
    assert.ok(verdict.startsWith(report.sentences[0]), verdict);
    for (const view of ['table', 'map']) {
      assert.deepEqual(await marked(view, 'missing'), report.missing, view);
      assert.deepEqual(await marked(view, 'extra'), [], view);
    }
    const framed = await page.$eval(cellOf('map', report.missing[0]), (c) => getComputedStyle(c, '::after').borderStyle);
    assert.equal(framed, 'dashed');
    assert.deepEqual(await page.$$eval('#terms code', (codes) => codes.map((c) => c.textContent)),
      report.terms.map((t) => t.text));
    await page.hover('#terms li:last-child');
    assert.deepEqual(await marked('map', 'term'), report.terms.at(-1).cells);
    // Checking reveals the exercise's solution.
    assert.equal(await page.$eval('#result', (o) => o.value), minimum);

    // A changed function makes the verdict stale: it goes.
    await page.click(cellOf('map', report.missing[0]));
    assert.deepEqual(await marked('table', 'missing'), []);
    assert.equal(await page.$eval('#verdict', (p) => p.textContent), '');
    assert.doesNotMatch(await page.evaluate(() => location.hash), /exercise/);
    assert.deepEqual(page.errors, []);
  });

  test('a syntax error in the answer shows the engine\'s message and marks the token', async () => {
    await page.type('#answer', 'A&(B+');
    await page.click('#check-answer');
    const file = cliFile('zero.pla', '.i 4\n.o 1\n0000 1\n');
    const run = runCli(['check', file, '--answer', 'A&(B+']);
    assert.equal(run.status, 1);
    const shown = await page.$eval('#answer-error', (box) => [box.hidden,
      box.querySelector('.message-text').textContent, box.querySelector('mark')?.textContent]);
    assert.deepEqual(shown, [false, run.err.trim().split('\n\n')[1], '+']);
  });
});
