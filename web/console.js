// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// The console, <uebungs-konsole programm="NAME">: runs one of the programs as a terminal
// in canonical mode would. What the program writes is a log of lines, kept from run to
// run as scrollback. What the user types goes into a native text field, so that every
// keyboard, input method, dictation and screen reader works as on any page. It holds
// one line: each newline that reaches it, by Enter, a paste or anything else, hands the
// line before it over.
import programs from 'programs';
import { Exit, run } from './wasi.js';

const NAME = 'uebungs-konsole';
const text = {
  field: 'Eingabe',
  end: 'Eingabe beenden (Strg+D)',
  interrupt: 'Abbrechen (Strg+C)',
  again: 'Noch einmal ausführen',
  console: (name) => (name ? `Konsole ${name}` : 'Konsole'),
  interrupted: 'Abgebrochen (Strg+C).',
  ended: (status) => `Programm beendet mit Status ${status}.`,
  aborted: (reason) => `Programm abgebrochen: ${reason}`,
  noWebAssembly: 'Dieser Browser kann kein WebAssembly ausführen, deshalb läuft das Programm hier nicht.',
  forbidden: 'Diese Seite erlaubt kein WebAssembly, deshalb läuft das Programm hier nicht.',
  noDecompression: 'Dieser Browser kann die hier gepackten Programme nicht entpacken, deshalb läuft das Programm hier nicht.',
  none: `Hier ist kein Programm gewählt; das Attribut programm nennt eines von ${Object.keys(programs).join(', ')}.`,
  unknown: (name) => `Ein Programm „${name}“ gibt es hier nicht, nur ${Object.keys(programs).join(', ')}.`,
};

// The host page's styles stop at the element, all but its font size, by which a teacher
// scales the whole console: the host keeps its box to itself, and the region inside takes
// none of what the host would pass on. Left alone, the console follows the browser's
// default font size rather than the page's.
const style = new CSSStyleSheet();
style.replaceSync(`
:host { display: block !important; position: static !important; float: none !important; box-sizing: border-box !important;
  width: auto !important; height: auto !important; min-width: 0 !important; max-width: none !important; min-height: 0 !important; max-height: none !important;
  margin: 0 !important; padding: 0 !important; border: 0 none !important; outline: 0 none !important; background: none !important;
  box-shadow: none !important; transform: none !important; opacity: 1 !important; filter: none !important; overflow: visible !important;
  font-style: normal !important; font-weight: normal !important; line-height: normal !important; font-family: system-ui, sans-serif !important;
  color: initial !important; letter-spacing: normal !important; text-transform: none !important; font-size: medium; }
:host([hidden]) { display: none !important; }
.region { all: initial; display: block; position: relative; font-size: inherit; font-family: system-ui, sans-serif; }
.leaving { height: 0; overflow: hidden; }
.spoken { position: absolute; width: 1px; height: 1px; overflow: hidden; clip-path: inset(50%); white-space: pre; }
[hidden] { display: none !important; }
.screen { padding: 0.4em 0.6em; font: 1em/1.4 ui-monospace, monospace; color: #e8e8e8; background: #111; border-radius: 4px; cursor: text; }
/* A ring of two colours, which stands out on a light page and a dark one alike. */
.screen:focus-within { outline: 2px solid #000; outline-offset: 2px; box-shadow: 0 0 0 2px #fff; }
[role=log] div, .partial { white-space: pre-wrap; overflow-wrap: anywhere; }
.run + .run { margin-top: 0.6em; padding-top: 0.6em; border-top: 1px solid #555; }
.status { color: #b8b8b8; }
.line { display: flex; align-items: baseline; }
textarea { flex: 1; min-width: 4ch; margin: 0; padding: 0; border: 0; outline: 0; resize: none; overflow: hidden;
  font: inherit; color: inherit; background: transparent; caret-color: #fff; }
button { margin: 0.5em 0.5em 0 0; padding: 0.5em 0.9em; font: 0.9em/1.2 system-ui, sans-serif; }
p { margin: 0; font-family: system-ui, sans-serif; }
@media (forced-colors: active) {
  .screen { border: 1px solid CanvasText; }
  .screen:focus-within { outline-color: Highlight; }
  textarea { caret-color: CanvasText; }
}
`);

const encoder = new TextEncoder();
const modules = new Map();

// Whether the page lets WebAssembly run: a Content-Security-Policy without
// 'wasm-unsafe-eval' makes Chromium and Firefox refuse the compile, WebKit the instance.
let allowed;
function webAssemblyAllowed() {
  try {
    allowed ??= new WebAssembly.Instance(new WebAssembly.Module(Uint8Array.of(0, 0x61, 0x73, 0x6d, 1, 0, 0, 0))) !== null;
  } catch {
    allowed = false;
  }
  return allowed;
}

