// "Unit Editor": one unit's fifteen statistics and its flying ability.
import { choiceList, el, labelFor, ValueButton, YesNo } from '../dom';
import type { Page, PageContext } from '../model';

// The statistic buttons in the order of the model's statistics.
const ButtonIds = [
  'cmdTU', 'cmdHealth', 'cmdEnrg', 'cmdReac', 'cmdStr', 'cmdFirA', 'cmdThrA', 'cmdFrA',
  'cmdLefA', 'cmdRigA', 'cmdReaA', 'cmdUndA', 'cmdPsiSk', 'cmdPsiSt', 'cmdBrav',
];

export function unitPage({ game, layout, run }: PageContext): Page {
  const units = choiceList('cmbUnit', layout.units.units, (record) => run(() => game.chooseUnit(record)));
  const buttons = layout.units.statLabels.map((label, stat) => new ValueButton(ButtonIds[stat], label, () => run(() => game.editStat(stat))));
  const flying = new YesNo('Frame1', layout.units.flyingLabel, 'optYesU', 'optNoU', (yes) => run(() => game.setFlying(yes)));
  const grid = el('div', { class: 'fields' }, labelFor('cmbUnit', 'Unit Name:'), units);
  for (const button of buttons) grid.append(button.label, button.button);
  grid.append(flying.frame);
  return {
    root: el('div', { class: 'page' }, grid),
    refresh() {
      const view = game.unitView();
      buttons.forEach((button, stat) => button.set(view.captions[stat] ?? '', view.valueButtonsEnabled));
      flying.set(view.flyingEnabled, view.flyingYes);
    },
    showRecord(_list, record) {
      units.value = String(record);
      run(() => game.chooseUnit(record));
    },
  };
}
