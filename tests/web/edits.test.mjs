// An edit in every view, saved, gives the image the tool writes for the same edits; from
// the served page and from icevale.html opened straight from the disk. Undo and redo
// cross the views, by their buttons, which name the step, and by the keys.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { closepage, download, fileurl, openpage, opensample, pickfile, save, tool, view, websession } from './support.mjs';
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

test('export and import: the tool\'s exports, an import, patches made and applied, a refused import', async () => {
  const { image } = planned(s.dir);
  const page = await openpage(s.browser, s.url);
  await opensample(page, s.dir.path('s.smc'));
  await view(page, 'Export and import');
  const exported = await download(page, 'Export JSON');
  assert.deepEqual([exported.name, exported.bytes.toString()], ['s.json', tool(s.dir, 'export', 's.smc').out]);
  const csv = await download(page, 'Export roster CSV');
  assert.deepEqual([csv.name, csv.bytes.toString()], ['s.csv', tool(s.dir, 'export', 's.smc', '--format', 'csv').out]);

  // A refused import: the tool's message, nothing changed.
  const json = JSON.parse(exported.bytes.toString());
  json.teams[3].overall = 256;
  json.teams[4].players[0].speed = 50;
  s.dir.write('bad.json', JSON.stringify(json));
  const refusal = tool(s.dir, 'import', 's.smc', 'bad.json', '--check');
  assert.equal(refusal.status, 1);
  await pickfile(page, s.dir.path('bad.json'), 'Import JSON…');
  await page.getByRole('alert').filter({ hasText: refusal.err.trim().split('\n')[0] }).waitFor();
  assert.match(await page.getByRole('alert').textContent(), /speed/);
  assert.doesNotMatch(await page.title(), /\*/);
  assert.ok(await page.getByRole('button', { name: /^Undo/ }).isDisabled());

  // The planned edits imported; patches from the image as opened to it, applied by the tool.
  await pickfile(page, s.dir.path('edits.json'), 'Import JSON…');
  await page.getByRole('button', { name: /^Undo ./ }).waitFor();
  for (const format of ['ips', 'bps']) {
    const patch = await download(page, `Create ${format.toUpperCase()} patch`);
    assert.equal(patch.name, `s.${format}`);
    s.dir.write(patch.name, patch.bytes);
    const applied = tool(s.dir, 'patch', 'apply', patch.name, 's.smc', '-o', 'patched.smc');
    assert.equal(applied.status, 0, applied.err);
    assertimage(s.dir, s.dir.read('patched.smc'), image, `s.smc with the page's ${format} patch`);
  }
  assertimage(s.dir, (await save(page)).bytes, image, 'the image imported');

  // A patch of the tool's applied to a fresh page's sample.
  const fresh = await openpage(s.browser, s.url);
  await opensample(fresh, s.dir.path('s.smc'));
  await view(fresh, 'Export and import');
  s.dir.write('expected.smc', image);
  assert.equal(tool(s.dir, 'patch', 'create', 's.smc', 'expected.smc', '-o', 'tool.bps', '--format', 'bps').status, 0);
  await pickfile(fresh, s.dir.path('tool.bps'), 'Apply patch…');
  await fresh.waitForFunction(() => document.title.includes('*'));
  assertimage(s.dir, (await save(fresh)).bytes, image, 'the image with the tool\'s patch');
  await closepage(fresh);
  await closepage(page);
});
