// The players view's roster grid: its cells show the team's values after each switch (as
// their descriptions, and painted where they are), the arrow keys walk it with one Tab
// stop, its one list edits a rating (Enter or a typed character opens it, Escape leaves
// the value, Enter stores the pick) and its one text box a name or number.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { closepage, openpage, opensample, tool, view, websession } from './support.mjs';

const s = await websession();

const focused = (page) => page.evaluate(() => document.activeElement?.getAttribute('aria-label'));
const speeds = (page) => page.getByRole('gridcell', { name: /^Speed of player \d+$/ }).evaluateAll(
  (cells) => cells.filter((c) => !c.closest('tr').hidden).map((c) => c.getAttribute('aria-description')));
// The painted canvas's dark or light pixels (whichever the text is) inside a cell.
const ink = (cell) => cell.evaluate((c) => {
  const canvas = c.closest('.scroll').querySelector('canvas');
  const from = canvas.getBoundingClientRect(), at = c.getBoundingClientRect(), scale = canvas.width / from.width;
  const data = canvas.getContext('2d').getImageData((at.left - from.left) * scale, (at.top - from.top) * scale, at.width * scale, at.height * scale).data;
  let pixels = 0;
  for (let i = 3; i < data.length; i += 4) pixels += data[i] > 128 ? 1 : 0;
  return pixels;
});

test('the grid shows each team\'s values after a switch, and the keys walk and edit it', async () => {
  const json = JSON.parse(tool(s.dir, 'export', 's.smc').out);
  const page = await openpage(s.browser, s.url);
  await opensample(page, s.dir.path('s.smc'));
  await view(page, 'Players');
  const panel = page.getByRole('tabpanel');
  const team = panel.getByRole('combobox', { name: 'Team', exact: true });
  for (const index of [2, 5, 1]) {
    await team.selectOption({ index: index - 1 });
    assert.deepEqual(await speeds(page), json.teams[index - 1].players.map((p) => String(p.speed)), `team ${index}`);
  }
  // Painted: a cell's text is drawn inside it, a row past the roster shows nothing.
  const players = json.teams[0].players.length;
  assert.ok(await ink(panel.getByRole('gridcell', { name: 'Name of player 1', exact: true })) > 20, 'a name is painted');
  assert.ok(await ink(panel.getByRole('gridcell', { name: `Speed of player ${players}`, exact: true })) > 10, 'a rating is painted');
  assert.equal(await panel.getByRole('row').count(), players + 1, 'the rows past the roster are hidden');
  assert.equal(await panel.getByRole('grid').locator('[tabindex="0"]').count(), 1, 'one Tab stop in the grid');

  // Walking: Right, Down, Left past a text box's ends, Up; the Tab stop follows.
  await panel.getByRole('gridcell', { name: 'Speed of player 1', exact: true }).click();
  const next = await page.evaluate(() => document.activeElement.nextElementSibling.getAttribute('aria-label'));
  await page.keyboard.press('ArrowRight');
  assert.equal(await focused(page), next);
  await page.keyboard.press('ArrowDown');
  assert.equal(await focused(page), next.replace(/1$/, '2'));
  await panel.getByLabel('Number of player 2', { exact: true }).click();
  await page.keyboard.press('End');
  await page.keyboard.press('ArrowLeft');
  assert.equal(await focused(page), 'Number of player 2', 'Left moves the caret inside the text first');
  await page.keyboard.press('Home');
  await page.keyboard.press('ArrowLeft');
  assert.equal(await focused(page), 'Name of player 2');
  await page.keyboard.press('ArrowUp');
  assert.equal(await focused(page), 'Name of player 1');
  assert.equal(await panel.getByRole('grid').locator('[tabindex="0"]').getAttribute('aria-label'), 'Name of player 1');

  // Editing Speed of player 1: Escape keeps the value, Enter stores the entry walked to.
  const cell = panel.getByRole('gridcell', { name: 'Speed of player 1', exact: true });
  const list = panel.getByRole('listbox', { name: 'Speed of player 1', exact: true });
  const shown = () => cell.getAttribute('aria-description');
  const before = await shown();
  await cell.focus();
  await page.keyboard.press('Enter');
  await list.waitFor();
  const entries = await list.locator('option').allTextContents();
  assert.equal(await list.evaluate((l) => l.options[l.selectedIndex].text), before);
  await page.keyboard.press(entries.indexOf(before) > 0 ? 'ArrowUp' : 'ArrowDown');
  const walked = await list.evaluate((l) => l.options[l.selectedIndex].text);
  await page.keyboard.press('Escape');
  await list.waitFor({ state: 'hidden' });
  assert.equal(await shown(), before);
  assert.equal(await focused(page), 'Speed of player 1');
  assert.doesNotMatch(await page.title(), /\*/);
  await page.keyboard.press('F2');
  await page.keyboard.press(entries.indexOf(before) > 0 ? 'ArrowUp' : 'ArrowDown');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.title.includes('*'));
  assert.equal(await shown(), walked);
  assert.equal(await focused(page), 'Speed of player 1');

  // A typed character opens the list on the first entry starting with it.
  const typed = entries.find((e) => e !== walked && /^\d/.test(e));
  await page.keyboard.press(typed[0]);
  assert.equal(await list.evaluate((l) => l.options[l.selectedIndex].text), entries.find((e) => e.startsWith(typed[0])));
  await page.keyboard.press('Escape');

  // The stored value is the team's own: another team shows its own, and back again.
  await team.selectOption({ index: 1 });
  assert.deepEqual(await speeds(page), json.teams[1].players.map((p) => String(p.speed)));
  await team.selectOption({ index: 0 });
  assert.equal((await speeds(page))[0], walked);
  await closepage(page);
});

