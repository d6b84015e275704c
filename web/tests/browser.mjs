// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// usage: node browser.mjs NPM_PACKAGES PAGE SOURCE [ENGINE]
// The web console PAGE in Chromium, Firefox ESR and WebKit (or ENGINE alone), used as a
// person would: it types and reads the console's screen against the golden cases in
// SOURCE, byte for byte. Chromium and Firefox run every case twice, the second time
// without JSPI. Chromium then plays a phone: touch, and every way a phone's keyboard
// hands over text, often enough to catch a fault that comes once in twenty runs. No
// request may leave the page. Last, the console as a guest in course pages, a slide deck
// and a page with shortcuts of its own among them.
import { spawn, spawnSync } from 'node:child_process';
import { copyFileSync, existsSync, mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { argv, env, exit } from 'node:process';
import { pathToFileURL } from 'node:url';
import { engines, freePort, launch, pause, serve, waitFor } from './engines.mjs';

const [packages, page, source] = argv.slice(2, 5).map((path) => resolve(path ?? '.'));
const module = page.replace(/html$/, 'js');
const address = pathToFileURL(page).href;
export const HOST = 'uebungs-konsole';
const golden = (name, kind) => (existsSync(join(source, `${name}.${kind}`)) ? readFileSync(join(source, `${name}.${kind}`), 'utf8') : '');

// Each case: the program, by address or by a change of fragment; its golden case, of
// which the first `lines` lines are shown (all if not given); and what is typed once the
// output's line `after` shows, after `paste` is pasted, and what the screen then shows of
// it. "\b" is Backspace, "\n" Enter, "⇧" Shift+Enter, "\t" Tab, "\x1b" Escape, "\x7f"
// Delete, "←" and "→" the arrows, "↖" Home, "↘" End, and a control character Ctrl with its
// letter: "\x04" Ctrl-D, "\x03" Ctrl-C.
// A case `from` another program has the console switched to its own while the other reads,
// with a line `typed` but not handed over.
const cases = [
  { program: 'countdown-ask', golden: 'countdown-ask/tests/weekday-is-added', steps: [{ after: 0, keys: '3\n', echo: '3\n' }, { after: 1, keys: '10\n', echo: '10\n' }] },
  { program: 'countdown-dayofyear', golden: 'countdown-dayofyear/tests/stopped-read-feeds-next', steps: [{ after: 0, keys: '08\n', echo: '08\n' }] },
  { program: 'countdown-ask', golden: 'countdown-ask/tests/weekday-is-added', steps: [{ after: 0, keys: '4\b3\n', echo: '3\n' }, { after: 1, keys: '1x\b0\n', echo: '10\n' }] },
  { program: 'countdown-ask', golden: 'countdown-ask/tests/non-ascii-stops-reads', steps: [{ after: 0, keys: '3ü4\n', echo: '3ü4\n' }] },
  { program: 'countdown-ask', golden: 'countdown-ask/tests/empty-input', steps: [{ after: 0, keys: '\x04', echo: '' }] },
  { program: 'countdown-ask', golden: 'countdown-ask/tests/input-ends-after-weekday', steps: [{ after: 0, keys: '3\x04\x04', echo: '3' }] },
  { program: 'countdown-ask', golden: 'countdown-ask/tests/weekday-is-added', lines: 1, status: 130, steps: [{ after: 0, keys: '3\x03', echo: '3^C\n' }] },
  { program: 'countdown-ask', golden: 'countdown-ask/tests/clamped-above-int-range', steps: [{ after: 0, paste: '9'.repeat(1e6), keys: '\n', echo: `${'9'.repeat(1e6)}\n` }, { after: 1, keys: '0\n', echo: '0\n' }] },
  // Every key a line is edited with; Ctrl-A and Ctrl-C copy the line and leave it be.
  { program: 'countdown-ask', golden: 'countdown-ask/tests/weekday-is-added', steps: [{ after: 0, keys: '3 x←\x7f\n', echo: '3 \n' }, { after: 1, keys: '0↖1↘\x01\x03\n', echo: '10\n' }] },
  // The programs read 1,024 bytes at a time: the digits that count stand on both sides.
  { program: 'countdown-ask', golden: 'countdown-ask/tests/leading-zero-is-decimal', steps: [{ after: 0, paste: `${'0'.repeat(1023)}10`, keys: '\n', echo: `${'0'.repeat(1023)}10\n` }, { after: 1, keys: '1\n', echo: '1\n' }] },
  { program: 'countdown-dayofyear', from: 'countdown-ask', typed: '7', golden: 'countdown-dayofyear/tests/stopped-read-feeds-next', steps: [{ after: 0, keys: '08\n', echo: '08\n' }] },
  { program: 'product-sheet', golden: 'product-sheet/tests/eleven-lines', steps: [] },
  { program: 'task-functions', golden: 'task-functions/tests/prints-confirmation', steps: [], byFragment: true },
];

// The console's current run as its screen shows it: output and echo, then what is typed
// in the field; and whether the program still reads.
function screen(host) {
  const root = document.querySelector(host)?.shadowRoot;
  if (!root) return { text: '', runs: 0, reading: false };
  const runs = root.querySelector('[role=log]').children;
  const typed = root.querySelector('textarea').value;
  return { text: (runs[runs.length - 1]?.textContent ?? '') + root.querySelector('.partial').textContent + typed, runs: runs.length, reading: !root.querySelector('textarea').disabled };
}

// Waits until the screen of the console `host` shows at least `length` characters or its
// program has ended.
export const showing = (session, length, host = HOST) =>
  waitFor(session, ([host, wanted]) => {
    const root = document.querySelector(host)?.shadowRoot;
    const runs = root?.querySelector('[role=log]').children;
    const text = (runs?.[runs.length - 1]?.textContent ?? '') + (root?.querySelector('.partial').textContent ?? '');
    return (text.length >= wanted || /^Programm (beendet|abgebrochen)/m.test(text)) && text;
  }, [host, length]);

const failures = [];
// Objects compared whatever the order of their keys, which differs from driver to driver.
const sorted = (value) => (Array.isArray(value) ? value.map(sorted) : value instanceof Object ? Object.fromEntries(Object.keys(value).sort().map((key) => [key, sorted(value[key])])) : value);
const json = (value) => JSON.stringify(sorted(value));
const shorten = (value) => (json(value).length > 400 ? `…${json(value).slice(-400)}` : json(value));
function expect(what, got, wanted) {
  const same = json(got) === json(wanted);
  // Of two objects, the keys that differ.
  const differing = wanted instanceof Object && got instanceof Object && !Array.isArray(wanted) ? Object.keys(wanted).filter((key) => json(got[key]) !== json(wanted[key])) : null;
  const part = (value) => (differing ? Object.fromEntries(differing.map((key) => [key, value[key]])) : value);
  if (!same) failures.push(`${what}:\n  wanted ${shorten(part(wanted))}\n  got    ${shorten(part(got))}`);
  return same;
}

// A paste as the field gets it: the event, with the text on its clipboard. Firefox gives
// a made-up event no clipboard; there the text goes in as one piece, as dictation's does.
export const paste = (session, text) =>
  session.evaluate(([host, pasted]) => {
    const field = document.querySelector(host).shadowRoot.querySelector('textarea');
    const clipboardData = new DataTransfer();
    clipboardData.setData('text/plain', pasted);
    field.focus();
    if (field.dispatchEvent(new ClipboardEvent('paste', { clipboardData, cancelable: true }))) document.execCommand('insertText', false, pasted);
  }, [HOST, text]);

// Plays one case in the console `test.host`, typing each step with `type`; returns
// whether the screen was right.
async function play(session, test, what, type = (keys) => session.type(keys)) {
  const host = test.host ?? HOST;
  const lines = golden(test.golden, 'out').split(/(?<=\n)/).slice(0, test.lines);
  const status = test.status ?? (golden(test.golden, 'status').trim() || '0');
  let wanted = '';
  let shown = 0;
  for (const step of test.steps) {
    wanted += lines.slice(shown, step.after + 1).join('');
    shown = step.after + 1;
    if (!expect(`${what}, before typing ${JSON.stringify(step.keys)}`, await showing(session, wanted.length, host), wanted)) return false;
    if (step.paste) await paste(session, step.paste);
    await type(step.keys);
    wanted += step.echo;
  }
  wanted += `${lines.slice(shown).join('')}Programm beendet mit Status ${status}.\n`;
  return expect(what, await showing(session, wanted.length, host), wanted);
}

async function desktop(session, label) {
  for (const [index, test] of cases.entries()) {
    const what = `${label}, case ${index + 1} (${test.program}, ${test.golden.split('/').pop()})`;
    const opened = Date.now();
    if (test.from) {
      await session.open(`${address}#${test.from}`);
      await showing(session, 1);
      await session.click(HOST, '.screen');
      await session.type(test.typed);
    }
    if (test.byFragment || test.from) await session.evaluate((name) => (location.hash = name), test.program);
    else await session.open(`${address}#${test.program}`);
    if (index === 0) {
      console.log(`${label}: JSPI ${(await session.evaluate(() => typeof WebAssembly.Suspending === 'function')) ? 'present' : 'absent'}`);
      await showing(session, 1);
      console.log(`${label}: first prompt after ${Date.now() - opened} ms`);
    }
    await waitFor(session, (name) => document.getElementById('program').textContent === name, test.program);
    await session.click(HOST, '.screen');
    if (!(await play(session, test, what))) continue;
    if (test.from) {
      // The run cut off ends where it was: no status, no field of its own left behind.
      await pause(200);
      const runs = await session.evaluate((host) => [...document.querySelector(host).shadowRoot.querySelector('[role=log]').children].map((run) => run.textContent), HOST);
      expect(`${what}: the run of ${test.from} cut off`, runs.slice(0, -1), [golden(`${test.from}/tests/empty-input`, 'out').split(/(?<=\n)/)[0]]);
      expect(`${what}: one field`, await session.evaluate((host) => document.querySelector(host).shadowRoot.querySelectorAll('textarea').length, HOST), 1);
    }
    if (index !== 0) continue;

    // The prompts said as they came leave the accessibility tree with the run.
    expect(`${what}: prompts said, left at the end`, await session.evaluate((host) => document.querySelector(host).shadowRoot.querySelector('.spoken').textContent, HOST), '');
    // One Enter too many changes nothing; running again keeps the run before above.
    const ended = await session.evaluate(screen, HOST);
    await session.type('\n');
    await pause(200);
    expect(`${what}: Enter once more`, await session.evaluate(screen, HOST), ended);
    await session.click(HOST, '.again');
    await showing(session, 1);
    expect(`${what}: run again`, await session.evaluate(screen, HOST), { text: golden(test.golden, 'out').split('\n')[0] + '\n', runs: 2, reading: true });
    expect(`${what}: the first run above`, await session.evaluate((host) => document.querySelector(host).shadowRoot.querySelector('.run').textContent, HOST), ended.text);
    // Left at the second question, the field is named with it, not with the first.
    const asked = golden(test.golden, 'out').split('\n');
    await session.type(test.steps[0].keys);
    await showing(session, `${asked[0]}${test.steps[0].echo}${asked[1]}`.length);
    await session.type('\t');
    expect(`${what}: Tab leaves the field`, await session.evaluate((host) => document.querySelector(host).shadowRoot.activeElement?.textContent, HOST), 'Eingabe beenden (Strg+D)');
    expect(`${what}: the field left at the second question`, await session.evaluate((host) => document.querySelector(host).shadowRoot.querySelector('textarea').ariaLabel, HOST), asked[1].trim());
  }
  expect(`${label}: requests that left the page`, (await session.requests()).filter((url) => url.split('#')[0] !== address && !/^(data|about):/.test(url)), []);
}

const puppeteer = () => createRequire(join(packages, 'package.json'))('puppeteer-core');

// A phone: a 393 px screen, touch, and text that arrives as phone keyboards send it.
async function phone(engine) {
  const servers = await courses();
  const session = await launch(engine, packages);
  const { tab } = session;
  try {
    await tab.emulate(puppeteer().KnownDevices['Pixel 5']);
    const cdp = await tab.createCDPSession();
    const key = (type) => cdp.send('Input.dispatchKeyEvent', { type, key: 'Unidentified', windowsVirtualKeyCode: 229 });
    const insert = (text) => cdp.send('Input.insertText', { text });
    const compose = (text) => cdp.send('Input.imeSetComposition', { text, selectionStart: text.length, selectionEnd: text.length });
    await cdp.send('Browser.grantPermissions', { permissions: ['clipboardReadWrite', 'clipboardSanitizedWrite'] });
    const paste = async (text) => {
      await tab.evaluate((copied) => navigator.clipboard.writeText(copied), text);
      await tab.keyboard.down('Control');
      await tab.keyboard.press('KeyV', { commands: ['paste'] });
      await tab.keyboard.up('Control');
    };
    const slowly = async (text, each) => {
      for (const char of text) {
        await each(char);
        await pause(40);
      }
    };
    // Each kind types a line's text; Enter is a key on every keyboard.
    const kinds = {
      'hardware keys': (text) => slowly(text, (char) => tab.keyboard.type(char)),
      'a virtual keyboard': (text) => slowly(text, async (char) => (await key('keyDown'), await insert(char), await key('keyUp'))),
      composition: async (text) => (await slowly([...text].map((_, i) => text.slice(0, i + 1)), compose), await insert(text)),
      'a suggestion replacing the word': async (text) => (await compose(text.slice(0, -1) || '0'), await pause(40), await insert(text)),
      dictation: insert,
      paste,
    };
    const typable = ['weekday-is-added', 'signs', 'end-of-year-negative', 'leading-zero-is-decimal', 'non-ascii-stops-reads'].map((name) => {
      const lines = golden(`countdown-ask/tests/${name}`, 'in').split('\n').slice(0, -1);
      return { program: 'countdown-ask', golden: `countdown-ask/tests/${name}`, steps: lines.map((line, after) => ({ after, keys: line, echo: `${line}\n` })) };
    });

    await tab.goto(`${address}#countdown-ask`);
    await showing(session, 1);
    await tab.tap(`${HOST} >>> .screen`);
    expect('Phone: a tap on the console focuses its field', await tab.evaluate((host) => document.querySelector(host).shadowRoot.activeElement?.tagName, HOST), 'TEXTAREA');
    const runs = 20;
    for (const [kind, type] of Object.entries(kinds)) {
      let right = 0;
      for (let run = 0; run < runs; ++run) {
        const test = typable[run % typable.length];
        const what = `Phone, ${kind}, run ${run + 1} (${test.golden.split('/').pop()})`;
        if (await play(session, test, what, async (text) => (await type(text), await tab.keyboard.press('Enter')))) ++right;
        await tab.tap(`${HOST} >>> .again`);
        await showing(session, 1);
      }
      console.log(`Phone, ${kind}: ${right} of ${runs} runs right`);
    }

    // Two lines pasted, or inserted at once as dictation may, are handed over as Enter
    // would, ahead of the prompts.
    const lines = golden('countdown-ask/tests/weekday-is-added', 'out').split(/(?<=\n)/);
    for (const [how, put] of [['pasted', paste], ['inserted', insert]]) {
      await put('3\n10\n');
      expect(`Phone: two lines ${how}`, await showing(session, 1000), `${lines[0]}3\n10\n${lines.slice(1).join('')}Programm beendet mit Status 0.\n`);
      await tab.tap(`${HOST} >>> .again`);
      await showing(session, 1);
      await tab.tap(`${HOST} >>> .screen`);
    }

    // The touch controls: the first hands over the line so far, then ends the input;
    // the second interrupts.
    await insert('3');
    const control = (name) => tab.tap(`::-p-aria([name="${name}"][role="button"])`);
    await control('Eingabe beenden (Strg+D)');
    await control('Eingabe beenden (Strg+D)');
    const ends = golden('countdown-ask/tests/input-ends-after-weekday', 'out').split(/(?<=\n)/);
    expect('Phone: ending the input by touch', await showing(session, 1000), `${ends[0]}3${ends.slice(1).join('')}Programm beendet mit Status 0.\n`);
    await tab.tap(`${HOST} >>> .again`);
    await showing(session, 1);
    await control('Abbrechen (Strg+C)');
    expect('Phone: interrupting by touch', await showing(session, 1000), `${lines[0]}^C\nProgramm beendet mit Status 130.\n`);

    // Screen readers: the field named by its prompt, the typed line and the output in the log.
    await tab.tap(`${HOST} >>> .again`);
    await showing(session, 1);
    await tab.tap(`${HOST} >>> .screen`);
    const nodes = [];
    const walk = (node) => (nodes.push(node), (node.children ?? []).forEach(walk));
    walk(await tab.accessibility.snapshot({ interestingOnly: false }));
    expect('Phone: the field is named by its prompt', nodes.find((node) => node.role === 'textbox')?.name, lines[0].trim());
    await insert('3');
    await tab.keyboard.press('Enter');
    await showing(session, lines[0].length + 2 + lines[1].length);
    expect('Phone: the next prompt said in the live region', await tab.evaluate((host) => document.querySelector(host).shadowRoot.querySelector('[aria-live=polite]').textContent, HOST), lines[1].trim());
    nodes.length = 0;
    walk(await tab.accessibility.snapshot({ interestingOnly: false }));
    const log = nodes.find((node) => node.role === 'log');
    const heard = [];
    (function text(node) {
      if (node.role === 'StaticText') heard.push(node.name);
      (node.children ?? []).forEach(text);
    })(log ?? {});
    // Chromium names a line with its final space and newline, or without, as its layout stands.
    expect('Phone: the log ends with the output and the typed line, a line each', heard.slice(-3).map((line) => line.trim()), [lines[0].trim(), '3', lines[1].trim()]);

    // A slide deck on the phone: a tap on its console, the answers by the virtual keyboard.
    await tab.goto(`${servers.slides.origin}/folien#/1`);
    await waitFor(session, () => globalThis.Reveal?.isReady());
    await showing(session, 1);
    await tab.tap(`${HOST} >>> .screen`);
    await play(session, typable[0], 'Phone, a slide deck', async (text) => (await kinds['a virtual keyboard'](text), await tab.keyboard.press('Enter')));
    expect('Phone, a slide deck, typed into its console', await session.evaluate(deckState), untouched(1));
  } finally {
    await session.close();
    servers.close();
  }
}

// Course pages, served from 127.0.0.1 under a strict CSP: two consoles of the module and
// the page in a sandboxed frame from a second origin, among styles that would spoil a
// console if they reached it. The same consoles on a page without those styles must look
// the same, and the page's own elements the same as on a page without the module.
const strict = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'";
const spoiling = `* { font: italic 22px/3 serif !important; color: #c00 !important; background: #ff0 !important;
  border: 3px dashed #c00 !important; margin: 7px !important; padding: 9px !important;
  letter-spacing: 4px !important; text-transform: uppercase !important; text-align: center !important;
  word-spacing: 9px !important; text-shadow: 2px 2px #c00 !important; }
html { font-size: 30px; } uebungs-konsole { display: inline !important; width: 5em !important; }`;
const probes = '<div class="screen">Probe</div><div class="run status">Probe</div><button class="again">Probe</button><textarea></textarea>';

// A course page: with the spoiling styles or the consoles' font size alone; the module,
// or it as a classic script between scripts of the page's own, or the page's shortcuts.
function host({ styled = true, size = 0, module: withModule = true, twice = false, classic = false, shortcuts = false, frame = '', probed = true }) {
  const head = [
    withModule && '<script src="/ereignisse.js"></script>',
    styled && '<link rel="stylesheet" href="/kurs.css">',
    size && `<link rel="stylesheet" href="/schrift-${size}.css">`,
    shortcuts && '<script src="/tasten.js"></script>',
    withModule && !classic && '<script type="module" src="/uebungsprogramme-web.js"></script>',
    classic && '<script src="/vorher.js"></script><script src="/uebungsprogramme-web.js"></script><script src="/nachher.js"></script>',
    twice && '<script type="module" src="/uebungsprogramme-web.js?noch-einmal"></script>',
  ];
  const consoles = withModule ? '<uebungs-konsole id="eins" programm="countdown-ask"></uebungs-konsole><uebungs-konsole id="zwei" programm="countdown-dayofyear"></uebungs-konsole>' : '';
  const own = shortcuts ? '<button id="seite">Seite</button>' : '';
  return `<!DOCTYPE html><html lang="de"><head><meta charset="utf-8"><title>Kurs</title>${head.filter(Boolean).join('')}</head><body><h1>Kurs</h1>${probed ? probes : ''}${own}${consoles}${frame}</body></html>`;
}

// Scripts of the course pages' own. Names the module might have spelt alike, declared
// before it; what it added to the page's global scope, after it.
const before = "const b = 'Seite';\nvar S = 'Seite';\nvar vorher = Object.getOwnPropertyNames(window);\n";
const after = "document.documentElement.dataset.neu = Object.getOwnPropertyNames(window).filter((name) => !vorher.includes(name)).join(' ');\ndocument.documentElement.dataset.seite = `${b} ${S}`;\n";
// Shortcuts as sites write them: every key, unless a field of the page's own has the focus.
const shortcuts = `var gehoert = [];
for (const target of [document, window]) {
  for (const type of ['keydown', 'keypress', 'keyup']) {
    target.addEventListener(type, (event) => {
      if (/^(input|textarea)$/i.test(document.activeElement?.tagName)) return;
      gehoert.push(\`\${target === window ? 'window' : 'document'} \${type} \${event.key}\`);
    });
  }
}
`;
// Each run's end, as the page hears of it.
const listens = "var ereignisse = [];\ndocument.addEventListener('beendet', (event) => ereignisse.push(`${event.target.id} ${event.detail.programm} ${event.detail.status}`));\n";
const ended = (session) => session.evaluate(() => ereignisse.splice(0));
const heardKeys = (key) => ['document', 'window'].flatMap((target) => ['keydown', 'keypress', 'keyup'].map((type) => `${target} ${type} ${key}`)).sort();

// A slide deck: a console on the second slide, the framed page on the third.
const reveal = (file) => readFileSync(join(packages, 'node_modules/reveal.js/dist', file));
const deck = (framed) => `<!DOCTYPE html><html lang="de"><head><meta charset="utf-8"><title>Folien</title>
<link rel="stylesheet" href="/reveal.css"><link rel="stylesheet" href="/white.css">
<script type="module" src="/uebungsprogramme-web.js"></script></head>
<body><div class="reveal"><div class="slides">
<section><h1>Kurs</h1></section>
<section><h2>countdown-ask</h2><uebungs-konsole programm="countdown-ask"></uebungs-konsole></section>
<section><h2>countdown-dayofyear</h2><iframe title="countdown-dayofyear" src="${framed}/#countdown-dayofyear" width="900" height="400"></iframe></section>
<section><h2>Ende</h2></section>
</div></div><script src="/reveal.js"></script><script src="/folien.js"></script></body></html>`;
const deckState = () => ({ slide: Reveal.getIndices().h, overview: Reveal.isOverview(), paused: Reveal.isPaused(), fullscreen: Boolean(document.fullscreenElement) });
// The deck on `slide`, as a deck none of the console's keys reached is.
const untouched = (slide) => ({ slide, overview: false, paused: false, fullscreen: false });
// The deck's own keys typed into its console: f fullscreen, o overview, b pause, n next,
// Space next, the arrows, Home and End.
const deckCase = { program: 'countdown-ask', golden: 'countdown-ask/tests/weekday-is-added', steps: [{ after: 0, keys: 'fobn\b\b\b\b3 x←\x7f\n', echo: '3 \n' }, { after: 1, keys: '0↖1↘\n', echo: '10\n' }] };

// The module with one program's packed bytes cut off halfway.
function cutOff(text, program) {
  const [found, start, packed] = new RegExp(`("${program}":")([A-Za-z0-9+/=]+)"`).exec(text);
  return text.replace(found, `${start}${packed.slice(0, Math.floor(packed.length / 8) * 4)}"`);
}

// The servers of the course pages, on 127.0.0.1: the page to be framed; the course pages
// under a strict CSP; the same without 'wasm-unsafe-eval'; and the deck, whose script
// makes style elements, under none.
async function courses() {
  const html = (body) => ({ body, type: 'text/html; charset=utf-8' });
  const script = (body) => ({ body, type: 'text/javascript' });
  const framed = await serve({ '/': html(readFileSync(page)) });
  const routes = (frame) => ({
    '/': html(host({ twice: true, frame })),
    '/plain': html(host({ styled: false, size: 22 })),
    '/kurs': html(host({ styled: false, probed: false })),
    '/bare': html(host({ styled: false, module: false })),
    '/schrift-16': html(host({ styled: false, size: 16 })),
    '/schrift-32': html(host({ styled: false, size: 32 })),
    '/klassisch': html(host({ styled: false, classic: true })),
    '/tasten': html(host({ styled: false, shortcuts: true })),
    '/kurs.css': { body: spoiling, type: 'text/css' },
    ...Object.fromEntries([16, 22, 32].map((size) => [`/schrift-${size}.css`, { body: `uebungs-konsole { font-size: ${size}px }`, type: 'text/css' }])),
    '/vorher.js': script(before),
    '/nachher.js': script(after),
    '/tasten.js': script(shortcuts),
    '/ereignisse.js': script(listens),
    '/uebungsprogramme-web.js': script(readFileSync(module)),
    '/uebungsprogramme-web.js?noch-einmal': script(readFileSync(module)),
    '/kaputt': html(host({ styled: false, probed: false }).replace('/uebungsprogramme-web.js', '/kaputt.js')),
    '/kaputt.js': script(cutOff(readFileSync(module, 'utf8'), 'countdown-ask')),
  });
  const course = await serve(routes(`<iframe sandbox="allow-scripts" title="countdown-ask" src="${framed.origin}/#countdown-ask"></iframe>`), { 'Content-Security-Policy': `${strict}; frame-src ${framed.origin}` });
  const noWasm = await serve(routes(''), { 'Content-Security-Policy': "default-src 'self'; script-src 'self'" });
  const slides = await serve({
    '/folien': html(deck(framed.origin)),
    '/reveal.js': script(reveal('reveal.js')),
    '/reveal.css': { body: reveal('reveal.css'), type: 'text/css' },
    '/white.css': { body: reveal('theme/white.css'), type: 'text/css' },
    '/folien.js': script("Reveal.initialize({ hash: true, transition: 'none' });\n"),
    '/uebungsprogramme-web.js': script(readFileSync(module)),
  });
  const servers = [framed, course, noWasm, slides];
  return { framed, course, noWasm, slides, close: () => servers.forEach((server) => server.close()) };
}

// The font sizes of a console's text, field and button, and the height of its field's line.
function sizes() {
  const root = document.querySelector('#eins').shadowRoot;
  const size = (selector) => parseFloat(getComputedStyle(root.querySelector(selector)).fontSize);
  return { text: size('.run div'), field: size('textarea'), button: size('button'), line: root.querySelector('.line').getBoundingClientRect().height };
}

// How a console looks, or, without one, the page's probes.
function looks() {
  const pick = (node, ...names) => names.map((name) => getComputedStyle(node)[name]).join(' ');
  const element = document.querySelector('#eins');
  if (!element) return [...document.querySelectorAll('body > :not(h1)')].map((node) => pick(node, 'font', 'color', 'backgroundColor', 'display', 'margin', 'padding', 'border'));
  const root = element.shadowRoot;
  const parent = getComputedStyle(element.parentElement);
  const room = element.parentElement.clientWidth - parseFloat(parent.paddingLeft) - parseFloat(parent.paddingRight);
  return {
    element: pick(element, 'display', 'border', 'padding', 'margin', 'font', 'color', 'letterSpacing', 'textTransform'),
    fills: Math.abs(element.getBoundingClientRect().width - room) < 1,
    screen: pick(root.querySelector('.screen'), 'font', 'color', 'backgroundColor', 'letterSpacing', 'textTransform', 'border', 'padding', 'textAlign', 'wordSpacing', 'textShadow'),
    line: pick(root.querySelector('.run div'), 'font', 'color', 'backgroundColor', 'margin', 'border', 'letterSpacing', 'textAlign', 'wordSpacing', 'textShadow'),
    field: pick(root.querySelector('textarea'), 'font', 'color', 'backgroundColor', 'border', 'letterSpacing'),
    button: pick(root.querySelector('button'), 'font', 'color', 'backgroundColor', 'border', 'letterSpacing', 'textTransform'),
  };
}

// The ring round a console the focus is in: its outline, whether that is the system's
// Highlight, and the screen's border, which forced colours draw.
function ring(host) {
  const root = document.querySelector(host).shadowRoot;
  root.querySelector('.screen').focus();
  const probe = document.body.appendChild(Object.assign(document.createElement('i'), { style: 'color: Highlight' }));
  const highlight = getComputedStyle(probe).color;
  probe.remove();
  const style = getComputedStyle(root.querySelector('.screen'));
  return { outline: `${style.outlineStyle} ${style.outlineWidth}`, highlighted: style.outlineColor === highlight, border: style.borderTopStyle };
}

// axe-core's rules of WCAG 2.2 A and AA, and on the one-file page that all its content
// stands in landmarks, over the page as it stands.
const axe = () => readFileSync(join(packages, 'node_modules/axe-core/axe.min.js'), 'utf8');
async function audit(session, what, landmarks = false) {
  await session.evaluate(axe());
  const rules = landmarks ? { type: 'rule', values: ['region'] } : { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] };
  const found = await session.evaluate((only) => axe.run(document, { runOnly: only }).then(({ violations }) => violations.map(({ id, nodes }) => `${id}: ${nodes.map(({ target }) => target.join(' ')).join(', ')}`)), rules);
  expect(`${what}: ${landmarks ? 'content outside landmarks' : "axe-core's WCAG 2.2 AA violations"}`, found, []);
}

