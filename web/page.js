// The page tolvaform: builds the window's controls from the designs the core exports, hands the
// page's events to the window's behaviour in the core (milden.wasm, through page_bindings.cpp) and
// does what it asks through the view object below. This file is the view only; the core decides.
// Nothing from a data file is ever inserted as markup: text goes in through textContent.
import createMilden from './milden.mjs';

const $ = (id) => document.getElementById(id);
const FONT_TWIPS = 150;  // the windows' font: 10 pixels at 96 dpi, as the Qt window draws it

let core;            // the module, replaced by a new one after a failure
let bundledData;     // the bundled sorvane.dat (empty when it could not be fetched)
let designs;         // the windows' designs, from the core
const controls = { tolvaform: [], helpfrm: [] };  // each window's focusable nodes, by control number
let typing = null;   // {control, text}: a box's text as the key filter sees it while typed text goes in
let helpFocus = -1;  // the help window's control to be given the focus as it shows

function element(tag, properties = {}, children = []) {
  const node = Object.assign(document.createElement(tag), properties);
  node.append(...children);
  return node;
}

function setStatus(id, text) { $(id).textContent = text; }

// ---- What the core's windows ask of the page (web/page_front_end.h) ----

const main = controls.tolvaform;
const view = {
  text: (control) => (typing?.control === control ? typing.text : main[control].value),
  isSelected: (control) => main[control].checked,
  select: (control) => { main[control].checked = true; },
  show: () => { $('tolvaform-client').hidden = false; },
  setFocus: (control) => main[control].focus(),
  showHelp: () => {
    showModal(helpWindow());
    controls.helpfrm[helpFocus]?.focus();
  },
  closeHelp: () => $('helpfrm').close(),
  setHelpFocus: (control) => {
    helpFocus = control;
    if ($('helpfrm').open) controls.helpfrm[control].focus();
  },
  showBox,
  openLink: (address) => window.open(address, '_blank', 'noopener'),
};

// ---- The core, and starting it again when it fails (memory exhausted) ----

async function restartCore() {
  core = await createMilden();
  core.start(view, bundledData);
}

// Runs call on the core. A failure inside it (memory exhausted aborts the module) leaves the
// page as it is: a new module starts on the bundled data, and the page says so.
function guarded(call) {
  try {
    return call();
  } catch (error) {
    console.error(error);
    typing = null;
    setStatus('file-status', 'メモリが足りないなどの理由で処理を続けられませんでした。同梱のデータで調べ直せるようにします。');
    $('bundled-file').hidden = true;
    $('diagnostics').replaceChildren();
    restartCore();
    return null;
  }
}

// ---- Windows built from the designs ----

// A caption with "&" before its access key: the key underlined, the text for a screen reader.
function captionNodes(caption) {
  const at = caption.indexOf('&');
  if (at < 0) return [caption];
  return [caption.slice(0, at), element('u', { textContent: caption[at + 1] }), caption.slice(at + 2)];
}
const accessKeyOf = (caption) => caption[caption.indexOf('&') + 1]?.toLowerCase();

function place(node, control, window) {
  node.classList.add('control');
  node.dataset.kind = control.kind;
  const range = /^(?:tolvaselect|phone_text090|Label1)\((\d)\)$/.exec(control.name);
  if (range && window.name === 'tolvaform') node.style.setProperty('--row', Number(range[1]) + 1);
  for (const side of ['left', 'top', 'width', 'height']) {
    const whole = side === 'left' || side === 'width' ? window.clientWidth : window.clientHeight;
    node.style.setProperty(`--${side}`, `${(control[side] / whole) * 100}%`);
  }
  return node;
}

// The design's accessible name, or its description where the name would lack the caption.
function named(node, control) {
  if (control.accessibleName) node.setAttribute('aria-label', control.accessibleName);
  if (control.description) node.setAttribute('aria-description', control.description);
  return node;
}

