// The page tolvaform: builds the window's controls from the designs the core exports and hands
// every key, search and data file to the core (milden.wasm, through page_bindings.cpp), then
// shows what it answers. This file is the view only; the core decides. Nothing from a data file
// is ever inserted as markup: text goes in through textContent.
import createMilden from './milden.mjs';

const $ = (id) => document.getElementById(id);
const FONT_TWIPS = 150;  // the windows' font: 10 pixels at 96 dpi, as the Qt window draws it

let core;            // the module, replaced by a new one after a failure
let bundledData;     // the bundled sorvane.dat (null when it could not be fetched)
let keyCodes;        // the codes the key filter knows Return and the keyboard's paste by
let twipsPerPixel;   // at 96 dpi
let bannerSize;      // Picture1's banner, in pixels
const options = [];  // tolvaselect(0..2)
const boxes = [];    // phone_text090(0..2)

function element(tag, properties = {}, children = []) {
  const node = Object.assign(document.createElement(tag), properties);
  node.append(...children);
  return node;
}

function setStatus(id, text) { $(id).textContent = text; }

// ---- The core, and starting it again when it fails (memory exhausted) ----

async function startCore() {
  core = await createMilden();
  if (bundledData) core.openDataFile(bundledData, false);
}

// Runs call on the core. A failure inside it (memory exhausted aborts the module) leaves the
// page as it is: a new module starts on the bundled data, and the page says so.
function guarded(call) {
  try {
    return call();
  } catch (error) {
    console.error(error);
    setStatus('file-status', 'メモリが足りないなどの理由で処理を続けられませんでした。同梱のデータで調べ直せるようにします。');
    $('bundled-file').hidden = true;
    $('diagnostics').replaceChildren();
    startCore();
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

function controlNode(control) {
  switch (control.kind) {
    case 'option': {
      const input = named(element('input', { type: 'radio', name: 'tolvaselect', value: options.length }), control);
      options.push(input);
      return element('label', {}, [input, control.caption]);
    }
    case 'text': {
      const input = named(element('input', { type: 'text', inputMode: 'numeric', autocomplete: 'off', enterKeyHint: 'search' }), control);
      boxes.push(input);
      return input;
    }
    case 'button':
      return named(element('button', { type: 'button', textContent: control.caption }), control);
    case 'picture': {
      const picture = element('img', { src: 'banner@2x.png', alt: control.accessibleName, width: bannerSize.width,
                                        height: bannerSize.height });
      picture.style.width = `${((bannerSize.width * twipsPerPixel) / control.width) * 100}%`;
      return element('a', { href: control.link, target: '_blank', rel: 'noopener' }, [picture]);
    }
    default:
      if (!control.link) return element('span', { textContent: control.caption });
      return named(element('a', { href: control.link, target: '_blank', rel: 'noopener', textContent: control.caption }), control);
  }
}

function buildWindow(window, prefix) {
  $(`${prefix}-caption`).textContent = window.caption;
  const client = $(`${prefix}-client`);
  client.style.setProperty('--client-width', window.clientWidth / twipsPerPixel);
  client.style.setProperty('--client-height', window.clientHeight / twipsPerPixel);
  client.style.setProperty('--font-share', FONT_TWIPS / window.clientWidth);
  const nodes = {};
  for (const control of window.controls) nodes[control.name] = place(controlNode(control), control, window);
  client.replaceChildren(...Object.values(nodes));
  return nodes;
}

// ---- Message boxes and modal windows: the focus goes back where it was ----

function showModal(dialog) {
  const returnTo = document.activeElement;
  dialog.addEventListener('close', () => returnTo?.focus(), { once: true });
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

// ---- The main window's behaviour, decided by the core ----

function search() {
  const selected = options.findIndex((option) => option.checked);
  const box = guarded(() => core.search(selected, boxes.map((b) => b.value)));
  if (box) showBox(box);
}

// A whole number ("090-1234-5678") goes to its range: that option is selected and its box holds
// the four digits after the range, with the focus.
function placeWholeNumber({ range, digits }, from) {
  if (from && from !== boxes[range]) from.value = '';
  options[range].checked = true;
  boxes[range].value = digits;
  boxes[range].focus();
}

function wireBox(box) {
  box.addEventListener('keydown', (event) => {
    if (event.isComposing) return;
    const paste = (event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'v';
    const code = event.key === 'Enter' ? keyCodes.return : paste ? keyCodes.paste : 0;
    if (!code) return;
    const action = guarded(() => core.filterKey(code, box.value));
    // Return also goes nowhere else: the box would pass it on to the answer's OK button.
    if (action === 'search' || action === 'discard') event.preventDefault();
    if (action === 'search') search();
  });
  // Typed characters, one key (or one input method's text) at a time; pastes are not limited.
  box.addEventListener('beforeinput', (event) => {
    if (event.inputType !== 'insertText' || !event.data) return;
    let text = box.value;
    let kept = '';
    for (const character of event.data) {
      if (guarded(() => core.filterKey(character.charCodeAt(0), text)) !== 'pass') break;
      text += character;
      kept += character;
    }
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

function buildMenu(menu, actions) {
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
  for (const item of menu.items) {
    if (item.separator) {
      items.append(element('div', { role: 'separator' }));
      continue;
    }
    const entry = element('button', { type: 'button', role: 'menuitem', tabIndex: -1 }, captionNodes(item.caption));
    entry.dataset.key = accessKeyOf(item.caption);
    entry.addEventListener('click', () => {
      close(true);
      actions[item.name]();
    });
    entries.push(entry);
    items.append(entry);
  }
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
  const report = guarded(() => core.openDataFile(bytes, true));
  if (!report) return;
  const counts = report.errors + report.warnings === 0 ? 'エラーも警告もありません'
    : `エラー ${report.errors} 件、警告 ${report.warnings} 件`;
  const unlisted = report.unlisted ? `（ほかに ${report.unlisted} 件は省略）` : '';
  setStatus('file-status', `「${file.name}」で調べています。${counts}${unlisted}。`);
  $('diagnostics').replaceChildren(...report.diagnostics.map(diagnosticItem));
  $('bundled-file').hidden = !bundledData;
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
    guarded(() => core.openDataFile(bundledData, false));
    setStatus('file-status', '同梱のデータで調べています。');
    $('diagnostics').replaceChildren();
    $('bundled-file').hidden = true;
  });
}

// ---- Start-up ----

async function fetchBundledData() {
  try {
    const response = await fetch('sorvane.dat');
    return response.ok ? new Uint8Array(await response.arrayBuffer()) : null;
  } catch {
    return null;  // as in the window, a missing data file leaves every table empty
  }
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
  if (bundledData) core.openDataFile(bundledData, false);
  const designs = core.designs();
  keyCodes = designs.keys;
  twipsPerPixel = designs.twipsPerPixel;
  bannerSize = { width: designs.bannerWidth, height: designs.bannerHeight };
  const main = buildWindow(designs.tolvaform, 'tolvaform');
  buildMenu(designs.menu, {
    helpview: () => showModal(helpWindow(designs)),
    versions: () => showBox(core.versionBox()),
  });
  boxes.forEach(wireBox);
  main.researchbtn.addEventListener('click', search);
  options[0].checked = true;
  if (!answerSharedNumber()) boxes[0].focus();
  // What the first answer does not need comes after it.
  wireOwnFile();
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
}

// The help window, built when it is first shown.
function helpWindow(designs) {
  const dialog = $('helpfrm');
  if (dialog.dataset.built) return dialog;
  dialog.dataset.built = 'yes';
  for (const node of Object.values(buildWindow(designs.helpfrm, 'helpfrm'))) {
    if (node.dataset.kind === 'button') node.addEventListener('click', () => dialog.close());
    // The address is drawn as a link, in a font of its own (a point is 20 twips).
    if (node.href) {
      Object.assign(node.style, { color: designs.link.color, fontFamily: `"${designs.link.fontFamily}", sans-serif`,
                                  fontSize: `${((designs.link.fontPoints * 20) / designs.helpfrm.clientWidth) * 100}cqw` });
    }
  }
  return dialog;
}

// ?n=09012345678 answers at once: a whole number goes to its range, anything else is searched as
// typed into the box of the selected range. False when the address asks nothing.
function answerSharedNumber() {
  const shared = new URLSearchParams(location.search).get('n');
  if (shared === null) return false;
  const number = core.wholeNumber(shared);
  if (number) {
    placeWholeNumber(number);
  } else {
    boxes[0].value = shared;
    boxes[0].focus();
  }
  search();
  return true;
}

start();