// With WCAG's text spacing inside the console: what is cut off, buttons smaller than 24 px
// square, and whether the page scrolls sideways.
function spaced(host) {
  const root = document.querySelector(host).shadowRoot;
  const spacing = new CSSStyleSheet();
  spacing.replaceSync('* { line-height: 1.5 !important; letter-spacing: 0.12em !important; word-spacing: 0.16em !important; } p { margin-bottom: 2em !important; }');
  root.adoptedStyleSheets = [...root.adoptedStyleSheets, spacing];
  const shown = [...root.querySelectorAll('*:not(.spoken, .spoken *, .leaving, .leaving *)')].filter((node) => node.getClientRects().length > 0);
  const cut = shown.filter((node) => getComputedStyle(node).overflow !== 'visible' && (node.scrollWidth > node.clientWidth + 1 || node.scrollHeight > node.clientHeight + 1));
  const small = shown.filter((node) => node.tagName === 'BUTTON' && ['width', 'height'].some((side) => node.getBoundingClientRect()[side] < 24));
  return { cut: cut.map((node) => node.className || node.tagName), small: small.map((node) => node.textContent), sideways: document.documentElement.scrollWidth > innerWidth };
}

async function embedded(engine) {
  const servers = await courses();
  const { framed, course, noWasm, slides } = servers;
  const session = await launch(engine, packages);
  const label = `${engine.name}, a course page`;
  try {
    for (const [where, at, host] of [['the one-file page', `${address}#countdown-ask`, HOST], ['a course page of its own', `${course.origin}/kurs`, '#eins']]) {
      await session.open(at);
      await showing(session, 1, host);
      await audit(session, `${engine.name}, ${where}, before a run`);
      await session.click(host, '.screen');
      await play(session, { ...cases[0], host }, `${engine.name}, ${where}, audited`);
      await audit(session, `${engine.name}, ${where}, after a run`);
      if (host === HOST) await audit(session, `${engine.name}, ${where}`, true);
    }
    await session.errors();
    await session.open(`${course.origin}/plain`);
    await showing(session, 1, '#eins');
    const plain = await session.evaluate(looks);
    expect(`${label}: the console as wide as its container`, plain.fills, true);
    await session.open(`${course.origin}/bare`);
    const bare = await session.evaluate(looks);
    await session.open(`${course.origin}/plain`);
    await waitFor(session, () => document.querySelector('#eins').shadowRoot.querySelector('.run div') !== null);
    const probed = await session.evaluate(() => [...document.querySelectorAll('body > :not(h1, uebungs-konsole)')].map((node) => ['font', 'color', 'backgroundColor', 'display', 'margin', 'padding', 'border'].map((name) => getComputedStyle(node)[name]).join(' ')));
    expect(`${label}: the page's own elements as without the module`, probed, bare);
    await session.requests();
    await session.errors();

    await session.open(`${course.origin}/`);
    for (const [id, test] of [['#eins', cases[0]], ['#zwei', cases[1]]]) {
      await showing(session, 1, id);
      await session.click(id, '.screen');
      await play(session, { ...test, host: id }, `${label}, ${id} (${test.program})`);
    }
    expect(`${label}: #eins untouched by what #zwei was given`, (await session.evaluate(screen, '#eins')).text.endsWith(`Programm beendet mit Status 0.\n`), true);
    expect(`${label}: the host's styles stay out`, await session.evaluate(looks), plain);

    // Another program, an unknown one, none: a restart or one sentence. A console
    // removed while its program reads stops it.
    const sheet = { ...cases.find(({ program }) => program === 'product-sheet'), host: '#eins' };
    await session.evaluate(() => document.querySelector('#eins').setAttribute('programm', 'product-sheet'));
    await play(session, sheet, `${label}, #eins changed to product-sheet`);
    await session.click('#eins', '.again');
    await play(session, sheet, `${label}, #eins's product-sheet run again`);
    const said = async (change) => (await session.evaluate(change), session.evaluate(() => document.querySelector('#eins').shadowRoot.querySelector('[role=log] > :last-child').textContent));
    expect(`${label}: an unknown program`, await said(() => document.querySelector('#eins').setAttribute('programm', 'hallo')), 'Ein Programm „hallo“ gibt es hier nicht, nur countdown-ask, countdown-fixed, countdown-dayofyear, product-sheet, task-functions.');
    expect(`${label}: no program`, await said(() => document.querySelector('#eins').removeAttribute('programm')), 'Hier ist kein Programm gewählt; das Attribut programm nennt eines von countdown-ask, countdown-fixed, countdown-dayofyear, product-sheet, task-functions.');
    await session.click('#zwei', '.again');
    await showing(session, 1, '#zwei');
    expect(`${label}: the ends of runs the page heard of`, await ended(session), ['eins countdown-ask 0', 'zwei countdown-dayofyear 0', 'eins product-sheet 0', 'eins product-sheet 0']);
    expect(`${label}: a removed console stops reading`, await session.evaluate(() => {
      const element = document.querySelector('#zwei');
      element.remove();
      return element.shadowRoot.querySelector('.line').hidden;
    }), true);

    const inside = await session.inFrame('iframe');
    const alone = () =>
      [...document.querySelectorAll('h1, nav, h2')].every((node) => node.getClientRects().length === 0) &&
      Math.abs(document.querySelector('uebungs-konsole').getBoundingClientRect().width - document.documentElement.clientWidth) < 1;
    expect(`${label}: the framed page shows the console alone, as wide as the frame`, await inside.evaluate(alone), true);
    await inside.click(HOST, '.screen');
    await play(inside, cases[0], `${label}, in its frame`);
    const away = (await session.requests()).filter((url) => ![course.origin, framed.origin].includes(new URL(url).origin) && !/^(data|about):/.test(url));
    expect(`${label}: requests beyond the two servers`, away, []);
    expect(`${label}: errors in the console of the page`, await session.errors(), []);

    await session.open(`${noWasm.origin}/`);
    expect(`${label} that forbids WebAssembly`, await waitFor(session, () => document.querySelector('#eins')?.shadowRoot.querySelector('p')?.textContent), 'Diese Seite erlaubt kein WebAssembly, deshalb läuft das Programm hier nicht.');
    await session.errors();

    // The font size set on the element scales the whole console.
    const sized = async (size) => (await session.open(`${course.origin}/schrift-${size}`), await showing(session, 1, '#eins'), session.evaluate(sizes));
    const scaled = (measured, by) => Object.fromEntries(Object.entries(measured).map(([name, value]) => [name, Math.round(value * by)]));
    const small = await sized(16);
    expect(`${label}: 32px against 16px on the element`, scaled(await sized(32), 1), scaled(small, 2));

    // A program cut off: its console says so, and the other runs.
    await session.open(`${course.origin}/kaputt`);
    expect(`${label}: a program cut off`, (await showing(session, 1, '#eins')).startsWith('Programm abgebrochen: '), true);
    await session.click('#zwei', '.screen');
    await play(session, { ...cases[1], host: '#zwei' }, `${label}, beside a program cut off`);
    // Firefox writes the broken stream into the page's console itself.
    await session.errors();

    // Loaded as a classic script, after scripts that declare names of its minified kind.
    await session.open(`${course.origin}/klassisch`);
    await showing(session, 1, '#eins');
    expect(`${label}: a classic script, what it adds to the page's global scope`, await session.evaluate(() => ({ ...document.documentElement.dataset })), { neu: '', seite: 'Seite Seite' });
    await session.click('#eins', '.screen');
    await play(session, { ...cases[0], host: '#eins' }, `${label}, loaded as a classic script`);

    // A page with shortcuts of its own hears no key typed into a console, and every key
    // typed elsewhere, also once the page has moved the focus there itself.
    await session.open(`${course.origin}/tasten`);
    await showing(session, 1, '#eins');
    await session.click('#eins', '.screen');
    await play(session, { ...deckCase, host: '#eins' }, `${label}, a page with shortcuts`);
    await session.click('#zwei', '.screen');
    await play(session, { program: 'countdown-dayofyear', golden: 'countdown-dayofyear/tests/empty-input-counts-as-zero', host: '#zwei', steps: [{ after: 0, keys: '\x04', echo: '' }] }, `${label}, a page with shortcuts, Ctrl-D`);
    await session.click('#eins', '.again');
    await showing(session, 1, '#eins');
    await session.click('#eins', '.screen');
    await session.type('3\x03');
    expect(`${label}: keys the page heard from its consoles`, await session.evaluate(() => gehoert.splice(0)), []);
    await session.type('\x1b');
    const escape = ['document keydown Escape', 'document keyup Escape', 'window keydown Escape', 'window keyup Escape'];
    expect(`${label}: Escape goes on to the page`, (await session.evaluate(() => gehoert.splice(0))).filter((heard) => !heard.includes('keypress')).sort(), escape);
    await session.click('#eins', '.again');
    await showing(session, 1, '#eins');
    await session.click('#eins', '.screen');
    await session.type('3');
    await session.evaluate(() => document.getElementById('seite').focus());
    await session.type('n');
    expect(`${label}: keys the page heard, its own button focused`, (await session.evaluate(() => gehoert.splice(0))).sort(), heardKeys('n'));
    await session.click('#eins', '.screen');
    const asked = golden('countdown-ask/tests/weekday-is-added', 'out').split(/(?<=\n)/);
    await session.type('\n10\n');
    expect(`${label}: the console typed into again`, await showing(session, 1000, '#eins'), `${asked[0]}3\n${asked[1]}10\n${asked[2]}Programm beendet mit Status 0.\n`);
    if (session.tab) {
      await session.click('#zwei', '.again');
      await showing(session, 1, '#zwei');
      await session.click('#zwei', '.screen');
      await session.tab.keyboard.down('x');
      await session.evaluate(() => document.querySelector('#zwei').remove());
      await session.tab.keyboard.up('x');
      await session.type('n');
      expect(`${label}: a console removed while a key is held`, (await session.evaluate(() => gehoert.splice(0))).filter((heard) => heard.endsWith(' n')).sort(), heardKeys('n'));
    }
    expect(`${label}: the ends of runs the page with shortcuts heard of`, await ended(session), ['eins countdown-ask 0', 'zwei countdown-dayofyear 0', 'eins countdown-ask 130', 'eins countdown-ask 0']);
    expect(`${label}: errors in the console of the page with shortcuts`, await session.errors(), []);

    // A slide deck keeps its slide while its consoles are typed into, and turns it by its
    // keys once the focus is elsewhere.
    await session.open(`${slides.origin}/folien#/1`);
    await waitFor(session, () => globalThis.Reveal?.isReady());
    await showing(session, 1);
    await session.click(HOST, '.screen');
    await play(session, deckCase, `${label}, a slide deck`);
    expect(`${label}, a slide deck, typed into its console`, await session.evaluate(deckState), untouched(1));
    await session.click('section.present h2');
    await session.type('→');
    expect(`${label}, a slide deck, its own key beside the console`, await session.evaluate(deckState), untouched(2));
    const framedSlide = await session.inFrame('section.present iframe');
    await showing(framedSlide, 1);
    await framedSlide.click(HOST, '.screen');
    await play(framedSlide, { program: 'countdown-dayofyear', golden: 'countdown-dayofyear/tests/hex-letter-digits', steps: [{ after: 0, keys: 'fobn\b\b\b\b3 0x1f\n', echo: '3 0x1f\n' }] }, `${label}, a slide deck's framed page`);
    await session.leaveFrame();
    expect(`${label}, a slide deck, typed into its framed page`, await session.evaluate(deckState), untouched(2));
    expect(`${label}: errors in the console of the deck`, await session.errors(), []);
  } finally {
    await session.close();
    servers.close();
  }
}

