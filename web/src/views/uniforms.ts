// Uniform colours: the eleven cells of a team's away or home uniform, its picture, the
// bars of the selected cell, flipping home and away, copying and pasting a colour.
import type { Rgb } from 'icevale-module';

import type { Context, View } from '../context';
import { h, settext } from '../dom';
import { colourbars } from './colourbars';
import { teampicker } from './teamlist';

const kCells: [string, string][] = [
  ['Sleeves', 'Editing Sleeves'],
  ['Shorts', 'Editing Shorts'],
  ['Socks', 'Editing Socks'],
  ['Top Part', 'Editing Top Part'],
  ['Skin', 'Editing Skin'],
  ['Top Trim Top Sock', 'Editing Top Sleeve Trim and Top Sock'],
  ['Bottom Trim & Main Sock', 'Editing Bottom Sleeve Trim and Main Sock'],
  ['Middle Trim and Belt', 'Editing Middle Sleeve Trim and Belt'],
  ['Jersey Main', 'Editing Main Jersey 1'],
  ['Jersey Main', 'Editing Main Jersey 2'],
  ['Top Trim', 'Editing Top Trim'],
];

// The picture's pieces in the window's twips, bottom first; cell -1 keeps the background.
const kPicture: [number, number, number, number, number][] = [
  [0, 2160, 720, 1935, 1215], [5, 2160, 1080, 1935, 135], [7, 2160, 1200, 1935, 135], [6, 2160, 1320, 1935, 135],
  [8, 2520, 600, 615, 1575], [9, 3120, 600, 615, 1575], [3, 2640, 360, 975, 135], [10, 2520, 480, 1215, 135],
  [7, 2520, 2160, 1215, 135], [1, 2520, 2280, 1215, 735], [2, 2760, 3120, 735, 735], [2, 2640, 3600, 975, 255],
  [5, 2760, 3240, 735, 135], [6, 2760, 3360, 735, 135], [-1, 3000, 3120, 255, 735],
];

const svgns = 'http://www.w3.org/2000/svg';

export function uniformsview(ctx: Context): View {
  const element = h('section', { class: 'uniforms' });
  const picker = teampicker(ctx, 'uniformsteam', () => render());
  let side: 'away' | 'home' = 'away';
  let cell = 0;
  let copied: Rgb = { red: 0, green: 0, blue: 0 };
  let cells: Rgb[] = [];
  const cellbuttons: HTMLButtonElement[] = [];
  const swatches: HTMLElement[] = [];
  const pieces: SVGRectElement[] = [];
  const editing = h('p', { class: 'editing', 'aria-live': 'polite' });
  const swatch = h('span', { class: 'swatch big', role: 'img', 'aria-label': 'Swatch' });
  const sidebutton = h('button', { type: 'button', id: 'uniformside' }, 'Editing Away');
  const bars = colourbars(ctx.api.limits.componentMax, (colour) =>
    ctx.act(() => ctx.doc().setUniformColour(picker.team(), side, cell, colour)));
  let built = false;

  function build(): void {
    const list = h('div', { class: 'cells', role: 'group', 'aria-label': 'Uniform cells' });
    kCells.forEach(([caption], k) => {
      const sw = h('span', { class: 'swatch', 'aria-hidden': 'true' });
      const b = h('button', { type: 'button', class: 'cell', 'aria-pressed': 'false', 'aria-label': `Cell ${k + 1}: ${caption}` },
        sw, `${caption}`);
      b.addEventListener('click', () => {
        cell = k;
        render();
      });
      cellbuttons.push(b);
      swatches.push(sw);
      list.append(b);
    });
    const svg = document.createElementNS(svgns, 'svg');
    svg.setAttribute('viewBox', '2100 300 2055 3615');
    svg.setAttribute('class', 'uniform');
    svg.setAttribute('role', 'img');
    svg.setAttribute('aria-label', 'Picture of the uniform');
    for (const [k, x, y, w, hh] of kPicture) {
      const rect = document.createElementNS(svgns, 'rect');
      for (const [a, v] of [['x', x], ['y', y], ['width', w], ['height', hh]] as const) rect.setAttribute(a, String(v));
      rect.dataset.cell = String(k);
      if (k < 0) rect.setAttribute('fill', 'var(--bg)');
      pieces.push(rect);
      svg.append(rect);
    }
    sidebutton.addEventListener('click', () => {
      side = side === 'away' ? 'home' : 'away';
      render();
    });
    const flip = h('button', { type: 'button' }, 'Flip Home and Away Jerseys');
    flip.addEventListener('click', () => ctx.act(() => ctx.doc().flipUniforms(picker.team())));
    const copy = h('button', { type: 'button' }, 'Copy Color');
    copy.addEventListener('click', () => {
      copied = bars.colour();
      ctx.status(`Copied the colour of ${kCells[cell]![0]}.`);
    });
    const paste = h('button', { type: 'button' }, 'Paste Color');
    paste.addEventListener('click', () => ctx.act(() => ctx.doc().setUniformColour(picker.team(), side, cell, copied)));
    element.append(h('h2', {}, 'Uniform Editor'),
      h('div', { class: 'row' }, picker.element, sidebutton, flip),
      h('div', { class: 'colours' }, list, svg,
        h('div', {}, editing, bars.element, h('div', { class: 'row' }, copy, paste, h('span', {}, 'Swatch ', swatch)))));
    built = true;
  }

  function render(): void {
    if (!built) build();
    picker.refresh();
    cells = ctx.doc().uniform(picker.team(), side);
    const screen = cells.map((c) => ctx.api.screenColour(c));
    screen.forEach((colour, k) => {
      swatches[k]!.style.background = colour;
      cellbuttons[k]!.setAttribute('aria-pressed', String(k === cell));
    });
    for (const rect of pieces) {
      const k = Number(rect.dataset.cell);
      if (k >= 0) rect.setAttribute('fill', screen[k]!);
    }
    swatch.style.background = screen[screen.length - 1]!;
    settext(sidebutton, side === 'away' ? 'Editing Away' : 'Editing Home');
    settext(editing, kCells[cell]![1]);
    bars.show(cells[cell]!);
  }

  return { id: 'uniforms', title: 'Uniform colours', element, render };
}
