// Banner texts: the 28 teams' banner texts sharing one area, with the bytes they leave.
// The texts are stored together when a box is left changed.
import type { Context, View } from '../context';
import { h, setvalue, settext } from '../dom';
import { setlimit, textbox } from './textbox';

export function bannertextsview(ctx: Context): View {
  const element = h('section', {});
  const boxes: HTMLInputElement[] = [];
  const names: HTMLElement[] = [];
  const left = h('p', { id: 'bannerbytes', 'aria-live': 'polite' }, 'bytes remaining');

  function room(): void {
    const space = ctx.api.bannerTextRoom(boxes.map((b) => b.value.length));
    settext(left, `${space.bytesLeft >= 0 ? ' ' : ''}${space.bytesLeft} bytes left for banner names`);
    left.classList.toggle('over', space.bytesLeft < 0);
    boxes.forEach((b, i) => setlimit(b, space.limits[i]!));
  }

  function build(): void {
    const grid = h('div', { class: 'bannertexts' });
    for (let t = 1; t <= ctx.doc().teams().length; t++) {
      const name = h('span', {});
      const box = textbox(ctx.api, `Banner text of team ${t}`);
      box.addEventListener('input', room);
      box.addEventListener('change', () => {
        const ok = ctx.act(() => ctx.doc().setBannerTexts(boxes.map((b) => b.value)), true);
        box.toggleAttribute('aria-invalid', !ok);
      });
      boxes.push(box);
      names.push(name);
      grid.append(h('label', {}, name, box));
    }
    element.append(h('h2', {}, 'Banner Text Length Editor'), left, grid);
  }

  return {
    id: 'bannertexts',
    title: 'Banner texts',
    element,
    render() {
      if (boxes.length === 0) build();
      const teams = ctx.doc().teams();
      const { texts } = ctx.doc().bannerTexts();
      boxes.forEach((box, i) => {
        settext(names[i]!, `${i + 1} ${teams[i]!.location}`);
        setvalue(box, texts[i] ?? '');
        box.removeAttribute('aria-invalid');
      });
      room();
    },
  };
}