// A learning platform: the SCORM package unpacked by CMake, and its player showing an
// item in a frame inside a frame, with the SCORM 1.2 run-time API in the window above as
// scorm-again provides it; or one where the item was completed before, one that will not
// start a session, one that throws, none; or one that opens the item in a window of its
// own, the API in the window that opened it.
// The platform records every call and its answer.
const scormPackage = page.replace(/(-web)?\.html$/, '-scorm.zip');
const calls = ['LMSInitialize', 'LMSFinish', 'LMSGetValue', 'LMSSetValue', 'LMSCommit', 'LMSGetLastError', 'LMSGetErrorString', 'LMSGetDiagnostic'];
const apis = {
  'scorm-again': 'new Scorm12API({ logLevel: 5 })',
  completed: "Object.assign(new Scorm12API({ logLevel: 5 }), {}); API.loadFromJSON({ core: { lesson_status: 'completed' } })",
  refusing: `{ ${calls.map((name) => `${name}: () => 'false'`).join(', ')} }`,
  throwing: "Object.assign(new Scorm12API({ logLevel: 5 }), { LMSSetValue() { throw new Error('langsam'); }, LMSCommit() { throw new Error('langsam'); } })",
};
// A frame of the address after the page's own '#'.
const framing = (path) => `<iframe title="Rahmen" width="950" height="600"></iframe><script>document.querySelector('iframe').src = '${path}' + decodeURIComponent(location.hash.slice(1));</script>`;
const platform = (api, body = framing('/player#')) => `<!DOCTYPE html><html lang="de"><head><meta charset="utf-8"><title>Plattform</title><script src="/scorm12.js"></script>
<script>var aufrufe = [];${api ? `\nvar API = ${api};\nfor (const name of ${JSON.stringify(calls)}) {
  const own = API[name].bind(API);
  API[name] = (...args) => { const call = [name, ...args]; aufrufe.push(call); call.push(own(...args)); return call.at(-1); };
}` : ''}</script></head><body>${body}</body></html>`;

