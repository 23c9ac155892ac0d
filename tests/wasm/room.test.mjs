// The typing limits a page's boxes take from the module: a text as long as the limit is
// stored by the window's step, one character more is refused.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { session } from './support.mjs';

const { api, original } = await session();

test('team texts and menu names: the limit fits, one more does not', () => {
  const doc = api.open(original, 's.smc');
  for (const team of [doc.teams()[0], doc.teams()[27]]) {
    const order = ['location', 'abbreviation', 'nickname', 'arena'];
    const room = api.teamTextRoom(team.index, order.map((f) => team[f].length));
    assert.equal(room.bytesLeft, team.bytesLeft);
    const arena = room.limits[3];
    assert.throws(() => doc.setTeam(team.index, { arena: 'x'.repeat(arena + 1) }), /too long for its block/);
    assert.equal(doc.setTeam(team.index, { arena: 'x'.repeat(arena) }), 'Team texts and overall numbers');
    assert.equal(api.teamTextRoom(team.index, [team.location.length, team.abbreviation.length, team.nickname.length, arena]).bytesLeft, 0);
  }
  const [first] = api.menuNameLimits(0, 4);
  assert.throws(() => doc.setMenuNames({ first: 'A'.repeat(first + 1), second: 'BBBB' }), /over the 22 they share/);
  assert.equal(doc.setMenuNames({ first: 'A'.repeat(first), second: 'BBBB' }), 'Team texts and overall numbers');
  doc.close();
});

test('banner texts and player names: the limit fits, one more does not', () => {
  const doc = api.open(original, 's.smc');
  const { texts, bytesLeft } = doc.bannerTexts();
  const room = api.bannerTextRoom(texts.map((t) => t.length));
  assert.equal(room.bytesLeft, bytesLeft);
  const longer = (n) => texts.map((t, i) => (i === 4 ? 'Z'.repeat(n) : t));
  assert.throws(() => doc.setBannerTexts(longer(room.limits[4] + 1)));
  assert.equal(doc.setBannerTexts(longer(room.limits[4])), 'Banner texts');
  assert.equal(doc.bannerTexts().bytesLeft, 0);

  const roster = doc.roster(2);
  const limit = api.playerNameLimit(roster.players[0].name.length, roster.bytesLeft);
  assert.throws(() => doc.setPlayer(2, 1, { name: 'N'.repeat(limit + 1) }), /at most/);
  assert.match(doc.setPlayer(2, 1, { name: 'N'.repeat(limit) }), /^Roster of /);
  doc.close();
});

test('overall number boxes, characters a box drops, screen colours and the bytes without saving', () => {
  const doc = api.open(original, 's.smc');
  for (const [text, stored] of [['2.5', 2], ['3.5', 4], ['17', 17], ['255', 255]]) {
    doc.setTeam(4, { overall: text });
    assert.equal(doc.teams()[3].overall, stored, text);
  }
  for (const text of ['256', 'abc', '-1', '']) assert.throws(() => doc.setTeam(4, { overall: text }), /not a whole number/, text);
  assert.equal(api.keepable('A\u03A9é€\u{1F600}b'), 'Aé€b');
  // Red is the first pair of "#rrggbb", blue the last, each as bright as the other.
  const [black, red, blue] = [{ red: 0, green: 0, blue: 0 }, { red: 31, green: 0, blue: 0 }, { red: 0, green: 0, blue: 31 }].map(api.screenColour);
  assert.equal(black, '#000000');
  assert.match(red, /^#([1-9a-f][0-9a-f])0000$/);
  assert.equal(blue, `#0000${red.slice(1, 3)}`);
  const now = doc.image();
  assert.equal(doc.modified, true);
  assert.ok(Buffer.from(doc.save()).equals(Buffer.from(now)));
  assert.equal(doc.modified, false);
  assert.ok(api.limits.maxFileSize >= api.limits.minImageSize);
  doc.close();
});
