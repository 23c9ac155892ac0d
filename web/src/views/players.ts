// Players: the roster grid of one team (role, name, number, the fourteen columns), the
// goalie and defence counts with their buttons, add and remove, the team average and
// Juice Team. Each change is stored at once, as one step of the team's roster. The grid's
// cells are light: their texts are painted under the table, and the grid's one text box
// and one list edit them.
import type { Player, Roster } from 'icevale-module';

import type { Context, View } from '../context';
import { choice, h, settext } from '../dom';
import { cellgrid, type CellGrid } from './cellgrid';
import { paintedcells, type PaintedCells } from './paintedcells';
import { teampicker } from './teamlist';
import { textbox } from './textbox';

interface GridRow {
  row: HTMLTableRowElement;
  role: HTMLTableCellElement;
  name: HTMLTableCellElement;
  number: HTMLTableCellElement;
  columns: HTMLTableCellElement[];
  /** the player as last shown */
  player: Player | null;
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
  let painted: PaintedCells;
  let table: HTMLTableElement;
  let built = false;
  let bytesleftnow = 0;

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
    for (let p = 1; p <= ctx.api.limits.maxPlayers; p++) {
      const of = ` of player ${p}`;
      const cell = (label: string, attrs: Record<string, string | number> = {}) =>
        h('td', { role: 'gridcell', 'aria-label': `${label}${of}`, ...attrs });
      const cells = columns.map((c, j) => cell(c.caption, { class: 'entry', 'aria-haspopup': 'listbox', title: c.tip, 'data-column': j }));
      const role = cell('Role', { class: 'role', 'aria-readonly': 'true' });
      const name = cell('Name', { class: 'name' });
      const number = cell('Number', { class: 'number' });
      const row = h('tr', { role: 'row', 'aria-rowindex': p + 1, 'data-player': p }, h('th', { scope: 'row', role: 'rowheader' }, String(p)),
        role, name, number, ...cells);
      rows.push({ row, role, name, number, columns: cells, player: null });
      body.append(row);
    }
    // Each column is as wide as its longest entry (or a stored value shown as "?255"), so
    // that no text changes the table's layout.
    const widths = ['2em', '2.4em', '10em', '3.4em', ...entries.map((e) => `calc(${Math.max(4, ...e.map((t) => t.length))}ch + .6em)`)];
    const head = h('tr', { role: 'row', 'aria-rowindex': 1 }, h('th', { scope: 'col', role: 'columnheader' }, '#'),
      h('th', { scope: 'col', role: 'columnheader' }, 'Role'), h('th', { scope: 'col', role: 'columnheader' }, 'Name'),
      h('th', { scope: 'col', role: 'columnheader' }, 'No.'),
      ...columns.map((c) => h('th', { scope: 'col', role: 'columnheader', title: c.tip }, c.caption)));
    table = h('table', { class: 'grid', role: 'grid', 'aria-label': 'Roster' },
      h('colgroup', {}, ...widths.map((w) => h('col', { style: `width: ${w}` }))), h('thead', {}, head), body);
    const holder = h('div', { class: 'scroll' }, table);
    painted = paintedcells(holder, table);
    const at = (cell: HTMLTableCellElement) => {
      const p = Number((cell.parentElement as HTMLElement).dataset['player']);
      return { p, player: rows[p - 1]!.player, column: Number(cell.dataset['column'] ?? NaN) };
    };
    grid = cellgrid(holder, body, textbox(ctx.api, ''), {
      choice(cell) {
        const { player, column } = at(cell);
        if (!player || Number.isNaN(column)) return null;
        const v = player.columns[column]!;
        return { label: cell.getAttribute('aria-label') ?? '', entries: entries[column]!, position: v, stored: v };
      },
      pick(cell, position) {
        const { p, column } = at(cell);
        const values: (number | null)[] = Array(columns.length).fill(null);
        values[column] = position;
        ctx.act(() => doc().setPlayer(team(), p, { columns: values }));
      },
      text(cell) {
        const { player } = at(cell);
        const label = cell.getAttribute('aria-label') ?? '';
        if (!player) return null;
        if (cell.classList.contains('name')) {
          return { label, text: player.name, limit: ctx.api.playerNameLimit(player.name.length, bytesleftnow), digits: false };
        }
        if (cell.classList.contains('number')) return { label, text: player.number, limit: ctx.api.limits.numberLength, digits: true };
        return null;
      },
      store(cell, text) {
        const { p } = at(cell);
        if (cell.classList.contains('name')) return ctx.act(() => doc().setPlayer(team(), p, { name: text }), true);
        ctx.act(() => doc().setPlayer(team(), p, { number: text }));
        return true;
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
    bytesleftnow = roster.bytesLeft;
    rows.forEach((r, i) => {
      const player = roster.players[i] ?? null;
      r.player = player;
      if (r.row.hidden !== !player) r.row.hidden = !player;
      if (!player) return;
      painted.set(r.role, player.role);
      painted.set(r.name, player.name);
      painted.set(r.number, player.number);
      player.columns.forEach((v, j) => painted.set(r.columns[j]!, entrytext(j, v)));
    });
    painted.flush();
    grid.settle();
  }

  function render(): void {
    if (!built) build();
    picker.refresh();
    show(ctx.doc().roster(team()));
  }

  return { id: 'players', title: 'Players', element, render };
}