// A session time as SCORM 1.2 has it, HH[HH]:MM:SS[.S[S]], in milliseconds, or NaN.
function timespan(value) {
  const [, hours, minutes, seconds] = /^(\d{2,4}):([0-5]\d):([0-5]\d(?:\.\d{1,2})?)$/.exec(value) ?? [];
  return ((Number(hours) * 60 + Number(minutes)) * 60 + Number(seconds)) * 1000;
}

// What the platform heard of an item's session, as it should always be.
function summary(heard) {
  const named = (name) => heard.filter(([call]) => call === name);
  return {
    first: heard[0]?.[0],
    last: heard.at(-1)?.[0],
    initialized: named('LMSInitialize').length,
    finished: named('LMSFinish').length,
    statuses: named('LMSSetValue').filter(([, element]) => element === 'cmi.core.lesson_status').map(([, , value, answer]) => `${value} ${answer}`),
    time: named('LMSSetValue').filter(([, element]) => element === 'cmi.core.session_time').map(([, , value, answer]) => `${!Number.isNaN(timespan(value))} ${answer}`),
    committed: named('LMSCommit').every(([, , answer]) => answer === 'true') && named('LMSCommit').length >= 2,
  };
}

async function learningPlatform(engine) {
  const unpacked = mkdtempSync(join(tmpdir(), 'scorm-'));
  const session = await launch(engine, packages);
  const label = `${engine.name}, a learning platform`;
  let servers = [];
  try {
    const listed = spawnSync(env.CMAKE ?? 'cmake', ['-E', 'tar', 'xvf', scormPackage], { cwd: unpacked, encoding: 'utf8' });
    if (listed.status !== 0) throw new Error(`${scormPackage} could not be unpacked: ${listed.error?.message ?? listed.stderr}`);
    const files = listed.stdout.split('\n').filter(Boolean).map((line) => line.replace(/^x /, '')).sort();
    const manifestText = readFileSync(join(unpacked, 'imsmanifest.xml'), 'utf8');

    // The manifest, read as XML: an item for each entry of the page's menu, in its order,
    // titled with its program's name in at most 40 characters, each a SCO; the files it
    // names, and no others, in the package.
    await session.open(address);
    const menu = await session.evaluate(() => [...document.querySelectorAll('#menu li a')].map((link) => link.textContent));
    const manifest = await session.evaluate((text) => {
      const xml = new DOMParser().parseFromString(text, 'application/xml');
      if (xml.querySelector('parsererror')) return xml.querySelector('parsererror').textContent;
      const all = (name) => [...xml.getElementsByTagName(name)];
      const resource = (item) => all('resource').find((candidate) => candidate.getAttribute('identifier') === item.getAttribute('identifierref'));
      const items = all('item').map((item) => ({ title: item.getElementsByTagName('title')[0].textContent, kind: resource(item)?.getAttribute('adlcp:scormtype'), launch: resource(item)?.getAttribute('href') }));
      return { version: all('schemaversion')[0]?.textContent, items, named: all('file').map((file) => file.getAttribute('href')).concat(items.map(({ launch }) => launch.split('#')[0])) };
    }, manifestText);
    expect(`${label}: the manifest's SCORM version`, manifest.version, '1.2');
    expect(`${label}: the manifest's items`, manifest.items?.map(({ title, kind }) => ({ name: title.split(' – ')[0], short: title.length <= 40, kind })), menu.map((name) => ({ name, short: true, kind: 'sco' })));
    expect(`${label}: the package's files`, files, [...new Set(['imsmanifest.xml', ...manifest.named])].sort());
    expect(`${label}: file names every unzip takes`, files.filter((name) => !/^[A-Za-z0-9._-]+$/.test(name)), []);

    const routes = { '/player': { body: `<!DOCTYPE html><html lang="de"><head><meta charset="utf-8"><title>Player</title></head><body>${framing('/sco/')}</body></html>`, type: 'text/html; charset=utf-8' }, '/scorm12.js': { body: readFileSync(join(packages, 'node_modules/scorm-again/dist/scorm12.min.js')), type: 'text/javascript' } };
    for (const kind of [...Object.keys(apis), 'none']) routes[`/${kind}`] = { body: platform(apis[kind]), type: 'text/html; charset=utf-8' };
    routes['/window'] = { body: platform(apis['scorm-again'], `<button onclick="fenster = window.open('/sco/' + decodeURIComponent(location.hash.slice(1)), 'item')">Öffnen</button>`), type: 'text/html; charset=utf-8' };
    for (const file of files) routes[`/sco/${file}`] = { body: readFileSync(join(unpacked, file)), type: 'text/html; charset=utf-8' };
    const server = await serve(routes);
    servers = [server];
    const launchOf = (program) => manifest.items.find(({ title }) => title.startsWith(`${program} `)).launch;
    // `later` moves the item's clock on, so that a short session counts as a long one.
    const item = async (kind, test, later = 0) => {
      await session.open(`${server.origin}/${kind}#${encodeURIComponent(launchOf(test.program))}`);
      const inside = await session.inFrame('iframe', 'iframe');
      await inside.evaluate((by) => {
        const now = performance.now.bind(performance);
        performance.now = () => now() + by;
      }, later);
      await showing(inside, 1);
      await inside.click(HOST, '.screen');
      await play(inside, test, `${label}, ${kind}, ${test.program}`);
      await session.leaveFrame();
    };
    const status = () => session.evaluate(() => globalThis.API?.cmi.core.lesson_status);
    const heard = () => session.evaluate(() => aufrufe);

    // Answered to its end, then left: one session, completed, as long as it was.
    const LATER = 3723450;
    const opened = Date.now();
    await item('scorm-again', cases[0], LATER);
    expect(`${label}: countdown-ask answered`, await waitFor(session, () => API.cmi.core.lesson_status === 'completed' && 'completed'), 'completed');
    await session.evaluate(() => (document.querySelector('iframe').contentDocument.querySelector('iframe').src = 'about:blank'));
    await waitFor(session, function lmsFinishCalled() {
      return aufrufe.some(([name]) => name === 'LMSFinish');
    });
    const spent = Date.now() - opened;
    await pause(200);
    expect(`${label}: countdown-ask's session`, summary(await heard()), { first: 'LMSInitialize', last: 'LMSFinish', initialized: 1, finished: 1, statuses: ['incomplete true', 'completed true'], time: ['true true'], committed: true });
    const time = (await heard()).find(([, element]) => element === 'cmi.core.session_time')?.[2];
    expect(`${label}: countdown-ask's session time ${time}, against the ${LATER} ms added and ${spent} ms spent`, timespan(time) >= LATER && timespan(time) <= LATER + spent + 10, true);
    // A program that reads nothing, and a run interrupted: they ended.
    await item('scorm-again', cases.find(({ program }) => program === 'product-sheet'));
    expect(`${label}: product-sheet`, await status(), 'completed');
    await item('scorm-again', cases.find(({ status }) => status === 130));
    expect(`${label}: countdown-ask interrupted`, await status(), 'completed');
    // Completed before, opened again and left before its program ended: still completed.
    await session.open(`${server.origin}/completed#${encodeURIComponent(launchOf('countdown-ask'))}`);
    await showing(await session.inFrame('iframe', 'iframe'), 1);
    await session.leaveFrame();
    await session.evaluate(() => (document.querySelector('iframe').contentDocument.querySelector('iframe').src = 'about:blank'));
    await waitFor(session, function lmsFinishCalled() {
      return aufrufe.some(([name]) => name === 'LMSFinish');
    });
    expect(`${label}: completed before, opened again and left`, { status: await status(), statuses: summary(await heard()).statuses }, { status: 'completed', statuses: [] });
    // In a window of its own: the API of the window that opened it.
    await session.open(`${server.origin}/window#${encodeURIComponent(launchOf('countdown-ask'))}`);
    await session.click('button');
    await waitFor(session, function lmsInitializeCalled() {
      return aufrufe.some(([name]) => name === 'LMSInitialize');
    });
    await session.evaluate(() => fenster.close());
    await waitFor(session, function lmsFinishCalled() {
      return aufrufe.some(([name]) => name === 'LMSFinish');
    });
    // Closed at once, it may not have been hidden first, which commits too.
    const { committed: _, ...own } = summary(await heard());
    expect(`${label}: an item in a window of its own`, own, { first: 'LMSInitialize', last: 'LMSFinish', initialized: 1, finished: 1, statuses: ['incomplete true'], time: ['true true'] });
    expect(`${label}: errors with scorm-again`, await session.errors(), []);
    // A platform that fails: the console runs as anywhere, and is heard of no more.
    await item('refusing', cases[0]);
    expect(`${label}: a platform that will not start a session`, await heard(), [['LMSInitialize', '', 'false']]);
    await item('throwing', cases[0]);
    expect(`${label}: a platform that throws, its calls`, (await heard()).map(([name]) => name), ['LMSInitialize', 'LMSGetValue', 'LMSSetValue', 'LMSGetValue', 'LMSSetValue', 'LMSCommit']);
    await item('none', cases[0]);
    await session.open(`${pathToFileURL(join(unpacked, files.find((name) => name.endsWith('.html')))).href}#countdown-ask`);
    await showing(session, 1);
    await session.click(HOST, '.screen');
    await play(session, cases[0], `${label}: the package's page opened from disk`);
    expect(`${label}: errors without a platform`, await session.errors(), []);
  } finally {
    await session.close();
    servers.forEach((server) => server.close());
    rmSync(unpacked, { recursive: true, force: true });
  }
}

