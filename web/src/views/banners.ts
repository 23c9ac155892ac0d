// Banner colours: the fourteen cells of a team's banner (two rows and the outline
// colour), the bars of the selected cell, Blackout and Auto Color.
import type { Rgb } from 'icevale-module';

import type { Context, View } from '../context';
import { h, setvalue } from '../dom';
import { colourbars } from './colourbars';
import { teampicker } from './teamlist';

export function bannersview(ctx: Context): View {
  const element = h('section', { class: 'banners' });
  const picker = teampicker(ctx, 'bannersteam', () => render());
  const count = ctx.api.limits.bannerCells;
  let cell = 0;
  let rows: Rgb[] = [];
  const cellbuttons: HTMLButtonElement[] = [];
  const text = h('input', { type: 'text', readonly: true, 'aria-label': 'Banner text (shown only; edit it in Banner texts)' });
  const bars = colourbars(ctx.api.limits.componentMax, (colour) => {
    const next = rows.slice();
    next[cell] = colour;
    ctx.act(() => ctx.doc().setBannerColours(picker.team(), next));
  });
  let built = false;

  function cellbutton(k: number, caption: string): HTMLButtonElement {
    const b = h('button', { type: 'button', class: 'cell', 'aria-pressed': 'false', 'aria-label': caption },
      h('span', { class: 'swatch', 'aria-hidden': 'true' }));
    b.addEventListener('click', () => {
      cell = k;
      render();
    });
    cellbuttons.push(b);
    return b;
  }

  function build(): void {
    const first = h('div', { class: 'banner', role: 'group', 'aria-label': 'Banner cells, first row' });
    const second = h('div', { class: 'banner', role: 'group', 'aria-label': 'Banner cells, second row' });
    for (let k = 0; k < count - 1; k++) (k < 6 ? first : second).append(cellbutton(k, `Banner cell ${k + 1}`));
    const outline = cellbutton(count - 1, 'Outline Color');
    const blackout = h('button', { type: 'button' }, 'Blackout');
    blackout.addEventListener('click', () => ctx.act(() => ctx.doc().blackout(picker.team())));
    const auto = h('button', { type: 'button' }, 'Auto Color');
    auto.addEventListener('click', () => ctx.act(() => ctx.doc().autoColour(picker.team())));
    element.append(h('h2', {}, 'Banner Editor'), h('div', { class: 'row' }, picker.element),
      h('div', { class: 'colours' },
        h('div', {}, first, second, h('div', { class: 'row' }, outline, h('span', {}, 'Outline Color')), text),
        h('div', {}, bars.element, h('div', { class: 'row' }, auto, blackout),
          h('p', { class: 'note' }, "To use autocolor, fill the leftmost cell with the desired color and then click 'auto color'."))));
    built = true;
  }

  function render(): void {
    if (!built) build();
    picker.refresh();
    const t = picker.team();
    rows = ctx.doc().bannerColours(t);
    rows.forEach((c, k) => {
      const b = cellbuttons[k]!;
      (b.firstElementChild as HTMLElement).style.background = ctx.api.screenColour(c);
      b.setAttribute('aria-pressed', String(k === cell));
    });
    setvalue(text, ctx.doc().bannerTexts().texts[t - 1] ?? '');
    bars.show(rows[cell]!);
  }

  return { id: 'banners', title: 'Banner colours', element, render };
}
