// "Base Editor": the starting base's 36 squares, the frame that changes one, and the general stores.
import { choiceList, el, labelFor, setText } from '../dom';
import type { Page, PageContext } from '../model';
import { entriesOf, VirtualList } from '../virtualList';

// Shows the text in the list, with the entry of that text chosen when there is one; a text no entry has
// stands in an extra entry at the end that cannot be chosen.
function showText(list: HTMLSelectElement, text: string): void {
  let other = list.querySelector<HTMLOptionElement>('option[data-other]');
  const match = Array.from(list.options).findIndex((option) => option !== other && option.text === text);
  if (match >= 0 || text === '') {
    other?.remove();
    list.selectedIndex = match;
    return;
  }
  other ??= list.appendChild(el('option', { 'data-other': true, disabled: true, hidden: true, value: '' }));
  other.text = text;
  list.selectedIndex = other.index;
}

export function basePage({ game, layout, run }: PageContext): Page {
  const squares: HTMLButtonElement[] = [];
  const grid = el('div', { class: 'squares', role: 'group', 'aria-label': 'Base squares' });
  // The buttons are numbered down the columns; they stand, and Tab goes, along the rows.
  const buttonOfSquare = new Map(layout.base.squareOfButton.map((square, index) => [square, index + 1]));
  for (let square = 0; square < layout.base.squareOfButton.length; ++square) {
    const button = el('button', { type: 'button', id: `Command${buttonOfSquare.get(square)}`, class: 'square' });
    button.dataset.place = `Row ${Math.floor(square / 6) + 1}, column ${(square % 6) + 1}`;
    button.addEventListener('click', () => run(() => game.clickSquare(square)));
    squares.push(button);
    grid.append(button);
  }
  const version = el('p', { id: 'lblVer' });

  const facility = choiceList('Combo1', layout.base.facilityChoices, (code) => run(() => game.pickFacility(code)), 'Choose Facility Type');
  const days = choiceList('Combo2', layout.base.daysChoices, (left) => run(() => game.pickDays(left)), 'Choose Days To Completion');
  const frameTitle = el('legend');
  const frame = el(
    'fieldset',
    { id: 'frmChange', class: 'change' },
    frameTitle,
    el('label', { id: 'Label4', for: 'Combo1', text: 'Facility Type:' }),
    facility,
    el('label', { id: 'Label3', for: 'Combo2', text: 'Days Left:' }),
    days,
    el('button', { type: 'button', id: 'cmdApply', text: 'Apply' }),
    el('button', { type: 'button', id: 'cmdCancel', text: 'Cancel' }),
  );
  frame.querySelector('#cmdApply')!.addEventListener('click', () => run(() => game.applyBase()));
  frame.querySelector('#cmdCancel')!.addEventListener('click', () => run(() => game.cancelBase()));

  const stores = new VirtualList('lstItems', 'Label5', undefined, (entry) => run(() => game.openStoresEntry(entry)), 'A list of every item at the starting base.');
  const root = el(
    'div',
    { class: 'page base' },
    el('div', { class: 'column' }, el('p', { id: 'Label1', text: 'This is the base that will be built when a new game is started. ' }), grid, version),
    frame,
    el(
      'div',
      { class: 'column grow' },
      Object.assign(labelFor('lstItems', 'Items in General Stores:'), { id: 'Label5' }),
      stores.root,
      el('p', { id: 'Label2', text: 'Click on an item to edit the amount a player starts with.' }),
    ),
  );

  let boxesRevision = -1;
  let storesShown = '';
  return {
    root,
    refresh() {
      const view = game.baseView();
      squares.forEach((button, square) => {
        const caption = view.squareCaptions[square] ?? '';
        setText(button, caption);
        button.setAttribute('aria-label', caption.trim() ? `${button.dataset.place}: ${caption.replace(/\s+/g, ' ').trim()}` : button.dataset.place!);
        button.disabled = !view.gridEnabled;
      });
      frame.hidden = !view.frameVisible;
      setText(frameTitle, view.frameCaption);
      frame.setAttribute('aria-label', view.frameCaption || 'Change square');
      if (boxesRevision !== view.boxesRevision) {
        boxesRevision = view.boxesRevision;
        showText(facility, view.facilityText);
        showText(days, view.daysText);
      }
      const shown = view.storesList.join('\n');
      if (shown !== storesShown) {
        storesShown = shown;
        stores.setEntries(entriesOf(view.storesList), false);
      }
      stores.setEnabled(view.listEnabled);
      setText(version, view.versionText);
    },
    showRecord(list, record) {
      if (list === 0) run(() => game.clickSquare(record));
      else stores.select(record);
    },
  };
}
