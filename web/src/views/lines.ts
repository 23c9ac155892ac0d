// Lines: the eight line-ups of one team, each with its seven slots (goalie, two
// defencemen, three forwards, the extra attacker). A slot shows the roster entry its
// stored byte stands for; picking one stores the line.
import type { Context, View } from '../context';
import { fillchoice, h, picked, showchoice } from '../dom';
import { teampicker } from './teamlist';

const kSlots = ['Slot 1: the goalie', 'Slot 2: the first defenceman', 'Slot 3: the second defenceman',
  'Slot 4: the first forward', 'Slot 5: the second forward', 'Slot 6: the third forward', 'Slot 7: the extra attacker'];
const kHeads = ['Goalie', 'Defence 1', 'Defence 2', 'Forward 1', 'Forward 2', 'Forward 3', 'Extra Attacker'];
const kLineTips: Record<string, string> = {
  Best: 'the best line', SC1: 'scoring line 1', SC2: 'scoring line 2', CHK: 'checking line',
  PP1: 'power play line 1', PP2: 'power play line 2', PK1: 'penalty kill line 1', PK2: 'penalty kill line 2',
};

export function linesview(ctx: Context): View {
  const element = h('section', { class: 'lines' });
  const picker = teampicker(ctx, 'linesteam', () => render());
  const body = h('tbody');
  const boxes: HTMLSelectElement[][] = [];
  const names: HTMLElement[] = [];

  function build(): void {
    for (let l = 1; l <= ctx.doc().lines(1).lines.length; l++) {
      const name = h('th', { scope: 'row' });
      names.push(name);
      const row = kSlots.map((_, s) => {
        const select = h('select', { 'data-slot': String(s + 1) });
        select.addEventListener('change', () => {
          const positions: (number | null)[] = Array(kSlots.length).fill(null);
          positions[s] = picked(select);
          ctx.act(() => ctx.doc().setLine(picker.team(), l, positions));
        });
        return select;
      });
      boxes.push(row);
      body.append(h('tr', {}, name, ...row.map((s) => h('td', {}, s))));
    }
    element.append(h('h2', {}, 'Line Editor'), h('div', { class: 'row' }, picker.element),
      h('div', { class: 'scroll', role: 'region', tabindex: 0, 'aria-label': 'Lines' }, h('table', { class: 'grid' },
        h('thead', {}, h('tr', {}, h('th', { scope: 'col' }, 'Line'), ...kHeads.map((c, s) => h('th', { scope: 'col', title: kSlots[s] }, c)))),
        body)));
  }

  function render(): void {
    if (boxes.length === 0) build();
    picker.refresh();
    const { entries, lines } = ctx.doc().lines(picker.team());
    lines.forEach((line, i) => {
      const tip = kLineTips[line.name];
      names[i]!.textContent = line.name;
      if (tip) names[i]!.title = `${line.name}: ${tip}`;
      line.slots.forEach((stored, s) => {
        const select = boxes[i]![s]!;
        select.setAttribute('aria-label', `${kSlots[s]} of line ${line.name}`);
        fillchoice(select, entries);
        showchoice(select, stored, stored, entries.length);
      });
    });
  }

  return { id: 'lines', title: 'Lines', element, render };
}
