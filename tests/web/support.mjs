// What the page's tests share: web/dist served on 127.0.0.1, Debian's chromium driven
// headless (one browser per test file), a page that records every request made after it
// has loaded, and the steps a person takes: open a file, pick a view, save.
import assert from 'node:assert/strict';
import { createReadStream, statSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import http from 'node:http';
import path from 'node:path';
import { after, before } from 'node:test';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

import { sample, scratch, tool } from '../wasm/support.mjs';

export { sample, scratch, tool };

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const dist = path.resolve(process.env.ICEVALE_WEB_DIST ?? path.join(root, 'web/dist'));
export const fileurl = pathToFileURL(path.join(dist, 'icevale.html')).href;

// Flags for a browser run as root in a container with no display, no GPU and no network:
// nothing of its own (updates, field trials, sync) may start a request in the background.
export const browserflags = [
  '--no-sandbox',
  '--disable-gpu',
  '--disable-dev-shm-usage',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-default-apps',
  '--disable-sync',
  '--disable-extensions',
  '--no-first-run',
  '--no-default-browser-check',
  '--metrics-recording-only',
  '--disable-features=Translate,OptimizationHints,MediaRouter,AutofillServerCommunication',
];

export function launch() {
  return chromium.launch({
    executablePath: process.env.ICEVALE_CHROMIUM ?? '/usr/bin/chromium',
    args: browserflags,
  });
}

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.mjs': 'text/javascript',
  '.css': 'text/css',
  '.wasm': 'application/wasm',
  '.json': 'application/json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
};

// Serves a folder's files on 127.0.0.1 at a free port; resolves to its address.
export function serve(folder) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(folder, name.endsWith('/') ? `${name}index.html` : name);
    let ok = file.startsWith(folder + path.sep);
    try {
      ok &&= statSync(file).isFile();
    } catch {
      ok = false;
    }
    if (!ok) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'content-type': types[path.extname(file)] ?? 'application/octet-stream' });
    createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      resolve({ url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() });
    });
  });
}

// What a test file shares: the browser, the served page, a scratch folder with the sample
// image as s.smc, all closed after its tests.
export async function websession() {
  const s = { dir: scratch() };
  s.original = sample(s.dir, 's.smc');
  before(async () => {
    [s.browser, s.server] = await Promise.all([launch(), serve(dist)]);
    s.url = s.server.url;
  });
  after(async () => {
    await s.browser?.close();
    s.server?.close();
    s.dir.remove();
  });
  return s;
}

// A fresh page at `url` (a context of its own, so nothing is shared between tests), loaded
// and ready; page.requests lists every request made after the load.
export async function openpage(browser, url, options = {}) {
  const context = await browser.newContext({ acceptDownloads: true, ...options });
  // A control that is not there fails the test in 20 seconds (a loaded machine needs more than 10), not at the default half minute.
  context.setDefaultTimeout(20000);
  const page = await context.newPage();
  await page.goto(url, { waitUntil: 'load' });
  page.requests = [];
  page.on('request', (r) => page.requests.push(`${r.method()} ${r.url().slice(0, 120)}`));
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e.message));
  return page;
}

// Closes the page's context after checking that it asked for nothing over the network
// after loading and raised no uncaught error.
export async function closepage(page) {
  await page.context().close();
  assert.deepEqual(page.requests, [], 'requests after the page had loaded');
  assert.deepEqual(page.errors, [], 'uncaught errors in the page');
}

// Picks a file in the dialog a button of the page opens, as a person picks it.
export async function pickfile(page, file, button = /^Open/) {
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.getByRole('button', { name: button }).click()]);
  await chooser.setFiles(file);
}

// Drops files or folders from the disk on the page, as the browser receives them from
// the desktop (a folder arrives as a folder entry, which a script cannot make).
export async function dropfiles(page, files) {
  const cdp = await page.context().newCDPSession(page);
  const { width, height } = page.viewportSize();
  const data = { items: [], files, dragOperationsMask: 1 };
  for (const type of ['dragEnter', 'dragOver', 'drop']) {
    await cdp.send('Input.dispatchDragEvent', { type, x: width / 2, y: height / 2, data });
  }
  await cdp.detach();
}

// Opens the sample and waits for the teams view to show it.
export async function opensample(page, file) {
  await pickfile(page, file);
  await page.waitForFunction((name) => document.title.includes(name), path.basename(file));
  await view(page, 'Teams');
}

// The views, each a tab named as the desktop editor's window for it, and the exchange of
// files.
export const views = ['Teams', 'Players', 'Lines', 'Uniform colours', 'Banner colours', 'Banner texts', 'Playoffs', 'Menu defaults',
  'Export and import'];

export async function view(page, name) {
  const tab = page.getByRole('tab', { name, exact: true });
  await tab.click();
  await page.waitForFunction((t) => t.getAttribute('aria-selected') === 'true', await tab.elementHandle());
}

// Clicks a button that downloads a file; gives the file's name and bytes.
export async function download(page, button) {
  const [file] = await Promise.all([page.waitForEvent('download'), page.getByRole('button', { name: button, exact: true }).click()]);
  return { name: file.suggestedFilename(), bytes: await readFile(await file.path()) };
}

export const save = (page) => download(page, 'Save Rom');
