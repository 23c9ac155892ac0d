// The red, green and blue bars of the colour views: each moves one component 0..top and
// hands the whole colour on.
import type { Rgb } from 'icevale-module';

import { h, setvalue, settext } from '../dom';

const kBars = [['red', 'R', 'Red'], ['green', 'G', 'Green'], ['blue', 'B', 'Blue']] as const;

export interface ColourBars {
  readonly element: HTMLElement;
  colour(): Rgb;
  show(colour: Rgb): void;
}

export function colourbars(top: number, moved: (colour: Rgb) => void): ColourBars {
  const element = h('div', { class: 'bars' });
  const ranges: HTMLInputElement[] = [];
  const values: HTMLElement[] = [];
  for (const [, caption, name] of kBars) {
    const range = h('input', { type: 'range', min: '0', max: String(top), step: '1', 'aria-label': name, title: `${name}, 0 to ${top}` });
    const value = h('output', { 'aria-hidden': 'true' }, '0');
    ranges.push(range);
    values.push(value);
    element.append(h('span', { 'aria-hidden': 'true' }, caption), range, value);
  }
  const colour = (): Rgb => ({ red: Number(ranges[0]!.value), green: Number(ranges[1]!.value), blue: Number(ranges[2]!.value) });
  ranges.forEach((range, i) => range.addEventListener('input', () => {
    settext(values[i]!, range.value);
    moved(colour());
  }));
  return {
    element,
    colour,
    show(c) {
      [c.red, c.green, c.blue].forEach((v, i) => {
        setvalue(ranges[i]!, String(v));
        settext(values[i]!, String(v));
      });
    },
  };
}
