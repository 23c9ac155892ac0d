// What every view is given: the module, the open document and the page's ways to act.
import type { IcevaleApi, IcevaleDocument } from 'icevale-module';

export interface Context {
  readonly api: IcevaleApi;
  /** the open document; views exist only while one is open */
  doc(): IcevaleDocument;
  /**
   * Runs a change through the module. A refusal (a thrown error) is shown as an alert and
   * changes nothing; a step refreshes the visible view, the undo buttons and the title.
   * Gives whether it succeeded. With `keep`, a refusal leaves the controls as they are (a
   * text box keeps the text that was refused, to be mended).
   */
  act(change: () => string | null | void, keep?: boolean): boolean;
  /** shows a message in the status line */
  status(text: string): void;
  /** shows a message as an alert */
  alert(text: string): void;
  /** offers bytes or text as a download */
  download(name: string, data: Uint8Array | string, type?: string): void;
  /** the file's name as opened or last saved as */
  filename(): string;
  /** the bytes the document had when opened */
  opened(): Uint8Array;
  /** replaces the document by one opened from these bytes (a patch's result) */
  replace(bytes: Uint8Array, name: string): boolean;
}

export interface View {
  readonly id: string;
  readonly title: string;
  readonly element: HTMLElement;
  /** shows the document's values; builds the controls the first time */
  render(): void;
}

export type ViewMaker = (ctx: Context) => View;
