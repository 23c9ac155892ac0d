// The module against the native tool: the same exports, the same imported images, patches
// that apply across, and the same refusals, each a thrown Error the module survives.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { sample, session, tool } from './support.mjs';

const { api, dir, original } = await session();

function opened(bytes = original, name = 's.smc') {
  return api.open(bytes, name);
}

test('50 seeds: the JSON and CSV exports and the info equal the tool\'s', () => {
  for (let seed = 1; seed <= 50; ++seed) {
    const bytes = sample(dir, 'seed.smc', seed);
    const doc = opened(bytes, 'seed.smc');
    try {
      assert.equal(doc.exportJson(), tool(dir, 'export', 'seed.smc').out, `seed ${seed}`);
      assert.equal(doc.exportCsv(), tool(dir, 'export', 'seed.smc', '--format', 'csv').out, `seed ${seed}`);
      assert.deepEqual(doc.info(), JSON.parse(tool(dir, 'info', 'seed.smc', '--json').out), `seed ${seed}`);
    } finally {
      doc.close();
    }
  }
});

// Edits in every part of the export: texts, numbers, a roster, colours, the season.
function editedjson(text) {
  const data = JSON.parse(text);
  data.menu_names.first = 'HOCKEY';
  data.season.playoffs.count = 8;
  data.season.menu_defaults[3] = '5 Minutes';
  const [first, third] = [data.teams[0], data.teams[2]];
  first.location = 'Alder';
  first.overall = 61;
  first.players[0].name = 'A. Hult';
  first.players[0].speed = 85;
  const roomy = data.teams.find((t) => t.players?.length > 0 && t.players.length < 25);
  roomy.players.push({ ...roomy.players.at(-1), name: 'New Man', number: 2 });
  third.nickname = 'Larks';
  third.banner.text = 'GO LARKS';
  return JSON.stringify(data, null, 1);
}

function editedcsv(text) {
  const lines = text.trimEnd().split('\n');
  lines[1] = lines[1].replace(/^ALD,G,[^,]*,\d+/, 'ALD,G,Ö. Åberg,31');
  return lines.concat('BRK,D,New Man,0x1A,180,45,45,45,45,45,45,Left,45,45,45,45,45,45').join('\n') + '\n';
}

// On the random images an edit may not fit; then both refuse it alike.
test('JSON and CSV imports give the tool\'s image byte for byte', () => {
  for (const seed of [undefined, 3, 17, 29]) {
    const bytes = seed === undefined ? original : sample(dir, 'base.smc', seed);
    dir.write('base.smc', bytes);
    const cases = [
      ['json', editedjson(tool(dir, 'export', 'base.smc').out), (d, t, n) => d.importJson(t, n)],
      ['csv', editedcsv(tool(dir, 'export', 'base.smc', '--format', 'csv').out), (d, t, n) => d.importCsv(t, n)],
    ];
    for (const [kind, text, load] of cases) {
      const label = `${kind} seed ${seed}`;
      dir.write('data', text);
      const native = tool(dir, 'import', 'base.smc', 'data', '-o', 'out.smc');
      const doc = opened(bytes, 'base.smc');
      if (native.status !== 0) {
        assert.notEqual(seed, undefined, native.err);
        assert.throws(() => load(doc, text, 'data'), { message: native.err.trimEnd() }, label);
        assert.equal(doc.modified, false, label);
      } else {
        const { changes } = load(doc, text);
        assert.ok(changes > 0 && doc.modified, label);
        assert.ok(Buffer.from(doc.save()).equals(dir.read('out.smc')), label);
        assert.equal(doc.modified, false, label);
      }
      doc.close();
    }
  }
});

