// Teams: each team's four texts, overall number and the bytes its text block has left,
// and the two menu display names. A row is stored when one of its boxes is left changed.
import type { TeamRow } from 'icevale-module';

import type { Context, View } from '../context';
import { h, setvalue, settext } from '../dom';
import { setlimit, textbox } from './textbox';

const kFields = [
  ['location', 'Location name'],
  ['nickname', 'Nickname'],
  ['abbreviation', 'Abbreviation'],
  ['arena', 'Arena name'],
] as const;
type Field = (typeof kFields)[number][0];
// The order the module counts a team's texts in.
const kRoomOrder: Field[] = ['location', 'abbreviation', 'nickname', 'arena'];

interface Row {
  boxes: Record<Field, HTMLInputElement>;
  overall: HTMLInputElement;
  left: HTMLElement;
}

export function teamsview(ctx: Context): View {
  const element = h('section', { class: 'teams' });
  const rows: Row[] = [];
  let first: HTMLInputElement, second: HTMLInputElement;

  function room(t: number): void {
    const row = rows[t - 1]!;
    const space = ctx.api.teamTextRoom(t, kRoomOrder.map((f) => row.boxes[f].value.length));
    settext(row.left, String(space.bytesLeft));
    row.left.classList.toggle('over', space.bytesLeft < 0);
    kRoomOrder.forEach((f, i) => setlimit(row.boxes[f], space.limits[i]!));
  }

  function store(t: number): void {
    const row = rows[t - 1]!;
    const ok = ctx.act(() => ctx.doc().setTeam(t, {
      location: row.boxes.location.value, nickname: row.boxes.nickname.value,
      abbreviation: row.boxes.abbreviation.value, arena: row.boxes.arena.value, overall: row.overall.value,
    }), true);
    for (const box of [...Object.values(row.boxes), row.overall]) box.toggleAttribute('aria-invalid', !ok);
  }

  function namelimits(): void {
    const [a, b] = ctx.api.menuNameLimits(first.value.length, second.value.length);
    setlimit(first, a);
    setlimit(second, b);
  }

  function build(): void {
    const head = h('tr', {}, ...['Team', ...kFields.map((f) => f[1]), 'Overall', 'Bytes left'].map((c) => h('th', { scope: 'col' }, c)));
    const body = h('tbody');
    for (let t = 1; t <= ctx.doc().teams().length; t++) {
      const of = ` of team ${t}`;
      const boxes = Object.fromEntries(kFields.map(([f, caption]) => [f, textbox(ctx.api, caption + of, { class: f })])) as Record<Field, HTMLInputElement>;
      const overall = h('input', { type: 'text', inputmode: 'decimal', class: 'number', 'aria-label': `Overall number${of}, 0 to 255`, maxlength: String(ctx.api.limits.overallLength) });
      const left = h('output', { 'aria-label': `Bytes left in the text block${of}` });
      rows.push({ boxes, overall, left });
      for (const box of Object.values(boxes)) {
        box.addEventListener('input', () => room(t));
        box.addEventListener('change', () => store(t));
      }
      overall.addEventListener('change', () => store(t));
      body.append(h('tr', {}, h('th', { scope: 'row' }, String(t)),
        ...kFields.map(([f]) => h('td', {}, boxes[f])), h('td', {}, overall), h('td', {}, left)));
    }
    first = textbox(ctx.api, 'First menu display name', { id: 'menuname1' });
    second = textbox(ctx.api, 'Second menu display name', { id: 'menuname2' });
    for (const box of [first, second]) {
      box.addEventListener('input', namelimits);
      box.addEventListener('change', () => {
        const ok = ctx.act(() => ctx.doc().setMenuNames({ first: first.value, second: second.value }), true);
        first.toggleAttribute('aria-invalid', !ok);
        second.toggleAttribute('aria-invalid', !ok);
      });
    }
    element.append(
      h('h2', {}, 'TeamEditor'),
      h('div', { class: 'menunames' }, h('span', { id: 'menunameslabel' }, 'Menu Display Names:'), first, second),
      h('div', { class: 'scroll', role: 'region', tabindex: 0, 'aria-label': 'Teams' }, h('table', { class: 'grid' }, h('thead', {}, head), body)));
  }

  function show(team: TeamRow): void {
    const row = rows[team.index - 1]!;
    for (const [f] of kFields) setvalue(row.boxes[f], team[f]);
    setvalue(row.overall, String(team.overall));
    for (const box of [...Object.values(row.boxes), row.overall]) box.removeAttribute('aria-invalid');
    room(team.index);
  }

  return {
    id: 'teams',
    title: 'Teams',
    element,
    render() {
      if (rows.length === 0) build();
      for (const team of ctx.doc().teams()) show(team);
      const names = ctx.doc().menuNames();
      setvalue(first, names.first);
      setvalue(second, names.second);
      first.removeAttribute('aria-invalid');
      second.removeAttribute('aria-invalid');
      namelimits();
    },
  };
}
