// "Item Editor": the item list with its filter, one item's name and values, and its three option frames.
import { el, labelFor, setText, ValueButton } from '../dom';
import { FilterBox } from '../filterBox';
import type { Page, PageContext } from '../model';
import { entriesOf, VirtualList } from '../virtualList';

// By the model's value number: the button's id, its column, and its tooltip.
const Values: [string, number, string?][] = [
  ['cmdDamage', 0, 'Click to change the damage this item deals.'],
  ['cmdAmmo1', 0, 'Change Ammo Type 1. Use index number of Ammo item.'],
  ['cmdAmmo2', 0, 'Change Ammo Type 2. Use index number of Ammo item.'],
  ['cmdAmmo3', 0, 'Change Ammo Type 3. Use index number of Ammo item.'],
  ['cmdAutoA', 1], ['cmdSnapA', 1], ['cmdAimA', 1], ['cmdAutoT', 1], ['cmdSnapT', 1], ['cmdAimT', 1],
  ['cmdAmount', 0], ['cmdMelT', 1], ['cmdWeight', 0],
];
// The first column's values in their order on the page, below the name; the second column keeps the model's order.
const FirstColumn = [0, 1, 2, 3, 10, 12];
// By the model's option number.
const OptionIds = ['optAP', 'optIN', 'optHE', 'optLaser', 'optPlasma', 'optStun', 'optNone', 'optNoG', 'optGren', 'optProx', 'optSmoke', 'optNoClip', 'optClip'];
// The frames down the page: the model's group, its id, and its options in their order.
const Frames: [number, string, number[]][] = [
  [0, 'Frame2', [0, 1, 2, 3, 4, 5, 6]],
  [2, 'frmClip', [11, 12]],
  [1, 'frmGren', [10, 9, 8, 7]],
];

export function itemPage({ game, layout, run }: PageContext): Page {
  const list = new VirtualList(
    'lstItem',
    'lblItemHint',
    (entry) => run(() => game.clickItem(entry)),
    (entry) => run(() => game.openItem(entry)),
    'Click on item to view index number, double click to edit.',
  );
  const filter = new FilterBox('txtFilterItem', 'items', list, (typed) => game.matchingItems(typed));
  const index = el('span', { id: 'lblIndex' });

  const name = new ValueButton('cmdName', layout.items.nameLabel, () => run(() => game.changeItemName()), 'Click to change the name.');
  const values = Values.map(([id, , tooltip], value) => new ValueButton(id, layout.items.valueLabels[value], () => run(() => game.editItemValue(value)), tooltip));
  const columns = [el('div', { class: 'fields' }, name.label, name.button), el('div', { class: 'fields' })];
  for (const value of FirstColumn) columns[0].append(values[value].label, values[value].button);
  values.forEach((button, value) => {
    if (Values[value][1] === 1) columns[1].append(button.label, button.button);
  });

  const caption = (option: number) => layout.items.options.find((choice) => choice.value === option)?.caption ?? '';
  const options: HTMLInputElement[] = [];
  const frames = Frames.map(([group, id, members]) => {
    const frame = el('fieldset', { id, class: 'options column' }, el('legend', { text: layout.items.groupTitles[group] }));
    for (const option of members) {
      const input = el('input', { type: 'radio', id: OptionIds[option], name: id });
      input.addEventListener('click', () => run(() => game.chooseItemOption(option)));
      options[option] = input;
      frame.append(el('span', {}, input, labelFor(OptionIds[option], caption(option))));
    }
    return frame;
  });

  const root = el(
    'div',
    { class: 'page items' },
    el(
      'div',
      { class: 'column' },
      filter.box,
      el('p', { id: 'lblItemHint', text: 'Double click on item to edit it.' }),
      list.root,
      el('p', {}, 'Index: ', index),
    ),
    el('div', { class: 'values' }, ...columns),
    el('div', { class: 'column' }, ...frames),
  );

  let shown = '';
  return {
    root,
    refresh() {
      const view = game.itemView();
      const entries = view.entries.join('\n');
      if (entries !== shown) {
        shown = entries;
        list.setEntries(entriesOf(view.entries), true);
        filter.apply();
      }
      list.setEnabled(view.listEnabled);
      setText(index, view.indexCaption);
      name.set(view.nameCaption, view.controlsEnabled);
      values.forEach((button, value) => button.set(view.valueCaptions[value] ?? '', view.controlsEnabled));
      for (const frame of frames) frame.disabled = !view.controlsEnabled;
      options.forEach((option, number) => {
        option.checked = view.selected.includes(number);
      });
    },
    showRecord(_list, record) {
      filter.reveal(record);
      list.select(record);
      run(() => {
        game.clickItem(record);
        game.openItem(record);
      });
    },
  };
}
