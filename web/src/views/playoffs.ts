// Playoffs: the number of selectable teams and the 512 playoff slots, shown a page of
// 128 at a time; a slot holds a team or none. Each pick is stored at once.
import type { Context, View } from '../context';
import { choice, fillchoice, h, picked, showchoice } from '../dom';

// The window's grid: sixteen slots to a row.
const kColumns = 16;

export function playoffsview(ctx: Context): View {
  const element = h('section', { class: 'playoffs' });
  const slots: HTMLSelectElement[] = [];
  let count: HTMLSelectElement;
  let page: HTMLSelectElement;
  let built = false;

  function storeslots(positions: Map<number, number | null>): void {
    const all: (number | null)[] = Array(ctx.doc().playoffs().slots.length).fill(null);
    for (const [k, p] of positions) all[k] = p;
    ctx.act(() => ctx.doc().setPlayoffs({ slots: all }));
  }

  function build(): void {
    const total = ctx.doc().playoffs().slots.length;
    const pages = Math.max(1, Math.ceil(total / ctx.api.limits.playoffPageSlots));
    count = choice('Selectable Teams in Playoffs:', Array.from(ctx.doc().teams(), (t) => String(t.index)), { id: 'playoffcount' });
    count.addEventListener('change', () => ctx.act(() => ctx.doc().setPlayoffs({ count: picked(count) })));
    page = choice(`Page of ${ctx.api.limits.playoffPageSlots} playoff slots, 1 to ${pages}`, Array.from({ length: pages }, (_, i) => `Page ${i + 1}`), { id: 'playoffpage' });
    page.addEventListener('change', render);
    const grid = h('div', { class: 'slots' });
    for (let i = 0; i < ctx.api.limits.playoffPageSlots; i++) {
      const select = h('select', {});
      select.addEventListener('change', () => storeslots(new Map([[page.selectedIndex * ctx.api.limits.playoffPageSlots + i, picked(select)]])));
      slots.push(select);
      grid.append(select);
    }
    const clear = h('button', { type: 'button' }, 'Clear All');
    clear.addEventListener('click', () => {
      const none = slots[0]!.options.length - (slots[0]!.querySelector('option[data-stored]') ? 2 : 1);
      storeslots(new Map(slots.map((_, i) => [page.selectedIndex * ctx.api.limits.playoffPageSlots + i, none])));
    });
    element.append(h('h2', {}, 'Playoff Editor'),
      h('div', { class: 'row' }, h('label', { for: 'playoffcount' }, 'Selectable Teams in Playoffs:'), count,
        h('label', { for: 'playoffpage' }, 'Page'), page, clear),
      h('div', { class: 'scroll', role: 'region', tabindex: 0, 'aria-label': 'Playoff slots' }, grid));
    built = true;
  }

  function render(): void {
    if (!built) build();
    const doc = ctx.doc();
    const { count: stored, countPosition, slots: bytes } = doc.playoffs();
    showchoice(count, countPosition, stored, doc.teams().length);
    const entries = [...doc.teams().map((t) => t.abbreviation), ' '];
    const p = Math.max(0, page.selectedIndex);
    slots.forEach((select, i) => {
      const k = p * ctx.api.limits.playoffPageSlots + i;
      select.setAttribute('aria-label',
        `Playoff slot ${k + 1} of ${bytes.length}: page ${p + 1}, row ${Math.floor(i / kColumns) + 1}, column ${(i % kColumns) + 1}`);
      fillchoice(select, entries);
      showchoice(select, bytes[k]!, bytes[k]!, entries.length);
    });
  }

  return { id: 'playoffs', title: 'Playoffs', element, render };
}
