// Menu defaults: the seven lists of the game's menus and the selectable team count,
// each stored as it is picked.
import type { Context, View } from '../context';
import { fillchoice, h, picked, showchoice } from '../dom';

const kFields = ['Game mode', 'First team', 'Second team', 'Period length',
  'Menu default 5: Off, On, or Off with no offsides', 'Menu default 6: Off, On or Automatic', 'Menu default 7: Automatic or Manual'];

export function menuview(ctx: Context): View {
  const element = h('section', {});
  const boxes: HTMLSelectElement[] = [];
  let teams: HTMLSelectElement;

  function build(): void {
    const grid = h('div', { class: 'menu' });
    kFields.forEach((caption, f) => {
      const select = h('select', { id: `menufield${f + 1}` });
      select.addEventListener('change', () => {
        const fields: (number | null)[] = Array(kFields.length).fill(null);
        fields[f] = picked(select);
        ctx.act(() => ctx.doc().setMenuDefaults({ fields }));
      });
      boxes.push(select);
      grid.append(h('label', { for: select.id }, caption), select);
    });
    teams = h('select', { id: 'selectableteams' });
    fillchoice(teams, Array.from(ctx.doc().teams(), (t) => String(t.index)));
    teams.addEventListener('change', () => ctx.act(() => ctx.doc().setMenuDefaults({ selectableTeams: picked(teams) })));
    grid.append(h('label', { for: 'selectableteams' }, 'Selectable Teams:'), teams);
    element.append(h('h2', {}, 'Menu Editor'), grid);
  }

  return {
    id: 'menu',
    title: 'Menu defaults',
    element,
    render() {
      if (boxes.length === 0) build();
      const values = ctx.doc().menuDefaults();
      values.fields.forEach((field, f) => {
        const select = boxes[f]!;
        fillchoice(select, field.entries);
        showchoice(select, field.position, field.stored, field.entries.length);
      });
      showchoice(teams, values.selectableTeamsPosition, values.selectableTeams, ctx.doc().teams().length);
    },
  };
}
