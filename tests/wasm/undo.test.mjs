// Undo and redo of whole steps through the module, against the bytes the tool writes.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { loadmodule, sample, scratch, tool } from './support.mjs';

const api = await loadmodule();

test('an import is one named step; undo and redo give back the exact images', () => {
  const dir = scratch();
  const original = sample(dir, 's.smc');
  const csv = 'team,role,name\nALD,G,A. Hult\nALD,F,B\nALD,D,C\n';
  dir.write('data', csv);
  assert.equal(tool(dir, 'import', 's.smc', 'data', '-o', 'out.smc').status, 0);
  const imported = dir.read('out.smc');
  dir.remove();

  const doc = api.open(original, 's.smc');
  assert.deepEqual([doc.undoName, doc.redoName, doc.undo()], [null, null, null]);
  doc.importCsv(csv, 'rosters.csv');
  const json = JSON.parse(doc.exportJson());
  json.teams[1].overall = 12;
  doc.importJson(JSON.stringify(json));
  assert.deepEqual([doc.undoName, doc.undo(), doc.undoName], ['Import JSON', 'Import JSON', 'Import rosters.csv']);
  assert.ok(Buffer.from(doc.save()).equals(imported));
  assert.equal(doc.modified, false);
  assert.equal(doc.undo(), 'Import rosters.csv');
  assert.equal(doc.modified, true);
  assert.ok(Buffer.from(doc.save()).equals(original));
  assert.equal(JSON.parse(doc.exportJson()).teams[0].players.length, JSON.parse(api.open(original).exportJson()).teams[0].players.length);
  assert.equal(doc.redo(), 'Import rosters.csv');
  assert.equal(doc.redoName, 'Import JSON');
  assert.equal(JSON.parse(doc.exportJson()).teams[0].players[0].name, 'A. Hult');
  // A refused import makes no step.
  assert.throws(() => doc.importCsv('team,role,name\nXYZ,G,A\n'));
  assert.equal(doc.undoName, 'Import rosters.csv');
  doc.close();
});

test('a change of any part of the values is one step under its name', () => {
  const dir = scratch();
  const original = sample(dir, 's.smc');
  dir.remove();
  const doc = api.open(original, 's.smc');
  const values = doc.values();
  const lines = values.teams[3].lines;
  const [first] = Object.keys(lines);
  lines[first] = [...lines[first]].reverse();
  doc.change({ teams: [{ index: 4, lines }], season: { selectable_teams: 20 } }, 'Line-up of X');
  assert.deepEqual(doc.values().teams[3].lines[first], lines[first]);
  assert.equal(doc.values().season.selectable_teams, 20);
  assert.throws(() => doc.change({ teams: [{ index: 4, overall: 300 }] }), { message: /^teams\[0\]\.overall: / });
  assert.equal(doc.undo(), 'Line-up of X');
  assert.ok(Buffer.from(doc.save()).equals(original));
  doc.close();
});