// A control's node, and the node that takes its focus and input (the same but for option buttons).
function controlNodes(control) {
  const link = (children) => element('a', { href: control.link, target: '_blank', rel: 'noopener' }, children);
  switch (control.kind) {
    case 'option': {
      const input = named(element('input', { type: 'radio', name: 'tolvaselect' }), control);
      return [element('label', {}, [input, control.caption]), input];
    }
    case 'text':
      return [named(element('input', { type: 'text', inputMode: 'numeric', autocomplete: 'off', enterKeyHint: 'search' }), control)];
    case 'button':
      return [named(element('button', { type: 'button', textContent: control.caption }), control)];
    case 'picture': {
      const picture = element('img', { src: 'banner@2x.png', alt: control.accessibleName, width: designs.bannerWidth,
                                        height: designs.bannerHeight });
      picture.style.width = `${((designs.bannerWidth * designs.twipsPerPixel) / control.width) * 100}%`;
      return [link([picture])];
    }
    default:
      return [control.link ? named(link([control.caption]), control) : element('span', { textContent: control.caption })];
  }
}

// Builds window's controls into its client, hidden until the window is shown; a click on a
// button, a label or a link goes to click with the control's number. Links open from the core,
// but for a click that asks the browser for more (a new window, a background tab).
function buildWindow(window, click) {
  $(`${window.name}-caption`).textContent = window.caption;
  const client = $(`${window.name}-client`);
  client.style.setProperty('--client-width', window.clientWidth / designs.twipsPerPixel);
  client.style.setProperty('--client-height', window.clientHeight / designs.twipsPerPixel);
  client.style.setProperty('--font-share', FONT_TWIPS / window.clientWidth);
  const nodes = window.controls.map((control) => {
    const [node, target = node] = controlNodes(control);
    controls[window.name][control.index] = target;
    if (control.kind !== 'text' && control.kind !== 'option') {
      node.addEventListener('click', (event) => {
        if (control.link && (event.button || event.ctrlKey || event.metaKey || event.shiftKey)) return;
        event.preventDefault();
        guarded(() => click(control.index));
      });
    }
    return place(node, control, window);
  });
  client.replaceChildren(...nodes);
}

const controlNamed = (window, name) => window.controls.find((control) => control.name === name).index;

// ---- Message boxes and modal windows: the main window is told, and gives the focus back ----

function showModal(dialog) {
  guarded(() => core.deactivate(main.indexOf(document.activeElement)));
  dialog.addEventListener('close', () => guarded(() => core.activate()), { once: true });
  dialog.showModal();
}

let firstAnswerShown = false;
function showBox({ title, icon, lines }) {
  $('message-title').textContent = title;
  $('message-box').dataset.icon = icon;
  $('message-lines').replaceChildren(...lines.map((line) => element('p', { textContent: line })));
  showModal($('message-box'));
  if (!firstAnswerShown) performance.mark('milden-first-answer');
  firstAnswerShown = true;
}

// The help window, built when it is first shown.
function helpWindow() {
  const dialog = $('helpfrm');
  if (dialog.dataset.built) return dialog;
  dialog.dataset.built = 'yes';
  buildWindow(designs.helpfrm, (control) => core.helpClick(control));
  $('helpfrm-client').hidden = false;
  // The address is drawn as a link, in a font of its own (a point is 20 twips).
  const { color, fontFamily, fontPoints } = designs.link;
  for (const link of $('helpfrm-client').querySelectorAll('a')) {
    Object.assign(link.style, { color, fontFamily: `"${fontFamily}", sans-serif`,
                                fontSize: `${((fontPoints * 20) / designs.helpfrm.clientWidth) * 100}cqw` });
  }
  return dialog;
}

// ---- The digit boxes: every key goes to the window's key filter ----

// A whole number ("090-1234-5678") goes to its range: that option is selected and its box holds
// the four digits after the range, with the focus.
function placeWholeNumber({ option, box, digits }, from) {
  if (from && from !== main[box]) from.value = '';
  view.select(option);
  main[box].value = digits;
  main[box].focus();
}

