// An edit in every view, saved, gives the image the tool writes for the same edits; from
// the served page and from icevale.html opened straight from the disk. Undo and redo
// cross the views, by their buttons, which name the step, and by the keys.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { closepage, fileurl, openpage, opensample, save, tool, view, websession } from './support.mjs';
import { assertimage, editall, edits, planned } from './edits.mjs';

const s = await websession();

for (const [where, url] of [['served', () => s.url], ['opened from the disk', () => fileurl]]) {
  test(`${where}: an edit in each view saves the tool's image for the same edits`, async () => {
    const { values, image } = planned(s.dir);
    const page = await openpage(s.browser, url());
    await opensample(page, s.dir.path('s.smc'));
    assert.doesNotMatch(await page.title(), /\*/);
    await editall(page, values);
    assert.match(await page.title(), /s\.smc.*\*|\*.*s\.smc/);
    const saved = await save(page);
    assert.equal(saved.name, 's.smc');
    assertimage(s.dir, saved.bytes, image, 'the saved image');
    await page.waitForFunction(() => !document.title.includes('*'));

    // Save as: the name asked for, the same bytes.
    const [download] = await Promise.all([page.waitForEvent('download'), (async () => {
      await page.getByRole('button', { name: /^Save as/ }).click();
      await page.getByLabel('File name').fill('league two.smc');
      await page.getByRole('dialog').getByRole('button', { name: 'Save', exact: true }).click();
    })()]);
    assert.equal(download.suggestedFilename(), 'league two.smc');
    await closepage(page);
  });
}

test('undo and redo cross the views: buttons naming the step, Ctrl+Z, Ctrl+Shift+Z, Ctrl+Y', async () => {
  const chosen = [edits[0], edits[3]];
  const { values, image } = planned(s.dir, chosen);
  const page = await openpage(s.browser, s.url);
  await opensample(page, s.dir.path('s.smc'));
  const undo = page.getByRole('button', { name: /^Undo/ });
  const redo = page.getByRole('button', { name: /^Redo/ });
  assert.ok(await undo.isDisabled());

  // The teams edit is three steps (location, overall, menu name), the colours one two (the
  // bar's move and the paste). The buttons undo the colours' steps in the teams view.
  await editall(page, values, chosen);
  await view(page, 'Teams');
  const names = [];
  for (let i = 0; i < 2; ++i) {
    const name = (await undo.textContent()).replace(/^Undo /, '');
    names.push(name);
    await undo.click();
    await page.getByRole('button', { name: `Redo ${name}`, exact: true }).waitFor();
  }
  // Ctrl+Z goes on through the teams steps to the image as opened.
  await page.getByRole('tab', { name: 'Teams' }).focus();
  for (let i = 0; i < 3; ++i) {
    names.push((await undo.textContent()).replace(/^Undo /, ''));
    await page.keyboard.press('Control+Z');
  }
  assert.ok(names.every((n) => n.length > 0) && new Set(names).size >= 2, names.join(' | '));
  await page.waitForFunction(() => !document.title.includes('*'));
  assert.ok(await undo.isDisabled());
  const location = page.getByLabel('Location name of team 1', { exact: true });
  assert.equal(await location.inputValue(), JSON.parse(tool(s.dir, 'export', 's.smc').out).teams[0].location);
  await view(page, 'Uniform colours');
  await page.getByRole('tabpanel').getByRole('button', { name: /Sleeves$/ }).click();
  const red = page.getByRole('tabpanel').getByRole('slider', { name: /^Red/ });
  const shown = await red.inputValue();

  // Redo all five with Ctrl+Shift+Z and Ctrl+Y; each view shows its edit again.
  for (const key of ['Control+Shift+Z', 'Control+Y', 'Control+Shift+Z', 'Control+Y', 'Control+Y']) await page.keyboard.press(key);
  assert.ok(await redo.isDisabled());
  assert.notEqual(await red.inputValue(), shown);
  await view(page, 'Teams');
  assert.equal(await location.inputValue(), values[0].location);
  const saved = await save(page);
  assertimage(s.dir, saved.bytes, image, 'undone and redone, the image');
  await closepage(page);
});
