// The web page's figures for scripts/bench, in one run: the weight of the site a first visit
// downloads (gzip -9, as a server would send it; images as they are), the time from navigation to the first answer in
// headless Chromium (cold: a fresh profile; warm: the same profile again, its service worker
// active), and 10,000 lookups in WebAssembly against the same lookups built natively.
//   node bench/web_page.mjs --root build-web --native build-bench/bin/lookup_timing --data FILE [--runs N]
import { execFileSync } from 'node:child_process';
import { readdirSync, readFileSync } from 'node:fs';
import { basename, extname, join } from 'node:path';
import { parseArgs } from 'node:util';
import { gzipSync } from 'node:zlib';
import { launch, served } from '../tests/web/chromium.mjs';

const { values: args } = parseArgs({
  options: { root: { type: 'string' }, native: { type: 'string' }, data: { type: 'string' }, runs: { type: 'string', default: '10' } },
});
const runs = Number(args.runs);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const rows = [];
const row = (name, measured, target = '', met = null) => rows.push([name, measured, target, met]);

// ---- Weight ----
const kinds = { '.wasm': 'WebAssembly', '.mjs': 'JavaScript', '.js': 'JavaScript', '.html': 'HTML, CSS, manifest',
  '.css': 'HTML, CSS, manifest', '.webmanifest': 'HTML, CSS, manifest', '.dat': 'data file', '.png': 'images' };
const weights = {};
let total = 0;
for (const file of readdirSync(join(args.root, 'site'))) {
  // What a server sends: gzip, unless the file is compressed already (the images).
  const raw = readFileSync(join(args.root, 'site', file));
  const bytes = Math.min(raw.length, gzipSync(raw, { level: 9 }).length);
  const kind = kinds[extname(file)] ?? 'other';
  weights[kind] = (weights[kind] ?? 0) + bytes;
  weights[basename(file)] = bytes;
  total += bytes;
}
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
row('site, gzip: milden.wasm', kb(weights['milden.wasm']));
for (const kind of ['JavaScript', 'HTML, CSS, manifest', 'data file', 'images']) row(`site, gzip: ${kind}`, kb(weights[kind]));
row('site, gzip: all a first visit downloads', kb(total), '<= 100 KB', total <= 100 * 1024);

// ---- First answer, and the lookups in WebAssembly, in headless Chromium ----
const browser = await launch();
const server = await served(args.root);
const answerTime = (page) => page.evaluate(() => performance.getEntriesByName('milden-first-answer')[0].startTime);
const cold = [];
const warm = [];
for (let run = 0; run < runs; ++run) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(`${server.url}site/?n=09012345678`);
  await page.getByRole('alertdialog').waitFor();
  cold.push(await answerTime(page));
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await page.goto(`${server.url}site/?n=09012345678`);
  await page.getByRole('alertdialog').waitFor();
  warm.push(await answerTime(page));
  await context.close();
}
row('navigation to first answer, cold (median)', `${median(cold).toFixed(0)} ms`, '<= 300 ms', median(cold) <= 300);
row('navigation to first answer, cold (best)', `${Math.min(...cold).toFixed(0)} ms`);
row('navigation to first answer, warm (median)', `${median(warm).toFixed(0)} ms`);

const page = await browser.newPage();
await page.goto(`${server.url}bin/lookup_timing.mjs`);  // any page of the origin will do
const data = [...readFileSync(args.data)];
const wasmMicroseconds = Number(await page.evaluate(async (bytes) => {
  const printed = [];
  await (await import('./lookup_timing.mjs')).default({
    arguments: ['/sorvane.dat'],
    preRun: [(module) => module.FS.writeFile('/sorvane.dat', new Uint8Array(bytes))],
    print: (text) => printed.push(text),
  });
  return printed[0];
}, data));
const nativeMicroseconds = Number(execFileSync(args.native, [args.data], { encoding: 'utf8' }));
const ratio = wasmMicroseconds / nativeMicroseconds;
row('10,000 lookups: WebAssembly in Chromium', `${(wasmMicroseconds / 1000).toFixed(2)} ms`);
row('10,000 lookups: native', `${(nativeMicroseconds / 1000).toFixed(2)} ms`);
row('WebAssembly / native', `${ratio.toFixed(2)}x`, '<= 2x', ratio <= 2);
await browser.close();
await server.stop();

const width = Math.max(...rows.map(([name]) => name.length));
console.log(`${'web page figure'.padEnd(width)}  ${'measured'.padStart(16)}  target`);
for (const [name, measured, target, met] of rows) {
  console.log(`${name.padEnd(width)}  ${measured.padStart(16)}  ${target.padEnd(12)} ${met === null ? '' : met ? 'met' : 'MISSED'}`);
}
