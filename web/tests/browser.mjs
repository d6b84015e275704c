// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// usage: node browser.mjs NPM_PACKAGES PAGE SOURCE [BROWSER]
// The web console PAGE in headless Chromium and Firefox ESR (or BROWSER alone), used as a
// person would: it types with the keyboard and reads the terminal's lines, against the
// golden cases in SOURCE. Each browser runs every case twice, the second time without
// JSPI, and no request may leave the page. A browser that is not installed fails the
// check by name.
import { existsSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';
import { argv, exit } from 'node:process';
import { pathToFileURL } from 'node:url';

const [packages, page, source] = argv.slice(2, 5).map((path) => resolve(path));
const only = argv[5];
const puppeteer = createRequire(join(packages, 'package.json'))('puppeteer-core');
const address = pathToFileURL(page).href;
const golden = (name, kind) => (existsSync(join(source, `${name}.${kind}`)) ? readFileSync(join(source, `${name}.${kind}`), 'utf8') : '');

// Each case: the program, by address or by a change of fragment; its golden case; and what
// is typed once the output's line `after` shows, and echoed. "\b" is Backspace, "\n" Enter,
// "\x04" Ctrl-D.
const cases = [
  { program: 'countdown-ask', golden: 'countdown-ask/tests/weekday-is-added', steps: [{ after: 0, keys: '3\n', echo: '3' }, { after: 1, keys: '10\n', echo: '10' }] },
  { program: 'countdown-dayofyear', golden: 'countdown-dayofyear/tests/stopped-read-feeds-next', steps: [{ after: 0, keys: '08\n', echo: '08' }] },
  { program: 'countdown-ask', golden: 'countdown-ask/tests/weekday-is-added', steps: [{ after: 0, keys: '4\b3\n', echo: '3' }, { after: 1, keys: '1x\b0\n', echo: '10' }] },
  { program: 'countdown-ask', golden: 'countdown-ask/tests/empty-input', steps: [{ after: 0, keys: '\x04' }] },
  { program: 'product-sheet', golden: 'product-sheet/tests/eleven-lines', steps: [] },
  { program: 'task-functions', golden: 'task-functions/tests/prints-confirmation', steps: [], byFragment: true },
];

const browsers = [
  {
    name: 'Chromium',
    options: {
      browser: 'chrome',
      executablePath: '/usr/bin/chromium',
      args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run'],
    },
    package: 'chromium',
  },
  { name: 'Firefox ESR', options: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr' }, package: 'firefox-esr' },
];

const screen = (tab) =>
  tab.$$eval('.xterm-rows > div', (rows) => {
    const lines = rows.map((row) => row.textContent.replace(/\s+$/, ''));
    while (lines.length > 0 && lines.at(-1) === '') lines.pop();
    return lines;
  });

// Waits until `line` shows, or the line the page writes when the program has ended.
async function showing(tab, line) {
  await tab.waitForFunction(
    (text) =>
      [...document.querySelectorAll('.xterm-rows > div')].some((row) => row.textContent.trimEnd() === text || /^Programm (beendet|abgebrochen)/.test(row.textContent)),
    { timeout: 20000 },
    line,
  );
}

// Whether `text` reaches screen readers, as the page's accessibility tree holds it.
async function accessible(tab, text) {
  for (let tries = 0; tries < 50; ++tries) {
    const names = [];
    const walk = (node) => (names.push(node.name ?? ''), (node.children ?? []).forEach(walk));
    walk(await tab.accessibility.snapshot({ interestingOnly: false }));
    if (names.some((name) => name.includes(text))) return true;
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  return false;
}

async function type(tab, keys) {
  for (const key of keys) {
    if (key === '\b') await tab.keyboard.press('Backspace');
    else if (key === '\n') await tab.keyboard.press('Enter');
    else if (key === '\x04') {
      await tab.keyboard.down('Control');
      await tab.keyboard.press('KeyD');
      await tab.keyboard.up('Control');
    } else await tab.keyboard.type(key);
  }
}

const failures = [];
function expect(what, got, wanted) {
  if (JSON.stringify(got) !== JSON.stringify(wanted)) failures.push(`${what}:\n  wanted ${JSON.stringify(wanted)}\n  got    ${JSON.stringify(got)}`);
}

async function check(browser, tab, label, withJspi) {
  const requests = [];
  tab.on('request', (request) => requests.push(request.url()));
  if (!withJspi) {
    await tab.evaluateOnNewDocument(() => {
      delete WebAssembly.Suspending;
      delete WebAssembly.promising;
    });
  }
  for (const [index, test] of cases.entries()) {
    const what = `${label}, case ${index + 1} (${test.program}, ${test.golden.split('/').pop()})`;
    const output = golden(test.golden, 'out').split('\n').slice(0, -1).map((line) => line.trimEnd());
    const status = golden(test.golden, 'status').trim() || '0';
    const opened = Date.now();
    if (test.byFragment) await tab.evaluate((name) => (location.hash = name), test.program);
    else {
      await tab.goto('about:blank');
      await tab.goto(`${address}#${test.program}`);
      if (index === 0) {
        const hasJspi = await tab.evaluate(() => typeof WebAssembly.Suspending === 'function');
        console.log(`${label}: JSPI ${hasJspi ? 'present' : 'absent'}`);
      }
    }
    await tab.waitForFunction((name) => document.getElementById('program').textContent === name, {}, test.program);
    const seen = [];
    let shown = 0;
    for (const step of test.steps) {
      seen.push(...output.slice(shown, step.after + 1));
      shown = step.after + 1;
      await showing(tab, output[step.after]);
      if (index === 0 && step.after === 0) console.log(`${label}: first prompt after ${Date.now() - opened} ms`);
      await new Promise((resolve) => setTimeout(resolve, 200));
      expect(`${what}, before typing ${JSON.stringify(step.keys)}`, await screen(tab), seen);
      await tab.click('#terminal');
      await type(tab, step.keys);
      if (step.echo !== undefined) seen.push(step.echo);
    }
    const ending = `Programm beendet mit Status ${status}.`;
    await showing(tab, ending);
    expect(what, await screen(tab), [...seen, ...output.slice(shown), ending]);
    if (index === 0 && browser.name === 'Chromium') expect(`${what}: the result in the accessibility tree`, await accessible(tab, output.at(-1)), true);
  }
  const away = requests.filter((url) => url.split('#')[0] !== address && !/^(data|about):/.test(url));
  expect(`${label}: requests that left the page`, away, []);
}

for (const browser of browsers.filter(({ name }) => only === undefined || name === only)) {
  if (!existsSync(browser.options.executablePath)) {
    failures.push(`${browser.name} is not installed (Debian: ${browser.package}): the web console cannot be checked in it`);
    continue;
  }
  const running = await puppeteer.launch({ ...browser.options, headless: true, defaultViewport: { width: 1000, height: 800 } });
  try {
    for (const withJspi of [true, false]) {
      const tab = await running.newPage();
      await check(browser, tab, `${browser.name}${withJspi ? '' : ' without JSPI'}`, withJspi);
      await tab.close();
    }
    const phone = await running.newPage();
    await phone.setViewport({ width: 390, height: 800 });
    await phone.goto(`${address}#product-sheet`);
    await showing(phone, 'Programm beendet mit Status 0.');
    expect(`${browser.name}: the page within a phone's 390 px`, await phone.evaluate(() => document.documentElement.scrollWidth <= innerWidth), true);
    const bare = await running.newPage();
    await bare.evaluateOnNewDocument(() => delete globalThis.WebAssembly);
    await bare.goto(`${address}#countdown-ask`);
    expect(`${browser.name} without WebAssembly: the page says so`, await bare.$eval('#problem', (text) => !text.hidden), true);
  } finally {
    await running.close();
  }
}

for (const failure of failures) console.error(failure);
console.log(`${failures.length === 0 ? 'passed' : `${failures.length} failed`}`);
exit(failures.length === 0 ? 0 : 1);
