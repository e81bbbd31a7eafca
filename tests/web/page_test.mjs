// The page as its users meet it, in Chromium: the window's keys, search, boxes, menu and help;
// whole numbers and ?n=; offline use and new versions; a user's own data file; the layouts; and
// no accessibility violation that axe-core can find. Every wait is on what the page shows.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { launch, lookup, nativeJson, served, site } from './chromium.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const temporary = mkdtempSync(join(tmpdir(), 'milden-web-'));
let browser;
let server;

before(async () => {
  browser = await launch();
  server = await served();
});

after(async () => {
  await browser?.close();
  await server?.stop();
  rmSync(temporary, { recursive: true, force: true });
});

async function openPage(query = '', options = {}) {
  const context = await browser.newContext(options);
  const page = await context.newPage();
  page.on('pageerror', (error) => assert.fail(`error in the page: ${error.message}`));
  await page.goto(server.url + query);
  await searchButton(page).waitFor();
  return page;
}

const searchButton = (page) => page.getByRole('button', { name: /^検\s索$/ });
// Types text into an emptied box, as an input method hands over its text in one go.
async function enter(locator, text) {
  await locator.clear();
  await locator.fill(text);
}
// Pastes text into an empty box with the keyboard (the context needs the clipboard permissions).
async function paste(page, locator, text) {
  await page.evaluate((clip) => navigator.clipboard.writeText(clip), text);
  await locator.focus();
  await page.keyboard.press('Control+V');
}
const clipboard = { permissions: ['clipboard-read', 'clipboard-write'] };

const box = (page, range) => page.getByRole('textbox', { name: `${range}- に続く４桁の番号` });
const option = (page, range) => page.getByRole('radio', { name: new RegExp(`^${range}- で始まる`) });
const focusedName = (page) => page.evaluate(() => {
  const focused = document.activeElement;
  return focused.getAttribute('aria-label') ?? focused.querySelector('img')?.alt ?? focused.textContent;
});

// The answer box on screen, as milden-lookup --json gives a box: its title, icon and lines.
async function shownBox(page) {
  const dialog = page.getByRole('alertdialog');
  await dialog.waitFor();
  return {
    title: await page.locator('#message-title').textContent(),
    icon: await dialog.getAttribute('data-icon'),
    lines: await page.locator('#message-lines p').allTextContents(),
  };
}
const expectedBox = ({ title, icon, lines }) => ({ title: title ?? 'ミルデン', icon, lines });

