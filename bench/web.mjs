// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// usage: node bench/web.mjs NPM_PACKAGES PAGE [PAGE...]
// What the web console costs a user, for each page side by side (another release's, say,
// with its module beside it): the page's bytes, Lighthouse's scores for a phone,
// and in each engine the time from opening countdown-ask to its first prompt and from
// pasting a million digits (then Enter, "10" and Enter) to its result; and an exercise
// sheet of 30 consoles, six of each program, until all show their first line, with the
// JavaScript heap the last page then takes where the engine tells. Prints; asserts nothing,
// as times depend on the machine.
import { readFileSync } from 'node:fs';
import { basename, resolve } from 'node:path';
import { argv } from 'node:process';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';
import { HOST, showing } from '../web/tests/browser.mjs';
import { engines, launch, serve } from '../web/tests/engines.mjs';
import { audit } from '../web/tests/lighthouse.mjs';

const [packages, ...pages] = argv.slice(2).map((path) => resolve(path));
const row = (what, value) => console.log(`${what.padEnd(28)}${value}`);

for (const [index, page] of pages.entries()) {
  const html = readFileSync(page);
  row(`page ${index + 1}`, `${basename(page)}`);
  row('', `${html.length} bytes, ${gzipSync(html).length} gzip-compressed`);
  const { scores, blocking, interactive } = await audit(packages, html);
  row('Lighthouse, mobile', Object.entries(scores).map(([id, score]) => `${id} ${Math.round(score * 100)}`).join(', '));
  row('', `total blocking time ${Math.round(blocking)} ms, time to interactive ${Math.round(interactive)} ms`);
}

// In the page: a million digits pasted, Enter, "10" and Enter, as the field gets them, and
// the time until the result is on the screen. Firefox gives a made-up paste event no
// clipboard; there the digits go in as one piece.
async function pasteToResult(host) {
  const root = document.querySelector(host).shadowRoot;
  const field = root.querySelector('textarea');
  const painted = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
  const enter = () => field.dispatchEvent(new InputEvent('beforeinput', { inputType: 'insertLineBreak', cancelable: true }));
  const digits = '9'.repeat(1e6);
  const clipboardData = new DataTransfer();
  clipboardData.setData('text/plain', digits);
  field.focus();
  const started = performance.now();
  if (field.dispatchEvent(new ClipboardEvent('paste', { clipboardData, cancelable: true }))) document.execCommand('insertText', false, digits);
  await painted();
  enter();
  await painted();
  document.execCommand('insertText', false, '10');
  enter();
  while (!root.querySelector('.status')) await painted();
  return Math.round(performance.now() - started);
}

const programs = ['countdown-ask', 'countdown-fixed', 'countdown-dayofyear', 'product-sheet', 'task-functions'];
const consoles = programs.flatMap((name) => Array(6).fill(`<h2>${name}</h2><${HOST} programm="${name}"></${HOST}>`));
const sheets = await Promise.all(pages.map((page) => serve({
  '/': { body: `<!DOCTYPE html><html lang="de"><head><meta charset="utf-8"><title>Übungsblatt</title><script type="module" src="/uebungsprogramme-web.js"></script></head><body>${consoles.join('')}</body></html>`, type: 'text/html; charset=utf-8' },
  '/uebungsprogramme-web.js': { body: readFileSync(page.replace(/html$/, 'js')), type: 'text/javascript' },
})));
// Since the page's start, until every console shows a line.
async function allShowing([host, count]) {
  const showing = () => [...document.querySelectorAll(host)].filter((element) => element.shadowRoot?.querySelector('.run div')).length;
  while (showing() < count) await new Promise((resolve) => setTimeout(resolve, 5));
  return Math.round(performance.now());
}

// Each figure the median of three rounds, the pages taking turns in each, so that neither
// gains from coming first.
const ROUNDS = 3;
const median = (values) => values.sort((a, b) => a - b)[values.length >> 1];
for (const engine of engines) {
  const session = await launch(engine, packages);
  try {
    const figures = pages.map(() => ({ opened: [], pasted: [], shown: [] }));
    let heap;
    for (let round = 0; round < ROUNDS; ++round) {
      for (const [index, page] of pages.entries()) {
        const started = Date.now();
        await session.open(`${pathToFileURL(page).href}#countdown-ask`);
        await showing(session, 1);
        figures[index].opened.push(Date.now() - started);
        figures[index].pasted.push(await session.evaluate(pasteToResult, HOST));
        await session.open(sheets[index].origin);
        figures[index].shown.push(await session.evaluate(allShowing, [HOST, consoles.length]));
        // Chromium alone tells its heap to a driver.
        heap = await (async () => session.tab.metrics())().then(({ JSHeapUsedSize }) => `${(JSHeapUsedSize / 2 ** 20).toFixed(1)} MiB`, () => null);
      }
    }
    for (const [index, { opened, pasted, shown }] of figures.entries()) {
      row(`${engine.name}, page ${index + 1}`, `first prompt ${median(opened)} ms, a million digits pasted to the result ${median(pasted)} ms`);
      row('', `${consoles.length} consoles showing after ${median(shown)} ms${index === pages.length - 1 ? `, JavaScript heap ${heap ?? 'not told by this engine'}` : ''}`);
    }
  } finally {
    await session.close();
  }
}
for (const sheet of sheets) sheet.close();
