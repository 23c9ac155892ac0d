// The areas through the module's readers and the windows' steps, against the native
// tool importing the same values: byte-identical images, the windows' refusals and steps.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { session, tool } from './support.mjs';

const { api, dir, original } = await session();

const header = { format: 'icevale-export', version: 1 };

// The tool's image for a JSON import of `data` onto the sample.
function native(data) {
  dir.write('data', JSON.stringify({ ...header, ...data }));
  const r = tool(dir, 'import', 's.smc', 'data', '-o', 'out.smc');
  assert.equal(r.status, 0, r.err);
  return dir.read('out.smc');
}

function same(doc, data, label) {
  assert.ok(Buffer.from(doc.save()).equals(native(data)), label);
}

test('team texts, overall numbers and menu names as the tool imports them', () => {
  const doc = api.open(original, 's.smc');
  const before = doc.teams()[2];
  assert.equal(doc.setTeam(3, { nickname: 'Larks', overall: 77 }), 'Team texts and overall numbers');
  const after = doc.teams()[2];
  assert.deepEqual([after.nickname, after.overall, after.location], ['Larks', 77, before.location]);
  assert.equal(after.bytesLeft, before.bytesLeft - ('Larks'.length - before.nickname.length));
  assert.equal(doc.setMenuNames({ first: 'HOCKEY' }), 'Team texts and overall numbers');
  same(doc, { menu_names: { first: 'HOCKEY' }, teams: [{ index: 3, nickname: 'Larks', overall: 77 }] }, 'teams');
  assert.equal(doc.setTeam(3, { overall: 77 }), null);
  doc.close();
});

test('the team editor\'s refusals change nothing', () => {
  const doc = api.open(original, 's.smc');
  const { location, bytesLeft } = doc.teams()[0];
  const cases = [
    [() => doc.setTeam(1, { arena: 'x'.repeat(bytesLeft + 3 + doc.teams()[0].arena.length) }),
      `the texts of team 1 (${location}) are 3 bytes too long for its block`],
    [() => doc.setTeam(1, { overall: 256 }), `the overall number of team 1 (${location}) is not a whole number from 0 to 255`],
    [() => doc.setMenuNames({ first: 'A'.repeat(20), second: 'B'.repeat(5) }), 'the menu display names are 3 characters over the 22 they share'],
    [() => doc.setTeam(29, {}), 'team 29: a team is numbered 1..28'],
    [() => doc.setTeam(2, { nickname: '\u03A9' }), /^nickname: .*U\+03A9/],
    [() => doc.setUniformColour(1, 'home', 11, { red: 0, green: 0, blue: 0 }), /cell 0\.\.10/],
    [() => doc.setUniformColour(1, 'home', 0, { red: 32, green: 0, blue: 0 }), 'a colour component runs 0..31'],
  ];
  for (const [call, message] of cases) assert.throws(call, { message });
  assert.throws(() => doc.uniform(1, 'both'), TypeError);
  assert.equal(doc.modified, false);
  assert.equal(doc.undoName, null);
  doc.close();
});

test('uniform and banner colours: the windows\' steps, bytes as the tool writes them', () => {
  const doc = api.open(original, 's.smc');
  const exported = JSON.parse(doc.exportJson());
  const cells = Object.keys(exported.teams[4].uniforms.home);
  // A drag on one cell's bars is one step.
  doc.setUniformColour(5, 'home', 2, { red: 1, green: 2, blue: 3 });
  assert.equal(doc.setUniformColour(5, 'home', 2, { red: 4, green: 5, blue: 6 }), `Uniform colour of ${exported.teams[4].abbreviation}`);
  assert.deepEqual(doc.uniform(5, 'home')[2], { red: 4, green: 5, blue: 6 });
  doc.blackout(6);
  same(doc, {
    teams: [
      { index: 5, uniforms: { home: { [cells[2]]: [4, 5, 6] } } },
      { index: 6, banner: { colours: Array.from({ length: 14 }, () => [0, 0, 0]) } },
    ],
  }, 'cell and blackout');
  assert.equal(doc.undo(), `Banner colours of ${exported.teams[5].abbreviation}`);
  assert.equal(doc.undo(), `Uniform colour of ${exported.teams[4].abbreviation}`);
  assert.ok(Buffer.from(doc.save()).equals(original));

  // Flip exchanges away and home; auto colour shades rows 2..6 and 8..13 from rows 1 and 7.
  const away = doc.uniform(7, 'away'), home = doc.uniform(7, 'home');
  assert.equal(doc.flipUniforms(7), `Flip uniforms of ${exported.teams[6].abbreviation}`);
  assert.deepEqual([doc.uniform(7, 'away'), doc.uniform(7, 'home')], [home, away]);
  const rows = doc.bannerColours(8);
  rows[0] = { red: 30, green: 0, blue: 5 };
  rows[6] = { red: 1, green: 2, blue: 3 };
  doc.setBannerColours(8, rows);
  doc.autoColour(8);
  const shaded = doc.bannerColours(8);
  assert.deepEqual([shaded[1], shaded[5], shaded[7], shaded[12], shaded[13]],
    [{ red: 31, green: 1, blue: 6 }, { red: 31, green: 5, blue: 10 }, { red: 0, green: 1, blue: 2 },
      { red: 0, green: 0, blue: 0 }, rows[13]]);
  const rgb = (c) => [c.red, c.green, c.blue];
  same(doc, {
    teams: [
      { index: 7, uniforms: { away: Object.fromEntries(cells.map((k, i) => [k, rgb(home[i])])),
        home: Object.fromEntries(cells.map((k, i) => [k, rgb(away[i])])) } },
      { index: 8, banner: { colours: shaded.map(rgb) } },
    ],
  }, 'flip and auto colour');
  doc.close();
});