test('a name or number cell is edited in the grid\'s text box: typed afresh, kept by Escape, refused texts stay marked', async () => {
  const json = JSON.parse(tool(s.dir, 'export', 's.smc').out);
  const page = await openpage(s.browser, s.url);
  await opensample(page, s.dir.path('s.smc'));
  await view(page, 'Players');
  const panel = page.getByRole('tabpanel');
  const name = panel.getByRole('gridcell', { name: 'Name of player 3', exact: true });
  const box = panel.getByRole('textbox', { name: 'Name of player 3', exact: true });
  const original = json.teams[0].players[2].name;
  assert.equal(await name.getAttribute('aria-description'), original);

  // A typed letter starts the name afresh; Escape leaves the stored one.
  await name.focus();
  await page.keyboard.press('Q');
  assert.equal(await box.inputValue(), 'Q');
  await page.keyboard.press('Escape');
  await box.waitFor({ state: 'hidden' });
  assert.equal(await focused(page), 'Name of player 3');
  assert.doesNotMatch(await page.title(), /\*/);

  // Enter opens it with the name; typed and stored with Enter, the cell shows it.
  const before = await ink(name);
  await page.keyboard.press('Enter');
  assert.equal(await box.inputValue(), original);
  await box.fill('Zyx');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.title.includes('*'));
  assert.equal(await name.getAttribute('aria-description'), 'Zyx');
  assert.notEqual(await ink(name), before, 'the new name is painted');
  assert.equal(await focused(page), 'Name of player 3');

  // The number box takes digits only; Down stores and moves a row.
  const number = panel.getByRole('gridcell', { name: 'Number of player 3', exact: true });
  await number.click();
  const digits = panel.getByRole('textbox', { name: 'Number of player 3', exact: true });
  await digits.press('End');
  await page.keyboard.press('Backspace');
  await page.keyboard.press('Backspace');
  await page.keyboard.type('x7');
  assert.equal(await digits.inputValue(), '7');
  await page.keyboard.press('ArrowDown');
  assert.equal(await focused(page), 'Number of player 4');
  assert.equal(await number.getAttribute('aria-description'), '7');

  // A name too long for the bytes left is refused: it stays in its box, marked, with the alert.
  await name.click();
  await box.evaluate((b) => b.removeAttribute('maxlength'));
  await box.fill('W'.repeat(200));
  await page.keyboard.press('Enter');
  await page.getByRole('alert').waitFor();
  assert.equal(await box.getAttribute('aria-invalid'), 'true');
  assert.equal(await box.inputValue(), 'W'.repeat(200));
  assert.equal(await name.getAttribute('aria-description'), 'Zyx');
  await page.keyboard.press('Escape');
  assert.equal(await name.getAttribute('aria-description'), 'Zyx');
  await closepage(page);
});