test('patches made by either apply with the other', () => {
  const doc = opened();
  doc.importJson(editedjson(doc.exportJson()));
  const edited = doc.save();
  doc.close();
  dir.write('m.smc', edited);
  for (const format of ['ips', 'bps']) {
    for (const header of [true, false]) {
      const flags = [header ? '--with-header' : '--no-header'];
      const label = `${format}${header ? '' : ' --no-header'}`;
      dir.write('mine', api.createPatch(original, edited, { format, header }));
      const native = tool(dir, 'patch', 'apply', 'mine', 's.smc', '-o', 'a.smc', ...flags);
      assert.equal(native.status, 0, `${label}: ${native.err}`);
      assert.ok(dir.read('a.smc').equals(edited), label);

      const made = header ? [] : ['--no-header'];
      assert.equal(tool(dir, 'patch', 'create', 's.smc', 'm.smc', '-o', 'theirs', '--format', format, ...made).status, 0);
      const notes = [];
      const patched = api.applyPatch(dir.read('theirs'), original, { header, notes });
      assert.ok(Buffer.from(patched).equals(edited), label);
      assert.deepEqual(notes, native.err.split('\n').filter(Boolean).map((l) => l.replace(/^s\.smc: /, '')), label);
    }
  }
  const cut = api.createPatch(original, edited, { format: 'bps' }).slice(0, -5);
  dir.write('cut', cut);
  const refused = tool(dir, 'patch', 'apply', 'cut', 's.smc', '-o', 'c.smc');
  const verdict = refused.err.trimEnd().split('\n').at(-1);
  assert.throws(() => api.applyPatch(cut, original), { message: verdict.replace(/^cut: |; nothing written$/g, '') });
});

// The cases of the tool's own refusal test, compared message for message.
const json = '{"format": "icevale-export", "version": 1, ';
const longname = 'x'.repeat(200);
const refusals = [
  'team,role,name\nXYZ,G,A\n',
  json + '"teams": [{"abbreviation": "XYZ"}]}',
  'team,role,nmae\nALD,G,A\n',
  json + '"teams": [{"index": 3, "nick": "A"}]}',
  'team,role,name\nALD,G,\u03A9\n',
  json + '"teams": [{"index": 2, "overall": 256}]}',
  'team,role,name,speed\nALD,G,A,75\nALD,F,B,0x10\n',
  'team,role,name\nALD,G,A\nALD,G,B\nALD,G,C\nALD,G,D\nALD,G,E\nALD,F,F\nALD,D,G\n',
  json + '"teams": [{"index": 4, "players": [{"role": "G"}, {"role": "F"}]}]}',
  `team,role,name\nALD,G,${longname}\nALD,F,${longname}\nALD,D,x\n`,
  'team,role,name\nALD,G,"A\n',
  'team,role,name\nALD,G\n',
  '{"format": ',
  json.slice(0, -4) + '2}',
  json + '"teams": [{"index": 0}, {"index": 5, "overall": -1}]}',
  '\uFEFF  ' + json + '"teams": [{"index": 2, "banner": {"text": "a\\u0000b"}}]}',
  json + '"teams": 7}',
  '',
];

test('every import refusal is a thrown Error with the tool\'s message and changes nothing', () => {
  const doc = opened();
  const exported = doc.exportJson();
  for (const text of refusals) {
    dir.write('data', text);
    const native = tool(dir, 'import', 's.smc', 'data', '-o', 'out.smc');
    assert.equal(native.status, 1, text);
    const isjson = /^(\uFEFF)?[ \t\r\n]*\{/.test(text);
    const message = native.err.trimEnd();
    assert.throws(() => (isjson ? doc.importJson(text, 'data') : doc.importCsv(text, 'data')), (error) => {
      assert.ok(error instanceof Error);
      assert.equal(error.message, message);
      return true;
    });
    assert.equal(doc.modified, false);
  }
  assert.equal(doc.exportJson(), exported);
  doc.close();
});

test('images that cannot be opened are refused with the tool\'s message', () => {
  for (const size of [0, 10, 0xeaed5, 0xeaed6, 0xf0000, original.length - 600]) {
    dir.write('cut.smc', original.subarray(0, size));
    const native = tool(dir, 'info', 'cut.smc');
    if (native.status === 0) continue;  // a cut that leaves every area whole
    assert.throws(() => opened(original.subarray(0, size), 'cut.smc'), { message: native.err.trimEnd() }, `size ${size}`);
  }
  assert.throws(() => api.open('not bytes'), TypeError);
  assert.ok(opened().health().length === 0);
});
