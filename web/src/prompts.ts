// The model's questions, answered with the browser's own modal boxes: the model asks and waits for the
// answer, so only synchronous boxes will do. Each box shows its title as the first line of its text.
import type { PageObject } from './model';

// A file name the model wants written: asked for, and put below /out/, from where it is offered as a download.
function savedName(pattern: string): string {
  const extension = /\*\.([A-Za-z0-9]+)/.exec(pattern)?.[1]?.toLowerCase() ?? 'txt';
  return extension === 'qev' ? 'patch.qev' : `changes.${extension}`;
}

export function makePrompts(tell: (line: string) => void): PageObject {
  return {
    askText: (title, prompt, defaultText) => window.prompt(`${title}\n\n${prompt}`, defaultText),
    askYesNo: (title, text) => window.confirm(`${title}\n\n${text}`),
    askChoice(title, text, buttons, defaultIndex, escapeIndex) {
      const numbered = buttons.map((button, index) => `${index + 1}. ${button.replace(/&/g, '')}`).join('\n');
      const answer = window.prompt(`${title}\n\n${text}\n\n${numbered}`, String(defaultIndex + 1));
      if (answer === null) return escapeIndex;
      const typed = answer.trim().toLowerCase();
      const byName = buttons.findIndex((button) => button.replace(/&/g, '').toLowerCase() === typed);
      const chosen = byName >= 0 ? byName : Number.parseInt(typed, 10) - 1;
      return chosen >= 0 && chosen < buttons.length ? chosen : escapeIndex;
    },
    showMessage(title, text, isWarning) {
      window.alert(`${title}\n\n${text}`);
      if (isWarning) tell(text.split('\n')[0]);
    },
    chooseFileToOpen: () => null, // the page puts the chosen file in first and names it in the call
    chooseFileToSave(description, pattern) {
      const name = window.prompt(`${description}\n\nSave as:`, savedName(pattern));
      if (name === null || name.trim() === '') return null;
      return `/out/${name.trim().replace(/[\\/]/g, '_')}`;
    },
    changed: () => {},
  };
}
