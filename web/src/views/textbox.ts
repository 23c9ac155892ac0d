// Text boxes with a typing limit that comes from the module: the limit restricts only what
// is typed or pasted (a longer text already there stays and can shrink), and characters
// the image cannot hold are dropped as they are typed.
import type { IcevaleApi } from 'icevale-module';

import { h } from '../dom';

export function textbox(api: IcevaleApi, label: string, attrs: Record<string, string> = {}): HTMLInputElement {
  const input = h('input', { type: 'text', 'aria-label': label, autocomplete: 'off', spellcheck: 'false', ...attrs });
  input.addEventListener('input', () => {
    const kept = api.keepable(input.value);
    if (kept !== input.value) {
      const caret = Math.max(0, (input.selectionStart ?? kept.length) - (input.value.length - kept.length));
      input.value = kept;
      input.setSelectionRange(caret, caret);
    }
  });
  return input;
}

/** Sets a box's limit; a box longer than its limit (from the image) may still shrink. */
export function setlimit(input: HTMLInputElement, limit: number): void {
  const max = String(Math.max(0, limit));
  if (input.getAttribute('maxlength') !== max) input.setAttribute('maxlength', max);
}
