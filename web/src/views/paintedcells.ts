// The texts of a table's cells painted on one canvas under the table. A team switch
// changes some four hundred texts; as text in the cells each is laid out and painted on
// its own, which took about 25 ms a switch, where drawing them takes a few. The cells
// stay in the table, sized by its columns: they take focus and the keys, have their names,
// and carry their text as their accessible description, which a screen reader reads
// after the name. A cell's font, colour, alignment and padding are its own style's.
//
// The body's rows are all as high as the first and only the last ones are ever hidden,
// so a cell's place follows from the first row's: the canvas is drawn for every row and
// clipped to the rows shown, and showing or hiding rows draws nothing again.
import { h } from '../dom';

export interface PaintedCells {
  /** the text a cell of the body shows, painted by the next flush */
  set(cell: HTMLTableCellElement, text: string): void;
  /** paints the texts set since the last flush */
  flush(): void;
}

interface Look {
  font: string;
  colour: string;
  align: CanvasTextAlign;
  /** the text's inset from the cell's start or end */
  inset: number;
}

interface Column {
  x: number;
  width: number;
  look: Look;
}

export function paintedcells(holder: HTMLElement, table: HTMLTableElement): PaintedCells {
  const canvas = h('canvas');
  const clip = h('div', { class: 'celltexts', 'aria-hidden': 'true' }, canvas);
  holder.prepend(clip);
  const context = canvas.getContext('2d')!;
  const body = table.tBodies[0]!;
  const texts = new Map<HTMLTableCellElement, string>();
  const changed = new Set<HTMLTableCellElement>();
  // The first row's columns and the rows' top and height, measured once for each width
  // of the table and each scale; empty until the table has been laid out with a row.
  let columns: Column[] = [];
  let top = 0, pitch = 0, measured = '';
  // The look last given to the context: setting a font parses it, each time.
  let drawn: Look | null = null;

  function measure(): boolean {
    const first = body.rows[0];
    const scale = window.devicePixelRatio || 1;
    const key = `${table.offsetWidth} ${first?.offsetHeight} ${scale}`;
    if (key === measured) return false;
    measured = key;
    columns = [];
    drawn = null;
    if (!first || first.hidden || !first.offsetHeight) return true;
    const origin = table.getBoundingClientRect();
    const row = first.getBoundingClientRect();
    top = row.top - origin.top;
    pitch = row.height;
    const looks = new Map<string, Look>();
    for (const cell of Array.from(first.cells)) {
      let look = looks.get(cell.className);
      if (!look) {
        const style = getComputedStyle(cell);
        const align = style.textAlign === 'center' ? 'center' : style.textAlign === 'right' || style.textAlign === 'end' ? 'right' : 'left';
        look = { font: `${style.fontStyle} ${style.fontWeight} ${style.fontSize} ${style.fontFamily}`, colour: style.color, align,
          inset: parseFloat(align === 'right' ? style.paddingRight : style.paddingLeft) || 0 };
        looks.set(cell.className, look);
      }
      const box = cell.getBoundingClientRect();
      columns.push({ x: box.left - origin.left, width: box.width, look });
    }
    const width = origin.width, height = top + pitch * body.rows.length;
    clip.style.width = `${width}px`;
    Object.assign(canvas.style, { width: `${width}px`, height: `${height}px` });
    canvas.width = Math.ceil(width * scale);
    canvas.height = Math.ceil(height * scale);
    context.setTransform(scale, 0, 0, scale, 0, 0);
    context.textBaseline = 'middle';
    return true;
  }

  function paint(cell: HTMLTableCellElement): void {
    const column = columns[cell.cellIndex];
    if (!column) return;
    const { x, width, look } = column;
    const y = top + pitch * (cell.parentElement as HTMLTableRowElement).sectionRowIndex;
    context.clearRect(x, y, width, pitch);
    const text = texts.get(cell);
    if (!text) return;
    if (drawn !== look) {
      context.font = look.font;
      context.fillStyle = look.colour;
      context.textAlign = look.align;
      drawn = look;
    }
    const at = look.align === 'center' ? x + width / 2 : look.align === 'right' ? x + width - look.inset : x + look.inset;
    // A text wider than its cell is narrowed to fit rather than drawn over the next one.
    context.fillText(text, at, y + pitch / 2, Math.max(1, width - 2 * look.inset));
  }

  // Column by column, so that the context's look changes once a column, not twice a row.
  function flush(): void {
    if (columns.length === 0) measure();
    const bycolumn: HTMLTableCellElement[][] = columns.map(() => []);
    for (const cell of changed) bycolumn[cell.cellIndex]?.push(cell);
    for (const cells of bycolumn) for (const cell of cells) paint(cell);
    changed.clear();
  }

  // A new width (the view shown, fonts, a zoom) or colour scheme paints everything again;
  // a new height, rows shown or hidden, changes nothing: the clip is as high as the table.
  function repaint(): void {
    if (!measure()) return;
    context.clearRect(0, 0, canvas.width, canvas.height);
    for (const cell of texts.keys()) paint(cell);
    changed.clear();
  }
  new ResizeObserver(repaint).observe(table);
  window.addEventListener('resize', repaint);
  window.matchMedia('(prefers-color-scheme: dark)').addEventListener('change', () => {
    measured = '';
    repaint();
  });

  return {
    set(cell, text) {
      if (texts.get(cell) === text) return;
      texts.set(cell, text);
      cell.setAttribute('aria-description', text);
      changed.add(cell);
    },
    flush,
  };
}
