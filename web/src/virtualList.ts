// A list box that puts only its visible rows into the page, so that a list of 100,000 strings opens
// and scrolls at once. Each row keeps the entry's real position, whatever a filter hides.
import { el } from './dom';

const RowHeight = 20;

// What a list shows: how many entries, and the text of one. A list of 100,000 strings is read from the
// model only for the rows on screen.
export interface Entries {
  readonly length: number;
  text(entry: number): string;
}

export function entriesOf(texts: string[]): Entries {
  return { length: texts.length, text: (entry) => texts[entry] ?? '' };
}

export class VirtualList {
  readonly root: HTMLDivElement;
  private readonly rows: HTMLDivElement;
  private entries: Entries = entriesOf([]);
  private shown: number[] = []; // the real positions of the rows, in order
  private every: number[] = [];
  private current = -1; // a row number, or -1 for none
  private enabled = true;

  constructor(
    private readonly id: string,
    labelledBy: string,
    private readonly onChoose?: (entry: number) => void,
    private readonly onOpen?: (entry: number) => void,
    tooltip?: string,
  ) {
    this.rows = el('div', { class: 'rows', role: 'presentation' });
    this.root = el('div', { id, class: 'list', role: 'listbox', tabindex: 0, 'aria-labelledby': labelledBy, title: tooltip }, this.rows);
    this.root.addEventListener('scroll', () => this.render());
    this.root.addEventListener('keydown', (event) => this.key(event));
    // The Copy key copies the chosen entry's text, as in the desktop's lists.
    this.root.addEventListener('copy', (event) => {
      const entry = this.selected();
      if (entry < 0) return;
      event.clipboardData?.setData('text/plain', this.entries.text(entry));
      event.preventDefault();
    });
    this.rows.addEventListener('click', (event) => this.clicked(event, false));
    this.rows.addEventListener('dblclick', (event) => this.clicked(event, true));
    new ResizeObserver(() => this.render()).observe(this.root);
  }

  // New entries, all shown; the selection is kept when `keep` says so and its entry is still there.
  setEntries(entries: Entries, keep: boolean): void {
    const selected = keep ? this.selected() : -1;
    this.entries = entries;
    this.setShown(this.everyPosition(), selected);
    if (!keep) this.root.scrollTop = 0;
  }

  // Shows only the entries at these real positions; the selected entry stays selected if among them.
  setShown(shown: number[], selected = this.selected()): void {
    this.shown = shown;
    this.current = selected < 0 ? -1 : shown.indexOf(selected);
    this.render();
  }

  // Every position of the entries, in order: made again only when their number changes, since a list
  // of 100,000 is shown whole after every Apply.
  everyPosition(): number[] {
    const count = this.entries.length;
    if (this.every.length !== count) {
      this.every = new Array<number>(count);
      for (let position = 0; position < count; ++position) this.every[position] = position;
    }
    return this.every;
  }

  isShown(entry: number): boolean {
    return this.shown.includes(entry);
  }

  selected(): number {
    return this.current >= 0 ? this.shown[this.current] : -1;
  }

  // Selects the entry at this real position and scrolls it into view, as a click would, without telling.
  select(entry: number): void {
    this.moveTo(this.shown.indexOf(entry));
  }

  setEnabled(enabled: boolean): void {
    if (enabled === this.enabled) return;
    this.enabled = enabled;
    this.root.setAttribute('aria-disabled', String(!enabled));
    this.root.tabIndex = enabled ? 0 : -1;
  }

  private moveTo(row: number): void {
    if (row < 0 || row >= this.shown.length) return;
    this.current = row;
    const top = row * RowHeight;
    const height = this.root.clientHeight;
    if (top < this.root.scrollTop) this.root.scrollTop = top;
    else if (top + RowHeight > this.root.scrollTop + height) this.root.scrollTop = top + RowHeight - height;
    this.render();
  }

  private choose(row: number): void {
    this.moveTo(row);
    if (this.current >= 0) this.onChoose?.(this.shown[this.current]);
  }

  private clicked(event: MouseEvent, open: boolean): void {
    const row = (event.target as HTMLElement).closest<HTMLElement>('[role=option]');
    if (!row || !this.enabled) return;
    const entry = Number(row.dataset.entry);
    if (open) this.onOpen?.(entry);
    else this.choose(this.shown.indexOf(entry));
  }

  private key(event: KeyboardEvent): void {
    if (!this.enabled || event.altKey || event.ctrlKey || event.metaKey) return;
    const page = Math.max(1, Math.floor(this.root.clientHeight / RowHeight) - 1);
    const last = this.shown.length - 1;
    const moves: Record<string, number> = {
      ArrowDown: Math.min(last, this.current + 1),
      ArrowUp: Math.max(0, this.current - 1),
      PageDown: Math.min(last, this.current + page),
      PageUp: Math.max(0, this.current - page),
      Home: 0,
      End: last,
    };
    if (event.key in moves) {
      event.preventDefault();
      if (moves[event.key] !== this.current) this.choose(moves[event.key]);
    } else if (event.key === 'Enter' && this.current >= 0) {
      event.preventDefault();
      this.choose(this.current);
      this.onOpen?.(this.shown[this.current]);
    }
  }

  // The rows are kept and written over rather than made anew, so that the two clicks of a double click
  // land on the same row even when the first one refreshed the list.
  private render(): void {
    this.rows.style.height = `${this.shown.length * RowHeight}px`;
    const height = this.root.clientHeight || 30 * RowHeight;
    const first = Math.max(0, Math.floor(this.root.scrollTop / RowHeight) - 2);
    const end = Math.min(this.shown.length, first + Math.ceil(height / RowHeight) + 4);
    const pool = this.rows.children;
    while (pool.length > Math.max(0, end - first)) pool[pool.length - 1].remove();
    while (pool.length < end - first) this.rows.append(el('div', { role: 'option', class: 'row' }));
    for (let row = first; row < end; ++row) {
      const option = pool[row - first] as HTMLDivElement;
      const entry = this.shown[row];
      option.id = `${this.id}-${entry}`;
      option.dataset.entry = String(entry);
      option.style.top = `${row * RowHeight}px`;
      option.setAttribute('aria-selected', String(row === this.current));
      option.setAttribute('aria-setsize', String(this.shown.length));
      option.setAttribute('aria-posinset', String(row + 1));
      const text = this.entries.text(entry) || '\u00a0';
      if (option.textContent !== text) option.textContent = text;
    }
    const active = this.current >= first && this.current < end;
    if (active) this.root.setAttribute('aria-activedescendant', `${this.id}-${this.shown[this.current]}`);
    else this.root.removeAttribute('aria-activedescendant');
  }
}
