// Small builders for the page's elements, so that each page states only its controls.

type Attrs = Record<string, string | number | boolean | undefined>;

export function el<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  attrs: Attrs = {},
  ...children: (Node | string)[]
): HTMLElementTagNameMap[K] {
  const element = document.createElement(tag);
  for (const [name, value] of Object.entries(attrs)) {
    if (value === undefined || value === false) continue;
    if (name === 'text') element.textContent = String(value);
    else if (name === 'class') element.className = String(value);
    else element.setAttribute(name, value === true ? '' : String(value));
  }
  element.append(...children);
  return element;
}

// A label's text as a name: one line, without the colon at its end.
export function spoken(text: string): string {
  return text.replace(/\s+/g, ' ').replace(/:+\s*$/, '').trim();
}

export function setText(element: HTMLElement, text: string): void {
  if (element.textContent !== text) element.textContent = text;
}

// A button showing a field's value, named by its field and value as a reader says them.
export class ValueButton {
  readonly label: HTMLSpanElement;
  readonly button: HTMLButtonElement;
  private readonly field: string;

  constructor(id: string, label: string, onClick: () => void, tooltip?: string) {
    this.field = spoken(label);
    this.label = el('span', { class: 'field', text: label, 'aria-hidden': 'true' });
    this.button = el('button', { type: 'button', id, class: 'value', title: tooltip, 'aria-label': this.field });
    this.button.addEventListener('click', onClick);
  }

  set(caption: string, enabled: boolean): void {
    setText(this.button, caption);
    const value = spoken(caption);
    this.button.setAttribute('aria-label', value ? `${this.field}: ${value}` : this.field);
    this.button.disabled = !enabled;
  }
}

// A framed Yes/No pair of options; both stay unchosen when the model says neither.
export class YesNo {
  readonly frame: HTMLFieldSetElement;
  private readonly yes: HTMLInputElement;
  private readonly no: HTMLInputElement;

  constructor(frameId: string, caption: string, yesId: string, noId: string, pick: (yes: boolean) => void) {
    const option = (id: string, text: string, yes: boolean) => {
      const input = el('input', { type: 'radio', id, name: frameId });
      input.addEventListener('click', () => pick(yes));
      return [input, el('label', { for: id, text })] as const;
    };
    const [yes, yesLabel] = option(yesId, 'Yes', true);
    const [no, noLabel] = option(noId, 'No', false);
    this.yes = yes;
    this.no = no;
    this.frame = el('fieldset', { id: frameId, class: 'options' }, el('legend', { text: caption }), yes, yesLabel, no, noLabel);
  }

  set(enabled: boolean, yes: boolean | null): void {
    this.frame.disabled = !enabled;
    this.yes.checked = yes === true;
    this.no.checked = yes === false;
  }
}

// A drop-down list of choices that shows none chosen until one is; `pick` gets the choice's value.
export function choiceList(
  id: string,
  choices: { caption: string; value: number }[],
  pick: (value: number) => void,
  tooltip?: string,
): HTMLSelectElement {
  const list = el('select', { id, title: tooltip });
  for (const choice of choices) list.append(el('option', { value: choice.value, text: choice.caption }));
  list.selectedIndex = -1;
  list.addEventListener('change', () => {
    if (list.value !== '') pick(Number(list.value));
  });
  return list;
}

export function labelFor(id: string, text: string): HTMLLabelElement {
  return el('label', { for: id, text });
}