// Jupyter Notebook, installed by configuring into NOTEBOOK_PACKAGES, on 127.0.0.1 for the
// test alone, its settings and secrets in a folder of its own: a trusted notebook whose
// cell shows a console of the module, which is served beside it under /files/.
const notebookPackages = env.NOTEBOOK_PACKAGES ?? '';
async function jupyter() {
  const folder = mkdtempSync(join(tmpdir(), 'notebook-'));
  const installed = (path) => join(notebookPackages, path);
  const settings = { PYTHONPATH: notebookPackages, JUPYTER_PATH: installed('share/jupyter'), JUPYTER_CONFIG_PATH: installed('etc/jupyter'), JUPYTERLAB_DIR: installed('share/jupyter/lab') };
  const own = Object.fromEntries(['JUPYTER_CONFIG_DIR', 'JUPYTER_DATA_DIR', 'JUPYTER_RUNTIME_DIR', 'IPYTHONDIR', 'HOME'].map((name) => [name, join(folder, name.toLowerCase())]));
  const options = { cwd: folder, env: { ...env, ...settings, ...own } };
  const html = `<script type="module" src="/files/uebungsprogramme-web.js"></script><${HOST} programm="countdown-ask"></${HOST}>`;
  const output = { output_type: 'execute_result', execution_count: 1, metadata: {}, data: { 'text/html': [html], 'text/plain': ['<IPython.core.display.HTML object>'] } };
  const cell = { cell_type: 'code', execution_count: 1, id: 'konsole', metadata: {}, outputs: [output], source: ['from IPython.display import HTML\n', `HTML('${html}')`] };
  const heading = { cell_type: 'markdown', id: 'kurs', metadata: {}, source: ['# Kurs'] };
  const kernel = { kernelspec: { display_name: 'Python 3 (ipykernel)', language: 'python', name: 'python3' } };
  writeFileSync(join(folder, 'kurs.ipynb'), `${JSON.stringify({ cells: [heading, cell], metadata: kernel, nbformat: 4, nbformat_minor: 5 }, null, 1)}\n`);
  copyFileSync(module, join(folder, 'uebungsprogramme-web.js'));
  const signed = spawnSync('python3', ['-m', 'nbformat.sign', 'kurs.ipynb'], { ...options, encoding: 'utf8' });
  if (signed.status !== 0) throw new Error(`the notebook could not be trusted: ${signed.error?.message ?? signed.stderr}`);
  const port = await freePort();
  const server = spawn('python3', ['-m', 'notebook', '--no-browser', '--allow-root', '--ServerApp.ip=127.0.0.1', `--ServerApp.port=${port}`, '--ServerApp.port_retries=0', '--IdentityProvider.token=', `--ServerApp.root_dir=${folder}`], { ...options, stdio: ['ignore', 'ignore', 'pipe'] });
  let said = '';
  server.stderr.on('data', (chunk) => (said += chunk));
  const ended = new Promise((done) => server.on('exit', done));
  // Its kernels end with it. At times it hangs at its exit, its work done, on a worker
  // thread it never stopped; it is killed then.
  const close = async () => {
    server.kill();
    const hung = setTimeout(() => {
      console.log('Jupyter Notebook had not ended 30 s after SIGTERM; killed');
      server.kill('SIGKILL');
    }, 30000);
    await ended;
    clearTimeout(hung);
    rmSync(folder, { recursive: true, force: true });
  };
  const origin = `http://127.0.0.1:${port}`;
  for (const until = Date.now() + 60000; !(await fetch(`${origin}/api/status`).then((answer) => answer.ok, () => false)); await pause(200)) {
    if (server.exitCode !== null || Date.now() > until) {
      await close();
      throw new Error(`Jupyter Notebook did not start: ${said}`);
    }
  }
  return { origin, file: join(folder, 'kurs.ipynb'), close };
}

