// A filter box above a list: shows only the entries that contain the typed text, found by the model's
// filter (`match` answers the positions it lets through).
import { el } from './dom';
import type { VirtualList } from './virtualList';

export class FilterBox {
  readonly box: HTMLInputElement;

  constructor(
    id: string,
    listName: string,
    private readonly list: VirtualList,
    private readonly match: (typed: string) => ArrayLike<number>,
  ) {
    this.box = el('input', {
      type: 'search',
      id,
      placeholder: 'Filter',
      'aria-label': `Filter ${listName}`,
      title: 'Shows only the entries that contain this text. Empty shows every entry.',
    });
    this.box.addEventListener('input', () => this.apply());
  }

  apply(): void {
    const typed = this.box.value;
    this.list.setShown(typed === '' ? this.list.everyPosition() : Array.from(this.match(typed)));
  }

  // Shows an entry the filter hides by emptying the filter.
  reveal(entry: number): void {
    if (this.list.isShown(entry)) return;
    this.box.value = '';
    this.apply();
  }
}
