// Mods and patches through the page: a mod applied and saved gives the game `orvane apply` gives, and so
// do the mod the page then exports and the patch it makes; refusals; axe-core's accessibility rules on
// every page; the page with no network.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { test } from 'node:test';
import { boxShown, sharedBrowser, copyFolder, filesUnder, loadFolder, menu, openPage, orvane, sampleGames, tempFolder, zipEntries } from './support.mjs';

const GameFiles = ['QEVEXE/GEOSCAPE.EXE', 'GEODATA/ENGLISH.DAT', 'GEODATA/ENGLISH2.DAT', 'GEODATA/OBDATA.DAT'];
const Mod = `[mod]
format = 1
edition = "DOS version 1.4"

[[unit]]
number = 5
health = 99
strength = 42

[[item]]
number = 3
item_name = "Laser Pike"
`;

const shared = sharedBrowser();

async function saveToFolder(page, boxes, folder) {
  const saved = page.waitForEvent('download');
  await menu(page, 'mnuFile', 'mnuSave');
  const zip = await zipEntries(await saved);
  for (const [name, bytes] of Object.entries(zip)) fs.writeFileSync(path.join(folder, name), bytes);
  return folder;
}

function sameGameFiles(actual, expected) {
  for (const name of GameFiles) assert.ok(actual[name].equals(expected[name]), `${name} differs`);
}

test('a mod applied in the page, and the mod and the patch the page then makes, give the game orvane gives', async () => {
  const folder = path.join(sampleGames(7), 'dos14');
  const inputs = tempFolder();
  const modFile = path.join(inputs, 'pike.toml');
  fs.writeFileSync(modFile, Mod);
  const byTool = copyFolder(folder);
  orvane('apply', '-q', path.join(byTool, 'QEVEXE', 'GEOSCAPE.EXE'), modFile);

  const { page, boxes } = await openPage(shared.browser, shared.server.url);
  await loadFolder(page, folder);
  await page.setInputFiles('#inpMod', modFile);
  await boxShown(boxes, /3 values changed in 2 files/);
  const exported = page.waitForEvent('download');
  boxes.answers.push('exported');
  await menu(page, 'mnuFile', 'mnuExportMod');
  const exportFile = path.join(inputs, 'exported.toml');
  await (await exported).saveAs(exportFile);
  const byExport = copyFolder(folder);
  orvane('apply', '-q', path.join(byExport, 'QEVEXE', 'GEOSCAPE.EXE'), exportFile);
  sameGameFiles(filesUnder(byExport), filesUnder(byTool));
  const patchMade = page.waitForEvent('download');
  boxes.answers.push('pike.qev');
  await menu(page, 'mnuFile', 'mnuPatch');
  const patchFile = path.join(inputs, 'pike.qev');
  await (await patchMade).saveAs(patchFile);
  sameGameFiles(filesUnder(await saveToFolder(page, boxes, copyFolder(folder))), filesUnder(byTool));
  await page.close();

  const again = await openPage(shared.browser, shared.server.url);
  await loadFolder(again.page, folder);
  await again.page.setInputFiles('#inpPatch', patchFile);
  await again.page.waitForSelector('#mnuSave:not([disabled])', { state: 'attached' });
  sameGameFiles(filesUnder(await saveToFolder(again.page, again.boxes, copyFolder(folder))), filesUnder(byTool));
  await again.page.close();
});

test('a file that is not a mod is refused with its reason and changes nothing', async () => {
  const folder = path.join(sampleGames(), 'ce');
  const bad = path.join(tempFolder(), 'bad.toml');
  fs.writeFileSync(bad, '[mod]\nformat = 2\n');
  const { page, boxes } = await openPage(shared.browser, shared.server.url);
  await loadFolder(page, folder);
  await page.setInputFiles('#inpMod', bad);
  assert.equal((await boxShown(boxes, /format/)).type, 'alert');
  assert.equal(await page.locator('#mnuSave').isDisabled(), true, 'nothing to save');
  await page.close();
});

test('every page passes the accessibility rules of axe-core', async () => {
  const folder = path.join(sampleGames(), 'ce');
  const { page } = await openPage(shared.browser, shared.server.url);
  await page.addScriptTag({ path: createRequire(import.meta.url).resolve('axe-core/axe.min.js') });
  await loadFolder(page, folder);
  for (let tab = 0; tab < 6; ++tab) {
    await page.click(`#tab${tab}`);
    const violations = await page.evaluate(async () => (await window.axe.run(document)).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
    assert.deepEqual(violations, [], `page ${tab}`);
  }
  await menu(page, 'mnuEdit', 'mnuChanges');
  const violations = await page.evaluate(async () => (await window.axe.run(document)).violations.map((v) => v.id));
  assert.deepEqual(violations, [], 'with the change list open');
  await page.close();
});

test('after the first visit the page opens with no network, as an installed app does', async () => {
  const context = await shared.browser.newContext();
  const page = await context.newPage();
  await page.goto(shared.server.url);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector('#tab0');
  const manifest = await page.evaluate(async () => (await fetch(document.querySelector('link[rel=manifest]').href)).json());
  assert.equal(manifest.display, 'standalone');
  await context.close();
});
