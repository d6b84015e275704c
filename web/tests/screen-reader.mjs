// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// usage: node screen-reader.mjs NPM_PACKAGES PAGE SOURCE [ENGINE]
// The web console heard through a screen reader, Orca, in German, as a blind student
// hears it: Chromium and Firefox ESR (or ENGINE alone) in a window of a virtual X server,
// keys typed as real key presses of that server, and what Orca says read from its debug
// log, each utterance as it went to the speech server. Each case is run several times,
// since the order of what is heard may change from run to run. What the programs print
// must be heard once, whole and in order, and only once the student is in the console;
// what the student types, only as Orca's own echo of the keys. Skipped, with the reason,
// where a tool it needs is missing.
import { spawn, spawnSync } from 'node:child_process';
import { copyFileSync, existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { basename, join, resolve } from 'node:path';
import { argv, env, exit } from 'node:process';
import { pause, serve } from './engines.mjs';

const [packages, page, source] = argv.slice(2, 5).map((path) => resolve(path ?? '.'));
const only = argv[5];
const RUNS = 3;
const HOST = 'uebungs-konsole';
const golden = (name) => readFileSync(join(source, `${name}.out`), 'utf8').split('\n').slice(0, -1);

const tools = {
  '/usr/bin/Xvfb': 'xvfb',
  '/usr/bin/dbus-daemon': 'dbus-daemon',
  '/usr/libexec/at-spi-bus-launcher': 'at-spi2-core',
  '/usr/bin/orca': 'orca',
  '/usr/bin/speech-dispatcher': 'speech-dispatcher',
  '/usr/lib/speech-dispatcher-modules/sd_espeak-ng': 'speech-dispatcher-espeak-ng',
  '/usr/bin/xdotool': 'xdotool',
  '/usr/share/i18n/locales/de_DE': 'locales',
};
const engines = [
  { name: 'Chromium', needs: '/usr/bin/chromium', packages: 'chromium', options: { browser: 'chrome', executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run', '--force-renderer-accessibility', '--test-type', '--lang=de', '--disable-features=Translate', '--window-position=0,0', '--window-size=1200,850'] } },
  { name: 'Firefox ESR', needs: '/usr/bin/firefox-esr', packages: 'firefox-esr', options: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr', args: ['--width=1200', '--height=850'], extraPrefsFirefox: { 'browser.translations.enable': false, 'browser.translations.automaticallyPopup': false, 'browser.newtabpage.enabled': false, 'browser.startup.page': 0, 'browser.aboutwelcome.enabled': false, 'accessibility.force_disabled': 0 } } },
];

// Orca's debug log, written line by line: Orca opens it with Python's default buffering.
const LAUNCHER = `import builtins, runpy, sys
log = sys.argv[sys.argv.index('--debug-file') + 1]
opened = builtins.open
builtins.open = lambda file, mode='r', *rest, **named: opened(file, mode, 1) if file == log else opened(file, mode, *rest, **named)
sys.argv[0] = '/usr/bin/orca'
runpy.run_path(sys.argv[0], run_name='__main__')
`;

// The roles of the accessibles named NAME in the platform's accessibility tree, as a
// screen reader finds them.
const NAMED = `import gi, sys
gi.require_version('Atspi', '2.0')
from gi.repository import Atspi
def walk(node):
    if node.get_name() == sys.argv[1]: print(node.get_role_name())
    for child in (node.get_child_at_index(index) for index in range(node.get_child_count())):
        if child: walk(child)
walk(Atspi.get_desktop(0))
`;

// Each utterance Orca sent to the speech server, its markup taken out.
const entities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
const utterances = (log) =>
  [...log.matchAll(/ - SPEECH DISPATCHER: Speaking '(.*)' $/gm)].map(([, ssml]) => ssml.replace(/<[^>]*>/g, '').replace(/&(\w+);/g, (_, name) => entities[name]));

// Started processes, each in a group of its own, ended together.
const started = [];
const stop = () => {
  for (const child of started.splice(0).reverse()) {
    try {
      process.kill(-child.pid, 'SIGTERM');
    } catch {}
  }
};
function start(command, args, options) {
  const child = spawn(command, args, { detached: true, ...options });
  started.push(child);
  return child;
}
const firstLine = (stream) => new Promise((done) => {
  let text = '';
  stream.on('data', (chunk) => {
    text += chunk;
    if (text.includes('\n')) done(text.split('\n')[0].trim());
  });
});

// A desktop for the screen reader: an X server, a session bus with the accessibility bus
// on it, the speech server (espeak-ng, its sound to ALSA's null device) and Orca.
async function desktop(folder) {
  const home = join(folder, 'home');
  const own = { HOME: home, XDG_CONFIG_HOME: join(home, '.config'), XDG_DATA_HOME: join(home, '.local/share'), XDG_CACHE_HOME: join(home, '.cache'), XDG_RUNTIME_DIR: join(folder, 'run'), LOCPATH: join(folder, 'locale'), LANG: 'de_DE.UTF-8', LANGUAGE: 'de', LC_ALL: 'de_DE.UTF-8' };
  for (const path of [own.XDG_CONFIG_HOME, join(own.XDG_CONFIG_HOME, 'speech-dispatcher'), join(own.XDG_DATA_HOME, 'orca'), own.XDG_RUNTIME_DIR, own.LOCPATH]) mkdirSync(path, { recursive: true, mode: 0o700 });
  const made = spawnSync('localedef', ['-i', 'de_DE', '-f', 'UTF-8', join(own.LOCPATH, 'de_DE.UTF-8')], { encoding: 'utf8' });
  if (made.status !== 0 && !existsSync(join(own.LOCPATH, 'de_DE.UTF-8'))) throw new Error(`the German locale could not be made: ${made.stderr}`);
  writeFileSync(join(own.XDG_CONFIG_HOME, 'speech-dispatcher/speechd.conf'), 'AudioOutputMethod "alsa"\nAudioALSADevice "null"\nAddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\nDefaultLanguage "de"\n');
  // A page is not read aloud once loaded: under a virtual X server Orca's reading of it
  // never ends, and it stays out of focus mode meanwhile.
  writeFileSync(join(own.XDG_DATA_HOME, 'orca/user-settings.conf'), JSON.stringify({ general: { sayAllOnLoad: false }, profiles: { default: { profile: ['Default', 'default'], pronunciations: {}, keybindings: {} } }, pronunciations: {}, keybindings: {} }));
  const environment = { ...env, ...own };
  const x = start('Xvfb', ['-displayfd', '1', '-nolisten', 'tcp', '-screen', '0', '1280x900x24'], { stdio: ['ignore', 'pipe', 'ignore'] });
  environment.DISPLAY = `:${await firstLine(x.stdout)}`;
  const bus = start('dbus-daemon', ['--session', '--nofork', '--print-address=1'], { env: environment, stdio: ['ignore', 'pipe', 'ignore'] });
  environment.DBUS_SESSION_BUS_ADDRESS = await firstLine(bus.stdout);
  start('/usr/libexec/at-spi-bus-launcher', ['--launch-immediately'], { env: environment, stdio: 'ignore' });
  const log = join(folder, 'orca.log');
  start('/usr/bin/python3', ['-c', LAUNCHER, '--replace', '--debug-file', log], { env: environment, stdio: 'ignore' });
  const heard = () => (existsSync(log) ? utterances(readFileSync(log, 'utf8')) : []);
  for (const until = Date.now() + 30000; !heard().length; await pause(100)) {
    if (Date.now() > until) throw new Error('Orca said nothing within 30 s of its start');
  }
  const keys = (...args) => {
    const pressed = spawnSync('xdotool', args, { env: environment, encoding: 'utf8' });
    if (pressed.status !== 0) throw new Error(`xdotool ${args.join(' ')}: ${pressed.stderr}`);
  };
  const named = (name) => spawnSync('/usr/bin/python3', ['-c', NAMED, name], { env: environment, encoding: 'utf8' }).stdout.split('\n').filter(Boolean);
  return { environment, heard, keys, named };
}

// Waits until Orca has said all `wanted` (text in an utterance, or a pattern one matches)
// after the first `from` utterances, or 20 s have passed, and then until it has said
// nothing new for 1.5 s; returns all it said.
async function listen(screenReader, from = 0, wanted = []) {
  let said = screenReader.heard();
  let since = Date.now();
  const heardAll = () => wanted.every((line) => said.slice(from).some((utterance) => (line.test ? line.test(utterance) : utterance.includes(line.trim()))));
  for (const until = Date.now() + 20000; !heardAll() || Date.now() - since < 1500; await pause(100)) {
    const now = screenReader.heard();
    if (now.length !== said.length) [said, since] = [now, Date.now()];
    if (Date.now() > until) break;
  }
  return said;
}

const failures = [];
function expect(what, got, wanted) {
  const same = JSON.stringify(got) === JSON.stringify(wanted);
  if (!same) failures.push(`${what}:\n  wanted ${JSON.stringify(wanted)}\n  got    ${JSON.stringify(got)}`);
  return same;
}

// What a student hears of a run: each step types keys once all before has been said, and
// `hears` is what must be heard after it, once each and in this order, and nothing else of
// the program's; `not` what must not be heard then; `awaits` what Orca says of its own
// accord before the next step. Without `hears`, no line of the program's may be heard
// more than once.
async function hear(screenReader, label, opening, steps, lines) {
  let heard = await listen(screenReader);
  // What the student hears from the opening that held: the first, or the one after it.
  let before = (await opening()) ?? heard.length;
  for (const { keys, hears, not = [], awaits = [] } of steps) {
    // The rest would fail alike, after many a wait.
    if (failures.length > 0) return;
    for (const key of keys) screenReader.keys(...key);
    heard = await listen(screenReader, before, [...(hears ?? []), ...awaits]);
    const said = heard.slice(before);
    before = heard.length;
    if (env.SCREEN_READER_TRANSCRIPT) console.log(`${label} ${keys.map((key) => key.at(-1)).join(' ')}: ${JSON.stringify(said)}`);
    const what = `${label}, after ${keys.map((key) => key.at(-1)).join(' ') || 'loading'}`;
    const text = said.join('\n');
    const count = (line) => text.split(line.trim()).length - 1;
    const fault = (kind, got, expected) => !expect(`${what}: ${kind}`, got, expected) && console.error(`  heard ${JSON.stringify(said)}`);
    fault('Orca\'s own words', awaits.filter((words) => !text.includes(words)), []);
    if (!hears) {
      fault('heard twice', lines.filter((line) => line.trim() && count(line) > 1), []);
      continue;
    }
    const wanted = hears.map((line) => line.trim());
    fault('each as often as shown', wanted.map((line) => count(line)), wanted.map((line) => wanted.filter((other) => other === line).length));
    let at = 0;
    fault('in order', wanted.filter((line) => (at = text.indexOf(line, at)) < 0 ? true : ((at += line.length), false)), []);
    fault('nothing else of the program\'s', lines.filter((line) => line.trim() && !wanted.includes(line.trim()) && count(line)), []);
    fault('not heard', not.filter((typed) => said.includes(typed)), []);
  }
}

const type = (text) => [...text].map((char) => ['type', '--delay', '50', char]);
const key = (name) => [['key', name]];
const ended = (status) => `Programm beendet mit Status ${status}.`;
const AGAIN = 'Noch einmal ausführen';
const LOADED = /^Laden von .* abgeschlossen\.$/;
const LOADING = 'Es wird geladen. Bitte warten.';
const FIELD = / Eingabefeld\.$/;

async function run(engine, screenReader, servers) {
  const puppeteer = createRequire(join(packages, 'package.json'))('puppeteer-core');
  // Without the infobar a browser under automation shows, which Tab would reach first.
  const browser = await puppeteer.launch({ ...engine.options, headless: false, defaultViewport: null, ignoreDefaultArgs: ['--enable-automation'], env: { ...screenReader.environment, GNOME_ACCESSIBILITY: '1' } });
  const [tab] = await browser.pages();
  const errors = [];
  tab.on('pageerror', (error) => errors.push(error.message));
  // Each page opened once Orca has told the page before it loaded, and the first key only
  // once it has told this one: its load, or where the page gives the focus to a field as
  // it loads (Firefox then tells only that), the field. Whether Orca holds it as loaded:
  // where Chromium tells Orca that the page is loading after it has loaded, Orca holds it
  // as loading for good and passes over what is added to it.
  const loaded = async (address) => {
    const from = screenReader.heard().length;
    await tab.goto(address);
    const words = new RegExp(`${LOADED.source}|${FIELD.source}`);
    const said = (await listen(screenReader, from, [words])).slice(from);
    const told = said.findLastIndex((utterance) => words.test(utterance));
    if (told < 0) throw new Error(`Orca did not tell ${address} loaded: it said ${JSON.stringify(said)}`);
    return said.lastIndexOf(LOADING) < told;
  };
  // Each case's page opened from an empty one, where a key clears what Orca keeps of the
  // last key, as the student's own way to the next page would: else the d of Ctrl-D, let
  // go once the focus has left the field, stays a command of Orca's and keeps it out of
  // focus mode in the field the next page gives the focus. A page Orca holds as loading
  // is opened again, before any key, as a student would; what was heard of it before does
  // not count. So is one the student comes back to (`times`). Returns where what Orca
  // said of the last opening begins.
  const open = (address, times = 1) => async () => {
    for (let held = 0, loading = 0; ; ) {
      const attempt = screenReader.heard().length;
      await loaded(`${servers.course.origin}/leer`);
      const from = screenReader.heard().length;
      screenReader.keys('key', 'Escape');
      await listen(screenReader, from, ['Escape']);
      if (await loaded(address)) {
        if (++held === times) return attempt;
      } else if (++loading === 3) throw new Error(`Orca holds ${address} as loading, opened three times`);
      else console.log(`Orca took ${address} for loading after it had loaded, and it is opened again`);
    }
  };
  // The window takes the keys: without a window manager, the one under the pointer. A
  // click on an empty page puts the focus into the page, where it stays as the tab goes
  // on to the next.
  screenReader.keys('mousemove', '1100', '820');
  await loaded(`${servers.course.origin}/leer`);
  screenReader.keys('click', '1');
  await listen(screenReader);
  try {
    for (let round = 1; round <= RUNS && failures.length === 0; ++round) {
      const label = `${engine.name}, run ${round}`;
      // A course page: nothing of the program before the student reaches it, then the
      // console's name, the prompt once, the answers as Orca echoes them.
      const ask = golden('countdown-ask/tests/weekday-is-added');
      await hear(screenReader, `${label}, a course page`, open(`${servers.course.origin}/`), [
        { keys: [], hears: [] },
        { keys: key('Tab'), hears: [ask[0]] },
        { keys: type('3'), hears: [], not: ['3'] },
        { keys: key('Return'), hears: [ask[1]], not: ['3'] },
        { keys: type('10'), hears: [] },
        { keys: key('Return'), hears: [ask[2], ended(0), AGAIN], not: ['10'] },
      ], ask);
      // Orca may leave out the name of the region the focus enters when busy; the tree has it.
      expect(`${label}: the console in the accessibility tree`, screenReader.named('Konsole countdown-ask'), ['landmark']);
      // Input ended by Ctrl-D before any answer.
      const empty = golden('countdown-ask/tests/empty-input');
      await hear(screenReader, `${label}, Ctrl-D`, open(`${servers.course.origin}/`), [
        { keys: [], hears: [] },
        { keys: key('Tab'), hears: [empty[0]] },
        { keys: key('ctrl+d'), hears: [...empty.slice(1), ended(0), AGAIN] },
      ], empty);
      // The one-file page, which puts the focus into its console, and in the first run
      // the second time the student opens it, when Orca knows it from before.
      const octal = golden('countdown-dayofyear/tests/octal-and-hex');
      // Orca may or may not tell the focus the page gives its field as it loads; Tab and,
      // once Orca has told the button it reached, Shift+Tab bring the student back.
      await hear(screenReader, `${label}, the one-file page`, open(`${servers.course.origin}/uebungsprogramme.html#countdown-dayofyear`, round === 1 ? 2 : 1), [
        { keys: [] },
        { keys: key('Tab'), awaits: ['Eingabe beenden (Strg+D)'] },
        { keys: key('shift+Tab'), hears: [octal[0]] },
        { keys: [...type('010'), ...key('Return')], hears: [octal[1]], not: ['010'] },
        { keys: [...type('0x10'), ...key('Return')], hears: [octal[2], ended(0), AGAIN], not: ['0x10'] },
      ], octal);
      // A program that reads nothing, in a course page: reached by Tab it has ended, and
      // run again from its button says all it wrote.
      const sheet = golden('product-sheet/tests/eleven-lines');
      await hear(screenReader, `${label}, product-sheet`, open(`${servers.course.origin}/blatt`), [
        { keys: [], hears: [] },
        { keys: key('Tab'), hears: [AGAIN] },
        { keys: key('space'), hears: [...sheet, ended(0), AGAIN] },
      ], sheet);
    }
    expect(`${engine.name}: errors in the page`, errors, []);
  } finally {
    await browser.close();
  }
}

async function main() {
  const missing = Object.entries(tools).filter(([path]) => !existsSync(path));
  if (missing.length > 0) {
    console.log(`skipped: the screen reader test needs ${missing.map(([path, name]) => `${path} (Debian: ${name})`).join(', ')}`);
    exit(77);
  }
  const folder = mkdtempSync(join(tmpdir(), 'screen-reader-'));
  // Interrupted, it leaves nothing running and nothing behind either.
  for (const [signal, status] of [['SIGINT', 130], ['SIGTERM', 143]]) {
    process.on(signal, () => {
      stop();
      rmSync(folder, { recursive: true, force: true });
      exit(status);
    });
  }
  const module = readFileSync(page.replace(/html$/, 'js'));
  const html = (body) => ({ body, type: 'text/html; charset=utf-8' });
  const coursePage = (program) => html(`<!DOCTYPE html><html lang="de"><head><meta charset="utf-8"><title>Kurs</title><script type="module" src="/uebungsprogramme-web.js"></script></head><body><main><h1>Kurs</h1><p>Ein Programm, das hier im Browser läuft:</p><${HOST} programm="${program}"></${HOST}></main></body></html>`);
  const course = await serve({
    '/': coursePage('countdown-ask'),
    '/blatt': coursePage('product-sheet'),
    '/uebungsprogramme-web.js': { body: module, type: 'text/javascript' },
    // The one-file page from the same server: a page from disk after one from a server
    // leaves Chromium's document loading in Orca's view, now and then, for good.
    '/uebungsprogramme.html': html(readFileSync(page)),
    '/leer': html('<!DOCTYPE html><html lang="de"><head><meta charset="utf-8"><title>Leer</title></head><body></body></html>'),
  });
  try {
    const screenReader = await desktop(folder);
    for (const engine of engines.filter(({ name }) => only === undefined || name === only)) {
      if (failures.length > 0) break;
      if (!existsSync(engine.needs)) throw new Error(`${engine.name} is not installed (Debian: ${engine.packages})`);
      await run(engine, screenReader, { course });
    }
  } catch (error) {
    failures.push(error.stack);
  } finally {
    course.close();
    stop();
    // Orca's own account of a failed run, for whoever looks into it, named for the page, so
    // that the canary's expected failure beside it does not overwrite it.
    const log = join(folder, 'orca.log');
    const kept = `screen-reader-orca-${basename(page, '.html')}.log`;
    if (failures.length > 0 && existsSync(log)) {
      copyFileSync(log, kept);
      console.error(`Orca's debug log: ${resolve(kept)}`);
    }
    rmSync(folder, { recursive: true, force: true });
  }
  for (const failure of failures) console.error(failure);
  console.log(failures.length === 0 ? 'passed' : `${failures.length} failed`);
  exit(failures.length === 0 ? 0 : 1);
}

await main();
