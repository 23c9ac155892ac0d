// Export and import: the JSON export and the roster CSV as the command-line tool writes
// and reads them, and IPS and BPS patches from the image as opened to the image now.
import type { Context, View } from '../context';
import { h } from '../dom';

function stem(name: string): string {
  return name.replace(/\.[^./\\]*$/, '') || name;
}

export function exchangeview(ctx: Context): View {
  const element = h('section', { class: 'exchange' });
  let built = false;

  // A hidden file picker per kind; the chosen file is handed to `take`.
  function picker(accept: string, take: (file: File) => Promise<void>): HTMLInputElement {
    const input = h('input', { type: 'file', accept, hidden: true });
    input.addEventListener('change', () => {
      const file = input.files?.[0];
      input.value = '';
      if (file) take(file).catch((error: unknown) => ctx.alert(`${file.name}: ${error instanceof Error ? error.message : String(error)}`));
    });
    element.append(input);
    return input;
  }

  function button(caption: string, click: () => void): HTMLButtonElement {
    const b = h('button', { type: 'button' }, caption);
    b.addEventListener('click', click);
    return b;
  }

  function importer(json: boolean): HTMLInputElement {
    return picker(json ? '.json,application/json' : '.csv,text/csv', async (file) => {
      const text = await file.text();
      let changes = 0;
      if (ctx.act(() => {
        changes = (json ? ctx.doc().importJson(text, file.name) : ctx.doc().importCsv(text, file.name)).changes;
      })) ctx.status(`Imported ${file.name}: ${changes} change${changes === 1 ? '' : 's'}.`);
    });
  }

  function build(): void {
    const json = importer(true);
    const csv = importer(false);
    const kind = h('select', { id: 'patchkind' },
      h('option', { value: 'stand' }, 'as they stand'),
      h('option', { value: 'header' }, 'made for images with the copier header'),
      h('option', { value: 'noheader' }, 'made for images without it'));
    const short = h('input', { type: 'checkbox', id: 'allowshort' });
    const patch = picker('.ips,.bps', async (file) => {
      const bytes = new Uint8Array(await file.arrayBuffer());
      const notes: string[] = [], warnings: string[] = [];
      const header = kind.value === 'stand' ? undefined : kind.value === 'header';
      let result: Uint8Array | null = null;
      const doc = ctx.doc();
      if (!ctx.act(() => {
        result = ctx.api.applyPatch(bytes, doc.image(), { header, allowShort: short.checked, notes, warnings });
      }) || !result) return;
      if (ctx.replace(result, ctx.filename())) {
        ctx.status([`Applied ${file.name}; save to keep the result (undo starts afresh here).`, ...notes, ...warnings].join(' '));
      }
    });
    const create = (format: 'ips' | 'bps') => () => {
      const notes: string[] = [];
      const doc = ctx.doc();
      let bytes: Uint8Array | null = null;
      if (!ctx.act(() => {
        bytes = ctx.api.createPatch(ctx.opened(), doc.image(), { format, notes });
      }) || !bytes) return;
      const name = `${stem(ctx.filename())}.${format}`;
      ctx.download(name, bytes);
      ctx.status([`Made ${name} from the image as opened to the image now.`, ...notes].join(' '));
    };
    element.append(h('h2', {}, 'Export, import and patches'),
      h('fieldset', {}, h('legend', {}, 'Export'),
        h('div', { class: 'row' },
          button('Export JSON', () => ctx.act(() => ctx.download(`${stem(ctx.filename())}.json`, ctx.doc().exportJson(), 'application/json'))),
          button('Export roster CSV', () => ctx.act(() => ctx.download(`${stem(ctx.filename())}.csv`, ctx.doc().exportCsv(), 'text/csv'))))),
      h('fieldset', {}, h('legend', {}, 'Import'),
        h('p', { class: 'note' }, 'An import is checked whole first: when anything is refused, nothing changes. It is one step to undo.'),
        h('div', { class: 'row' }, button('Import JSON…', () => json.click()), button('Import roster CSV…', () => csv.click()))),
      h('fieldset', {}, h('legend', {}, 'Patches'),
        h('div', { class: 'row' }, button('Create IPS patch', create('ips')), button('Create BPS patch', create('bps'))),
        h('div', { class: 'row' },
          h('label', { for: 'patchkind' }, "An IPS patch's offsets"), kind,
          h('label', {}, short, ' Allow a result shorter than an image'),
          button('Apply patch…', () => patch.click()))));
    built = true;
  }

  return {
    id: 'exchange',
    title: 'Export and import',
    element,
    render() {
      if (!built) build();
    },
  };
}