async function axeViolations(page) {
  await page.addScriptTag({ content: axeSource });
  const violations = await page.evaluate(async () => (await window.axe.run()).violations);
  return violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

test('start: 090- selected, the boxes empty, the caret in the first box, Tab in the window\'s order', async () => {
  const page = await openPage();
  assert.equal(await option(page, '090').isChecked(), true);
  for (const range of ['090', '080', '070']) assert.equal(await box(page, range).inputValue(), '');
  const order = [await focusedName(page)];
  for (let i = 0; i < 5; ++i) {
    await page.keyboard.press('Tab');
    order.push(await focusedName(page));
  }
  assert.deepEqual(order, ['090- に続く４桁の番号', '検　索', '080- に続く４桁の番号', '090- で始まる携帯電話の番号',
    '070- に続く４桁の番号', 'バナー：「ノルベ」のホームページを開く']);
  const banner = page.getByRole('link', { name: 'バナー：「ノルベ」のホームページを開く' });
  assert.equal(await banner.getAttribute('target'), '_blank');
  assert.equal(await banner.getAttribute('rel'), 'noopener');
  // The link procedure opens the banner's address in a tab of its own, with no way back.
  const address = await banner.getAttribute('href');
  await page.context().route(address, (route) => route.fulfill({ contentType: 'text/html', body: 'home' }));
  const [tab] = await Promise.all([page.waitForEvent('popup'), banner.click()]);
  await tab.waitForLoadState();
  assert.deepEqual([tab.url(), await tab.evaluate(() => window.opener)], [address, null]);
  assert.equal(page.context().pages().length, 2, 'one tab opened');
  await page.context().close();
});

test('the key filter: typing stops at four characters, Backspace and pastes do not', async () => {
  const page = await openPage('', clipboard);
  const first = box(page, '090');
  await page.keyboard.type('12345');
  assert.equal(await first.inputValue(), '1234');
  await page.keyboard.press('Backspace');
  await page.keyboard.type('99');
  assert.equal(await first.inputValue(), '1239');
  await page.evaluate(() => navigator.clipboard.writeText('5678901'));
  await page.keyboard.press('Control+V');  // the keyboard's paste is a key: refused at four characters
  assert.equal(await first.inputValue(), '1239');
  await page.keyboard.press('Control+A');
  await page.keyboard.press('Backspace');
  await page.keyboard.press('Control+V');  // and not limited below
  assert.equal(await first.inputValue(), '5678901');
  await page.context().close();
});

test('Return searches the box of the selected range, and the answer is a modal box like the window\'s', async () => {
  const page = await openPage();
  await option(page, '080').check();
  await enter(box(page, '080'), '5123');
  await enter(box(page, '090'), '0000');
  await box(page, '090').press('Enter');
  assert.deepEqual(await shownBox(page), expectedBox(nativeJson(['--range', '080', '5123'])[0]));
  assert.equal(await page.getByRole('alertdialog', { name: 'ミルデン' }).count(), 1);
  assert.equal(await focusedName(page), 'OK');
  await page.keyboard.press('Enter');
  assert.equal(await focusedName(page), '090- に続く４桁の番号');

  // Warnings, and nothing at all for an empty box.
  for (const text of ['12a4', '12', '１２３４']) {
    await option(page, '090').check();
    await enter(box(page, '090'), text);
    await searchButton(page).click();
    assert.deepEqual(await shownBox(page), expectedBox(nativeJson(['--range', '090', text])[0]), text);
    await page.keyboard.press('Escape');
    assert.equal(await focusedName(page), '検　索');
  }
  await enter(box(page, '090'), '   ');
  await box(page, '090').press('Enter');
  assert.equal(await page.locator('dialog[open]').count(), 0);
  await page.context().close();
});

test('a whole number typed or pasted into any box goes to its range', async () => {
  const page = await openPage('', clipboard);
  await page.keyboard.type('080-5123-4567');  // into the 090- box; what follows the four digits is not
  assert.equal(await option(page, '080').isChecked(), true);
  assert.deepEqual([await box(page, '090').inputValue(), await box(page, '080').inputValue()], ['', '5123']);
  await page.keyboard.press('Enter');
  assert.deepEqual(await shownBox(page), expectedBox(nativeJson(['080-5123-4567'])[0]));
  await page.keyboard.press('Escape');
  await paste(page, box(page, '070'), '+81 90 1234 5678');
  assert.equal(await option(page, '090').isChecked(), true);
  assert.deepEqual([await box(page, '090').inputValue(), await box(page, '070').inputValue()], ['1234', '']);
  await page.context().close();
});

test('?n= answers at once', async () => {
  for (const [query, args] of [['09012345678', ['09012345678']], ['%2B81%2070-5123-0000', ['+81 70-5123-0000']],
    ['1234', ['--range', '090', '1234']], ['abc', ['--range', '090', 'abc']]]) {
    const page = await openPage(`?n=${query}`);
    assert.deepEqual(await shownBox(page), expectedBox(nativeJson(args)[0]), query);
    await page.context().close();
  }
});

test('help and the version box from the menu, with Alt and the access keys', async () => {
  const page = await openPage();
  await page.keyboard.press('Alt+H');
  await page.keyboard.press('h');
  const help = page.getByRole('dialog', { name: 'ﾍﾙﾌﾟ' });
  await help.waitFor();
  assert.match(await help.textContent(), /携帯かＰＨＳかを選択し、.*バナーをクリックしますと､「ノルベ」/);
  assert.equal(await focusedName(page), 'ヘルプを閉じる');
  const home = help.getByRole('link');
  assert.deepEqual([await home.getAttribute('target'), await home.getAttribute('rel')], ['_blank', 'noopener']);
  await page.keyboard.press('Enter');
  assert.equal(await help.isVisible(), false);
  assert.equal(await focusedName(page), '090- に続く４桁の番号');

  await page.keyboard.press('Alt+H');
  await page.keyboard.press('a');
  const version = await shownBox(page);
  assert.equal(version.title, 'ﾊﾞｰｼﾞｮﾝ情報');
  assert.equal(version.icon, 'none');
  assert.equal(version.lines.length, 3);
  assert.match(version.lines[0], /^ミルデン バージョン \d+\.\d+\.\d+$/);
  assert.equal(version.lines[1], '');
  await page.context().close();
});

test('installable, offline after the first visit, and a new version is picked up', async () => {
  const root = join(temporary, 'site');
  cpSync(site, root, { recursive: true });
  const own = await served(root);
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(own.url);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  // A test's profile is incognito, where nothing installs; nothing else may stand in the way.
  const { installabilityErrors } = await (await context.newCDPSession(page)).send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors.map((error) => error.errorId).filter((id) => id !== 'in-incognito'), []);

  // A new version of the site: its page carries a mark, its worker a new cache.
  const worker = readFileSync(join(root, 'sw.js'), 'utf8');
  writeFileSync(join(root, 'sw.js'), worker.replace(/const CACHE = '([^']+)'/, "const CACHE = '$1-new'"));
  writeFileSync(join(root, 'index.html'), readFileSync(join(root, 'index.html'), 'utf8').replace('<main>', '<main data-new>'));
  await page.reload();  // still the old version, from the cache; the browser looks for a new worker
  await page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    await registration.update();  // as the browser does on navigation, but waited for here
    const worker = registration.installing ?? registration.waiting ?? registration.active;
    await new Promise((activated) => {
      if (worker.state === 'activated') activated();
      worker.addEventListener('statechange', () => worker.state === 'activated' && activated());
    });
  });
  await page.reload();
  assert.equal(await page.locator('main[data-new]').count(), 1);

  await own.stop();
  await page.goto(`${own.url}?n=07051230000`);
  assert.deepEqual(await shownBox(page), expectedBox(nativeJson(['07051230000'])[0]));
  await context.close();
});

