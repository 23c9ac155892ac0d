// Small helpers for building the page's elements.

type Attrs = Record<string, string | number | boolean | undefined>;
type Child = Node | string | null | undefined | false;

/** An element with attributes (a boolean true sets an empty one, false or undefined none) and children. */
export function h<K extends keyof HTMLElementTagNameMap>(tag: K, attrs: Attrs = {}, ...children: Child[]): HTMLElementTagNameMap[K] {
  const element = document.createElement(tag);
  for (const [name, value] of Object.entries(attrs)) {
    if (value === undefined || value === false) continue;
    element.setAttribute(name, value === true ? '' : String(value));
  }
  for (const child of children) {
    if (child !== null && child !== undefined && child !== false) element.append(child);
  }
  return element;
}

/** A select whose options are `entries`, each option's value its position. */
export function choice(label: string, entries: readonly string[], attrs: Attrs = {}): HTMLSelectElement {
  const select = h('select', { 'aria-label': label, ...attrs });
  fillchoice(select, entries);
  return select;
}

/** Replaces a select's options when they differ, so a list that stays the same keeps its state. */
export function fillchoice(select: HTMLSelectElement, entries: readonly string[]): void {
  const now = Array.from(select.options).filter((o) => !o.hasAttribute('data-stored')).map((o) => o.text);
  if (now.length === entries.length && now.every((t, i) => t === entries[i])) return;
  select.replaceChildren(...entries.map((text, i) => new Option(text, String(i))));
}

/**
 * Shows position `position` of a select; a stored value with no entry shows as an extra
 * "?value" option, so the stored value is kept until another entry is picked.
 */
export function showchoice(select: HTMLSelectElement, position: number, stored: number, entries: number): void {
  const extra = select.querySelector<HTMLOptionElement>('option[data-stored]');
  if (position >= 0 && position < entries) {
    extra?.remove();
    if (select.selectedIndex !== position) select.selectedIndex = position;
    return;
  }
  const text = `?${stored}`;
  if (!extra) select.append(h('option', { 'data-stored': true, value: 'stored' }, text));
  else extra.text = text;
  select.value = 'stored';
}

/** The picked position of a select, or null while it shows a stored value with no entry. */
export function picked(select: HTMLSelectElement): number | null {
  return select.value === 'stored' ? null : Number(select.value);
}

export function setvalue(input: HTMLInputElement, value: string): void {
  if (input.value !== value) input.value = value;
}

export function settext(element: Element, text: string): void {
  if (element.textContent !== text) element.textContent = text;
}

/** The team lists of the views: "1 ALD Aldmouth" ... from the teams' rows. */
export function teamentries(teams: readonly { index: number; abbreviation: string; location: string }[]): string[] {
  return teams.map((t) => `${t.index} ${t.abbreviation} ${t.location}`);
}