function wireBox(box, control) {
  box.addEventListener('keydown', (event) => {
    if (event.isComposing) return;
    const paste = (event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'v';
    const code = event.key === 'Enter' ? designs.keys.return : paste ? designs.keys.paste : 0;
    if (!code) return;
    // Return goes nowhere else: the box would pass it on to the answer's OK button.
    if (code === designs.keys.return) event.preventDefault();
    if (!guarded(() => core.keyPress(control, code))) event.preventDefault();
  });
  // Typed text, one character (UTF-16 unit) at a time as a window takes it; pastes are not limited.
  box.addEventListener('beforeinput', (event) => {
    if (event.inputType !== 'insertText' || !event.data) return;
    typing = { control, text: box.value };
    for (let i = 0; i < event.data.length; ++i) {
      if (!guarded(() => core.keyPress(control, event.data.charCodeAt(i)))) break;
      typing.text += event.data[i];
    }
    const kept = typing.text.slice(box.value.length);
    typing = null;
    if (kept === event.data) return;
    event.preventDefault();
    if (!kept) return;
    box.setRangeText(kept, box.selectionStart, box.selectionEnd, 'end');
    box.dispatchEvent(new Event('input', { bubbles: true }));
  });
  box.addEventListener('input', () => {
    const number = guarded(() => core.wholeNumber(box.value));
    if (number) placeWholeNumber(number, box);
  });
}

// ---- The help menu: a menu button whose items are the window's menu items ----

function buildMenu(menu) {
  const items = element('div', { id: 'help-items', role: 'menu', hidden: true });
  const button = element('button', { type: 'button', id: 'help-menu' }, captionNodes(menu.caption));
  button.setAttribute('aria-haspopup', 'menu');
  button.setAttribute('aria-controls', items.id);
  button.setAttribute('aria-expanded', 'false');
  const entries = [];
  let returnTo = null;  // where the focus was before the menu opened: an item's action starts there
  const close = (restoreFocus) => {
    items.hidden = true;
    button.setAttribute('aria-expanded', 'false');
    if (restoreFocus) returnTo?.focus();
  };
  const open = () => {
    returnTo = document.activeElement;
    items.hidden = false;
    button.setAttribute('aria-expanded', 'true');
    entries[0].focus();
  };
  menu.items.forEach((item, index) => {
    if (item.separator) {
      items.append(element('div', { role: 'separator' }));
      return;
    }
    const entry = element('button', { type: 'button', role: 'menuitem', tabIndex: -1 }, captionNodes(item.caption));
    entry.dataset.key = accessKeyOf(item.caption);
    entry.addEventListener('click', () => {
      close(true);
      guarded(() => core.menuClick(index));
    });
    entries.push(entry);
    items.append(entry);
  });
  button.addEventListener('click', () => (items.hidden ? open() : close(false)));
  items.addEventListener('keydown', (event) => {
    const at = entries.indexOf(document.activeElement);
    const step = { ArrowDown: 1, ArrowUp: -1 }[event.key];
    const chosen = entries.find((entry) => entry.dataset.key === event.key.toLowerCase());
    if (step) entries[(at + step + entries.length) % entries.length].focus();
    else if (event.key === 'Escape' || event.key === 'Tab') close(event.key === 'Escape');
    else if (chosen) chosen.click();
    else return;
    if (event.key !== 'Tab') event.preventDefault();
  });
  items.addEventListener('focusout', (event) => {
    if (!items.contains(event.relatedTarget) && event.relatedTarget !== button) close(false);
  });
  // Alt and the access key open the menu, as in the window.
  const key = accessKeyOf(menu.caption);
  document.addEventListener('keydown', (event) => {
    if (event.altKey && event.code === `Key${key.toUpperCase()}` && !document.querySelector('dialog[open]')) {
      event.preventDefault();
      open();
    }
  });
  $('menu-bar').replaceChildren(button, items);
}

// ---- The user's own data file: the page answers from it and lists what the checker finds ----

const SEVERITY = { error: 'エラー', warning: '警告', note: '注記' };
const placeText = (at) => (at.line ? `${at.line}行 ${at.column}列: ` : '');

function diagnosticItem(d) {
  const item = element('li', { className: d.severity, textContent: `${placeText(d)}${SEVERITY[d.severity]}: ${d.message} [${d.code}]` });
  if (d.notes.length) {
    item.append(element('ul', {}, d.notes.map((note) => element('li', {
      className: 'note', textContent: `${placeText(note)}${SEVERITY.note}: ${note.message}` }))));
  }
  return item;
}

async function openOwnFile(file) {
  setStatus('file-status', `「${file.name}」を読み込んでいます…`);
  // The core reads no more than its read limit; one byte more tells it that the file goes on.
  const limit = core.readLimitBytes();
  const bytes = new Uint8Array(await file.slice(0, limit + 1).arrayBuffer());
  const report = guarded(() => core.openDataFile(bytes));
  if (!report) return;
  const counts = report.errors + report.warnings === 0 ? 'エラーも警告もありません'
    : `エラー ${report.errors} 件、警告 ${report.warnings} 件`;
  const unlisted = report.unlisted ? `（ほかに ${report.unlisted} 件は省略）` : '';
  setStatus('file-status', `「${file.name}」で調べています。${counts}${unlisted}。`);
  $('diagnostics').replaceChildren(...report.diagnostics.map(diagnosticItem));
  $('bundled-file').hidden = !bundledData.length;
}

function wireOwnFile() {
  $('own-file').hidden = false;
  $('own-file-input').addEventListener('change', (event) => {
    if (event.target.files[0]) openOwnFile(event.target.files[0]);
    event.target.value = '';
  });
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    const file = event.dataTransfer.files[0];
    if (file) openOwnFile(file);
  });
  $('bundled-file').addEventListener('click', () => {
    guarded(() => core.start(view, bundledData));
    setStatus('file-status', '同梱のデータで調べています。');
    $('diagnostics').replaceChildren();
    $('bundled-file').hidden = true;
  });
}

