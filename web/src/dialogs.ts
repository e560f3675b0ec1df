// The About box and the Help box, with the desktop's texts.
import { el } from './dom';
import { entriesOf, VirtualList } from './virtualList';

const Questions: [string, string][] = [
  [
    'What does this program do?',
    'This program lets you change many things about the way the game works: the base you start with, the ' +
      "facilities, the soldiers' names, the units, the items and the game's texts.",
  ],
  [
    'What do I need to use this program?',
    'You need a full copy of the game. Before you change anything, back up your files with the ' +
      '"make master backup" function (Ctrl+B).',
  ],
  [
    "Why can't I load my DOS executable?",
    'There are two likely reasons. You may have DOS version 1.0 of the game, which this program does not ' +
      "support. Or you chose the wrong executable: load 'GEOSCAPE.EXE' from the game's 'QEVEXE' directory. If " +
      'something goes wrong while loading, the load window tells you what it was.',
  ],
  [
    "Why doesn't the 'standard to build' function work?",
    'That feature adjusts a variable which should lead to the desired effect but for some reason does not. I left ' +
      'it in the program because I plan on fixing it and wanted to make sure I kept what I had so far.',
  ],
  [
    'How do I load my backup files?',
    'The backup files are just copies of the files that were opened. So, you can simply rename the files to the ' +
      'original name and they should work. ',
  ],
];

function dialog(id: string, title: string, okId: string, ...content: Node[]): HTMLDialogElement {
  const ok = el('button', { type: 'button', id: okId, class: 'ok', text: 'OK' });
  const box = el('dialog', { id, 'aria-labelledby': `${id}Title` }, el('h2', { id: `${id}Title`, text: title }), ...content, ok);
  ok.addEventListener('click', () => box.close());
  document.body.append(box);
  return box;
}

export function aboutBox(icon: string): HTMLDialogElement {
  const texts: [string, string][] = [
    ['lblTitle', 'Orvane Executable Editor'],
    ['lblVersion', 'Version: 1.0'],
    ['lblDescription', 'Made by the Orvane Executable Editor team.\nThis should work for all versions of Orvane, except the dos version 1.0. Load geoscape.exe for dos versions.'],
    ['lblDisclaimer', 'Warning: This edits the files that are integral for running the game Orvane. The author accepts no responsibility if your files are permanently damaged.'],
  ];
  return dialog(
    'frmAbout',
    'About Orvane Executable Editor',
    'cmdOK',
    el('div', { class: 'about' }, el('img', { id: 'picIcon', src: icon, alt: '', width: 48, height: 48 }), el('div', {}, ...texts.map(([id, text]) => el('p', { id, text })))),
  );
}

export function helpBox(): HTMLDialogElement {
  const answer = el('textarea', { id: 'txtHelp', readonly: true, rows: 5 });
  const questions = new VirtualList('lstHelp', 'lblQuestions', (row) => {
    answer.value = Questions[row][1];
  });
  questions.setEntries(entriesOf(Questions.map(([question]) => question)), false);
  // The desktop's OK button here is also named Command1, as a base square is; the page keeps ids unique.
  return dialog(
    'frmHelp',
    'Help',
    'frmHelp-Command1',
    el('label', { id: 'lblQuestions', for: 'lstHelp', text: 'Questions:' }),
    questions.root,
    el('label', { for: 'txtHelp', text: 'Answers:' }),
    answer,
    el('p', { id: 'lblInfo', text: 'Click on a question to have the answer appear.' }),
  );
}
