// Players: the roster grid of one team (role, name, number, the fourteen columns), the
// goalie and defence counts with their buttons, add and remove, the team average and
// Juice Team. Each change is stored at once, as one step of the team's roster. The
// fourteen columns are light cells showing their entry, edited through the grid's one list.
import type { Roster } from 'icevale-module';

import type { Context, View } from '../context';
import { choice, h, setvalue, settext } from '../dom';
import { cellgrid, type CellGrid } from './cellgrid';
import { teampicker } from './teamlist';
import { digitbox, setlimit, textbox } from './textbox';

interface GridRow {
  row: HTMLTableRowElement;
  role: HTMLElement;
  name: HTMLInputElement;
  number: HTMLInputElement;
  /** the columns' texts, each in its cell */
  columns: HTMLElement[];
  /** the stored values of the columns, as last shown */
  values: number[];
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
  let entries: (readonly string[])[] = [];
  let grid: CellGrid;
  let table: HTMLTableElement;
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

  // A column's text for a stored value: its entry, or "?value" where it has none.
  const entrytext = (j: number, v: number) => entries[j]![v] ?? `?${v}`;

  function build(): void {
    const columns = ctx.api.columns();
    entries = columns.map((c) => c.entries);
    const doc = () => ctx.doc();
    const body = h('tbody');
    // Each text is sized for the column's longest entry (or a stored value shown as "?255")
    // and contained, so that a new text lays out alone instead of the whole table.
    const widths = entries.map((e) => `calc(${Math.max(4, ...e.map((t) => t.length))}ch + .4em)`);
    for (let p = 1; p <= ctx.api.limits.maxPlayers; p++) {
      const of = ` of player ${p}`;
      const name = textbox(ctx.api, `Name${of}`, { class: 'name' });
      const number = digitbox(`Number${of}`, ctx.api.limits.numberLength);
      const texts = widths.map((w) => h('span', { class: 'text', style: `width: ${w}` }));
      const cells = columns.map((c, j) => h('td', { role: 'gridcell', class: 'entry', 'aria-label': `${c.caption}${of}`,
        'aria-haspopup': 'listbox', title: c.tip, 'data-column': j }, texts[j]));
      name.addEventListener('change', () => name.toggleAttribute('aria-invalid', !ctx.act(() => doc().setPlayer(team(), p, { name: name.value }), true)));
      number.addEventListener('change', () => ctx.act(() => doc().setPlayer(team(), p, { number: number.value })));
      const role = h('span', { class: 'text' });
      const row = h('tr', { role: 'row', 'aria-rowindex': p + 1, 'data-player': p }, h('th', { scope: 'row', role: 'rowheader' }, String(p)),
        h('td', { role: 'gridcell', class: 'role', 'aria-readonly': 'true' }, role),
        h('td', { role: 'gridcell' }, name), h('td', { role: 'gridcell' }, number), ...cells);
      rows.push({ row, role, name, number, columns: texts, values: columns.map(() => -1) });
      body.append(row);
    }
    const head = h('tr', { role: 'row', 'aria-rowindex': 1 }, h('th', { scope: 'col', role: 'columnheader' }, '#'),
      h('th', { scope: 'col', role: 'columnheader' }, 'Role'), h('th', { scope: 'col', role: 'columnheader' }, 'Name'),
      h('th', { scope: 'col', role: 'columnheader' }, 'No.'),
      ...columns.map((c) => h('th', { scope: 'col', role: 'columnheader', title: c.tip }, c.caption)));
    table = h('table', { class: 'grid', role: 'grid', 'aria-label': 'Roster' }, h('thead', {}, head), body);
    const holder = h('div', { class: 'scroll' }, table);
    grid = cellgrid(holder, body, {
      choice(cell) {
        const j = Number(cell.dataset['column'] ?? NaN);
        const p = Number((cell.parentElement as HTMLElement).dataset['player']);
        if (Number.isNaN(j)) return null;
        const v = rows[p - 1]!.values[j]!;
        return { label: cell.getAttribute('aria-label') ?? '', entries: entries[j]!, position: v, stored: v };
      },
      pick(cell, position) {
        const j = Number(cell.dataset['column']);
        const p = Number((cell.parentElement as HTMLElement).dataset['player']);
        const values: (number | null)[] = Array(columns.length).fill(null);
        values[j] = position;
        ctx.act(() => doc().setPlayer(team(), p, { columns: values }));
      },
    });

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
      holder,
      h('div', { class: 'row' },
        button('Add Player', 'Add Player', (t) => doc().addPlayer(t)),
        button('Remove Player', 'Remove Player', (t) => doc().removePlayer(t)),
        h('span', {}, juicebutton, ' ', juice),
        average));
    grid.reset();
    built = true;
  }

  function show(roster: Roster): void {
    settext(counts.goalies, String(roster.goalies));
    settext(counts.forwards, String(roster.forwards));
    settext(counts.defencemen, String(roster.defencemen));
    settext(bytesleft, roster.bytesLeftLabel);
    settext(average, roster.averageLabel);
    table.setAttribute('aria-rowcount', String(roster.players.length + 1));
    rows.forEach((r, i) => {
      const player = roster.players[i];
      r.row.hidden = !player;
      if (!player) return;
      settext(r.role, player.role);
      setvalue(r.name, player.name);
      r.name.removeAttribute('aria-invalid');
      setlimit(r.name, ctx.api.playerNameLimit(player.name.length, roster.bytesLeft));
      setvalue(r.number, player.number);
      player.columns.forEach((v, j) => {
        r.values[j] = v;
        settext(r.columns[j]!, entrytext(j, v));
      });
    });
    grid.settle();
  }

  function render(): void {
    if (!built) build();
    picker.refresh();
    show(ctx.doc().roster(team()));
  }

  return { id: 'players', title: 'Players', element, render };
}
