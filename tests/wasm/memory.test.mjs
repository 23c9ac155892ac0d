// Documents give their memory back: closed at once, or collected without close().
import assert from 'node:assert/strict';
import { setImmediate as turn } from 'node:timers/promises';
import { test } from 'node:test';
import v8 from 'node:v8';
import vm from 'node:vm';

import { loadmodule, sample, scratch } from './support.mjs';

v8.setFlagsFromString('--expose-gc');
const gc = vm.runInNewContext('gc');

const api = await loadmodule();
const dir = scratch();
const image = sample(dir, 's.smc');
dir.remove();

// One full round first: the module's own lazily made tables stay for good.
function useonce() {
  const doc = api.open(image, 's.smc');
  doc.importJson(doc.exportJson());
  doc.importCsv(doc.exportCsv());
  doc.save();
  doc.health();
  return doc;
}
useonce().close();
assert.throws(() => api.open(image.subarray(0, 100)));
const start = api.memory().inUse;

// Every hundredth document goes through export, import and save; the others are opened,
// checked and saved.
test('1,000 documents opened, used and closed leave the memory where it started', () => {
  for (let i = 0; i < 1000; ++i) {
    const doc = i % 100 === 0 ? useonce() : api.open(image, 's.smc');
    doc.health();
    doc.save();
    if (i === 0) assert.ok(api.memory().inUse > start + image.length, 'a document holds its image');
    doc.close();
    assert.throws(() => doc.exportJson(), /closed/);
  }
  assert.equal(api.memory().inUse, start);
});

test('refused opens and imports leave the memory where it started', () => {
  const doc = api.open(image, 's.smc');
  for (let i = 0; i < 1000; ++i) {
    assert.throws(() => api.open(image.subarray(0, 1000 + i)));
    assert.throws(() => doc.importJson('{"format": '));
    assert.throws(() => api.applyPatch(image.subarray(0, 64), image));
  }
  doc.close();
  assert.equal(api.memory().inUse, start);
});

// In ten rounds of 100, so that the module's memory stays near 100 images.
test('1,000 documents dropped without close() are given back when collected', async () => {
  for (let batch = 0; batch < 10; ++batch) {
    for (let i = 0; i < 100; ++i) api.open(image, 's.smc').health();
    assert.ok(api.memory().inUse > start + 50 * image.length);
    // Collection and the registry's callbacks come in their own time: poll, bounded.
    for (let round = 0; round < 200 && api.memory().inUse !== start; ++round) {
      gc();
      await turn();
    }
    assert.equal(api.memory().inUse, start, `round ${batch}`);
  }
});
