// The core in the page answers as the native build does: every block against milden-lookup --dump
// (the twin test), and every code page 932 sequence against the Linux build's decoding.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { after, before, test } from 'node:test';
import { launch, lookup, served, site } from './chromium.mjs';

let browser;
let server;
let page;

before(async () => {
  browser = await launch();
  server = await served();
  page = await browser.newPage();
  await page.goto(server.url);
  // A module of its own beside the page's, on the same bundled file, its main window on a view
  // that holds the boxes' texts and the selected range and keeps the box shown.
  await page.evaluate(async () => {
    const core = await (await import('./milden.mjs')).default();
    const { controls } = core.designs().tolvaform;
    const number = (name) => controls.find((control) => control.name === name).index;
    const texts = {};
    let selected = -1;
    const view = {
      text: (control) => texts[control] ?? '', isSelected: (control) => control === selected,
      select: (control) => { selected = control; }, show() {}, setFocus() {},
      showBox: (box) => { view.shown = box; },
    };
    core.start(view, new Uint8Array(await (await fetch('sorvane.dat')).arrayBuffer()));
    // The box the window shows for digits typed into the box of range (0 to 2), that range selected.
    window.search = (range, digits) => {
      for (let i = 0; i < 3; ++i) texts[number(`phone_text090(${i})`)] = i === range ? digits : '';
      selected = number(`tolvaselect(${range})`);
      core.click(number('researchbtn'));
      return view.shown;
    };
    window.testCore = core;
  });
});

after(async () => {
  await browser?.close();
  await server?.stop();
});

function assertSameRows(actual, expected, what) {
  assert.equal(actual.length, expected.length, `${what}: number of rows`);
  const first = actual.findIndex((row, i) => row !== expected[i]);
  if (first >= 0) assert.equal(actual[first], expected[first], `${what}: first row that differs`);
}

test('every block answers as milden-lookup --dump does', async () => {
  const dump = execFileSync(lookup, ['--dump', '--json', `${site}/sorvane.dat`], { encoding: 'utf8', maxBuffer: 1 << 26 })
    .trim().split('\n').map((line) => JSON.stringify(JSON.parse(line)));
  const answers = await page.evaluate(() => {
    const rows = [];
    ['090', '080', '070'].forEach((range, selected) => {
      for (let block = 0; block < 10000; ++block) {
        const digits = String(block).padStart(4, '0');
        const box = window.search(selected, digits);
        rows.push(JSON.stringify({ range, block: digits, answer: box.lines[1].replace(/です。$/, '') }));
      }
    });
    return rows;
  });
  assertSameRows(answers, dump, 'answers');
});

test('every code page 932 sequence decodes as in tests/lookup/cp932_decoding.txt', async () => {
  const expected = readFileSync(new URL('../lookup/cp932_decoding.txt', import.meta.url), 'utf8')
    .split('\n').filter((line) => line && !line.startsWith('#'));
  // The rows of cp932_decoding_test.cpp: which sequences give U+FFFD, then FNV-1a over each
  // decoding's length and UTF-16 units.
  const rows = await page.evaluate(() => {
    const hex = (value, digits) => value.toString(16).padStart(digits, '0');
    const rows = [];
    for (let first = 0x80; first <= 0xff; ++first) rows.push([hex(first, 2), [...Array(256).keys()].map((s) => [first, s])]);
    rows.push(['end', [...Array(128).keys()].map((b) => [0x80 + b])]);
    return rows.map(([name, sequences]) => {
      const decoded = sequences.map((s) => window.testCore.decodeCp932(new Uint8Array(s)));
      let map = '';
      for (let i = 0; i < decoded.length; i += 4) {
        map += hex(decoded.slice(i, i + 4).reduce((digit, text) => (digit << 1) | text.includes('\uFFFD'), 0), 1);
      }
      let hash = 0xcbf29ce484222325n;
      const add = (value) => {
        for (let byte = 0; byte < 2; ++byte, value >>= 8) hash = ((hash ^ BigInt(value & 0xff)) * 0x100000001b3n) & 0xffffffffffffffffn;
      };
      for (const text of decoded) {
        add(text.length);
        for (let i = 0; i < text.length; ++i) add(text.charCodeAt(i));
      }
      return `${name} ${map} ${hex(hash, 16)}`;
    });
  });
  assertSameRows(rows, expected, 'decoding rows');
});
