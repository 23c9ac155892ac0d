// The page: opening and saving, the tabs of the views, undo and redo, messages.
import type { IcevaleApi, IcevaleDocument } from 'icevale-module';

import type { Context, View, ViewMaker } from './context';
import { h } from './dom';
import { teamsview } from './views/teams';
import { playersview } from './views/players';
import { linesview } from './views/lines';
import { uniformsview } from './views/uniforms';
import { bannersview } from './views/banners';
import { bannertextsview } from './views/bannertexts';
import { playoffsview } from './views/playoffs';
import { menuview } from './views/menu';
import { exchangeview } from './views/exchange';

const kCaption = 'SNES Icevale EDITOR';
const makers: ViewMaker[] = [teamsview, playersview, linesview, uniformsview, bannersview, bannertextsview,
  playoffsview, menuview, exchangeview];

function byid<T extends HTMLElement>(id: string): T {
  const element = document.getElementById(id);
  if (!element) throw new Error(`the page has no #${id}`);
  return element as T;
}

export function start(api: IcevaleApi): void {
  const ui = {
    open: byid<HTMLButtonElement>('open'),
    file: byid<HTMLInputElement>('openfile'),
    save: byid<HTMLButtonElement>('save'),
    saveas: byid<HTMLButtonElement>('saveas'),
    undo: byid<HTMLButtonElement>('undo'),
    redo: byid<HTMLButtonElement>('redo'),
    filename: byid('filename'),
    status: byid('StatusLine'),
    alert: byid('alert'),
    welcome: byid('welcome'),
    tabs: byid('tabs'),
    views: byid('views'),
    dialog: byid<HTMLDialogElement>('saveasdialog'),
    dialogname: byid<HTMLInputElement>('saveasname'),
    dropzone: byid('dropzone'),
  };

  let doc: IcevaleDocument | null = null;
  // The file's name as opened or last saved as: the title, Save and the exports use it.
  let filename = '';
  let openedbytes = new Uint8Array();
  // A patch's result opens as a new document; it is unsaved until saved.
  let unsavedpatch = false;
  let views: View[] = [];
  let tabs: HTMLButtonElement[] = [];
  let current = 0;

  const modified = () => !!doc && (doc.modified || unsavedpatch);

  function status(text: string): void {
    ui.status.textContent = text;
  }

  function alert(text: string): void {
    ui.alert.textContent = text;
    ui.alert.hidden = false;
  }

  function clearalert(): void {
    ui.alert.hidden = true;
    ui.alert.textContent = '';
  }

  function refreshchrome(): void {
    document.title = doc ? `${kCaption} - ${filename}${modified() ? '*' : ''}` : kCaption;
    ui.filename.textContent = doc ? filename : '';
    ui.save.disabled = ui.saveas.disabled = !doc;
    const undo = doc?.undoName ?? null, redo = doc?.redoName ?? null;
    ui.undo.disabled = !undo;
    ui.redo.disabled = !redo;
    ui.undo.textContent = undo ? `Undo ${undo}` : 'Undo';
    ui.redo.textContent = redo ? `Redo ${redo}` : 'Redo';
  }

  function rendercurrent(): void {
    try {
      views[current]?.render();
    } catch (error) {
      alert(message(error));
    }
  }

  function act(change: () => string | null | void, keep = false): boolean {
    if (!doc) return false;
    let ok = false;
    try {
      change();
      clearalert();
      ok = true;
    } catch (error) {
      alert(message(error));
    }
    // A refused text stays in its box to be mended; anything else shows the document.
    if (ok || !keep) rendercurrent();
    refreshchrome();
    return ok;
  }

  function download(name: string, data: Uint8Array | string, type = 'application/octet-stream'): void {
    const url = URL.createObjectURL(new Blob([data], { type }));
    const link = h('a', { href: url, download: name, hidden: true });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10_000);
  }

  const ctx: Context = {
    api,
    doc: () => {
      if (!doc) throw new Error('no image is open');
      return doc;
    },
    act,
    status,
    alert,
    download,
    opened: () => openedbytes,
    filename: () => filename,
    replace: (bytes, name) => adopt(bytes, name, true),
  };

  function buildviews(): void {
    views = makers.map((make) => make(ctx));
    tabs = views.map((view, i) => {
      const tab = h('button', { type: 'button', role: 'tab', id: `tab-${view.id}`, 'aria-controls': `view-${view.id}`,
        'aria-selected': 'false', tabindex: '-1' }, view.title);
      tab.addEventListener('click', () => show(i));
      tab.addEventListener('keydown', (event) => tabkey(event, i));
      return tab;
    });
    ui.tabs.replaceChildren(...tabs);
    for (const view of views) {
      view.element.id = `view-${view.id}`;
      view.element.setAttribute('role', 'tabpanel');
      view.element.setAttribute('aria-labelledby', `tab-${view.id}`);
      view.element.classList.add('view');
      view.element.hidden = true;
    }
    ui.views.replaceChildren(...views.map((v) => v.element));
  }

  function tabkey(event: KeyboardEvent, i: number): void {
    const moves: Record<string, number> = { ArrowRight: i + 1, ArrowLeft: i - 1, Home: 0, End: tabs.length - 1 };
    if (!(event.key in moves)) return;
    event.preventDefault();
    const next = (moves[event.key]! + tabs.length) % tabs.length;
    show(next);
    tabs[next]!.focus();
  }

  function show(i: number): void {
    current = i;
    views.forEach((view, k) => {
      view.element.hidden = k !== i;
      tabs[k]!.setAttribute('aria-selected', String(k === i));
      tabs[k]!.tabIndex = k === i ? 0 : -1;
    });
    rendercurrent();
  }

  // The desktop's words for an image that opens but is not sound: its first problem and
  // how many more there are; empty for a sound image.
  function healthproblems(d: IcevaleDocument): string {
    const problems = d.health();
    if (problems.length === 0) return '';
    const others = problems.length - 1;
    return `${problems[0]!.text}` + (others > 0 ? ` (and ${others} other problem${others > 1 ? 's' : ''})` : '');
  }

  // Opens bytes as the document; the open one stays when they are refused.
  function adopt(bytes: Uint8Array, name: string, patched = false): boolean {
    let next: IcevaleDocument;
    try {
      next = api.open(bytes, name);
    } catch (error) {
      alert(`Could not open ${message(error)}`);
      status(doc ? `${name} was not opened; ${filename} stays open.` : `${name} was not opened.`);
      return false;
    }
    // A file that opens but is not sound (any file long enough opens) is opened only when
    // asked for: a wrong file chosen must not replace the work open now.
    const problems = healthproblems(next);
    if (problems && !window.confirm(`${name} does not look like a sound Icevale image: ${problems}. Open it anyway?`)) {
      next.close();
      alert(`${name} was not opened: it does not look like a sound Icevale image (${problems}).` +
        (doc ? ` ${filename} stays open.` : ''));
      return false;
    }
    // Only a file that can open asks about the unsaved work it would replace.
    if (!patched && modified() &&
        !window.confirm(`The image "${filename}" has changes that are not saved. Open ${name} and lose them?`)) {
      next.close();
      status(`${name} was not opened; ${filename} stays open with its changes.`);
      return false;
    }
    doc?.close();
    doc = next;
    filename = name;
    openedbytes = patched ? openedbytes : bytes;
    unsavedpatch = patched;
    clearalert();
    if (views.length === 0) buildviews();
    ui.welcome.hidden = true;
    ui.tabs.hidden = false;
    show(current);
    status(`Opened ${name} (${bytes.length} bytes).` + (problems ? ` It does not look like a sound Icevale image: ${problems}.` : ''));
    refreshchrome();
    return true;
  }

  async function openfile(file: File): Promise<void> {
    // From the file chosen to its first view shown, for anyone timing the page.
    performance.mark('icevale-open');
    if (file.size > api.limits.maxFileSize) {
      alert(`Could not open ${file.name}: the file is ${file.size} bytes, more than the ` +
        `${api.limits.maxFileSize / (1 << 20)} MiB an image can be. Nothing was opened.`);
      return;
    }
    let bytes: Uint8Array;
    try {
      bytes = new Uint8Array(await file.arrayBuffer());
    } catch {
      alert(`Could not open ${file.name}: it cannot be read as a file (a folder?). Nothing was opened.`);
      return;
    }
    if (adopt(bytes, file.name)) performance.measure('icevale-opened', 'icevale-open');
  }

  function commitfocused(): void {
    // A text box hands its edit over when it loses focus.
    const active = document.activeElement;
    if (active instanceof HTMLInputElement && active.type === 'text') {
      active.blur();
      active.focus();
    }
  }

  function save(name?: string): void {
    if (!doc) return;
    commitfocused();
    const target = name ?? filename;
    let bytes: Uint8Array;
    try {
      bytes = doc.save();
    } catch (error) {
      alert(`Could not save ${target}: ${message(error)}. Nothing was saved.`);
      return;
    }
    unsavedpatch = false;
    filename = target;
    download(target, bytes);
    status(`Saved the image as ${target} (${bytes.length} bytes).`);
    refreshchrome();
  }

  function saveas(): void {
    if (!doc) return;
    commitfocused();
    ui.dialogname.value = filename;
    ui.dialog.returnValue = '';
    ui.dialog.showModal();
    ui.dialogname.select();
  }

  ui.dialog.addEventListener('close', () => {
    const name = ui.dialogname.value.trim();
    if (ui.dialog.returnValue === 'save' && name) save(name);
  });

  function step(undo: boolean): void {
    if (!doc) return;
    commitfocused();
    act(() => {
      const name = undo ? doc!.undo() : doc!.redo();
      status(name ? `${undo ? 'Undid' : 'Redid'}: ${name}` : `Nothing to ${undo ? 'undo' : 'redo'}.`);
      return name;
    });
  }

  ui.open.addEventListener('click', () => ui.file.click());
  ui.file.addEventListener('change', () => {
    const file = ui.file.files?.[0];
    ui.file.value = '';
    if (file) void openfile(file);
  });
  ui.save.addEventListener('click', () => save());
  ui.saveas.addEventListener('click', saveas);
  ui.undo.addEventListener('click', () => step(true));
  ui.redo.addEventListener('click', () => step(false));

  document.addEventListener('keydown', (event) => {
    if (!(event.ctrlKey || event.metaKey) || event.altKey) return;
    const key = event.key.toLowerCase();
    const typing = event.target instanceof HTMLInputElement && event.target.type === 'text';
    if (key === 's') {
      event.preventDefault();
      if (event.shiftKey) saveas();
      else save();
    } else if (key === 'o') {
      event.preventDefault();
      ui.file.click();
    } else if (!typing && (key === 'z' || key === 'y')) {
      // In a text box the keys undo the typing, as a desktop text box does.
      event.preventDefault();
      step(key === 'z' && !event.shiftKey);
    }
  });

  window.addEventListener('beforeunload', (event) => {
    if (!modified()) return;
    event.preventDefault();
    event.returnValue = '';
  });

  // Dropping: one file opens; a folder or several files are refused.
  let dragdepth = 0;
  document.addEventListener('dragenter', (event) => {
    event.preventDefault();
    dragdepth++;
    ui.dropzone.hidden = false;
  });
  document.addEventListener('dragleave', () => {
    if (--dragdepth <= 0) {
      dragdepth = 0;
      ui.dropzone.hidden = true;
    }
  });
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    dragdepth = 0;
    ui.dropzone.hidden = true;
    const items = Array.from(event.dataTransfer?.items ?? []).filter((item) => item.kind === 'file');
    const files = Array.from(event.dataTransfer?.files ?? []);
    if (files.length !== 1) {
      alert(`Drop one image file to open it; ${files.length} were dropped, so nothing was opened.`);
      return;
    }
    const entry = items[0]?.webkitGetAsEntry?.();
    if (entry?.isDirectory) {
      alert(`Could not open ${files[0]!.name}: it is a folder, not an image file. Nothing was opened.`);
      return;
    }
    void openfile(files[0]!);
  });

  status('Open an image with “Open Rom” or drop it on the page.');
  refreshchrome();
}

export function message(error: unknown): string {
  return error instanceof Error ? error.message : String(error);
}
