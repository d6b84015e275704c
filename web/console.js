// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// The web console: a menu of the programs and a terminal that runs the one the address's
// fragment names. The terminal behaves as a Linux terminal in canonical mode: typing is
// echoed and edited a line at a time, Enter hands the line over, Ctrl-D ends the input.
import { FitAddon } from '@xterm/addon-fit';
import { Terminal } from '@xterm/xterm';
import '@xterm/xterm/css/xterm.css';
import { Exit, run } from './wasi.js';

const about = {
  'countdown-ask': 'fragt nach Wochentag und Kalenderwoche und zählt die Tage bis zur vorlesungsfreien Zeit',
  'countdown-fixed': 'zählt die Tage bis zu den Ferien für den festen Tag 7 der Kalenderwoche 2',
  'countdown-dayofyear': 'zählt die Tage bis zu den Ferien vom Tag des Jahres an, liest auch oktal (010) und hexadezimal (0x10)',
  'product-sheet': 'zeigt das Datenblatt eines Nahrungsmittels',
  'task-functions': 'sechs kleine Übungsfunktionen; das Programm meldet nur, dass es läuft',
};

const element = (id) => document.getElementById(id);
const programs = JSON.parse(element('programs').textContent);
const modules = new Map();

const terminal = new Terminal({ convertEol: true, screenReaderMode: true, cursorBlink: true, fontSize: 15 });
const fit = new FitAddon();
terminal.loadAddon(fit);

const encoder = new TextEncoder();
let line = '';
let queue = [];
let waiting = null;
let atLineStart = true;
let current = null;
let runs = 0;

// Everything goes to the terminal through these two, which note where its line stands.
function show(text) {
  atLineStart = text.endsWith('\n');
  terminal.write(text);
}

function output(bytes) {
  if (bytes.length === 0) return;
  atLineStart = bytes[bytes.length - 1] === 0x0a;
  terminal.write(bytes);
}

// What typing shows: a control character as ^X, as a terminal echoes it.
const echo = (char) => (char < ' ' && char !== '\t' ? `^${String.fromCharCode(char.charCodeAt(0) + 64)}` : char);

// Hands the program what it waits for: queued bytes, or the end of input (null).
function deliver() {
  if (!waiting || queue.length === 0) return;
  const { resolve, capacity } = waiting;
  waiting = null;
  const next = queue[0] ?? new Uint8Array(0);
  if (next.length > capacity) {
    queue[0] = next.subarray(capacity);
    resolve(next.subarray(0, capacity));
  } else {
    queue.shift();
    resolve(next);
  }
}

function handOver(text) {
  queue.push(text === '' ? null : encoder.encode(text));
  deliver();
}

function read(capacity) {
  return new Promise((resolve, reject) => {
    waiting = { resolve, reject, capacity };
    deliver();
  });
}

terminal.onData((data) => {
  if (current === null) {
    if (data === '\r') start(location.hash.slice(1));
    return;
  }
  for (const char of data) {
    if (char === '\r') {
      show('\n');
      handOver(`${line}\n`);
      line = '';
    } else if (char === '\x7f' || char === '\b') {
      const last = [...line].pop();
      if (last === undefined) continue;
      line = line.slice(0, -last.length);
      show('\b \b'.repeat(echo(last).length));
    } else if (char === '\x04') {
      handOver(line);
      line = '';
    } else if (char === '\x03') {
      show('^C\n');
      waiting?.reject(new Exit(130));
    } else {
      line += char;
      show(echo(char));
    }
  }
});

async function module(name) {
  if (!modules.has(name)) {
    const bytes = Uint8Array.from(atob(programs[name]), (char) => char.charCodeAt(0));
    modules.set(name, WebAssembly.compile(bytes));
  }
  return modules.get(name);
}

async function start(name) {
  const chosen = Object.hasOwn(programs, name);
  element('console').hidden = !chosen;
  element('again').hidden = true;
  waiting?.reject(new Error('abgelöst'));
  current = null;
  if (!chosen) return;
  const mine = ++runs;
  current = name;
  [line, queue, waiting, atLineStart] = ['', [], null, true];
  element('program').textContent = name;
  document.title = `${name} – Übungsprogramme`;
  terminal.reset();
  terminal.focus();
  let ending;
  try {
    const status = await run(await module(name), { read, write: output });
    ending = `Programm beendet mit Status ${status}.`;
  } catch (error) {
    ending = `Programm abgebrochen: ${error.message}`;
  }
  if (mine !== runs) return;
  current = null;
  show(`${atLineStart ? '' : '\n'}${ending}\n`);
  element('again').hidden = false;
}

function main() {
  const menu = element('menu');
  for (const name of Object.keys(programs)) {
    const item = document.createElement('li');
    const link = Object.assign(document.createElement('a'), { href: `#${name}`, textContent: name });
    item.append(link, ` – ${about[name]}`);
    menu.append(item);
  }
  if (typeof WebAssembly !== 'object') {
    element('problem').hidden = false;
    return;
  }
  terminal.open(element('terminal'));
  // As wide as the page, from a phone's to a desktop's, once it shows and whenever it changes.
  new ResizeObserver(() => fit.fit()).observe(element('terminal'));
  addEventListener('hashchange', () => start(location.hash.slice(1)));
  element('again').addEventListener('click', () => start(location.hash.slice(1)));
  start(location.hash.slice(1));
}

main();