test('a user\'s own data file: the page answers from it and lists the checker\'s diagnostics', async (t) => {
  // "ベータ" in code page 932, an empty cell and sections missing.
  const beta = Buffer.from([0x83, 0x78, 0x81, 0x5b, 0x83, 0x5e]);
  const file = join(temporary, 'own.dat');
  writeFileSync(file, Buffer.concat([Buffer.from('keitai_tolvas{\r\nAlpha,'), beta,
    Buffer.from(';\r\n}\r\nkeitai_tolva_num{\r\nindex=1\r\n01,00,,00,00,00,00,00,00,00;\r\n}\r\n')]));
  let status = 0;
  const check = (() => {
    try {
      return execFileSync(lookup, ['--check', '--json', '--column-unit', 'char', file], { encoding: 'utf8' });
    } catch (failed) {
      status = failed.status;
      return failed.stdout;
    }
  })();
  assert.equal(status, 1, 'the file has errors');
  const expected = check.trim().split('\n').map((line) => JSON.parse(line))
    .map((d) => `${d.line ? `${d.line}行 ${d.column}列: ` : ''}[${d.code}] ${d.notes.length}`);

  const page = await openPage();
  await page.locator('#own-file-input').setInputFiles(file);
  await page.getByRole('status').filter({ hasText: '「own.dat」で調べています' }).waitFor();
  const shown = await page.locator('#diagnostics > li').evaluateAll((items) => items.map((item) => {
    const [, place, code] = /^((?:\d+行 \d+列: )?).*(\[[a-z0-9-]+\])$/.exec(item.firstChild.textContent);
    return `${place}${code} ${item.querySelectorAll('li').length}`;
  }));
  assert.deepEqual(shown, expected);
  await enter(box(page, '090'), '1000');
  await box(page, '090').press('Enter');
  assert.deepEqual((await shownBox(page)).lines, ['090-1000-****の携帯電話のキャリアは', 'ベータです。']);
  await page.keyboard.press('Escape');

  // Dropped on the page, a file past the read limit is read up to it, and said to be cut there.
  await page.evaluate((limit) => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([new Uint8Array(limit + 100).fill(0x78)], 'large.dat'));
    document.body.dispatchEvent(new DragEvent('drop', { bubbles: true, cancelable: true, dataTransfer: transfer }));
  }, 64 << 20);
  await page.getByRole('status').filter({ hasText: '「large.dat」で調べています' }).waitFor({ timeout: 60000 });
  assert.match(await page.locator('#diagnostics').textContent(), /\[read-limit\]/);

  // A file whose check needs more memory than the page may take (today: 64 MiB of line ends) ends
  // the module, not the page: a new one answers from the bundled data.
  await page.evaluate((limit) => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([new Uint8Array(limit).fill(0x0a)], 'lines.dat'));
    document.body.dispatchEvent(new DragEvent('drop', { bubbles: true, cancelable: true, dataTransfer: transfer }));
  }, 64 << 20);
  await page.getByRole('status').filter({ hasNotText: '読み込んでいます' }).waitFor({ timeout: 120000 });
  await box(page, '090').press('Enter');
  const exhausted = /メモリが足りない/.test(await page.getByRole('status').textContent());
  t.diagnostic(exhausted ? 'memory ran out, and the page went on' : 'memory did not run out');
  const afterward = exhausted ? nativeJson(['--range', '090', '1000'])[0].lines
    : ['090-1000-****の携帯電話のキャリアは', 'キャリアが不明です。'];
  assert.deepEqual((await shownBox(page)).lines, afterward);
  await page.context().close();
});

