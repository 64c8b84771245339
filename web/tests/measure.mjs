// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the page as served by `make web-serve` in headless Chromium and
// takes the screenshots for a look: time to interactive, Minimize! at six
// variables, file sizes. Not a test; run it by hand:
//   node web/tests/measure.mjs [URL] [SCREENSHOT_FOLDER]
import { mkdirSync, readdirSync, statSync } from 'node:fs';
import path from 'node:path';
import { launch, openPage } from './browser.mjs';
import { dist } from './support.mjs';

const url = process.argv[2] ?? 'http://127.0.0.1:8080/';
const shots = process.argv[3];

const median = (list) => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];
const worst = (list) => Math.max(...list);

async function fill(page, n, equation) {
  await page.select('#vars', String(n));
  await page.type('#equation', equation);
  await page.click('#fill');
}

const browser = await launch();
try {
  // Cold loads: no cache, a new page each time.
  const ready = [];
  for (let i = 0; i < 15; ++i) {
    const page = await browser.newPage();
    await page.setCacheEnabled(false);
    await page.goto(url);
    await page.waitForSelector('html[data-ready="true"]');
    ready.push(await page.evaluate(() => window.tavolin.timings.ready));
    await page.close();
  }
  console.log(`time to interactive (navigation start to ready, cold cache, 15 loads): median ${median(ready).toFixed(1)} ms, worst ${worst(ready).toFixed(1)} ms`);

  const page = await openPage(browser, url);
  await fill(page, 6, "A&B'+C&D&E'+F^A+B&C'&E+(A^D)&F'");
  for (const cover of ['window', 'exact', 'all']) {
    for (const form of ['sop', 'pos']) {
      await page.select('#cover', cover);
      await page.click(`#${form}`);
      // The browser's clock ticks in 0.1 ms here, so rounds of 100 clicks
      // are timed, each click followed by a forced layout of the map.
      const times = await page.evaluate(() => {
        const perClick = [];
        const map = document.getElementById('kmap');
        for (let round = 0; round < 20; ++round) {
          const start = performance.now();
          for (let i = 0; i < 100; ++i) {
            document.getElementById('minimize').click();
            map.getBoundingClientRect();
          }
          perClick.push((performance.now() - start) / 100);
        }
        return perClick;
      });
      const core = await page.evaluate((choice, pos) => {
        const { core: module, state } = window.tavolin;
        const values = state.values.join('');
        const start = performance.now();
        for (let i = 0; i < 1000; ++i) module.minimize(6, values, pos, state.names, choice, 100);
        return (performance.now() - start) / 1000;
      }, { window: 0, exact: 1, all: 2 }[cover], form === 'pos');
      console.log(`Minimize! at six variables, ${cover}, ${form}: the module alone ${core.toFixed(4)} ms per call`);
      console.log(`Minimize! at six variables, ${cover}, ${form}: per click with the page's update ` +
        `median ${median(times).toFixed(3)} ms, slowest round ${worst(times).toFixed(3)} ms`);
    }
  }
  // The steps, laid out after the result is painted: the module's
  // explanation alone, and the layout the page times itself.
  const steps = await page.evaluate(async () => {
    const { core: module, state, timings } = window.tavolin;
    const values = state.values.join('');
    const start = performance.now();
    for (let i = 0; i < 100; ++i) module.explain(6, values, state.form === 'pos', state.names, 50, 10000);
    const alone = (performance.now() - start) / 100;
    const layouts = [];
    for (let i = 0; i < 30; ++i) {
      timings.steps = undefined;
      document.getElementById('minimize').click();
      while (timings.steps === undefined) await new Promise((done) => setTimeout(done, 0));
      layouts.push(timings.steps);
    }
    return { alone, layouts, rows: document.querySelectorAll('#steps tr').length };
  });
  console.log(`steps at six variables (${steps.rows} table rows, all covers listed): the module's ` +
    `explanation alone ${steps.alone.toFixed(2)} ms; explanation and layout median ` +
    `${median(steps.layouts).toFixed(1)} ms, slowest ${worst(steps.layouts).toFixed(1)} ms`);
  console.log(`requests outside the site: ${page.foreignRequests.length}, page errors: ${page.errors.length}`);
  await page.close();

  let total = 0;
  for (const name of readdirSync(dist).sort()) {
    const size = statSync(path.join(dist, name)).size;
    if (/\.(js|wasm)$/.test(name)) total += size;
    console.log(`  ${name.padEnd(14)} ${size} bytes`);
  }
  console.log(`JS + WASM: ${total} bytes (${(total / 1024).toFixed(1)} KiB)`);

  if (shots) {
    mkdirSync(shots, { recursive: true });
    const take = async (name, options, setup) => {
      const shot = await openPage(browser, url, options);
      await setup(shot);
      await shot.screenshot({ path: path.join(shots, `${name}.png`), fullPage: true });
      await shot.close();
    };
    const minimized = (n, equation, form = 'sop') => async (shot) => {
      await fill(shot, n, equation);
      await shot.click(`#${form}`);
      await shot.click('#minimize');
    };
    await take('four-variables', {}, minimized(4, "A&B'+C&D+A'&B'&D'"));
    await take('six-variables', {}, minimized(6, "A&B'+C&D&E'+F^A+B&C'&E", 'pos'));
    await take('error', {}, async (shot) => fill(shot, 4, 'A&(B+C))'));
    await take('phone', { width: 390, height: 844 }, minimized(4, "A^B+C&D'"));
    await take('dark', { dark: true }, minimized(6, "A&B'+C&D&E'+F^A+B&C'&E"));
    await take('steps', {}, async (shot) => {
      await minimized(4, "A&B'+C&D+A'&B'&D'+B&C'&D")(shot);
      await shot.waitForSelector('#steps:not([hidden])');
      await shot.click('[data-section="chart"] button[data-select="P2"]');
    });
    await take('steps-dark', { dark: true }, async (shot) => {
      await minimized(3, "A'&B+A&B'+B'&C+B&C'")(shot);
      await shot.waitForSelector('#steps:not([hidden])');
      await shot.click('[data-section="solutions"] button[data-select="S2"]');
    });
    console.log(`screenshots in ${shots}`);
  }
} finally {
  await browser.close();
}
