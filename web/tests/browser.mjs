// SPDX-License-Identifier: GPL-3.0-or-later
// Headless Chromium for the page tests and measurements: Debian's browser,
// a fresh profile, nothing that talks to the network on its own, and a small
// static server on the loopback address for the built folder.
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
};

export function serve(folder) {
  const server = createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(folder, name === '/' ? 'index.html' : path.normalize(name));
    if (!file.startsWith(folder)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = readFileSync(file);
      response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => resolve({
      url: `http://127.0.0.1:${server.address().port}/`,
      close: () => new Promise((done) => server.close(done)),
    }));
  });
}

export async function launch(extraArgs = []) {
  const profile = mkdtempSync(path.join(tmpdir(), 'tavolin-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      ...extraArgs],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// A page of the site, loaded until the module is ready; every request that
// leaves the site is recorded.
export async function openPage(browser, url, { width = 1280, height = 900, dark = false } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width, height });
  if (dark) await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
  page.foreignRequests = [];
  const origin = new URL(url).origin;
  page.on('request', (request) => {
    if (!request.url().startsWith(origin) && !request.url().startsWith('blob:') &&
        !request.url().startsWith('data:')) page.foreignRequests.push(request.url());
  });
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  await page.goto(url);
  await page.waitForSelector('html[data-ready="true"]');
  return page;
}
