// Players: the roster grid of one team (role, name, number, the fourteen columns), the
// goalie and defence counts with their buttons, add and remove, the team average and
// Juice Team. Each change is stored at once, as one step of the team's roster.
import type { Roster } from 'icevale-module';

import type { Context, View } from '../context';
import { choice, h, picked, setvalue, settext, showchoice } from '../dom';
import { teampicker } from './teamlist';
import { digitbox, setlimit, textbox } from './textbox';

interface GridRow {
  row: HTMLTableRowElement;
  role: HTMLElement;
  name: HTMLInputElement;
  number: HTMLInputElement;
  columns: HTMLSelectElement[];
}

export function playersview(ctx: Context): View {
  const element = h('section', { class: 'players' });
  const picker = teampicker(ctx, 'playersteam', () => render());
  const rows: GridRow[] = [];
  const counts = { goalies: h('output', { 'aria-label': 'Goalies' }), forwards: h('output', { 'aria-label': 'Forwards' }),
    defencemen: h('output', { 'aria-label': 'Defencemen' }) };
  const bytesleft = h('output', { 'aria-label': 'Bytes left for player names' });
  const average = h('output', { 'aria-label': 'Team average' });
  let juice: HTMLSelectElement;
  let entries: number[] = [];
  let built = false;

  const team = () => picker.team();

  function button(caption: string, tip: string, rule: (t: number) => string | null): HTMLButtonElement {
    const b = h('button', { type: 'button', title: tip, 'aria-label': tip }, caption);
    b.addEventListener('click', () => ctx.act(() => {
      const step = rule(team());
      if (!step) ctx.status(`${tip}: not possible for this roster, so nothing changed.`);
      return step;
    }));
    return b;
  }

  function build(): void {
    const columns = ctx.api.columns();
    entries = columns.map((c) => c.entries.length);
    const doc = () => ctx.doc();
    const body = h('tbody');
    for (let p = 1; p <= ctx.api.limits.maxPlayers; p++) {
      const of = ` of player ${p}`;
      const name = textbox(ctx.api, `Name${of}`, { class: 'name' });
      const number = digitbox(`Number${of}`, ctx.api.limits.numberLength);
      const selects = columns.map((c, j) => {
        const select = choice(`${c.caption}${of}`, c.entries, { title: c.tip });
        select.style.setProperty('--width', `calc(${Math.max(...c.entries.map((e) => e.length))}ch + 2.4em)`);
        select.addEventListener('change', () => {
          const values: (number | null)[] = Array(columns.length).fill(null);
          values[j] = picked(select);
          ctx.act(() => doc().setPlayer(team(), p, { columns: values }));
        });
        return select;
      });
      name.addEventListener('change', () => name.toggleAttribute('aria-invalid', !ctx.act(() => doc().setPlayer(team(), p, { name: name.value }), true)));
      number.addEventListener('change', () => ctx.act(() => doc().setPlayer(team(), p, { number: number.value })));
      const role = h('td', { class: 'role' });
      const row = h('tr', {}, h('th', { scope: 'row' }, String(p)), role, h('td', {}, name), h('td', {}, number),
        ...selects.map((s) => h('td', {}, s)));
      rows.push({ row, role, name, number, columns: selects });
      body.append(row);
    }
    const head = h('tr', {}, h('th', { scope: 'col' }, '#'), h('th', { scope: 'col' }, 'Role'), h('th', { scope: 'col' }, 'Name'),
      h('th', { scope: 'col' }, 'No.'), ...columns.map((c) => h('th', { scope: 'col', title: c.tip }, c.caption)));

    juice = choice('Juice Team rating', ctx.api.ratingEntries(), { id: 'juiceentry' });
    const juicebutton = h('button', { type: 'button' }, 'Juice Team:');
    juicebutton.addEventListener('click', () => ctx.act(() => doc().juiceTeam(team(), juice.selectedIndex)));

    element.append(
      h('h2', {}, 'PLAYER EDITOR'),
      h('div', { class: 'row' }, picker.element,
        h('span', {}, 'Goalies ', counts.goalies, ' ',
          button('+', 'One goalie more: the first forward becomes the last goalie', (t) => doc().goaliePlus(t)),
          button('-', 'One goalie less: the last goalie becomes the first forward', (t) => doc().goalieMinus(t))),
        h('span', {}, 'Forwards ', counts.forwards),
        h('span', {}, 'Defencemen ', counts.defencemen, ' ',
          button('+', 'One defenceman more: the last forward becomes the first defenceman', (t) => doc().defencePlus(t)),
          button('-', 'One defenceman less: the first defenceman becomes the last forward', (t) => doc().defenceMinus(t))),
        bytesleft),
      h('div', { class: 'scroll', role: 'region', tabindex: 0, 'aria-label': 'Roster' }, h('table', { class: 'grid' }, h('thead', {}, head), body)),
      h('div', { class: 'row' },
        button('Add Player', 'Add Player', (t) => doc().addPlayer(t)),
        button('Remove Player', 'Remove Player', (t) => doc().removePlayer(t)),
        h('span', {}, juicebutton, ' ', juice),
        average));
    built = true;
  }

  function show(roster: Roster): void {
    settext(counts.goalies, String(roster.goalies));
    settext(counts.forwards, String(roster.forwards));
    settext(counts.defencemen, String(roster.defencemen));
    settext(bytesleft, roster.bytesLeftLabel);
    settext(average, roster.averageLabel);
    rows.forEach((r, i) => {
      const player = roster.players[i];
      r.row.hidden = !player;
      if (!player) return;
      settext(r.role, player.role);
      setvalue(r.name, player.name);
      r.name.removeAttribute('aria-invalid');
      setlimit(r.name, ctx.api.playerNameLimit(player.name.length, roster.bytesLeft));
      setvalue(r.number, player.number);
      player.columns.forEach((v, j) => showchoice(r.columns[j]!, v, v, entries[j]!));
    });
  }

  function render(): void {
    if (!built) build();
    picker.refresh();
    show(ctx.doc().roster(team()));
  }

  return { id: 'players', title: 'Players', element, render };
}
