// "Changes Since Load": every value changed since the files were loaded, one row each; a double click or
// Enter on a row opens its page at its record.
import { el } from './dom';
import type { ChangeRow, Game } from './model';

const Headings = ['Page', 'Record', 'Field', 'Old Value', 'New Value'];

export class ChangesPanel {
  readonly root: HTMLElement;
  private readonly body: HTMLTableSectionElement;
  private rows: ChangeRow[] = [];

  constructor(
    private readonly game: Game,
    private readonly open: (change: ChangeRow) => void,
  ) {
    this.body = el('tbody');
    const table = el(
      'table',
      { id: 'lstChanges', title: 'Every value changed since the files were loaded. Double click to open its page.' },
      el('thead', {}, el('tr', {}, ...Headings.map((heading) => el('th', { scope: 'col', text: heading })))),
      this.body,
    );
    this.root = el('section', { id: 'frmChanges', 'aria-labelledby': 'frmChangesTitle', hidden: true }, el('h2', { id: 'frmChangesTitle', text: 'Changes Since Load' }), el('div', { class: 'scroll' }, table));
    this.body.addEventListener('dblclick', (event) => this.openRow(event.target as HTMLElement));
    this.body.addEventListener('keydown', (event) => {
      const row = (event.target as HTMLElement).closest('tr');
      if (!row) return;
      const next = event.key === 'ArrowDown' ? row.nextElementSibling : event.key === 'ArrowUp' ? row.previousElementSibling : null;
      if (next instanceof HTMLElement) this.focusRow(next);
      else if (event.key === 'Enter') this.openRow(row);
      else return;
      event.preventDefault();
    });
  }

  get shown(): boolean {
    return !this.root.hidden;
  }

  setShown(shown: boolean): void {
    this.root.hidden = !shown;
    if (shown) this.refresh();
  }

  refresh(): void {
    if (this.root.hidden) return;
    this.rows = this.game.changes();
    this.body.replaceChildren(
      ...this.rows.map((change, index) =>
        el(
          'tr',
          { tabindex: index === 0 ? 0 : -1, 'data-row': index },
          ...[change.pageText, change.recordText, change.field, change.oldValue, change.newValue].map((text) => el('td', { text })),
        ),
      ),
    );
  }

  private focusRow(row: HTMLElement): void {
    for (const other of Array.from(this.body.rows)) other.tabIndex = other === row ? 0 : -1;
    row.focus();
  }

  private openRow(target: HTMLElement): void {
    const row = target.closest('tr');
    const change = row ? this.rows[Number(row.dataset.row)] : undefined;
    if (change && change.page >= 0) this.open(change);
  }
}
