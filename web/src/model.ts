// The shapes of what the model compiled to WebAssembly hands the page, as its binding makes them.

export interface Choice {
  caption: string;
  value: number;
  group?: number;
}

export interface Layout {
  pages: string[];
  names: { firstTitle: string; lastTitle: string };
  base: { facilityChoices: Choice[]; daysChoices: Choice[]; squareOfButton: number[] };
  facilities: { types: Choice[]; valueLabels: string[]; standardLabel: string };
  units: { units: Choice[]; statLabels: string[]; flyingLabel: string };
  items: { nameLabel: string; valueLabels: string[]; groupTitles: string[]; options: Choice[] };
}

export interface BaseView {
  gridEnabled: boolean;
  squareCaptions: string[];
  frameVisible: boolean;
  frameCaption: string;
  facilityText: string;
  daysText: string;
  boxesRevision: number;
  listEnabled: boolean;
  storesList: string[];
  versionText: string;
}

export interface FacilityView {
  typeListEnabled: boolean;
  valuesEnabled: boolean;
  captions: string[];
  standardYes: boolean | null;
}

export interface UnitView {
  valueButtonsEnabled: boolean;
  flyingEnabled: boolean;
  captions: string[];
  flyingYes: boolean | null;
}

export interface ItemView {
  entries: string[];
  listEnabled: boolean;
  controlsEnabled: boolean;
  indexCaption: string;
  nameCaption: string;
  valueCaptions: string[];
  selected: number[]; // by group: the chosen option, or -1 for none
}

export interface StringView {
  lists: { revision: number; indexCaption: string }[];
  fillRevision: number;
  shownString: string;
  editOpen: boolean;
  editTarget: number;
  editText: string;
}

export interface GameState {
  filesOpen: boolean;
  saveAvailable: boolean;
  undoAvailable: boolean;
  makeBackups: boolean;
  modified: boolean;
  exePath: string;
  files: string[];
}

export interface ChangeRow {
  page: number; // -1: a change no page shows
  list: number;
  record: number;
  pageText: string;
  recordText: string;
  field: string;
  oldValue: string;
  newValue: string;
}

export type Step =
  | { kind: 'write'; path: string; bytes: Uint8Array }
  | { kind: 'replace'; path: string; target: string }
  | { kind: 'remove'; path: string };

export interface Game {
  putFile(path: string, bytes: Uint8Array): void;
  file(path: string): Uint8Array | null;
  takeSteps(): Step[];
  findExecutable(folder: string): string;
  load(exePath: string): string;
  save(): boolean;
  undo(): void;
  toggleMakeBackups(): void;
  makeMasterBackup(): void;
  makePatchFile(): void;
  applyPatchFile(path: string): void;
  exportChangesAsMod(): void;
  applyModFile(path: string): void;
  closeFiles(): void;
  state(): GameState;
  changes(): ChangeRow[];
  layout(): Layout;
  baseView(): BaseView;
  facilityView(): FacilityView;
  namesView(): { firstNames: string[]; lastNames: string[] };
  unitView(): UnitView;
  itemView(): ItemView;
  stringView(): StringView;
  stringCount(list: number): number;
  stringEntry(list: number, entry: number): string;
  matchingStrings(list: number, typed: string): Int32Array;
  matchingItems(typed: string): Int32Array;
  clickSquare(square: number): void;
  pickFacility(code: number): void;
  pickDays(days: number): void;
  applyBase(): void;
  cancelBase(): void;
  openStoresEntry(entry: number): void;
  chooseFacility(record: number): void;
  editFacilityValue(value: number): void;
  setStandard(yes: boolean): void;
  editFirstName(entry: number): void;
  editLastName(entry: number): void;
  chooseUnit(record: number): void;
  editStat(stat: number): void;
  setFlying(yes: boolean): void;
  clickItem(entry: number): void;
  openItem(entry: number): void;
  changeItemName(): void;
  editItemValue(value: number): void;
  chooseItemOption(option: number): void;
  clickString(list: number, entry: number): void;
  openString(list: number, entry: number): void;
  setStringEditText(text: string): void;
  applyString(): void;
  cancelString(): void;
}

export interface PageObject {
  askText(title: string, prompt: string, defaultText: string): string | null;
  askYesNo(title: string, text: string): boolean;
  askChoice(title: string, text: string, buttons: string[], defaultIndex: number, escapeIndex: number): number;
  showMessage(title: string, text: string, isWarning: boolean): void;
  chooseFileToOpen(description: string, pattern: string): string | null;
  chooseFileToSave(description: string, pattern: string): string | null;
  changed(): void;
}

export interface Model {
  Game: new (page: PageObject) => Game;
}

// What each page of the strip offers the window: its refresh and the way to show one record.
export interface Page {
  readonly root: HTMLElement;
  refresh(open: boolean): void;
  showRecord(list: number, record: number): void;
}

// What a page needs: the game, its fixed layout, and `run`, which carries out a click and shows the result.
export interface PageContext {
  model: Model;
  game: Game;
  layout: Layout;
  run(command: () => unknown): void;
}