// ---- Start-up ----

async function fetchBundledData() {
  try {
    const response = await fetch('sorvane.dat');
    if (response.ok) return new Uint8Array(await response.arrayBuffer());
  } catch {
    // as in the window, a missing data file leaves every table empty
  }
  return new Uint8Array();
}

function refuse(text) {
  $('notice').textContent = text;
  $('notice').setAttribute('role', 'alert');
}


async function start() {
  try {
    [core, bundledData] = await Promise.all([createMilden(), fetchBundledData()]);
  } catch (error) {
    console.error(error);
    return refuse('このブラウザでは動きません（WebAssembly を使えません）。新しいブラウザでお開きください。');
  }
  // Without a Shift_JIS decoder every Japanese name would be lost: say so instead of answering.
  if (!core.decoderReady()) {
    return refuse('このブラウザは Shift_JIS の文字を読めないため、データファイルを読めません。新しいブラウザでお開きください。');
  }
  designs = core.designs();
  buildWindow(designs.tolvaform, (control) => core.click(control));
  $('tolvaform-client').hidden = true;  // until the window shows itself
  buildMenu(designs.menu);
  designs.tolvaform.controls.filter((control) => control.kind === 'text')
    .forEach((control) => wireBox(main[control.index], control.index));
  core.start(view, bundledData);
  answerSharedNumber();
  // What the first answer does not need comes after it.
  wireOwnFile();
  // Offline use needs a secure origin (HTTPS, or this machine); elsewhere the page works online only.
  navigator.serviceWorker?.register('sw.js').catch(() => {});
}

// ?n=09012345678 answers at once: a whole number goes to its range, anything else is searched as
// typed into the box that the window starts with (090-'s, its range selected).
function answerSharedNumber() {
  const shared = new URLSearchParams(location.search).get('n');
  if (shared === null) return;
  const number = core.wholeNumber(shared);
  if (number) placeWholeNumber(number);
  else main[controlNamed(designs.tolvaform, 'phone_text090(0)')].value = shared;
  core.click(controlNamed(designs.tolvaform, 'researchbtn'));
}

start();