// The program compiled once per page, however many consoles run it, unpacked by the
// browser on the way.
function compiled(name) {
  if (!modules.has(name)) {
    const packed = new Blob([Uint8Array.from(atob(programs[name]), (char) => char.charCodeAt(0))]);
    modules.set(name, new Response(packed.stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer().then((bytes) => WebAssembly.compile(bytes)));
  }
  return modules.get(name);
}

// What typing shows: a control character as ^X, as a terminal echoes it.
const echo = (typed) => typed.replace(/[\0-\x08\x0b-\x1f\x7f]/g, (char) => `^${String.fromCharCode(char.charCodeAt(0) ^ 0x40)}`);

const create = (tag, properties, ...children) => {
  const made = Object.assign(document.createElement(tag), properties);
  made.append(...children);
  return made;
};

class Console extends HTMLElement {
  static observedAttributes = ['programm'];
  #region = create('div', { role: 'region', className: 'region' });
  #screen = create('div', { className: 'screen', tabIndex: -1 });
  // The log is read line by line; what is said as it comes goes through #spoken alone.
  #log = create('div', { role: 'log', ariaLive: 'off' });
  #spoken = create('div', { className: 'spoken', ariaLive: 'polite' });
  #output = null;
  #partial = create('span', { className: 'partial' });
  #field = create('textarea', { rows: 1, wrap: 'off', autocomplete: 'off', spellcheck: false, ariaLabel: text.field });
  #line = create('div', { className: 'line', hidden: true }, this.#partial, this.#field);
  #controls = create('div', { hidden: true });
  #again = this.#againButton();
  #queue = [];
  #waiting = null;
  #interrupted = false;
  #said = '';
  #prompt = text.field;
  #runs = 0;
  #focusWanted = false;
  #landed = -Infinity;

  constructor() {
    super();
    const shadow = this.attachShadow({ mode: 'open' });
    shadow.adoptedStyleSheets = [style];
    for (const [name, value] of [['autocapitalize', 'off'], ['autocorrect', 'off'], ['enterkeyhint', 'enter']]) this.#field.setAttribute(name, value);
    const control = (label, act) => {
      const button = create('button', { type: 'button', textContent: label });
      button.addEventListener('click', () => {
        act();
        if (!this.#line.hidden) this.#field.focus();
      });
      return button;
    };
    this.#controls.append(control(text.end, () => this.#enter('')), control(text.interrupt, () => this.#interrupt()));
    this.#screen.append(this.#log, this.#line);
    this.#region.append(this.#screen, this.#controls, this.#again, this.#spoken);
    shadow.append(this.#region);
    // Keys typed here are the program's, not the page's: its shortcuts, which skip a
    // focused field of their own document only, would take them too. Tab moves on and
    // Escape closes the page's dialogs, as anywhere.
    for (const type of ['keydown', 'keypress', 'keyup']) {
      shadow.addEventListener(type, (event) => /^(Tab|Escape)$/.test(event.key) || event.stopPropagation());
    }

    // A tap or click anywhere on the screen types into the field, unless it selects text.
    this.#screen.addEventListener('click', () => {
      if (!this.#line.hidden && document.getSelection().isCollapsed) this.#field.focus();
    });
    this.#field.addEventListener('input', (event) => event.isComposing || this.#take());
    this.#field.addEventListener('compositionend', () => this.#take());
    // Enter and a paste go in at once: the field's own editing takes seconds over a
    // long line.
    this.#field.addEventListener('beforeinput', (event) => {
      if (event.isComposing || !/^insert(LineBreak|Paragraph)$/.test(event.inputType)) return;
      event.preventDefault();
      this.#enter();
    });
    this.#field.addEventListener('paste', (event) => {
      const pasted = event.clipboardData?.getData('text/plain');
      if (!pasted) return;
      event.preventDefault();
      this.#insert(pasted);
    });
    this.#field.addEventListener('keydown', (event) => this.#key(event));
    // A name changed under the focus would be said once more: the field takes the latest
    // prompt as its name once the student has left it while the program waits for a line.
    // Not as the run ends: Firefox tells a name changed as the focus leaves.
    this.#field.addEventListener('blur', () => this.#waiting && (this.#field.ariaLabel = this.#prompt));
  }

  // A button of its own for each run that ends with the focus on it, and the focus kept on
  // the one pressed until the program asks for input: a screen reader tells a move from
  // one button to another however late it sees it, but may miss a move away and back.
  #againButton() {
    const button = create('button', { type: 'button', className: 'again', textContent: text.again, hidden: true });
    // An Enter pressed once too often, as the run ends and the focus lands here, does not
    // run the program again.
    button.addEventListener('click', (event) => {
      if (event.detail === 0 && performance.now() - this.#landed < 1000) return;
      this.#focusWanted = true;
      this.#start();
    });
    button.addEventListener('blur', () => (button.ariaLabel = null));
    return button;
  }

  connectedCallback() {
    // Notebooks take their shortcuts in the capture phase, before the shadow root's key
    // boundary sees a key, but skip an element marked thus.
    this.toggleAttribute('data-lm-suppress-shortcuts', true);
    this.#start();
  }

  disconnectedCallback() {
    this.#stop();
    this.#show(false);
  }

  // Before the first start, as when the element is upgraded, connecting it starts it.
  attributeChangedCallback(_, before, after) {
    if (this.isConnected && this.#output !== null && before !== after) this.#start();
  }

  // Focuses the field, now or once the program has started.
  focus(options) {
    if (this.#line.hidden) this.#focusWanted = true;
    else this.#field.focus(options);
  }

  // Cuts the run off: what it printed stays in its place, and what was typed for it goes.
  #stop() {
    ++this.#runs;
    this.#flush();
    this.#field.value = '';
    this.#waiting?.reject(new Exit(130));
    [this.#queue, this.#waiting, this.#interrupted, this.#said, this.#prompt] = [[], null, false, '', text.field];
    this.#field.ariaLabel = text.field;
    this.#spoken.replaceChildren();
  }

  async #start() {
    this.#stop();
    const mine = this.#runs;
    const name = this.getAttribute('programm');
    this.#region.ariaLabel = text.console(name);
    this.#output = this.#log.appendChild(create('div', { className: 'run' }));
    if (this.shadowRoot.activeElement !== this.#again) this.#again.hidden = true;
    if (typeof WebAssembly !== 'object') return this.#say(text.noWebAssembly);
    if (!webAssemblyAllowed()) return this.#say(text.forbidden);
    if (typeof DecompressionStream !== 'function') return this.#say(text.noDecompression);
    if (name === null) return this.#say(text.none);
    if (!Object.hasOwn(programs, name)) return this.#say(text.unknown(name));
    const decoder = new TextDecoder();
    let ending;
    let status = null;
    try {
      const module = await compiled(name);
      if (mine !== this.#runs) return;
      this.#show(true);
      status = await run(module, {
        read: (capacity) => this.#read(capacity),
        write: (bytes) => {
          if (mine !== this.#runs) return;
          const more = decoder.decode(bytes, { stream: true });
          this.#print(more);
          this.#said += more;
        },
      });
      ending = text.ended(status);
    } catch (error) {
      ending = text.aborted(error.message);
    }
    if (mine !== this.#runs) return;
    this.#flush();
    this.#output.append(create('div', { className: 'status', textContent: `${ending}\n` }));
    // Where the student was in the console, the focus lands on the button that runs it
    // again, named for now with the lines not yet said and how the run ended: all of it
    // said at once, in the order shown.
    const landing = this.#focusWanted || this.shadowRoot.activeElement !== null;
    if (landing) {
      const button = this.#againButton();
      this.#again.replaceWith(button);
      this.#again = button;
    }
    this.#again.hidden = false;
    if (landing) {
      this.#again.ariaLabel = this.#lines(this.#said, this.#interrupted ? text.interrupted : '', ending, text.again);
      this.#landed = performance.now();
      this.#whenLoaded(() => this.#again.focus());
    }
    [this.#focusWanted, this.#said] = [false, ''];
    this.#spoken.replaceChildren();
    this.#show(false, landing);
    // The page hears of each run's end: its exit status, null where it was aborted.
    this.dispatchEvent(new CustomEvent('beendet', { bubbles: true, detail: { programm: name, status } }));
  }

  #say(message) {
    this.#show(false);
    this.#output.replaceWith(create('p', { textContent: message }));
  }

  // An ended program takes no more typing; the focus stays in the console. Where it has
  // landed on the button to run it again, the buttons of the run leave the screen at
  // once but the accessibility tree only a moment later: a screen reader still holding
  // one as its focus would take the button for a focus it had already presented. The
  // field leaves both at once: Firefox never tells that it lost the focus, and a screen
  // reader that sees a late event of it takes the focus back to it.
  #show(running, landing = false) {
    const leaving = !running && this.shadowRoot.activeElement === this.#field;
    this.#field.disabled = !running;
    if (leaving) this.#screen.focus();
    this.#field.hidden = !running;
    for (const part of [this.#line, this.#controls]) {
      part.classList.toggle('leaving', landing);
      if (!landing) part.hidden = !running;
    }
    const mine = this.#runs;
    if (landing) setTimeout(() => mine === this.#runs && this.#show(false), 1000);
    if (!running) this.#field.value = '';
  }

  // A screen reader says nothing of a focus given while the page loads.
  #whenLoaded(act) {
    if (document.readyState === 'complete') act();
    else addEventListener('load', act, { once: true });
  }

  // Output and echo go through here: whole lines into the log, each a block of its own
  // so that a long one is laid out once, and the rest before the field.
  #print(more) {
    const lines = (this.#partial.textContent + more).split('\n');
    this.#partial.textContent = lines.pop();
    for (const line of lines) this.#output.append(create('div', { textContent: `${line}\n` }));
  }

  // Lines for a screen reader: each trimmed, empty ones left out.
  #lines(...texts) {
    return texts.flatMap((part) => part.split('\n')).map((line) => line.trim()).filter(Boolean).join('\n');
  }

  // The program waits for input: what it wrote since the student last handed a line over
  // is the prompt. Where the student is in the field it is said, in one piece, else it
  // names the field, which is said as the focus reaches it.
  #tell() {
    const prompt = this.#lines(this.#said);
    this.#said = '';
    if (prompt) {
      this.#prompt = prompt;
      if (this.shadowRoot.activeElement === this.#field) this.#spoken.append(create('div', { textContent: prompt }));
      else this.#field.ariaLabel = prompt;
    }
    if (this.#focusWanted) {
      this.#whenLoaded(() => {
        this.#field.focus();
        this.#again.hidden = true;
      });
    }
    this.#focusWanted = false;
  }

  #flush() {
    if (this.#partial.textContent) this.#print('\n');
  }

  // Enter hands the line over with its newline; Ctrl-D without, so that on an empty
  // line it ends the input.
  #enter(newline = '\n') {
    const typed = `${this.#field.value}${newline}`;
    this.#field.value = '';
    this.#print(echo(typed));
    this.#handOver(typed);
  }

  // Text typed at the caret, each newline an Enter: the first line joins the field's, and
  // what follows the last newline stays in the field.
  #insert(typed) {
    const field = this.#field;
    const [first, ...rest] = typed.replace(/\r\n?/g, '\n').split('\n');
    field.setRangeText(first, field.selectionStart, field.selectionEnd, 'end');
    for (const line of rest) {
      this.#enter();
      field.value = line;
    }
  }

  // Newlines that reached the field by its own editing.
  #take() {
    const typed = this.#field.value;
    if (!typed.includes('\n')) return;
    this.#field.value = '';
    this.#insert(typed);
  }

  #key(event) {
    if (!event.ctrlKey || event.altKey || event.metaKey || event.isComposing) return;
    const letter = /^[a-z]$/i.test(event.key) ? event.key.toLowerCase() : event.code.replace(/^Key/, '').toLowerCase();
    const field = this.#field;
    if (letter === 'd') this.#enter('');
    // Ctrl-C copies what is selected, and interrupts only where nothing is.
    else if (letter === 'c' && field.selectionStart === field.selectionEnd && document.getSelection().isCollapsed) this.#interrupt();
    else return;
    event.preventDefault();
  }

  #interrupt() {
    this.#print(`${echo(this.#field.value)}^C\n`);
    this.#field.value = '';
    this.#interrupted = true;
    this.#waiting?.reject(new Exit(130));
  }

  #handOver(typed) {
    this.#queue.push(typed === '' ? null : encoder.encode(typed));
    this.#deliver();
  }

  #read(capacity) {
    return new Promise((resolve, reject) => {
      if (this.#interrupted) return reject(new Exit(130));
      this.#waiting = { resolve, reject, capacity };
      // Lines typed ahead go in at once, and the prompt before them is said with what
      // follows it.
      if (this.#queue.length === 0) this.#tell();
      this.#deliver();
    });
  }

  // Hands the waiting program queued bytes, at most as many as it asked for; null ends
  // the input.
  #deliver() {
    if (!this.#waiting || this.#queue.length === 0) return;
    const { resolve, capacity } = this.#waiting;
    this.#waiting = null;
    const next = this.#queue[0] ?? new Uint8Array(0);
    if (next.length > capacity) this.#queue[0] = next.subarray(capacity);
    else this.#queue.shift();
    resolve(next.subarray(0, capacity));
  }
}

if (!customElements.get(NAME)) customElements.define(NAME, Console);
