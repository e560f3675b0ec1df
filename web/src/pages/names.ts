// "Soldier Names": the two lists of soldiers' names; a double click edits one.
import { el } from '../dom';
import type { Page, PageContext } from '../model';
import { entriesOf, VirtualList } from '../virtualList';

export function namesPage({ game, layout, run }: PageContext): Page {
  const first = new VirtualList('lstFirst', 'lblFirst', undefined, (entry) => run(() => game.editFirstName(entry)));
  const last = new VirtualList('lstLast', 'lblLast', undefined, (entry) => run(() => game.editLastName(entry)));
  const root = el(
    'div',
    { class: 'page names' },
    el('div', { class: 'column grow' }, el('label', { id: 'lblFirst', for: 'lstFirst', text: layout.names.firstTitle }), first.root),
    el('div', { class: 'column grow' }, el('label', { id: 'lblLast', for: 'lstLast', text: layout.names.lastTitle }), last.root),
    el('p', {
      id: 'lblName',
      class: 'wide',
      text:
        'This is a list of all the default soldier names. Double Click to edit.\n' +
        "I suggest using the same sex as the first name already is or you'll have men with women's names and vice versa.",
    }),
  );
  let shown = ['', ''];
  return {
    root,
    refresh(open) {
      const view = game.namesView();
      const now = [view.firstNames.join('\n'), view.lastNames.join('\n')];
      if (now[0] !== shown[0]) first.setEntries(entriesOf(view.firstNames), true);
      if (now[1] !== shown[1]) last.setEntries(entriesOf(view.lastNames), true);
      shown = now;
      first.setEnabled(open);
      last.setEnabled(open);
    },
    showRecord(list, record) {
      const names = list === 0 ? first : last;
      names.select(record);
      names.root.focus();
    },
  };
}
