// The menu bar: the desktop's menus as ARIA menus, opened by click or keyboard, and their shortcuts.
import { el } from './dom';

export interface MenuItem {
  id: string;
  caption: string;
  keys?: string; // as ARIA writes them: "Control+S", "F1"
  checkable?: boolean;
  act: () => void;
}

export interface Menu {
  id: string;
  caption: string;
  items: (MenuItem | null)[]; // null: a separator
}

export class MenuBar {
  readonly root: HTMLElement;
  private readonly items = new Map<string, { item: MenuItem; button: HTMLButtonElement }>();
  private readonly openers: HTMLButtonElement[] = [];

  constructor(menus: Menu[]) {
    const bar = el('ul', { role: 'menubar', 'aria-label': 'Menu bar' });
    for (const menu of menus) bar.append(this.buildMenu(menu));
    this.root = el('nav', { 'aria-label': 'Menus' }, bar);
    document.addEventListener('click', (event) => {
      if (!this.root.contains(event.target as Node)) this.close();
    });
    document.addEventListener('keydown', (event) => this.shortcut(event));
  }

  setEnabled(id: string, enabled: boolean): void {
    const entry = this.items.get(id);
    if (entry) entry.button.disabled = !enabled;
  }

  setChecked(id: string, checked: boolean): void {
    this.items.get(id)?.button.setAttribute('aria-checked', String(checked));
  }

  private buildMenu(menu: Menu): HTMLElement {
    const opener = el('button', { type: 'button', id: menu.id, role: 'menuitem', 'aria-haspopup': 'menu', 'aria-expanded': 'false', text: menu.caption });
    const list = el('ul', { role: 'menu', 'aria-labelledby': menu.id, hidden: true });
    for (const item of menu.items) {
      if (!item) {
        list.append(el('li', { role: 'separator' }));
        continue;
      }
      const button = el(
        'button',
        { type: 'button', id: item.id, role: item.checkable ? 'menuitemcheckbox' : 'menuitem', 'aria-keyshortcuts': item.keys, 'aria-checked': item.checkable ? 'false' : undefined },
        el('span', { text: item.caption }),
        el('span', { class: 'keys', 'aria-hidden': 'true', text: item.keys?.replace('Control', 'Ctrl') ?? '' }),
      );
      button.addEventListener('click', () => {
        this.close();
        item.act();
      });
      this.items.set(item.id, { item, button });
      list.append(el('li', { role: 'none' }, button));
    }
    opener.addEventListener('click', () => (opener.getAttribute('aria-expanded') === 'true' ? this.close() : this.open(opener)));
    opener.addEventListener('keydown', (event) => {
      if (event.key === 'ArrowDown' || event.key === 'Enter' || event.key === ' ') {
        event.preventDefault();
        this.open(opener);
        this.focusItem(opener, 0);
      } else if (event.key === 'ArrowRight' || event.key === 'ArrowLeft') this.switchMenu(opener, event.key === 'ArrowRight' ? 1 : -1);
    });
    list.addEventListener('keydown', (event) => this.menuKey(opener, event));
    this.openers.push(opener);
    return el('li', { role: 'none' }, opener, list);
  }

  private open(opener: HTMLButtonElement): void {
    this.close();
    opener.setAttribute('aria-expanded', 'true');
    (opener.nextElementSibling as HTMLElement).hidden = false;
  }

  private close(): void {
    for (const opener of this.openers) {
      opener.setAttribute('aria-expanded', 'false');
      (opener.nextElementSibling as HTMLElement).hidden = true;
    }
  }

  private enabledItems(opener: HTMLButtonElement): HTMLButtonElement[] {
    return Array.from((opener.nextElementSibling as HTMLElement).querySelectorAll<HTMLButtonElement>('button:not(:disabled)'));
  }

  private focusItem(opener: HTMLButtonElement, index: number): void {
    const items = this.enabledItems(opener);
    items[(index + items.length) % Math.max(1, items.length)]?.focus();
  }

  private switchMenu(opener: HTMLButtonElement, step: number): void {
    const next = this.openers[(this.openers.indexOf(opener) + step + this.openers.length) % this.openers.length];
    const wasOpen = opener.getAttribute('aria-expanded') === 'true';
    next.focus();
    if (wasOpen) {
      this.open(next);
      this.focusItem(next, 0);
    }
  }

  private menuKey(opener: HTMLButtonElement, event: KeyboardEvent): void {
    const items = this.enabledItems(opener);
    const at = items.indexOf(document.activeElement as HTMLButtonElement);
    if (event.key === 'ArrowDown' || event.key === 'ArrowUp') this.focusItem(opener, at + (event.key === 'ArrowDown' ? 1 : -1));
    else if (event.key === 'Home' || event.key === 'End') this.focusItem(opener, event.key === 'Home' ? 0 : -1);
    else if (event.key === 'ArrowRight' || event.key === 'ArrowLeft') this.switchMenu(opener, event.key === 'ArrowRight' ? 1 : -1);
    else if (event.key === 'Escape' || event.key === 'Tab') {
      this.close();
      if (event.key === 'Escape') opener.focus();
      return;
    } else return;
    event.preventDefault();
  }

  // A menu's shortcut anywhere on the page; Control+Z in a text box stays the box's own undo.
  private shortcut(event: KeyboardEvent): void {
    const pressed = `${event.ctrlKey || event.metaKey ? 'Control+' : ''}${event.key.length === 1 ? event.key.toUpperCase() : event.key}`;
    const target = event.target as HTMLElement;
    if (pressed === 'Control+Z' && (target instanceof HTMLInputElement || target instanceof HTMLTextAreaElement)) return;
    for (const { item, button } of this.items.values()) {
      if (item.keys !== pressed) continue;
      event.preventDefault();
      if (!button.disabled) {
        this.close();
        item.act();
      }
      return;
    }
  }
}
