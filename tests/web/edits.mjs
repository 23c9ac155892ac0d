// One edit in each view, made twice: in the page as a person makes it, and in the tool's
// JSON export, from which `icevale-tool import` writes the image the page must save.
// Each edit picks its new values from the export so that they differ from the image's.
import assert from 'node:assert/strict';

import { tool, view } from './support.mjs';

// The visible view (the hidden ones are out of a person's reach).
const panel = (page) => page.getByRole('tabpanel');

async function typein(box, text) {
  await box.click();
  await box.fill(text);
  await box.press('Tab');
}

async function pickteam(page, index) {
  await panel(page).getByRole('combobox', { name: 'Team', exact: true }).selectOption({ index: index - 1 });
}

// A text one character shorter, so that it always fits where the old one did.
const shorter = (text) => (text.length > 1 ? text.slice(0, -1) : 'Q');
// One step along a colour bar, back where the bar ends.
const nudge = (value) => (value < 31 ? [value + 1, 'ArrowRight'] : [value - 1, 'ArrowLeft']);

export const edits = [
  {
    view: 'Teams',
    plan(json) {
      const [first, second] = json.teams;
      first.location = shorter(first.location);
      second.overall = (second.overall + 7) % 256;
      json.menu_names.first = shorter(json.menu_names.first);
      return { location: first.location, overall: String(second.overall), menu: json.menu_names.first };
    },
    async act(page, v) {
      await typein(panel(page).getByLabel('Location name of team 1', { exact: true }), v.location);
      await typein(panel(page).getByLabel('Overall number of team 2, 0 to 255', { exact: true }), v.overall);
      await typein(panel(page).getByLabel('First menu display name', { exact: true }), v.menu);
    },
  },
  {
    view: 'Players',
    plan(json) {
      const player = json.teams[1].players[0];
      player.name = shorter(player.name);
      player.speed = player.speed === 85 ? 65 : 85;
      return { name: player.name, speed: String(player.speed) };
    },
    async act(page, v) {
      await pickteam(page, 2);
      // The grid's cells are text; a click opens the grid's text box over the cell.
      await panel(page).getByRole('gridcell', { name: 'Name of player 1', exact: true }).click();
      await typein(panel(page).getByRole('textbox', { name: 'Name of player 1', exact: true }), v.name);
      await panel(page).getByRole('gridcell', { name: 'Speed of player 1', exact: true }).dblclick();
      await panel(page).getByRole('listbox', { name: 'Speed of player 1', exact: true }).selectOption({ label: v.speed });
    },
  },
  {
    view: 'Lines',
    plan(json) {
      const team = json.teams[0];
      const slot = team.lines.best[3];
      // Another player of the roster with a plain jersey number, as the slot box names him.
      const k = team.players.findIndex((p, i) => i + 1 !== slot.player && typeof p.number === 'number') + 1;
      team.lines.best[3] = k;
      const p = team.players[k - 1];
      return { entry: `${p.name} #${p.number}` };
    },
    async act(page, v) {
      await pickteam(page, 1);
      await panel(page).getByLabel(/^Slot 4: .* of line Best$/).selectOption({ label: v.entry });
    },
  },
  {
    view: 'Uniform colours',
    plan(json) {
      const away = json.teams[0].uniforms.away;
      const [red, key] = nudge(away.sleeves[0]);
      away.sleeves = [red, ...away.sleeves.slice(1)];
      away.shorts = [...away.sleeves];
      return { key };
    },
    // Moves the red bar of the sleeves by one, then copies their colour to the shorts.
    async act(page, v) {
      await pickteam(page, 1);
      const cells = panel(page).getByRole('group', { name: 'Uniform cells' });
      await cells.getByRole('button', { name: /Sleeves$/ }).click();
      await panel(page).getByRole('slider', { name: /^Red/ }).press(v.key);
      await panel(page).getByRole('button', { name: 'Copy Color' }).click();
      await cells.getByRole('button', { name: /Shorts$/ }).click();
      await panel(page).getByRole('button', { name: 'Paste Color' }).click();
    },
  },
  {
    view: 'Banner colours',
    plan(json) {
      const colours = json.teams[0].banner.colours;
      const [green, key] = nudge(colours[0][1]);
      colours[0] = [colours[0][0], green, colours[0][2]];
      return { key };
    },
    async act(page, v) {
      await pickteam(page, 1);
      await panel(page).getByRole('button', { name: 'Banner cell 1', exact: true }).click();
      await panel(page).getByRole('slider', { name: /^Green/ }).press(v.key);
    },
  },
  {
    view: 'Banner texts',
    plan(json) {
      const banner = json.teams[2].banner;
      banner.text = shorter(banner.text);
      return { text: banner.text };
    },
    async act(page, v) {
      await typein(panel(page).getByLabel('Banner text of team 3', { exact: true }), v.text);
    },
  },
  {
    view: 'Playoffs',
    plan(json) {
      const playoffs = json.season.playoffs;
      playoffs.count = playoffs.count === 8 ? 16 : 8;
      const team = json.teams.find((t) => t.abbreviation !== playoffs.slots[0]);
      playoffs.slots[0] = team.abbreviation;
      return { count: String(playoffs.count), team: team.abbreviation };
    },
    async act(page, v) {
      await panel(page).getByLabel('Selectable Teams in Playoffs:').selectOption({ label: v.count });
      await panel(page).getByLabel(/^Playoff slot 1 of /).selectOption({ label: v.team });
    },
  },
  {
    view: 'Menu defaults',
    plan(json) {
      const defaults = json.season.menu_defaults;
      defaults[3] = defaults[3] === '5 Minutes' ? '10 Minutes' : '5 Minutes';
      return { length: defaults[3] };
    },
    async act(page, v) {
      await panel(page).getByLabel('Period length', { exact: true }).selectOption({ label: v.length });
    },
  },
];

// Lets `chosen` pick their values in the tool's export of s.smc and imports that with the
// tool; gives each edit's values and the tool's image.
export function planned(dir, chosen = edits) {
  const json = JSON.parse(tool(dir, 'export', 's.smc').out);
  const values = chosen.map((edit) => edit.plan(json));
  dir.write('edits.json', JSON.stringify(json));
  const imported = tool(dir, 'import', 's.smc', 'edits.json', '-o', 'edited.smc');
  assert.equal(imported.status, 0, imported.err);
  return { values, image: dir.read('edited.smc') };
}

// Makes each edit in its view.
export async function editall(page, values, chosen = edits) {
  for (const [i, edit] of chosen.entries()) {
    await view(page, edit.view);
    await edit.act(page, values[i]);
  }
}

// Checks that `bytes` are the tool's image for the planned edits; else tells how they
// differ, in the tool's words.
export function assertimage(dir, bytes, image, what) {
  if (Buffer.from(bytes).equals(image)) return;
  dir.write('saved.smc', bytes);
  dir.write('expected.smc', image);
  const diff = tool(dir, 'diff', 'expected.smc', 'saved.smc');
  assert.fail(`${what} differs from the tool's image:\n${diff.out}${diff.err}`);
}
