// A filter box above a list: shows only the entries that contain the typed text, found by the model's filter.
import { el } from './dom';
import type { Model } from './model';
import type { VirtualList } from './virtualList';

export function filterBox(model: Model, id: string, listName: string, list: VirtualList): HTMLInputElement {
  const box = el('input', {
    type: 'search',
    id,
    placeholder: 'Filter',
    'aria-label': `Filter ${listName}`,
    title: 'Shows only the entries that contain this text. Empty shows every entry.',
  });
  box.addEventListener('input', () => applyFilter(model, box, list));
  return box;
}

export function applyFilter(model: Model, box: HTMLInputElement, list: VirtualList): void {
  const entries = list.texts;
  list.setShown(box.value === '' ? entries.map((_, position) => position) : model.matchingEntries(entries, box.value));
}

// Shows an entry the filter hides by emptying the filter.
export function revealEntry(model: Model, box: HTMLInputElement, list: VirtualList, entry: number): void {
  if (list.isShown(entry)) return;
  box.value = '';
  applyFilter(model, box, list);
}