// The module's roster writes against the tool's import of the values they leave.
test('the player editor\'s buttons, a player\'s values and Juice Team write the rosters as an import does', () => {
  const doc = api.open(original, 's.smc');
  const start = doc.roster(2);
  assert.equal(doc.addPlayer(2), `Roster of ${doc.teams()[1].abbreviation}`);
  const added = doc.roster(2);
  assert.equal(added.players.length, start.players.length + 1);
  assert.equal(added.bytesLeft, start.bytesLeft - 10);
  doc.setPlayer(2, added.players.length, { name: 'New Man', number: '12', columns: [3, 1, 2, 3, 4, 5, 6, 1, 0, 1, 2, 3, 4, 5] });
  doc.goaliePlus(2);
  doc.juiceTeam(5, 6);
  doc.setPlayer(5, 1, { name: 'Ö. Åberg', columns: [null, 2] });
  const roster = doc.roster(2);
  assert.deepEqual([roster.goalies, roster.players.at(-1).name, roster.players.at(-1).number], [start.goalies + 1, 'New Man', '12']);
  assert.equal(doc.roster(5).players[0].columns[1], 2);
  assert.equal(doc.roster(5).players[0].columns[2], 6);
  const values = doc.values();
  same(doc, { teams: [{ index: 2, players: values.teams[1].players }, { index: 5, players: values.teams[4].players }] }, 'rosters');

  // The rules say no: nothing changes; a value the lists cannot show is refused.
  const full = api.open(original, 's.smc');
  while (full.roster(3).goalies < 4) full.goaliePlus(3);
  assert.equal(full.goaliePlus(3), null);
  assert.throws(() => full.setPlayer(3, 1, { columns: [null, 9] }), { message: /9 is no entry of its list/ });
  assert.throws(() => full.setPlayer(3, 1, { name: 'x'.repeat(300) }), { message: /^name: at most \d+ characters fit/ });
  assert.throws(() => full.setPlayer(3, 99, { name: 'x' }), { message: /no such player/ });
  assert.equal(full.roster(3).goalies, 4);
  full.close();
  doc.close();
});

test('line-ups and banner texts through their editors\' rules, as the tool imports them', () => {
  const doc = api.open(original, 's.smc');
  const { entries, lines } = doc.lines(4);
  assert.equal(entries.length, doc.roster(4).players.length + 1);
  assert.equal(doc.setLine(4, 2, [3, 2, 1, null, null, null, 0]), `Line-up of ${doc.teams()[3].abbreviation}`);
  assert.deepEqual(doc.lines(4).lines[1].slots, [3, 2, 1, ...lines[1].slots.slice(3, 6), 0]);
  assert.throws(() => doc.setLine(4, 2, [entries.length]), { message: /is no player of the roster/ });
  const banner = doc.bannerTexts();
  const texts = [...banner.texts];
  texts[0] = 'GO HERONS';
  doc.setBannerTexts(texts);
  assert.equal(doc.bannerTexts().bytesLeft, banner.bytesLeft - ('GO HERONS'.length - banner.texts[0].length));
  texts[1] = 'x'.repeat(banner.bytesLeft + 1000);
  assert.throws(() => doc.setBannerTexts(texts), { message: /^Banner texts not saved: they need \d+ bytes more than the 261-byte text area\.$/ });
  const values = doc.values();
  same(doc, { teams: [{ index: 4, lines: values.teams[3].lines }, { index: 1, banner: { text: 'GO HERONS' } }] }, 'lines and banner');
  doc.close();
});

test('playoffs and menu defaults from list positions, as the tool imports them', () => {
  const doc = api.open(original, 's.smc');
  const slots = [];
  slots[0] = 5;
  slots[130] = 28;
  assert.equal(doc.setPlayoffs({ count: 7, slots }), 'Playoff slots');
  const playoffs = doc.playoffs();
  assert.deepEqual([playoffs.count, playoffs.slots[0], playoffs.slots[130]], [8, 5, 28]);
  // Slot k is slot k of the export, as the tool counts them (the first page is page 0).
  const teams = doc.teams();
  const exported = (b) => (b < 28 ? teams[b].abbreviation : b === 28 ? null : `0x${b.toString(16).toUpperCase().padStart(2, '0')}`);
  assert.deepEqual(playoffs.slots.map(exported), JSON.parse(doc.exportJson()).season.playoffs.slots);
  const menu = doc.menuDefaults();
  assert.equal(menu.fields[1].entries.length, 28);
  assert.equal(doc.setMenuDefaults({ fields: [null, 3, null, menu.fields[3].entries.length - 1], selectableTeams: 19 }), 'Menu defaults');
  assert.deepEqual([doc.menuDefaults().fields[1].position, doc.menuDefaults().selectableTeams], [3, 20]);
  assert.throws(() => doc.setPlayoffs({ slots: [29] }), { message: /^playoff slot 0: / });
  assert.throws(() => doc.setMenuDefaults({ fields: [99] }), { message: /^menu default 1: / });
  const { season } = doc.values();
  same(doc, { season }, 'season');
  doc.close();
});
