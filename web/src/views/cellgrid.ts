// A table walked as a grid: the arrow keys move between its cells, the grid is one stop of
// the Tab key (the cell focused last), and its cells hold no controls: one list and one
// text box, shared by them all, open over the cell being edited. A few hundred light cells
// lay out in a fraction of the time as many selects and text boxes take.
//
// A cell of a choice opens its list with Enter, F2, a double click or a typed character
// (which picks the first entry starting with it); Enter or a click on an entry stores the
// pick, Escape closes it and stores nothing, and leaving it stores what it shows. A cell of
// text opens its box with a click, Enter, F2 or a typed character (which starts the text
// afresh); Enter, Tab or leaving stores the text, Escape closes it unstored, Up and Down
// store and move a row, Left and Right do so from the text's ends. A text refused stays in
// its box, marked, to be mended.
import { fillchoice, h, picked, showchoice } from '../dom';

export interface Choice {
  /** the list's name, the cell's own */
  label: string;
  entries: readonly string[];
  /** the entry shown; outside the entries while the stored value has none */
  position: number;
  stored: number;
}

export interface TextEdit {
  /** the box's name, the cell's own */
  label: string;
  text: string;
  /** the most characters that may be typed */
  limit: number;
  /** digits only */
  digits: boolean;
}

export interface CellGridOptions {
  /** the choice a cell edits, or null */
  choice(cell: HTMLTableCellElement): Choice | null;
  /** stores the entry picked for a cell */
  pick(cell: HTMLTableCellElement, position: number): void;
  /** the text a cell edits, or null */
  text(cell: HTMLTableCellElement): TextEdit | null;
  /** stores the text typed for a cell; false when it was refused */
  store(cell: HTMLTableCellElement, text: string): boolean;
}

export interface CellGrid {
  /** makes every cell of the body a stop of the walk, the first one the Tab stop */
  reset(): void;
  /** after the cells were shown again: closes the editors and keeps the Tab stop on a shown row */
  settle(): void;
}

const cellsof = (row: HTMLTableRowElement) => Array.from(row.cells).filter((c): c is HTMLTableCellElement => c.tagName === 'TD');

/**
 * `textbox` is the box that edits text cells, with the view's typing rules; the grid
 * places it, names it after the cell and adds the digits-only rule where a cell asks.
 */
