// "Facility Editor": one facility type's five values and whether it is standard to build.
import { choiceList, el, labelFor, ValueButton, YesNo } from '../dom';
import type { Page, PageContext } from '../model';

// The value buttons in the order of the model's values.
const ButtonIds = ['cmdPrice', 'cmdDays', 'cmdUpkeep', 'cmdStrength', 'cmdRatio'];

export function facilityPage({ game, layout, run }: PageContext): Page {
  const types = choiceList('cmbType', layout.facilities.types, (record) => run(() => game.chooseFacility(record)));
  const buttons = layout.facilities.valueLabels.map(
    (label, value) => new ValueButton(ButtonIds[value], label, () => run(() => game.editFacilityValue(value))),
  );
  const standard = new YesNo('frmBuild', layout.facilities.standardLabel, 'optYes', 'optNo', (yes) => run(() => game.setStandard(yes)));
  const grid = el('div', { class: 'fields' }, labelFor('cmbType', 'Facility Name:'), types);
  for (const button of buttons) grid.append(button.label, button.button);
  grid.append(standard.frame);
  return {
    root: el('div', { class: 'page' }, grid),
    refresh() {
      const view = game.facilityView();
      types.disabled = !view.typeListEnabled;
      buttons.forEach((button, value) => button.set(view.captions[value] ?? '', view.valuesEnabled));
      standard.set(view.valuesEnabled, view.standardYes);
    },
    showRecord(_list, record) {
      types.value = String(record);
      run(() => game.chooseFacility(record));
    },
  };
}
