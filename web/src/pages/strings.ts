// "String Editor": the strings of ENGLISH.DAT and ENGLISH2.DAT, each list with its filter and index, the
// string shown, and the box that edits one.
import { el, setText } from '../dom';
import { FilterBox } from '../filterBox';
import type { Page, PageContext } from '../model';
import { VirtualList } from '../virtualList';

// By list: the heading, the ids of its list, filter and index, and its tooltip.
const Lists = [
  ['ENGLISH.DAT:', 'lstEng1', 'txtFilterEng1', 'lblEng1', 'A list of strings in English.dat. Click to display text. Double click to edit.'],
  ['ENGLISH2.DAT:', 'lstEng2', 'txtFilterEng2', 'lblEng2', 'A list of strings in English2.dat. Click to display text. Double click to edit.'],
] as const;

export function stringPage({ game, run }: PageContext): Page {
  const lists = Lists.map(([heading, listId, filterId, indexId, tooltip], number) => {
    const list = new VirtualList(
      listId,
      `${listId}-heading`,
      (entry) => run(() => game.clickString(number, entry)),
      (entry) => run(() => game.openString(number, entry)),
      tooltip,
    );
    const filter = new FilterBox(filterId, heading.replace(':', ''), list, (typed) => game.matchingStrings(number, typed));
    const index = el('span', { id: indexId });
    const column = el(
      'div',
      { class: 'column grow' },
      filter.box,
      el('label', { id: `${listId}-heading`, for: listId, text: heading }),
      list.root,
      el('p', {}, 'Index: ', index),
    );
    return { list, filter, index, column, revision: -1 };
  });

  const text = el('input', { type: 'text', id: 'Text1', 'aria-label': 'String text', class: 'grow' });
  text.addEventListener('input', () => run(() => game.setStringEditText(text.value)));
  const apply = el('button', { type: 'button', id: 'cmdApplyStr', text: 'Apply' });
  const cancel = el('button', { type: 'button', id: 'cmdCancelStr', text: 'Cancel' });
  apply.addEventListener('click', () => run(() => game.applyString()));
  cancel.addEventListener('click', () => run(() => game.cancelString()));
  const frame = el('div', { id: 'frmStr', class: 'edit', role: 'group', 'aria-label': 'Edit string' }, text, apply, cancel);
  const shownString = el('p', { id: 'lblStrShow', class: 'shown', title: 'This displays the string you currently have selected.' });

  const root = el(
    'div',
    { class: 'page strings' },
    el('div', { class: 'lists' }, ...lists.map((shown) => shown.column)),
    el('p', { id: 'lblStringStuff', text: 'Click on a string to view it\'s contents.\nDouble click on a string to edit it.' }),
    frame,
    shownString,
  );

  return {
    root,
    refresh(open) {
      const view = game.stringView();
      lists.forEach((shown, number) => {
        const { revision, indexCaption } = view.lists[number];
        // Only a list whose file changed is sent again: an Apply to one file leaves the other as it is.
        if (shown.revision !== revision) {
          shown.revision = revision;
          shown.list.setEntries({ length: game.stringCount(number), text: (entry) => game.stringEntry(number, entry) }, true);
          shown.filter.apply();
        }
        shown.list.setEnabled(open);
        setText(shown.index, indexCaption);
      });
      setText(shownString, view.shownString);
      frame.hidden = !view.editOpen;
      if (text.value !== view.editText) text.value = view.editText;
    },
    showRecord(list, record) {
      const shown = lists[list];
      if (!shown) return;
      shown.filter.reveal(record);
      shown.list.select(record);
      run(() => {
        game.clickString(list, record);
        game.openString(list, record);
      });
    },
  };
}
