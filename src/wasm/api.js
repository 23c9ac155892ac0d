// The module's JavaScript face, appended to emscripten's factory (IcevaleCore) by the
// build: plain values in and out, refusals as thrown Errors, and documents that give
// their memory back on close() or, failing that, when they are collected.

/** @param {object} [options] emscripten's module options (wasmBinary, locateFile, ...) */
export default async function icevale(options = {}) {
  const core = await IcevaleCore(Object.assign({}, options));
  const encoder = new TextEncoder();

  function tobytes(data, what) {
    if (data instanceof ArrayBuffer) return new Uint8Array(data);
    if (ArrayBuffer.isView(data)) return new Uint8Array(data.buffer, data.byteOffset, data.byteLength);
    throw new TypeError(`${what} must be a Uint8Array or an ArrayBuffer`);
  }

  // Copies the bytes into the module's memory for the one call that reads them.
  function lend(bytes, call) {
    const at = core._malloc(Math.max(bytes.length, 1));
    if (!at) throw new Error('out of memory');
    try {
      core.HEAPU8.set(bytes, at);
      return call(at, bytes.length);
    } finally {
      core._free(at);
    }
  }

  function lendtext(text, call) {
    if (typeof text !== 'string') throw new TypeError('the text must be a string');
    return lend(encoder.encode(text), call);
  }

  function checked(result) {
    if (result.error !== undefined) throw new Error(result.error);
    return result;
  }

  function stepped(result) {
    return checked(result).step;
  }

  function homeflag(side) {
    if (side !== 'away' && side !== 'home') throw new TypeError(`a uniform is "away" or "home", not "${side}"`);
    return side === 'home' ? 1 : 0;
  }

  // A document collected without close() still gives its memory back.
  const finalizer =
    typeof FinalizationRegistry === 'function' ? new FinalizationRegistry((handle) => handle.delete()) : null;

  class IcevaleDocument {
    #handle;

    constructor(handle) {
      this.#handle = handle;
      finalizer?.register(this, handle, this);
    }

    #live() {
      if (!this.#handle) throw new Error('the document is closed');
      return this.#handle;
    }

    get name() { return this.#live().filename(); }
    get modified() { return this.#live().modified(); }
    get closed() { return !this.#handle; }

    health() { return JSON.parse(this.#live().health()); }
    info() { return JSON.parse(this.#live().info()); }
    exportJson() { return this.#live().exportJson(); }
    exportCsv() { return this.#live().exportCsv(); }

    importJson(text, name = '') {
      return lendtext(text, (at, size) => checked(this.#live().importText(at, size, true, name, '')));
    }

    importCsv(text, name = '') {
      return lendtext(text, (at, size) => checked(this.#live().importText(at, size, false, name, '')));
    }

    save() { return checked(this.#live().save()).bytes; }
    image() { return this.#live().image(); }

    // Whole steps, across every area; each returns the step's name, or null when there
    // was none to undo or redo.
    undo() { return this.#live().undo() || null; }
    redo() { return this.#live().redo() || null; }
    get undoName() { return this.#live().undoName() || null; }
    get redoName() { return this.#live().redoName() || null; }

    // Every editable value, as the JSON export holds them (rosters, line-ups, playoffs,
    // menu defaults, banner texts, ...), and a change of any part of them: checked as an
    // import is, one step named `step`.
    values() { return JSON.parse(this.exportJson()); }
    change(values, step = 'Change') {
      const text = JSON.stringify({ format: 'icevale-export', version: 1, ...values });
      return lendtext(text, (at, size) => checked(this.#live().importText(at, size, true, '', String(step))));
    }

    // The areas, read as plain objects and changed through the windows' own steps. A
    // change gives the step's name, or null when every byte was already there.
    teams() { return this.#live().teams(); }
    setTeam(index, values) {
      const team = this.teams()[index - 1] ?? {};
      const v = { ...team, ...values };
      return stepped(this.#live().setTeam(index, v.location ?? '', v.abbreviation ?? '', v.nickname ?? '', v.arena ?? '',
        String(v.overall ?? '')));
    }
    menuNames() { return this.#live().menuNames(); }
    setMenuNames({ first, second }) {
      const now = this.menuNames();
      return stepped(this.#live().setMenuNames(first ?? now.first, second ?? now.second));
    }
    uniform(team, side) { return checked(this.#live().uniform(team, homeflag(side))); }
    setUniformColour(team, side, cell, { red, green, blue }) {
      return stepped(this.#live().setUniformCell(team, homeflag(side), cell, red, green, blue));
    }
    flipUniforms(team) { return stepped(this.#live().flipUniforms(team)); }
    bannerColours(team) { return checked(this.#live().bannerColours(team)); }
    setBannerColours(team, rows) {
      if (!Array.isArray(rows)) throw new TypeError('the banner colours must be an array');
      return stepped(this.#live().setBannerColours(team, 0, rows.flatMap((c) => [c.red, c.green, c.blue])));
    }
    blackout(team) { return stepped(this.#live().setBannerColours(team, 1, [])); }
    autoColour(team) { return stepped(this.#live().setBannerColours(team, 2, [])); }

    // The player editor: the grid of one team, its buttons, a player's values, Juice Team.
    roster(team) { return checked(this.#live().roster(team)); }
    goaliePlus(team) { return stepped(this.#live().rosterButton(team, 0)); }
    goalieMinus(team) { return stepped(this.#live().rosterButton(team, 1)); }
    defencePlus(team) { return stepped(this.#live().rosterButton(team, 2)); }
    defenceMinus(team) { return stepped(this.#live().rosterButton(team, 3)); }
    addPlayer(team) { return stepped(this.#live().rosterButton(team, 4)); }
    removePlayer(team) { return stepped(this.#live().rosterButton(team, 5)); }
    setPlayer(team, player, { name, number, columns } = {}) {
      return stepped(this.#live().setPlayer(team, player, name === undefined ? undefined : String(name),
        number === undefined ? undefined : String(number), columns && Array.from(columns, (v) => v ?? -1)));
    }
    juiceTeam(team, entry) { return stepped(this.#live().juiceTeam(team, entry)); }

    // The line editor: entries of the slot boxes and each line's stored slot bytes; a line
    // set from entry positions (null keeps a slot).
    lines(team) { return checked(this.#live().lines(team)); }
    setLine(team, line, positions) {
      if (!Array.isArray(positions)) throw new TypeError('a line is an array of entry positions');
      return stepped(this.#live().setLine(team, line, Array.from(positions, (p) => p ?? -1)));
    }
    // The banner texts of teams 1..28 as [0..27], and the bytes they leave of their area.
    bannerTexts() { return this.#live().bannerTexts(); }
    setBannerTexts(texts) {
      if (!Array.isArray(texts)) throw new TypeError('the banner texts are an array');
      return stepped(this.#live().setBannerTexts(texts.map(String)));
    }

    // The playoff editor: the team count and the 4 x 128 slots as stored bytes; set from
    // list positions (count: 0 is "1"; a slot: a team 0..27 or 28 for none; null keeps).
    playoffs() { return this.#live().playoffs(); }
    setPlayoffs({ count = null, slots = [] } = {}) {
      return stepped(this.#live().setPlayoffs(count ?? -1, Array.from(slots, (p) => p ?? -1)));
    }
    // The menu editor: seven lists and the selectable team count, set from list positions.
    menuDefaults() { return this.#live().menuDefaults(); }
    setMenuDefaults({ fields = [], selectableTeams = null } = {}) {
      return stepped(this.#live().setMenuDefaults(Array.from(fields, (p) => p ?? -1), selectableTeams ?? -1));
    }

    close() {
      if (!this.#handle) return;
      finalizer?.unregister(this);
      this.#handle.delete();
      this.#handle = null;
    }
  }

  function open(data, name = 'image.smc') {
    const bytes = tobytes(data, 'the image');
    const handle = new core.Handle();
    try {
      lend(bytes, (at, size) => checked(handle.open(at, size, String(name))));
    } catch (error) {
      handle.delete();
      throw error;
    }
    return new IcevaleDocument(handle);
  }

  function patched(result, notes, warnings) {
    if (Array.isArray(notes)) notes.push(...result.notes);
    if (Array.isArray(warnings)) warnings.push(...result.warnings);
    return checked(result).bytes;
  }

  function createPatch(original, edited, { format = 'ips', header = true, notes } = {}) {
    if (format !== 'ips' && format !== 'bps') throw new TypeError(`unknown patch format "${format}": ips or bps`);
    const a = tobytes(original, 'the original'), b = tobytes(edited, 'the edited image');
    return lend(a, (pa, na) => lend(b, (pb, nb) => patched(core.createPatch(pa, na, pb, nb, format === 'bps', !header), notes)));
  }

  // An IPS patch's offsets apply as they stand unless `header` says which kind of image
  // it was made for; a BPS patch records its kind.
  function applyPatch(patch, image, { header, allowShort = false, notes, warnings } = {}) {
    const p = tobytes(patch, 'the patch'), i = tobytes(image, 'the image');
    const kind = header === undefined ? 0 : header ? 1 : 2;
    return lend(p, (pp, np) => lend(i, (pi, ni) => patched(core.applyPatch(pp, np, pi, ni, kind, allowShort), notes, warnings)));
  }

  return Object.freeze({
    open,
    createPatch,
    applyPatch,
    // Bytes the module's allocator holds now, and the size of its memory.
    // The entries of a grid column's list (1..14) in stored-value order.
    columnEntries: (column) => core.columnEntries(column),
    memory: () => ({ inUse: core.heapInUse(), heap: core.HEAPU8.length }),
    // The typing limits of the windows' boxes, for a page's text boxes.
    teamTextRoom: (team, lengths) => core.teamTextRoom(team, Array.from(lengths)),
    menuNameLimits: (first, second) => core.menuNameLimits(first, second),
    bannerTextRoom: (lengths) => core.bannerTextRoom(Array.from(lengths)),
    playerNameLimit: (length, bytesLeft) => core.playerNameLimit(length, bytesLeft),
    keepable: (text) => core.keepable(String(text)),
    columns: () => core.columns(),
    ratingEntries: () => core.ratingEntries(),
    screenColour: ({ red, green, blue }) => core.screenColour(red, green, blue),
    limits: Object.freeze(core.limits()),
  });
}
