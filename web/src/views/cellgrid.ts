// A table walked as a grid: the arrow keys move between its cells, the grid is one stop of
// the Tab key (the cell focused last), and the cells of a choice show their entry's text
// while one list, shared by them all, opens over the cell being edited. A few hundred
// light cells lay out in a fraction of the time as many selects take.
//
// The list opens with Enter, F2, a double click or a typed character (which picks the
// first entry starting with it); Enter or a click on an entry stores the pick, Escape
// closes it and stores nothing, and leaving it stores what it shows. In a cell holding a
// text box, Up and Down move between rows, Left and Right only from the ends of the text.
import { fillchoice, h, picked, showchoice } from '../dom';

export interface Choice {
  /** the list's name, the cell's own */
  label: string;
  entries: readonly string[];
  /** the entry shown; outside the entries while the stored value has none */
  position: number;
  stored: number;
}

export interface CellGridOptions {
  /** the choice a cell edits, or null for a cell of text or with its own control */
  choice(cell: HTMLTableCellElement): Choice | null;
  /** stores the entry picked for a cell */
  pick(cell: HTMLTableCellElement, position: number): void;
}

export interface CellGrid {
  /** makes every cell of the body a stop of the walk, the first one the Tab stop */
  reset(): void;
  /** after rows were hidden: closes the list and keeps the Tab stop on a shown row */
  settle(): void;
}

// Where focus goes in a cell: its own control, else the cell.
const target = (cell: HTMLTableCellElement): HTMLElement => cell.querySelector<HTMLElement>('input, select') ?? cell;
const cellsof = (row: HTMLTableRowElement) => Array.from(row.cells).filter((c): c is HTMLTableCellElement => c.tagName === 'TD');

export function cellgrid(holder: HTMLElement, body: HTMLTableSectionElement, options: CellGridOptions): CellGrid {
  const editor = h('select', { class: 'celleditor', hidden: true });
  holder.append(editor);
  let editing: HTMLTableCellElement | null = null;
  // Set while the list is walked with keys: its changes are only shown until Enter.
  let keyed = false;
  let stop: HTMLElement | null = null;

  const rows = () => Array.from(body.rows).filter((r) => !r.hidden);

  function setstop(element: HTMLElement): void {
    if (stop === element) return;
    if (stop) stop.tabIndex = -1;
    element.tabIndex = 0;
    stop = element;
  }

  function go(row: number, column: number): void {
    const shown = rows();
    const r = shown[Math.max(0, Math.min(shown.length - 1, row))];
    if (!r) return;
    const cells = cellsof(r);
    const cell = cells[Math.max(0, Math.min(cells.length - 1, column))];
    if (!cell) return;
    const element = target(cell);
    setstop(element);
    element.focus();
    if (element instanceof HTMLInputElement) element.select();
  }

  function place(cell: HTMLTableCellElement): void {
    const box = holder.getBoundingClientRect();
    const at = cell.getBoundingClientRect();
    const left = at.left - box.left + holder.scrollLeft;
    const top = at.top - box.top + holder.scrollTop;
    editor.style.left = `${left}px`;
    editor.style.minWidth = `${at.width}px`;
    editor.hidden = false;
    // Downwards from the cell, or upwards from its bottom where the grid ends first.
    const table = body.parentElement as HTMLElement;
    const end = table.offsetTop + table.offsetHeight;
    const height = editor.offsetHeight;
    editor.style.top = `${top + height > end ? Math.max(0, top + at.height - height) : top}px`;
  }

  function open(cell: HTMLTableCellElement, typed?: string): void {
    const choice = options.choice(cell);
    if (!choice) return;
    editing = cell;
    keyed = false;
    fillchoice(editor, choice.entries);
    let position = choice.position;
    if (typed) {
      const found = choice.entries.findIndex((e) => e.toLowerCase().startsWith(typed.toLowerCase()));
      if (found >= 0) position = found;
    }
    showchoice(editor, position, choice.stored, choice.entries.length);
    editor.setAttribute('aria-label', choice.label);
    editor.size = Math.max(2, Math.min(10, editor.options.length));
    place(cell);
    editor.focus();
  }

  function close(refocus: boolean): HTMLTableCellElement | null {
    const cell = editing;
    if (!cell) return null;
    editing = null;
    editor.hidden = true;
    if (refocus) target(cell).focus();
    return cell;
  }

  function commit(refocus: boolean): void {
    const cell = editing;
    if (!cell) return;
    const position = picked(editor);
    const choice = options.choice(cell);
    close(false);
    // Stored before the cell takes focus back, so that one layout serves both.
    if (position !== null && choice && position !== choice.position) options.pick(cell, position);
    if (refocus) target(cell).focus();
  }

  editor.addEventListener('keydown', (event) => {
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
  editor.addEventListener('pointerdown', () => (keyed = false));
  // A pick by the pointer (or a script) stores at once; one walked to by keys waits for Enter.
  editor.addEventListener('change', () => {
    if (!keyed) commit(true);
  });
  editor.addEventListener('blur', () => commit(false));

  body.addEventListener('focusin', (event) => {
    const cell = (event.target as Element).closest('td');
    if (cell && event.target === target(cell)) setstop(event.target as HTMLElement);
  });
  body.addEventListener('dblclick', (event) => {
    const cell = (event.target as Element).closest('td');
    if (cell) open(cell);
  });
  body.addEventListener('keydown', (event) => {
    const cell = (event.target as Element).closest('td');
    if (!cell || event.altKey || event.ctrlKey || event.metaKey) return;
    const input = event.target instanceof HTMLInputElement ? event.target : null;
    const row = rows().indexOf(cell.parentElement as HTMLTableRowElement);
    const column = cellsof(cell.parentElement as HTMLTableRowElement).indexOf(cell);
    const atend = (end: number) => !input || (input.selectionStart === end && input.selectionEnd === end);
    let to: [number, number] | null = null;
    switch (event.key) {
      case 'ArrowUp': to = [row - 1, column]; break;
      case 'ArrowDown': to = [row + 1, column]; break;
      case 'ArrowLeft': if (atend(0)) to = [row, column - 1]; break;
      case 'ArrowRight': if (atend(input?.value.length ?? 0)) to = [row, column + 1]; break;
      case 'Home': if (!input) to = [row, 0]; break;
      case 'End': if (!input) to = [row, Number.MAX_SAFE_INTEGER]; break;
      case 'Enter': case 'F2':
        if (!input) {
          event.preventDefault();
          open(cell);
        }
        return;
      default:
        if (!input && event.key.length === 1 && event.key !== ' ' && options.choice(cell)) {
          event.preventDefault();
          open(cell, event.key);
        }
        return;
    }
    if (to) {
      event.preventDefault();
      go(...to);
    }
  });

  return {
    reset() {
      stop = null;
      for (const row of Array.from(body.rows)) for (const cell of cellsof(row)) target(cell).tabIndex = -1;
      const first = rows()[0];
      const cell = first && cellsof(first)[0];
      if (cell) setstop(target(cell));
    },
    settle() {
      close(document.activeElement === editor);
      const row = stop?.closest('tr');
      if (row?.hidden) {
        const column = cellsof(row).indexOf(stop!.closest('td')!);
        const last = rows().at(-1);
        const cell = last && cellsof(last)[column];
        if (cell) setstop(target(cell));
      }
    },
  };
}
