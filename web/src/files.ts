// The game's files between the user's disk and the model: read in on open, and the model's writes carried
// out after each command. A folder opened through the File System Access API is written in place; one
// given through the folder input is handed back as a zip. Files the model writes below /out/ (patches,
// mods) are offered as downloads.
import { zipSync } from 'fflate';
import type { Game, Step } from './model';

// Each folder opened goes to a folder of its own in the model, /game1, /game2, ...: no file of a game
// opened earlier can be taken for one of the new game's.
const GameFolder = '/game';
const OutFolder = '/out/';
const ChangedOnDisk =
  "The game's files were changed by another program since they were loaded. Load them again before saving.";

interface PickerWindow {
  showDirectoryPicker?: (options?: { mode: 'readwrite' }) => Promise<FileSystemDirectoryHandle>;
}

export function download(name: string, bytes: Uint8Array): void {
  const url = URL.createObjectURL(new Blob([bytes as Uint8Array<ArrayBuffer>]));
  const link = Object.assign(document.createElement('a'), { href: url, download: name });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10_000);
}

function sameBytes(a: Uint8Array | null, b: Uint8Array | null): boolean {
  if (!a || !b || a.length !== b.length) return a === b;
  for (let i = 0; i < a.length; ++i) if (a[i] !== b[i]) return false;
  return true;
}

// The paths below `folder` that the steps leave written, in the order they were first written.
function pathsLeft(steps: Step[], folder: string): string[] {
  const left = new Set<string>();
  for (const step of steps) {
    if (!step.path.startsWith(folder)) continue;
    if (step.kind === 'write') left.add(step.path);
    else {
      left.delete(step.path);
      if (step.kind === 'replace') left.add(step.target);
    }
  }
  return [...left];
}

function below(path: string, folder: string): string {
  return path.slice(folder.length).replace(/^\/+/, '');
}

export class GameFiles {
  private folder: FileSystemDirectoryHandle | null = null;
  private opened = 0;
  private root = GameFolder;
  private loaded = new Map<string, Uint8Array | null>(); // the game's files as last read or written

  constructor(
    private readonly game: Game,
    private readonly tell: (line: string) => void,
    private readonly warn: (title: string, text: string) => void,
  ) {}

  // Asks for the game folder and puts its files into the model; answers the executable's path, or
  // null when the user chose none. Without the File System Access API the folder input asks.
  async pickFolder(input: HTMLInputElement): Promise<string | null> {
    const picker = (window as PickerWindow).showDirectoryPicker;
    if (!picker) {
      input.click();
      return null;
    }
    let folder: FileSystemDirectoryHandle;
    try {
      folder = await picker({ mode: 'readwrite' });
    } catch {
      return null; // the user closed the picker
    }
    this.root = `${GameFolder}${++this.opened}`;
    await this.putFolder(folder, this.root);
    this.folder = folder;
    return this.game.findExecutable(this.root);
  }

  // The files of a folder chosen with the folder input: each keeps its path below the chosen folder.
  async putInput(files: FileList): Promise<string> {
    this.root = `${GameFolder}${++this.opened}`;
    for (const file of Array.from(files)) {
      const relative = file.webkitRelativePath ? file.webkitRelativePath.split('/').slice(1).join('/') : file.name;
      this.game.putFile(`${this.root}/${relative}`, new Uint8Array(await file.arrayBuffer()));
    }
    this.folder = null;
    return this.game.findExecutable(this.root);
  }

  // Remembers the game's files as the model loaded them, to tell later whether another program changed them.
  rememberLoaded(paths: string[]): void {
    this.loaded = new Map(paths.map((path) => [path, this.game.file(path)]));
  }

  // Carries out what the last command wrote: downloads for /out/, the game folder's writes on disk or in a zip.
  async carryOut(): Promise<void> {
    const steps = this.game.takeSteps();
    for (const path of pathsLeft(steps, OutFolder)) {
      const bytes = this.game.file(path);
      if (bytes) download(below(path, OutFolder), bytes);
    }
    const gameSteps = steps.filter((step) => step.path.startsWith(`${this.root}/`));
    if (gameSteps.length === 0) return;
    if (this.folder) await this.writeToDisk(this.folder, gameSteps);
    else this.offerZip(gameSteps);
  }

  // False, after telling the user, when the opened folder's game files are no longer those loaded; a
  // command that writes them asks first, so that the model does not take a save that cannot be written.
  async unchangedOnDisk(): Promise<boolean> {
    if (!this.folder) return true;
    for (const [path, bytes] of this.loaded) {
      if (!sameBytes(await this.readFromDisk(this.folder, path), bytes)) {
        this.warn('Save', ChangedOnDisk);
        return false;
      }
    }
    return true;
  }

  private offerZip(steps: Step[]): void {
    const entries: Record<string, Uint8Array> = {};
    for (const path of pathsLeft(steps, `${this.root}/`)) {
      const bytes = this.game.file(path);
      if (bytes) entries[below(path, this.root)] = bytes;
    }
    download('orvane-game.zip', zipSync(entries));
    this.tell('Unzip orvane-game.zip into the game folder, replacing its files.');
  }

  private async writeToDisk(folder: FileSystemDirectoryHandle, steps: Step[]): Promise<void> {
    const write = async () => {
      if (!(await this.unchangedOnDisk())) return;
      for (const step of steps) await this.carryOutStep(folder, step);
      for (const path of this.loaded.keys()) this.loaded.set(path, this.game.file(path));
    };
    if (navigator.locks) await navigator.locks.request('orvane-game', write);
    else await write();
  }

  private async carryOutStep(folder: FileSystemDirectoryHandle, step: Step): Promise<void> {
    if (step.kind === 'write') return this.writeFile(folder, step.path, step.bytes);
    if (step.kind === 'replace') {
      const bytes = await this.readFromDisk(folder, step.path);
      if (!bytes) throw new Error(`${below(step.path, this.root)} was not written.`);
      await this.writeFile(folder, step.target, bytes);
    }
    const [parent, name] = await this.parentOf(folder, step.path, false);
    await parent.removeEntry(name);
  }

  private async writeFile(folder: FileSystemDirectoryHandle, path: string, bytes: Uint8Array): Promise<void> {
    const [parent, name] = await this.parentOf(folder, path, true);
    const writable = await (await parent.getFileHandle(name, { create: true })).createWritable();
    await writable.write(bytes as Uint8Array<ArrayBuffer>);
    await writable.close();
  }

  private async readFromDisk(folder: FileSystemDirectoryHandle, path: string): Promise<Uint8Array | null> {
    try {
      const [parent, name] = await this.parentOf(folder, path, false);
      return new Uint8Array(await (await (await parent.getFileHandle(name)).getFile()).arrayBuffer());
    } catch {
      return null;
    }
  }

  private async parentOf(folder: FileSystemDirectoryHandle, path: string, create: boolean) {
    const parts = below(path, this.root).split('/');
    const name = parts.pop() ?? '';
    let parent = folder;
    for (const part of parts) parent = await parent.getDirectoryHandle(part, { create });
    return [parent, name] as const;
  }

  private async putFolder(folder: FileSystemDirectoryHandle, path: string): Promise<void> {
    for await (const entry of folder.values()) {
      const inner = `${path}/${entry.name}`;
      if (entry.kind === 'directory') await this.putFolder(entry as FileSystemDirectoryHandle, inner);
      else this.game.putFile(inner, new Uint8Array(await (await (entry as FileSystemFileHandle).getFile()).arrayBuffer()));
    }
  }
}