export function cellgrid(holder: HTMLElement, body: HTMLTableSectionElement, textbox: HTMLInputElement,
  options: CellGridOptions): CellGrid {
  const list = h('select', { class: 'celleditor', hidden: true });
  textbox.classList.add('celleditor');
  textbox.hidden = true;
  holder.append(list, textbox);
  let editing: HTMLTableCellElement | null = null;
  let editor: HTMLSelectElement | HTMLInputElement = list;
  let digits = false;
  // Set while the list is walked with keys: its changes are only shown until Enter.
  let keyed = false;
  let stop: HTMLTableCellElement | null = null;

  const rows = () => Array.from(body.rows).filter((r) => !r.hidden);
  const placeof = (cell: HTMLTableCellElement): [number, number] =>
    [rows().indexOf(cell.parentElement as HTMLTableRowElement), cellsof(cell.parentElement as HTMLTableRowElement).indexOf(cell)];

  function setstop(cell: HTMLTableCellElement): void {
    if (stop === cell) return;
    if (stop) stop.tabIndex = -1;
    cell.tabIndex = 0;
    stop = cell;
  }

  function go(row: number, column: number): void {
    const shown = rows();
    const r = shown[Math.max(0, Math.min(shown.length - 1, row))];
    const cells = r ? cellsof(r) : [];
    const cell = cells[Math.max(0, Math.min(cells.length - 1, column))];
    if (!cell) return;
    setstop(cell);
    cell.focus();
  }

  // Over the cell: a text box covers it, a list drops from it (or rises where the grid ends first).
  function place(cell: HTMLTableCellElement): void {
    const box = holder.getBoundingClientRect();
    const at = cell.getBoundingClientRect();
    const top = at.top - box.top + holder.scrollTop;
    editor.style.left = `${at.left - box.left + holder.scrollLeft}px`;
    editor.style.minWidth = `${at.width}px`;
    if (editor === textbox) {
      editor.style.width = `${at.width}px`;
      editor.style.height = `${at.height}px`;
    }
    editor.hidden = false;
    const table = body.parentElement as HTMLElement;
    const height = editor.offsetHeight;
    editor.style.top = `${top + height > table.offsetTop + table.offsetHeight ? Math.max(0, top + at.height - height) : top}px`;
  }

  function open(cell: HTMLTableCellElement, typed?: string, focus = true): void {
    const choice = options.choice(cell);
    const text = choice ? null : options.text(cell);
    if (!choice && !text) return;
    if (editing) close(false);
    editing = cell;
    keyed = false;
    if (choice) {
      editor = list;
      fillchoice(list, choice.entries);
      let position = choice.position;
      const first = typed?.toLowerCase();
      if (first) {
        const found = choice.entries.findIndex((e) => e.toLowerCase().startsWith(first));
        if (found >= 0) position = found;
      }
      showchoice(list, position, choice.stored, choice.entries.length);
      list.setAttribute('aria-label', choice.label);
      list.size = Math.max(2, Math.min(10, list.options.length));
    } else if (text) {
      editor = textbox;
      digits = text.digits;
      textbox.setAttribute('aria-label', text.label);
      textbox.setAttribute('maxlength', String(Math.max(0, text.limit)));
      textbox.removeAttribute('aria-invalid');
      // A typed character starts the text afresh, through the box's own typing rules.
      if (typed !== undefined && digits && /\D/.test(typed)) typed = undefined;
      textbox.value = typed ?? text.text;
      if (typed !== undefined) textbox.dispatchEvent(new Event('input'));
    }
    place(cell);
    if (!focus) return;
    editor.focus();
    if (editor === textbox && typed === undefined) textbox.select();
  }

  function close(refocus: boolean): HTMLTableCellElement | null {
    const cell = editing;
    if (!cell) return null;
    editing = null;
    editor.hidden = true;
    if (refocus) cell.focus();
    return cell;
  }

  // Stores what the open editor shows, the cell taking focus back after the store so that
  // one layout serves both. A refused text opens its box again, marked.
  function commit(refocus: boolean): void {
    const cell = editing;
    if (!cell) return;
    if (editor === list) {
      const position = picked(list);
      const choice = options.choice(cell);
      close(false);
      if (position !== null && choice && position !== choice.position) options.pick(cell, position);
    } else {
      const typed = textbox.value;
      const before = options.text(cell)?.text;
      close(false);
      if (typed !== before && !options.store(cell, typed)) {
        open(cell, typed, refocus);
        textbox.setAttribute('aria-invalid', 'true');
        return;
      }
    }
    if (refocus) cell.focus();
  }

  list.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      commit(true);
    } else if (event.key === 'Escape') {
      event.preventDefault();
      event.stopPropagation();
      close(true);
    } else if (event.key === 'Tab') {
      commit(false);
    } else {
      keyed = true;
    }
  });
  list.addEventListener('pointerdown', () => (keyed = false));
  // A pick by the pointer (or a script) stores at once; one walked to by keys waits for Enter.
  list.addEventListener('change', () => {
    if (!keyed) commit(true);
  });

  textbox.addEventListener('beforeinput', (event) => {
    if (digits && event.data && /\D/.test(event.data)) event.preventDefault();
  });
  textbox.addEventListener('keydown', (event) => {
    const cell = editing;
    if (!cell) return;
    const at = (end: number) => textbox.selectionStart === end && textbox.selectionEnd === end;
    const [row, column] = placeof(cell);
    let to: [number, number] | null = null;
    switch (event.key) {
      case 'Enter': event.preventDefault(); commit(true); return;
      case 'Escape': event.preventDefault(); event.stopPropagation(); close(true); return;
      case 'Tab': commit(false); return;
      case 'ArrowUp': to = [row - 1, column]; break;
      case 'ArrowDown': to = [row + 1, column]; break;
      case 'ArrowLeft': if (at(0)) to = [row, column - 1]; break;
      case 'ArrowRight': if (at(textbox.value.length)) to = [row, column + 1]; break;
      default: return;
    }
    if (!to) return;
    event.preventDefault();
    commit(true);
    // A refused text keeps its box open and the caret in it.
    if (!editing) go(...to);
  });

  for (const editor of [list, textbox]) editor.addEventListener('blur', () => {
    if (editing && document.activeElement !== editor) commit(false);
  });

  body.addEventListener('focusin', (event) => {
    const cell = (event.target as Element).closest('td');
    if (cell && event.target === cell) setstop(cell);
  });
  body.addEventListener('click', (event) => {
    const cell = (event.target as Element).closest('td');
    if (cell && options.text(cell)) open(cell);
  });
  body.addEventListener('dblclick', (event) => {
    const cell = (event.target as Element).closest('td');
    if (cell) open(cell);
  });
  body.addEventListener('keydown', (event) => {
    const cell = (event.target as Element).closest('td');
    if (!cell || event.target !== cell || event.altKey || event.ctrlKey || event.metaKey) return;
    const [row, column] = placeof(cell);
    let to: [number, number] | null = null;
    switch (event.key) {
      case 'ArrowUp': to = [row - 1, column]; break;
      case 'ArrowDown': to = [row + 1, column]; break;
      case 'ArrowLeft': to = [row, column - 1]; break;
      case 'ArrowRight': to = [row, column + 1]; break;
      case 'Home': to = [row, 0]; break;
      case 'End': to = [row, Number.MAX_SAFE_INTEGER]; break;
      case 'Enter': case 'F2':
        event.preventDefault();
        open(cell);
        return;
      default:
        if (event.key.length === 1 && event.key !== ' ' && (options.choice(cell) || options.text(cell))) {
          event.preventDefault();
          open(cell, event.key);
        }
        return;
    }
    event.preventDefault();
    go(...to);
  });

  return {
    reset() {
      stop = null;
      for (const row of Array.from(body.rows)) for (const cell of cellsof(row)) cell.tabIndex = -1;
      const first = rows()[0];
      const cell = first && cellsof(first)[0];
      if (cell) setstop(cell);
    },
    settle() {
      close(document.activeElement === editor);
      const row = stop?.closest('tr');
      if (stop && row?.hidden) {
        const column = cellsof(row).indexOf(stop);
        const last = rows().at(-1);
        const cell = last && cellsof(last)[column];
        if (cell) setstop(cell);
      }
    },
  };
}