// In Notebook 7, whose shortcuts take keys before any element does, and in JupyterLab 4:
// no key typed into the console runs a notebook command, Shift+Enter there hands the line
// over as Enter does, and the run stays in its cell; beside it the notebook's keys work.
const notebookCase = { program: 'countdown-ask', golden: 'countdown-ask/tests/weekday-is-added', steps: [{ after: 0, keys: '3⇧', echo: '3\n' }, { after: 1, keys: '10\x13\n', echo: '10\n' }] };
async function notebook(engine) {
  if (!existsSync(join(notebookPackages, 'notebook'))) {
    console.log(`${engine.name}, a Jupyter notebook: skipped, Jupyter Notebook is not installed in "${notebookPackages}" (configuring said why)`);
    return;
  }
  const server = await jupyter();
  const saved = () => `${statSync(server.file).mtimeMs} ${readFileSync(server.file, 'utf8')}`;
  try {
    for (const [front, path] of [['Notebook 7', '/notebooks/kurs.ipynb'], ['JupyterLab 4', '/lab/tree/kurs.ipynb']]) {
      const label = `${engine.name}, ${front}`;
      // A session each, as a notebook asks before it is left.
      const session = await launch(engine, packages);
      try {
        const before = saved();
        await session.open(`${server.origin}${path}`);
        await showing(session, 1);
        await session.evaluate((host) => (globalThis.ersteKonsole = document.querySelector(host)), HOST);
        await session.click(HOST, '.screen');
        await play(session, notebookCase, label);
        expect(`${label}: the run in the cell's first console`, await session.evaluate((host) => globalThis.ersteKonsole === document.querySelector(host), HOST), true);
        expect(`${label}: the notebook on disk after Ctrl+S in the console`, saved() === before, true);
        await session.click('.jp-MarkdownCell');
        await session.type('\x13');
        let changed = false;
        for (const until = Date.now() + 10000; !changed && Date.now() < until; await pause(100)) changed = saved() !== before;
        expect(`${label}: Ctrl+S beside the console saves the notebook`, changed, true);
      } finally {
        await session.close();
      }
    }
  } finally {
    await server.close();
  }
}

