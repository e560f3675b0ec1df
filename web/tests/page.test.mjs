// The page as a user meets it in Chromium: a game folder opened, one edit on each page (each after a
// refused entry where the page refuses one), an Undo, Save; the saved game holds what `orvane apply`
// writes for the same values.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { copyFolder, sharedBrowser, filesUnder, loadFolder, menu, openPage, orvane, sampleGames, zipEntries } from './support.mjs';

const GameFiles = ['QEV.EXE', 'GEODATA/ENGLISH.DAT', 'GEODATA/ENGLISH2.DAT', 'GEODATA/OBDATA.DAT'];
const shared = sharedBrowser();

// Answers the boxes of one click; the prompts the click showed, by their text.
async function answered(page, boxes, answers, click) {
  const before = boxes.shown.length;
  boxes.answers.push(...answers);
  await click();
  assert.deepEqual(boxes.answers, [], 'every answer was asked for');
  return boxes.shown.slice(before).filter((box) => box.type === 'prompt');
}

const textOf = (page, selector) => page.locator(selector).innerText();

test('an edit on every page, an Undo and a Save leave the game as orvane apply leaves it', async () => {
  const games = sampleGames();
  const folder = path.join(games, 'ce');
  const asMade = filesUnder(folder);
  const { page, boxes } = await openPage(shared.browser, shared.server.url);
  await loadFolder(page, folder);

  await page.click('#tab3');
  await page.selectOption('#cmbUnit', '0');
  const unitBoxes = await answered(page, boxes, ['300', '200'], () => page.click('#cmdTU'));
  assert.equal(unitBoxes.length, 2, 'a time-units entry above 255 brings the box again');
  assert.equal(await textOf(page, '#cmdTU'), '200');

  await page.click('#tab1');
  await page.selectOption('#cmbType', '2');
  assert.equal((await answered(page, boxes, ['99999', '1234'], () => page.click('#cmdPrice'))).length, 2);
  assert.equal(await textOf(page, '#cmdPrice'), '1,234');

  await page.click('#tab2');
  const nameBoxes = await answered(page, boxes, ['ABCDEFGHIJKL', 'Zed'], () => page.dblclick('#lstFirst [data-entry="0"]'));
  assert.equal(nameBoxes.length, 2, 'a name of 12 characters brings the box again');
  assert.equal(await textOf(page, '#lstFirst [data-entry="0"]'), 'Zed');

  await page.click('#tab4');
  await page.click('#lstItem [data-entry="1"]');
  await page.dblclick('#lstItem [data-entry="1"]');
  assert.equal((await answered(page, boxes, ['256', '77'], () => page.click('#cmdDamage'))).length, 2);
  assert.equal(await textOf(page, '#cmdDamage'), '77');

  await page.click('#tab5');
  await page.dblclick('#lstEng1 [data-entry="2"]');
  await page.fill('#Text1', 'A new text of any length');
  await page.click('#cmdApplyStr');
  assert.equal(await textOf(page, '#lstEng1 [data-entry="2"]'), 'A new text of any length');

  await page.click('#tab0');
  await page.locator('.squares button').nth(7).click();
  await page.selectOption('#Combo1', { label: 'Laboratory' });
  await page.click('#cmdApply');

  // One more edit, taken back.
  await page.click('#tab3');
  const before = await textOf(page, '#cmdHealth');
  await answered(page, boxes, ['1'], () => page.click('#cmdHealth'));
  assert.equal(await textOf(page, '#cmdHealth'), '1');
  await menu(page, 'mnuEdit', 'mnuUndo');
  assert.equal(await textOf(page, '#cmdHealth'), before);

  const saved = page.waitForEvent('download');
  await menu(page, 'mnuFile', 'mnuSave');
  const zip = await zipEntries(await saved);
  assert.ok(boxes.shown.some((box) => box.message.includes('All files saved.')));
  await page.close();

  const byPage = copyFolder(folder);
  for (const [name, bytes] of Object.entries(zip)) fs.writeFileSync(path.join(byPage, name), bytes);
  const backups = { 'QEV.EXE.bak': 'QEV.EXE', 'GEODATA/english.bak': 'GEODATA/ENGLISH.DAT', 'GEODATA/english2.bak': 'GEODATA/ENGLISH2.DAT', 'GEODATA/obdata.bak': 'GEODATA/OBDATA.DAT' };
  for (const [backup, original] of Object.entries(backups)) assert.ok(zip[backup]?.equals(asMade[original]), `${backup} holds the file as loaded`);

  const byTool = copyFolder(folder);
  const mod = path.join(byTool, 'same-values.toml');
  fs.writeFileSync(mod, `[mod]
format = 1
edition = "Collector's Edition"

[[unit]]
number = 0
time_units = 200

[[facility_type]]
number = 2
construction_cost_k = 1234

[[first_name]]
number = 1
first_names = "Zed"

[[item]]
number = 1
damage = 77

[[english_dat]]
number = 3
text = "A new text of any length"

[[base_square]]
number = 8
facility = "Laboratory"
`);
  orvane('apply', '-q', path.join(byTool, 'QEV.EXE'), mod);
  const tool = filesUnder(byTool);
  const web = filesUnder(byPage);
  for (const name of GameFiles) {
    assert.ok(!web[name].equals(asMade[name]) || name === 'GEODATA/ENGLISH2.DAT', `${name} was changed`);
    assert.ok(web[name].equals(tool[name]), `${name} as orvane apply writes it`);
  }
});

