// The team picker the views with one team at a time share: a labelled select of the 28
// teams, kept in step with their names.
import type { Context } from '../context';
import { fillchoice, h, teamentries } from '../dom';

export interface TeamPicker {
  readonly element: HTMLElement;
  /** the team shown, 1..28 */
  team(): number;
  /** refreshes the names of the list */
  refresh(): void;
}

export function teampicker(ctx: Context, id: string, changed: () => void): TeamPicker {
  const select = h('select', { id });
  select.addEventListener('change', changed);
  const element = h('span', { class: 'teampick' }, h('label', { for: id }, 'Team'), ' ', select);
  return {
    element,
    team: () => Math.max(0, select.selectedIndex) + 1,
    refresh() {
      const keep = Math.max(0, select.selectedIndex);
      fillchoice(select, teamentries(ctx.doc().teams()));
      select.selectedIndex = keep;
    },
  };
}
