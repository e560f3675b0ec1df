// The web edition's speed in headless Chromium on this machine: from navigation to the first page
// usable, an edit and its Undo on the Unit page, Apply and Undo of one string in a file of 100,000
// strings (the files bench_strings uses), and the page's size as it travels (gzip -9).
// Needs web/dist built and ORVANE_SAMPLE_GAME; ORVANE_BENCH_STRINGS (the desktop's bench_strings)
// runs the desktop figure in the same run.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { launch, loadFolder, sampleGames, serve } from '../../web/tests/support.mjs';

const Runs = 15;
const StringCount = 100_000;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// As bench/BenchStrings.h writes them: 10 to 60 characters, numbered so no two are alike.
function stringFile(prefix) {
  const parts = [];
  for (let n = 0; n < StringCount; ++n) parts.push(`${prefix} message ${n}${String.fromCharCode(97 + (n % 26)).repeat(n % 37)}\0`);
  return Buffer.from(parts.join(''), 'latin1');
}

// The time a click takes until the page is laid out again, measured inside the page.
const timedClick = (page, selector) =>
  page.evaluate((target) => {
    const start = performance.now();
    document.querySelector(target).click();
    void document.body.offsetHeight;
    return performance.now() - start;
  }, selector);

const dist = new URL('../../web/dist/', import.meta.url).pathname;
const sizes = Object.fromEntries(
  ['index.html', 'main.js', 'styles.css', 'orvane-web.js', 'orvane-web.wasm'].map((name) => [name, zlib.gzipSync(fs.readFileSync(path.join(dist, name)), { level: 9 }).length]),
);
const server = await serve();
const browser = await launch();

const starts = [];
for (let run = 0; run < 7; ++run) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(server.url, { waitUntil: 'commit' });
  await page.waitForSelector('body[data-ready]');
  starts.push(await page.evaluate(() => performance.getEntriesByName('orvane-ready')[0].startTime));
  await context.close();
}

const games = sampleGames();
const folder = path.join(games, 'ce');
const page = await browser.newPage();
await page.goto(server.url);
await loadFolder(page, folder);
await page.evaluate(() => {
  window.prompt = () => '200';
});
await page.click('#tab3');
await page.selectOption('#cmbUnit', '0');
const edits = [];
const undos = [];
for (let run = 0; run < Runs; ++run) {
  edits.push(await timedClick(page, '#cmdTU'));
  undos.push(await timedClick(page, '#mnuUndo'));
}

fs.writeFileSync(path.join(folder, 'GEODATA', 'ENGLISH.DAT'), stringFile('First file'));
fs.writeFileSync(path.join(folder, 'GEODATA', 'ENGLISH2.DAT'), stringFile('Second file'));
const strings = await browser.newPage();
await strings.goto(server.url);
await loadFolder(strings, folder);
await strings.click('#tab5');
const applies = [];
const stringUndos = [];
for (let batch = 0; batch < Runs / 5; ++batch) {
  for (let edit = 0; edit < 5; ++edit) {
    await strings.fill('#txtFilterEng1', `message ${StringCount / 2 + edit}`);
    await strings.dblclick('#lstEng1 [role=option] >> nth=0');
    // As bench_strings does it: the edit opened, the whole list shown when Apply is pressed.
    await strings.fill('#txtFilterEng1', '');
    await strings.fill('#Text1', `${await strings.inputValue('#Text1')} and twenty more ch.`);
    applies.push(await timedClick(strings, '#cmdApplyStr'));
  }
  for (let undo = 0; undo < 5; ++undo) stringUndos.push(await timedClick(strings, '#mnuUndo'));
}
await browser.close();
server.close();

const total = Object.values(sizes).reduce((a, b) => a + b, 0);
console.log(`first page usable after navigation   ${median(starts).toFixed(1)} ms (median of ${starts.length}; ${starts.map((s) => s.toFixed(0)).join(', ')})`);
console.log(`Unit page edit / Undo                ${median(edits).toFixed(2)} ms / ${median(undos).toFixed(2)} ms (median of ${Runs}; slowest ${Math.max(...edits).toFixed(2)} / ${Math.max(...undos).toFixed(2)})`);
console.log(`string Apply / Undo, 100,000 strings ${median(applies).toFixed(2)} ms / ${median(stringUndos).toFixed(2)} ms (median of ${Runs})`);
console.log(`transferred, gzip -9                 ${(total / 1024).toFixed(1)} KB (${Object.entries(sizes).map(([n, s]) => `${n} ${(s / 1024).toFixed(1)}`).join(', ')})`);
if (process.env.ORVANE_BENCH_STRINGS) console.log(execFileSync(process.env.ORVANE_BENCH_STRINGS, { encoding: 'utf8', env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } }));