test('the lists and menus answer the keyboard as the desktop does', async () => {
  const folder = path.join(sampleGames(), 'ce');
  const { page, boxes } = await openPage(shared.browser, shared.server.url);
  await loadFolder(page, folder);
  await page.click('#tab4');
  await page.focus('#lstItem');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowDown');
  assert.equal(await textOf(page, '#lblIndex'), '1', 'the arrows choose an entry as a click does');
  await page.keyboard.press('Enter');
  assert.equal(await page.locator('#cmdName').isEnabled(), true, 'Enter opens it as a double click does');
  await page.keyboard.press('End');
  assert.equal(await textOf(page, '#lblIndex'), '79');
  const copied = await page.evaluate(() => {
    const copy = new ClipboardEvent('copy', { clipboardData: new DataTransfer(), bubbles: true, cancelable: true });
    document.querySelector('#lstItem').dispatchEvent(copy);
    return copy.clipboardData.getData('text/plain');
  });
  assert.equal(copied, await textOf(page, '#lstItem [aria-selected=true]'), 'the Copy key copies the chosen entry');

  await page.fill('#txtFilterItem', 'ZZZ no item has this');
  assert.equal(await page.locator('#lstItem [role=option]:visible').count(), 0);
  await page.fill('#txtFilterItem', '');

  await page.focus('#mnuFile');
  await page.keyboard.press('ArrowDown');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'mnuOpen');
  await page.keyboard.press('Escape');
  boxes.answers.push('150');
  await page.click('#tab3');
  await page.selectOption('#cmbUnit', '1');
  await page.click('#cmdTU');
  assert.equal(await textOf(page, '#cmdTU'), '150');
  await page.keyboard.press('Control+z');
  assert.notEqual(await textOf(page, '#cmdTU'), '150', 'Ctrl+Z undoes');
  await page.close();
});

test('a second game folder opened in the same page is that game alone', async () => {
  const games = sampleGames();
  const { page } = await openPage(shared.browser, shared.server.url);
  await loadFolder(page, path.join(games, 'ce'));
  assert.match(await textOf(page, '#lblVer'), /Collector/);
  await page.setInputFiles('#inpFolder', path.join(games, 'dos12'));
  await page.waitForFunction(() => /1\.2/.test(document.querySelector('#lblVer')?.textContent ?? ''));
  assert.match(await textOf(page, '#lblStatus'), /All files loaded successfully!/);
  await page.close();
});