test('a browser without a Shift_JIS decoder is told so, and shows no answers', async () => {
  const context = await browser.newContext();
  await context.addInitScript(() => {
    const Decoder = window.TextDecoder;
    window.TextDecoder = class extends Decoder {
      constructor(label, options) {
        if (/shift_jis/i.test(label)) throw new RangeError(`unsupported encoding ${label}`);
        super(label, options);
      }
    };
  });
  const page = await context.newPage();
  await page.goto(`${server.url}?n=09012345678`);
  await page.getByRole('alert').filter({ hasText: 'Shift_JIS の文字を読めない' }).waitFor();
  assert.equal(await page.getByRole('textbox').count(), 0);
  assert.equal(await page.locator('dialog[open]').count(), 0);
  await context.close();
});

test('layouts: the window\'s proportions on a desktop, stacked with 44 px targets on a phone', async () => {
  const desktop = await openPage('', { viewport: { width: 1280, height: 800 } });
  const client = await desktop.locator('#tolvaform-client').boundingBox();
  assert.ok(Math.abs(client.width / client.height - 3525 / 3210) < 0.01, `client ${client.width} x ${client.height}`);
  await desktop.context().close();

  const phone = await openPage('', { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true });
  assert.equal(await phone.evaluate(() => document.documentElement.scrollWidth), 390);
  const targets = await phone.locator('#tolvaform-client :is(input[type=text], button, label, a), #help-menu')
    .evaluateAll((nodes) => nodes.map((node) => node.getBoundingClientRect().height));
  assert.ok(targets.every((height) => height >= 44), `target heights ${targets}`);
  const rows = await Promise.all(['090', '080', '070'].map(async (range) => [
    (await option(phone, range).boundingBox()).y, (await box(phone, range).boundingBox()).y]));
  assert.ok(rows.every(([a, b], i) => Math.abs(a - b) < 44 && (i === 0 || a > rows[i - 1][0])), `rows ${rows}`);
  await phone.context().close();
});

test('axe-core finds no violation: the window, the answer, the help, on a desktop and a phone', async () => {
  for (const viewport of [{ width: 1280, height: 800 }, { width: 390, height: 844 }]) {
    const page = await openPage('?n=09012345678', { viewport });
    await page.getByRole('alertdialog').waitFor();
    assert.deepEqual(await axeViolations(page), [], `answer at ${viewport.width} px`);
    await page.keyboard.press('Escape');
    assert.deepEqual(await axeViolations(page), [], `window at ${viewport.width} px`);
    await page.keyboard.press('Alt+H');
    await page.keyboard.press('h');
    await page.getByRole('dialog', { name: 'ﾍﾙﾌﾟ' }).waitFor();
    assert.deepEqual(await axeViolations(page), [], `help at ${viewport.width} px`);
    await page.context().close();
  }
});
