// The editor's window: the menu bar, the strip of the six pages, the change list and the status line.
// Every command goes through `run`, which shows what the model says after it and carries out its writes.
import { ChangesPanel } from './changes';
import { aboutBox, helpBox } from './dialogs';
import { el, setText } from './dom';
import { GameFiles } from './files';
import { MenuBar } from './menus';
import type { Game, Model, Page, PageContext } from './model';
import { basePage } from './pages/base';
import { facilityPage } from './pages/facility';
import { itemPage } from './pages/items';
import { namesPage } from './pages/names';
import { stringPage } from './pages/strings';
import { unitPage } from './pages/units';
import { makePrompts } from './prompts';

const Title = 'Orvane Executable Editor';
const MakePages = [basePage, facilityPage, namesPage, unitPage, itemPage, stringPage];
// The menu items a load makes usable.
const NeedFiles = ['mnuBack', 'mnuMaster', 'mnuPatch', 'mnuApplyPatch', 'mnuExportMod', 'mnuApplyMod', 'mnuClose'];

function fileInput(id: string, label: string, folder = false): HTMLInputElement {
  return el('input', { type: 'file', id, hidden: true, 'aria-label': label, webkitdirectory: folder, multiple: folder });
}

export class Shell {
  private readonly game: Game;
  private readonly files: GameFiles;
  private readonly menus: MenuBar;
  private readonly pages: Page[];
  private readonly tabs: HTMLButtonElement[] = [];
  private readonly panels: HTMLElement;
  private readonly changes: ChangesPanel;
  private readonly status = el('p', { id: 'lblStatus', role: 'status' });
  private pending = Promise.resolve();

  constructor(model: Model, root: HTMLElement, icon: string) {
    this.game = new model.Game(makePrompts((line) => this.tell(line)));
    this.files = new GameFiles(this.game, (line) => this.tell(line), (title, text) => window.alert(`${title}\n\n${text}`));
    const folder = fileInput('inpFolder', 'Game folder', true);
    const patch = fileInput('inpPatch', 'Patch file');
    const mod = fileInput('inpMod', 'Mod file');
    folder.addEventListener('change', () => void this.openInput(folder));
    patch.addEventListener('change', () => void this.applyFile(patch, (path) => this.game.applyPatchFile(path)));
    mod.addEventListener('change', () => void this.applyFile(mod, (path) => this.game.applyModFile(path)));

    const about = aboutBox(icon);
    const help = helpBox();
    const run = (command: () => unknown) => this.run(command);
    this.menus = new MenuBar([
      {
        id: 'mnuFile',
        caption: 'File',
        items: [
          { id: 'mnuOpen', caption: 'Load Files', keys: 'Control+O', act: () => void this.openFolder(folder) },
          null,
          { id: 'mnuBack', caption: 'Make Backups', keys: 'Control+M', checkable: true, act: () => run(() => this.game.toggleMakeBackups()) },
          { id: 'mnuMaster', caption: 'Make Master Backup', keys: 'Control+B', act: () => void this.runWriting(() => this.game.makeMasterBackup()) },
          { id: 'mnuPatch', caption: 'Make Patch Files', keys: 'Control+P', act: () => run(() => this.game.makePatchFile()) },
          { id: 'mnuApplyPatch', caption: 'Apply Patch File', act: () => patch.click() },
          { id: 'mnuExportMod', caption: 'Export Changes as Mod...', act: () => run(() => this.game.exportChangesAsMod()) },
          { id: 'mnuApplyMod', caption: 'Apply Mod File...', act: () => mod.click() },
          { id: 'mnuSave', caption: 'Save', keys: 'Control+S', act: () => void this.runWriting(() => this.game.save()) },
          { id: 'mnuClose', caption: 'Close files', act: () => run(() => this.game.closeFiles()) },
        ],
      },
      {
        id: 'mnuEdit',
        caption: 'Edit',
        items: [
          { id: 'mnuUndo', caption: 'Undo', keys: 'Control+Z', act: () => run(() => this.game.undo()) },
          { id: 'mnuChanges', caption: 'Changes Since Load', checkable: true, act: () => this.toggleChanges() },
        ],
      },
      {
        id: 'mnuHelp',
        caption: 'Help',
        items: [
          { id: 'mnuAbout', caption: 'About', act: () => about.showModal() },
          { id: 'mnuHelpMe', caption: 'Help', keys: 'F1', act: () => help.showModal() },
        ],
      },
    ]);

    const context: PageContext = { model, game: this.game, layout: this.game.layout(), run };
    this.pages = MakePages.map((make) => make(context));
    const strip = el('div', { id: 'tabFac', role: 'tablist', 'aria-label': 'Pages' });
    this.panels = el('div', { id: 'pnlPages' });
    context.layout.pages.forEach((caption, index) => {
      const tab = el('button', { type: 'button', role: 'tab', id: `tab${index}`, 'aria-controls': `page${index}`, text: caption });
      tab.addEventListener('click', () => this.showPage(index));
      tab.addEventListener('keydown', (event) => this.tabKey(event, index));
      this.tabs.push(tab);
      strip.append(tab);
      this.panels.append(el('div', { role: 'tabpanel', id: `page${index}`, 'aria-labelledby': `tab${index}` }, this.pages[index].root));
    });
    this.changes = new ChangesPanel(this.game, (change) => this.showPage(change.page, change.list, change.record));

    root.replaceChildren(
      el('header', {}, this.menus.root),
      el('main', {}, el('h1', { class: 'hidden', text: Title }), strip, this.panels, this.changes.root),
      el('footer', {}, this.status),
      folder,
      patch,
      mod,
    );
    this.showPage(0);
    this.refresh();
  }