async function main(only) {
  const chosen = engines.filter(({ name }) => only === undefined || name === only);
  if (chosen.length === 0) failures.push(`no engine is called ${only}; there are ${engines.map(({ name }) => name).join(', ')}`);
  for (const engine of chosen) {
    const passes = engine.family === 'puppeteer' ? [true, false] : [true];
    try {
      for (const withJspi of passes) {
        const session = await launch(engine, packages);
        try {
          if (!withJspi) {
            await session.tab.evaluateOnNewDocument(() => {
              delete WebAssembly.Suspending;
              delete WebAssembly.promising;
            });
          }
          await desktop(session, `${engine.name}${withJspi ? '' : ' without JSPI'}`);
        } finally {
          await session.close();
        }
      }
      // The rest would fail alike, after many a wait.
      if (failures.length > 0) {
        console.log(`${engine.name}: the rest skipped after the cases failed`);
        continue;
      }
      const narrow = await launch(engine, packages, { width: 320, height: 640 });
      try {
        await narrow.open(address);
        for (const program of await narrow.evaluate(() => [...document.querySelectorAll('#menu a')].map((link) => link.hash.slice(1)))) {
          await narrow.open(`${address}#${program}`);
          await showing(narrow, 1);
          expect(`${engine.name}: ${program} at 320 px with WCAG's text spacing`, await narrow.evaluate(spaced, HOST), { cut: [], small: [], sideways: false });
        }
        // WebKit's window under the driver never has the focus, and matches no :focus-within.
        if (narrow.tab) expect(`${engine.name}: the focus ring`, (await narrow.evaluate(ring, HOST)).outline, 'solid 2px');
        if (engine.name === 'Chromium') {
          // Not among the features puppeteer passes on.
          const devtools = await narrow.tab.createCDPSession();
          await devtools.send('Emulation.setEmulatedMedia', { features: [{ name: 'forced-colors', value: 'active' }] });
          expect(`${engine.name}: the focus ring in forced colours`, await narrow.evaluate(ring, HOST), { outline: 'solid 2px', highlighted: true, border: 'solid' });
          await devtools.send('Emulation.setEmulatedMedia', { features: [] });
        }
        if (narrow.tab) {
          // A program that will not compile: its run aborted, and the page hears null.
          const broken = await narrow.tab.evaluateOnNewDocument(() => {
            WebAssembly.compile = () => Promise.reject(new Error('kaputt'));
            document.addEventListener('beendet', (event) => (globalThis.beendet = event.detail));
          });
          await narrow.open(`${address}#countdown-ask`);
          expect(`${engine.name}: a program that will not compile`, { ended: await waitFor(narrow, () => globalThis.beendet), shown: await showing(narrow, 1) }, { ended: { programm: 'countdown-ask', status: null }, shown: 'Programm abgebrochen: kaputt\n' });
          await narrow.tab.removeScriptToEvaluateOnNewDocument(broken.identifier);
          const unpacking = await narrow.tab.evaluateOnNewDocument(() => delete globalThis.DecompressionStream);
          await narrow.open(`${address}#countdown-ask`);
          const told = await waitFor(narrow, (host) => document.querySelector(host)?.shadowRoot.querySelector('p')?.textContent, HOST);
          expect(`${engine.name} without DecompressionStream: the console says so`, told, 'Dieser Browser kann die hier gepackten Programme nicht entpacken, deshalb läuft das Programm hier nicht.');
          await narrow.tab.removeScriptToEvaluateOnNewDocument(unpacking.identifier);
          await narrow.tab.evaluateOnNewDocument(() => delete globalThis.WebAssembly);
          await narrow.open(`${address}#countdown-ask`);
          const said = await waitFor(narrow, (host) => document.querySelector(host)?.shadowRoot.querySelector('p')?.textContent, HOST);
          expect(`${engine.name} without WebAssembly: the console says so`, said, 'Dieser Browser kann kein WebAssembly ausführen, deshalb läuft das Programm hier nicht.');
        }
      } finally {
        await narrow.close();
      }
      await embedded(engine);
      await learningPlatform(engine);
      await notebook(engine);
      if (engine.name === 'Chromium') await phone(engine);
    } catch (error) {
      failures.push(`${engine.name}: ${error.message || error.name}\n${error.stack}`);
    }
  }

  for (const failure of failures) console.error(failure);
  console.log(`${failures.length === 0 ? 'passed' : `${failures.length} failed`}`);
  exit(failures.length === 0 ? 0 : 1);
}

if (import.meta.url === pathToFileURL(argv[1]).href) await main(argv[5]);
