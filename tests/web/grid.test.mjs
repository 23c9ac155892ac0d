// The players view's roster grid: its cells show the team's values after each switch, the
// arrow keys walk it with one Tab stop, and its one list edits a cell (Enter or a typed
// character opens it, Escape leaves the value, Enter stores the pick).
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { closepage, openpage, opensample, tool, view, websession } from './support.mjs';

const s = await websession();

const focused = (page) => page.evaluate(() => document.activeElement?.getAttribute('aria-label'));
const speeds = (page) => page.getByRole('gridcell', { name: /^Speed of player \d+$/ }).evaluateAll(
  (cells) => cells.filter((c) => !c.closest('tr').hidden).map((c) => c.textContent));

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
  const before = await cell.textContent();
  await cell.focus();
  await page.keyboard.press('Enter');
  await list.waitFor();
  const entries = await list.locator('option').allTextContents();
  assert.equal(await list.evaluate((l) => l.options[l.selectedIndex].text), before);
  await page.keyboard.press(entries.indexOf(before) > 0 ? 'ArrowUp' : 'ArrowDown');
  const walked = await list.evaluate((l) => l.options[l.selectedIndex].text);
  await page.keyboard.press('Escape');
  await list.waitFor({ state: 'hidden' });
  assert.equal(await cell.textContent(), before);
  assert.equal(await focused(page), 'Speed of player 1');
  assert.doesNotMatch(await page.title(), /\*/);
  await page.keyboard.press('F2');
  await page.keyboard.press(entries.indexOf(before) > 0 ? 'ArrowUp' : 'ArrowDown');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.title.includes('*'));
  assert.equal(await cell.textContent(), walked);
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
