// The Icevale core as a JavaScript module: `import icevale from './icevale.mjs'`.
// Every refusal is a thrown Error whose message is the desktop's or the command-line
// tool's wording.

/** emscripten's module options; from Node pass the bytes of icevale.wasm as wasmBinary. */
export interface ModuleOptions {
  wasmBinary?: ArrayBuffer | Uint8Array;
  locateFile?: (path: string, prefix: string) => string;
  [option: string]: unknown;
}

export interface HealthProblem {
  /** "rosters", "team texts", "menu names", "banner texts", "line-ups", "playoffs", "menu defaults" */
  area: string;
  /** 1..28 when the problem belongs to one team, else 0 */
  team: number;
  text: string;
}

export interface TeamSummary {
  index: number;
  abbreviation: string;
  location: string;
  nickname: string;
  goalies: number;
  forwards: number;
  defencemen: number;
  bytes_left: number;
}

/** What `icevale-tool info --json` writes. */
export interface ImageInfo {
  file: string;
  size: number;
  copier_header: boolean;
  teams: TeamSummary[];
  health: Record<string, { team: number | null; problem: string }[]>;
  ok: boolean;
}

export interface ImportResult {
  /** edits that changed the image */
  changes: number;
}

/** components 0..31 */
export interface Rgb {
  red: number;
  green: number;
  blue: number;
}

export interface TeamRow {
  index: number;
  location: string;
  abbreviation: string;
  nickname: string;
  arena: string;
  overall: number;
  bytesLeft: number;
}

export interface Player {
  role: 'G' | 'F' | 'D';
  name: string;
  /** as the number box shows the stored byte: "88", "5", "1A" */
  number: string;
  /** the fourteen stored column values, columns 1..14 as [0..13] */
  columns: number[];
}

export interface Roster {
  goalies: number;
  forwards: number;
  defencemen: number;
  /** bytes left for player names */
  bytesLeft: number;
  /** the team average of the shown ratings, null when none counts */
  average: number | null;
  /** the player editor's label of the average ("Team Average:62.5") and of the bytes left */
  averageLabel: string;
  bytesLeftLabel: string;
  players: Player[];
}

export interface IcevaleDocument {
  /** the name given to open() */
  readonly name: string;
  /** whether the image differs from the bytes opened or last saved */
  readonly modified: boolean;
  readonly closed: boolean;
  health(): HealthProblem[];
  info(): ImageInfo;
  /** the JSON export, as `icevale-tool export` writes it */
  exportJson(): string;
  /** the roster CSV, as `icevale-tool export --format csv` writes it */
  exportCsv(): string;
  /**
   * Checks and applies a JSON export (any part of one); throws, changing nothing, with the
   * tool's message, each line starting with `name: ` when a name is given.
   */
  importJson(text: string, name?: string): ImportResult;
  importCsv(text: string, name?: string): ImportResult;
  /** the whole file's bytes; from now on they count as saved */
  save(): Uint8Array;
  /** the whole file's bytes as they are now, without counting them as saved */
  image(): Uint8Array;
  /** undoes the last whole step (an import is one); its name, or null when there is none */
  undo(): string | null;
  redo(): string | null;
  /** the names undo() and redo() would give now */
  readonly undoName: string | null;
  readonly redoName: string | null;
  /** every editable value, shaped as the JSON export (docs/export-format.md) */
  values(): Record<string, unknown>;
  /**
   * Changes any part of the values (shaped as values() gives them), checked as an import
   * is (its messages name the JSON path), as one undo step named `step`.
   */
  change(values: Record<string, unknown>, step?: string): ImportResult;
  /** the team editor's rows; bytesLeft is what the four texts leave of the team's block */
  teams(): TeamRow[];
  /**
   * changes one team (1..28); absent values stay; the overall number may be the box's text
   * ("2.5" rounds to 2); the step's name, or null when nothing changed
   */
  setTeam(index: number, values: Partial<Omit<TeamRow, 'index' | 'bytesLeft' | 'overall'>> & { overall?: number | string }): string | null;
  menuNames(): { first: string; second: string };
  setMenuNames(names: { first?: string; second?: string }): string | null;
  /** cells 0..10 */
  uniform(team: number, side: 'away' | 'home'): Rgb[];
  /**
   * One cell's colour, as the bars write it; the window's Copy Color and Paste Color are a
   * cell's colour read with uniform() and given here for another cell.
   */
  setUniformColour(team: number, side: 'away' | 'home', cell: number, colour: Rgb): string | null;
  flipUniforms(team: number): string | null;
  /** rows 1..14 as [0..13] */
  bannerColours(team: number): Rgb[];
  setBannerColours(team: number, rows: Rgb[]): string | null;
  blackout(team: number): string | null;
  autoColour(team: number): string | null;
  /** the player editor's grid of one team (1..28) */
  roster(team: number): Roster;
  /** the player editor's buttons; null when the button's rule says no (nothing changes) */
  goaliePlus(team: number): string | null;
  goalieMinus(team: number): string | null;
  defencePlus(team: number): string | null;
  defenceMinus(team: number): string | null;
  addPlayer(team: number): string | null;
  removePlayer(team: number): string | null;
  /**
   * Player 1..n of a team: name, number as typed in its box, and the fourteen columns as
   * stored values (an entry index of columnEntries(J)); null or absent keeps a column.
   */
  setPlayer(team: number, player: number,
            values: { name?: string; number?: string; columns?: (number | null)[] }): string | null;
  /** every rating of the team set to rating entry 0..6 */
  juiceTeam(team: number, entry: number): string | null;
  /** the line editor's slot-box entries and the eight lines' stored slot bytes */
  lines(team: number): { entries: string[]; lines: { name: string; slots: number[] }[] };
  /** line 1..8 from entry positions of the slot boxes (null keeps a slot) */
  setLine(team: number, line: number, positions: (number | null)[]): string | null;
  /** the banner texts of teams 1..28 as [0..27] and the bytes left of their area */
  bannerTexts(): { texts: string[]; bytesLeft: number };
  setBannerTexts(texts: string[]): string | null;
  /** the playoff team count and the 4 x 128 slots as stored bytes, with the count's list position */
  playoffs(): { count: number; countPosition: number; slots: number[] };
  /** from list positions: count 0..27 stands for 1..28; a slot 0..27 a team, 28 none; null keeps */
  setPlayoffs(values: { count?: number | null; slots?: (number | null)[] }): string | null;
  /** the menu editor's seven lists (entries, stored byte, list position) and the selectable team count */
  menuDefaults(): {
    fields: { entries: string[]; stored: number; position: number }[];
    selectableTeams: number;
    selectableTeamsPosition: number;
  };
  setMenuDefaults(values: { fields?: (number | null)[]; selectableTeams?: number | null }): string | null;
  /** gives the document's memory back; any later call throws */
  close(): void;
}

