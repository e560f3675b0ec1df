// What the page's tests share: the built page served from this machine, Debian's Chromium driven
// through playwright-core, sample games from the project's own maker, and the native orvane.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { after, before } from 'node:test';
import { fileURLToPath } from 'node:url';
import { unzipSync } from 'fflate';
import { chromium } from 'playwright-core';

const dist = fileURLToPath(new URL('../dist/', import.meta.url));
const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm', '.json': 'application/json', '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml', '.png': 'image/png' };

// web/dist on 127.0.0.1 at a free port.
export async function serve() {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(dist, name.endsWith('/') ? `${name}index.html` : name);
    if (!file.startsWith(dist) || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] ?? 'application/octet-stream' });
    response.end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}

// The server and the browser a test file's tests share: made before the first, closed after the last.
export function sharedBrowser() {
  const shared = {};
  before(async () => {
    shared.server = await serve();
    shared.browser = await launch();
  });
  after(async () => {
    await shared.browser?.close();
    shared.server?.close();
  });
  return shared;
}

export function launch() {
  return chromium.launch({ executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium', args: ['--no-sandbox'] });
}

export function tempFolder() {
  return fs.mkdtempSync(path.join(os.tmpdir(), 'orvane-web-'));
}

// The three sample games below a new folder: ce/, dos12/, dos14/.
export function sampleGames(...seed) {
  const folder = tempFolder();
  execFileSync(process.env.ORVANE_SAMPLE_GAME, [folder, ...(seed.length ? ['--random', String(seed[0])] : [])]);
  return folder;
}

export function orvane(...args) {
  return execFileSync(process.env.ORVANE_CLI, args, { encoding: 'utf8' });
}

// Every regular file below a folder, by its path relative to it.
export function filesUnder(folder, prefix = '') {
  const files = {};
  for (const entry of fs.readdirSync(path.join(folder, prefix), { withFileTypes: true })) {
    const relative = path.posix.join(prefix, entry.name);
    if (entry.isDirectory()) Object.assign(files, filesUnder(folder, relative));
    else files[relative] = fs.readFileSync(path.join(folder, relative));
  }
  return files;
}

export function copyFolder(from) {
  const to = tempFolder();
  fs.cpSync(from, to, { recursive: true });
  return to;
}

// The files of a downloaded zip, by their paths inside it.
export async function zipEntries(download) {
  const entries = unzipSync(new Uint8Array(fs.readFileSync(await download.path())));
  return Object.fromEntries(Object.entries(entries).map(([name, bytes]) => [name, Buffer.from(bytes)]));
}

// A page whose boxes are answered from a queue: prompt() takes the next answer (null: Cancel),
// confirm() the next yes or no, alert() is accepted. Every box shown is recorded.
export async function openPage(browser, url) {
  const page = await browser.newPage({ acceptDownloads: true });
  const boxes = { shown: [], answers: [] };
  page.on('dialog', async (dialog) => {
    boxes.shown.push({ type: dialog.type(), message: dialog.message() });
    if (dialog.type() === 'alert') return dialog.accept();
    const answer = boxes.answers.shift();
    if (answer === undefined) throw new Error(`a box nobody expected: ${dialog.message()}`);
    if (answer === null || answer === false) return dialog.dismiss();
    return dialog.accept(answer === true ? undefined : answer);
  });
  page.on('pageerror', (error) => boxes.shown.push({ type: 'error', message: String(error) }));
  await page.goto(url);
  return { page, boxes };
}

// File > Load Files through the folder input, as a browser without the File System Access API does.
export async function loadFolder(page, folder) {
  await page.setInputFiles('#inpFolder', folder);
  await page.waitForFunction(() => document.querySelector('#lblStatus')?.textContent.includes('All files loaded successfully!'));
}

export async function menu(page, menuId, itemId) {
  await page.click(`#${menuId}`);
  await page.click(`#${itemId}`);
}

// Waits until a box whose text matches was shown, after a change event the page handles on its own time.
export async function boxShown(boxes, pattern, milliseconds = 10000) {
  for (const end = Date.now() + milliseconds; Date.now() < end; await new Promise((r) => setTimeout(r, 20))) {
    const box = boxes.shown.find((shown) => pattern.test(shown.message));
    if (box) return box;
  }
  throw new Error(`no box matching ${pattern}; shown: ${JSON.stringify(boxes.shown)}`);
}