  // Carries out one click or command, shows what the model says now, then carries out the files it wrote.
  run(command: () => unknown): void {
    try {
      command();
    } catch (error) {
      this.tell(`The command failed: ${String(error)}`);
    }
    this.refresh();
    this.pending = this.pending
      .then(() => this.files.carryOut())
      .catch((error: unknown) => this.tell(`The files could not be written: ${String(error)}`))
      .then(() => this.refresh());
  }

  // A command that writes the game's files, run only while the files on disk are still those loaded.
  private async runWriting(command: () => unknown): Promise<void> {
    await this.pending;
    if (await this.files.unchangedOnDisk()) this.run(command);
  }

  refresh(): void {
    const state = this.game.state();
    for (const id of NeedFiles) this.menus.setEnabled(id, state.filesOpen);
    this.menus.setEnabled('mnuSave', state.saveAvailable);
    this.menus.setEnabled('mnuUndo', state.undoAvailable);
    this.menus.setChecked('mnuBack', state.makeBackups);
    this.menus.setChecked('mnuChanges', this.changes.shown);
    this.panels.inert = !state.filesOpen;
    for (const tab of this.tabs) tab.disabled = !state.filesOpen;
    if (!state.filesOpen && this.tabs[0].getAttribute('aria-selected') !== 'true') this.showPage(0);
    for (const page of this.pages) page.refresh(state.filesOpen);
    this.changes.refresh();
    const path = state.exePath ? ` - ${state.exePath}` : '';
    document.title = `${state.modified ? '* ' : ''}${Title}${path}`;
  }

  private tell(line: string): void {
    setText(this.status, line);
  }

  private async openFolder(input: HTMLInputElement): Promise<void> {
    const path = await this.files.pickFolder(input);
    if (path !== null) this.load(path);
  }

  private async openInput(input: HTMLInputElement): Promise<void> {
    if (!input.files || input.files.length === 0) return;
    const path = await this.files.putInput(input.files);
    input.value = '';
    this.load(path);
  }

  private load(path: string): void {
    this.run(() => {
      const [result, step = ''] = this.game.load(path).split('\n');
      this.tell(step);
      if (result === 'complete') {
        this.files.rememberLoaded(this.game.state().files);
        this.showPage(0);
      }
    });
  }

  // A patch or mod file the user chose, put into the model and applied.
  private async applyFile(input: HTMLInputElement, apply: (path: string) => void): Promise<void> {
    const file = input.files?.[0];
    if (!file) return;
    const path = `/in/${file.name}`;
    this.game.putFile(path, new Uint8Array(await file.arrayBuffer()));
    input.value = '';
    this.run(() => apply(path));
  }

  private toggleChanges(): void {
    this.changes.setShown(!this.changes.shown);
    this.menus.setChecked('mnuChanges', this.changes.shown);
  }

  private showPage(index: number, list?: number, record?: number): void {
    if (index < 0 || index >= this.pages.length || (this.tabs[index].disabled && list !== undefined)) return;
    this.tabs.forEach((tab, other) => {
      tab.setAttribute('aria-selected', String(other === index));
      tab.tabIndex = other === index ? 0 : -1;
      (this.panels.children[other] as HTMLElement).hidden = other !== index;
    });
    if (list !== undefined && record !== undefined) this.pages[index].showRecord(list, record);
  }

  private tabKey(event: KeyboardEvent, index: number): void {
    const count = this.tabs.length;
    const next = { ArrowRight: index + 1, ArrowLeft: index - 1 + count, Home: 0, End: count - 1 }[event.key];
    if (next === undefined) return;
    event.preventDefault();
    this.showPage(next % count);
    this.tabs[next % count].focus();
  }
}
