// Files the page refuses, picked or dropped: each gets a message naming it and leaves the
// open document, its unsaved edits and its undo steps as they were.
import assert from 'node:assert/strict';
import { mkdirSync, truncateSync, writeFileSync } from 'node:fs';
import { test } from 'node:test';

import { closepage, dropfiles, openpage, opensample, pickfile, save, websession } from './support.mjs';
import { assertimage, edits, planned } from './edits.mjs';

const s = await websession();

test('not an image, too short, a folder, over 64 MiB: a message each, the open document kept', async () => {
  const page = await openpage(s.browser, s.url);
  const file = s.dir.path('s.smc');
  await opensample(page, file);
  const plan = planned(s.dir, edits.slice(0, 1));
  await edits[0].act(page, plan.values[0]);
  const title = await page.title();
  const undo = await page.getByRole('button', { name: /^Undo / }).textContent();
  assert.match(title, /\*/);

  // A text file as long as an image, one cut short, a folder, and one past 64 MiB (sparse,
  // so the disk holds none of it).
  writeFileSync(s.dir.path('notes.txt'), 'Not an image at all.\n'.repeat(60000));
  writeFileSync(s.dir.path('short.smc'), s.original.subarray(0, 4096));
  mkdirSync(s.dir.path('folder.smc'));
  writeFileSync(s.dir.path('huge.smc'), '');
  truncateSync(s.dir.path('huge.smc'), 64 * 1024 * 1024 + 1);
  const tries = [
    ['notes.txt', (name) => pickfile(page, s.dir.path(name))],
    ['short.smc', (name) => dropfiles(page, [s.dir.path(name)])],
    ['folder.smc', (name) => dropfiles(page, [s.dir.path(name)])],
    ['huge.smc', (name) => pickfile(page, s.dir.path(name))],
  ];
  // The page asks before opening a file that opens but is not sound; the answer is no.
  const questions = [];
  page.on('dialog', (dialog) => {
    questions.push(dialog.message());
    dialog.dismiss();
  });
  const messages = [];
  for (const [name, open] of tries) {
    await open(name);
    const alert = page.getByRole('alert').filter({ hasText: name });
    await alert.waitFor();
    messages.push((await alert.textContent()).trim());
    assert.equal(await page.title(), title, name);
    assert.equal(await page.getByRole('button', { name: /^Undo / }).textContent(), undo, name);
  }
  assert.equal(new Set(messages).size, messages.length, `one message for each kind of refusal: ${messages.join(' | ')}`);
  assert.equal(questions.length, 1, questions.join(' | '));
  assert.match(questions[0], /^notes\.txt does not look like a sound Icevale image: /);

  // Two files dropped at once are not one image to open.
  await dropfiles(page, [s.dir.path('short.smc'), file]);
  await page.getByRole('alert').filter({ hasText: '2' }).waitFor();
  assert.equal(await page.title(), title);

  // What is saved now is the sample with the edit, as before any of the refused files.
  const saved = await save(page);
  assert.equal(saved.name, 's.smc');
  assertimage(s.dir, saved.bytes, plan.image, 'the saved image');
  await closepage(page);
});