export interface PatchOptions {
  /** whether the patch is for images with the 512-byte copier header (default true) */
  header?: boolean;
  /** receives what was found and decided, as the tool reports it */
  notes?: string[];
}

export interface ApplyOptions {
  /** write a result shorter than an image the editor opens */
  allowShort?: boolean;
  /** receives what looks made for the other kind of image but was applied as asked */
  warnings?: string[];
}

export interface IcevaleApi {
  /** Opens the bytes of an image file; throws with the desktop's message (too short, ...). */
  open(bytes: Uint8Array | ArrayBuffer, name?: string): IcevaleDocument;
  createPatch(original: Uint8Array | ArrayBuffer, edited: Uint8Array | ArrayBuffer,
              options?: PatchOptions & { format?: 'ips' | 'bps' }): Uint8Array;
  /** IPS offsets apply as they stand unless `header` names the kind the patch was made for. */
  applyPatch(patch: Uint8Array | ArrayBuffer, image: Uint8Array | ArrayBuffer,
             options?: Partial<PatchOptions> & ApplyOptions): Uint8Array;
  /** the entries of grid column 1..14's list, in stored-value order */
  columnEntries(column: number): string[];
  /** bytes the module's allocator holds, and the size of its memory */
  memory(): { inUse: number; heap: number };
  /** team 1..28's four boxes (location, abbreviation, nickname, arena) of these lengths: bytes left, each box's limit */
  teamTextRoom(team: number, lengths: number[]): { bytesLeft: number; limits: number[] };
  /** the limits of the two menu display name boxes, which share one budget */
  menuNameLimits(firstLength: number, secondLength: number): [number, number];
  /** the 28 banner text boxes of these lengths: bytes left of their area, each box's limit */
  bannerTextRoom(lengths: number[]): { bytesLeft: number; limits: number[] };
  /** the limit of a name box holding a name of `length` characters, given the roster's bytes left */
  playerNameLimit(length: number, bytesLeft: number): number;
  /** the text without the characters the image's character set cannot hold */
  keepable(text: string): string;
  /** grid columns 1..14 as [0..13]: short caption, what it stands for, list entries */
  columns(): { caption: string; tip: string; entries: string[] }[];
  /** the rating list's entries (Juice Team's list) */
  ratingEntries(): string[];
  /** the screen colour of a cell, "#rrggbb" */
  screenColour(colour: Rgb): string;
  /** the largest file a page reads, the smallest image, a number and an overall box's lengths, the grid's rows, a playoff page, cells per uniform and banner, a component's top */
  readonly limits: {
    maxFileSize: number;
    minImageSize: number;
    numberLength: number;
    overallLength: number;
    /** rows of the roster grid */
    maxPlayers: number;
    /** the playoff window's page */
    playoffPageSlots: number;
    uniformCells: number;
    bannerCells: number;
    componentMax: number;
  };
}

export default function icevale(options?: ModuleOptions): Promise<IcevaleApi>;
