// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// The three browser engines behind the same few calls: open an address, run a function in
// the page or a frame of it, type with the keyboard, click an element, close; and a local
// web server for the pages they open. Chromium and Firefox ESR are
// driven by puppeteer, WebKit (WebKitGTK's MiniBrowser, the engine of every iPhone) by
// WebDriver under a virtual X server. A missing browser or driver is an error that names
// its Debian packages.
import { spawn } from 'node:child_process';
import { existsSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createRequire } from 'node:module';
import { createServer as createHttpServer } from 'node:http';
import { createServer } from 'node:net';
import { gzipSync } from 'node:zlib';

const chromiumFlags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run'];

export const engines = [
  { name: 'Chromium', family: 'puppeteer', needs: ['/usr/bin/chromium'], packages: 'chromium', options: { browser: 'chrome', executablePath: '/usr/bin/chromium', args: chromiumFlags } },
  { name: 'Firefox ESR', family: 'puppeteer', needs: ['/usr/bin/firefox-esr'], packages: 'firefox-esr', options: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr' } },
  { name: 'WebKit', family: 'webdriver', needs: ['/usr/bin/WebKitWebDriver', '/usr/bin/xvfb-run', '/usr/bin/xauth'], packages: 'webkit2gtk-driver xvfb xauth' },
];

// Special keys as the cases write them: Backspace, Enter, Tab, Escape, Delete, the arrows
// left and right, Home and End; "⇧" is Shift+Enter; any other control character is Ctrl
// and its letter ("\x04" Ctrl-D).
const specials = { '\b': 'Backspace', '\n': 'Enter', '\t': 'Tab', '\x1b': 'Escape', '\x7f': 'Delete', '←': 'ArrowLeft', '→': 'ArrowRight', '↖': 'Home', '↘': 'End' };
const control = (key) => (key < ' ' && !specials[key] ? String.fromCharCode(key.charCodeAt(0) + 0x60) : null);
export const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

export const freePort = () =>
  new Promise((resolve) => {
    const server = createServer().listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });

async function puppeteerSession(engine, packages, viewport) {
  const puppeteer = createRequire(`${packages}/package.json`)('puppeteer-core');
  const browser = await puppeteer.launch({ ...engine.options, headless: true, defaultViewport: viewport });
  const tab = await browser.newPage();
  const requests = [];
  const errors = [];
  tab.on('request', (request) => requests.push(request.url()));
  tab.on('pageerror', (error) => errors.push(error.message));
  tab.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  return {
    tab,
    browser,
    requests: async () => requests.splice(0),
    errors: async () => errors.splice(0),
    open: async (address) => {
      await tab.goto('about:blank');
      await tab.goto(address);
    },
    evaluate: (fn, ...args) => tab.evaluate(fn, ...args),
    click: (host, inner) => tab.click(inner ? `${host} >>> ${inner}` : host),
    leaveFrame: async () => {},
    // The same calls inside the frame `selectors` name, each in the frame before.
    async inFrame(...selectors) {
      let frame = tab.mainFrame();
      for (const selector of selectors) frame = await (await frame.$(selector)).contentFrame();
      return { ...this, evaluate: (fn, ...args) => frame.evaluate(fn, ...args), click: (host, inner) => frame.click(`${host} >>> ${inner}`) };
    },
    async type(keys) {
      for (const key of keys) {
        if (control(key) || key === '⇧') {
          const [modifier, pressed] = key === '⇧' ? ['Shift', 'Enter'] : ['Control', `Key${control(key).toUpperCase()}`];
          await tab.keyboard.down(modifier);
          await tab.keyboard.press(pressed);
          await tab.keyboard.up(modifier);
        } else if (specials[key]) await tab.keyboard.press(specials[key]);
        else await tab.keyboard.type(key);
      }
    },
    close: () => browser.close(),
  };
}

async function webdriverSession(engine, packages, viewport) {
  const { Builder, By, Key } = createRequire(`${packages}/package.json`)('selenium-webdriver');
  const port = await freePort();
  // xvfb-run's folder inside one of ours, removed once it has ended: ended by a signal,
  // it leaves its own behind.
  const folder = mkdtempSync(join(tmpdir(), 'webkit-'));
  const server = spawn('xvfb-run', ['-a', 'WebKitWebDriver', `--port=${port}`], { detached: true, stdio: 'ignore', env: { ...process.env, TMPDIR: folder } });
  const ended = new Promise((resolve) => server.on('exit', resolve));
  const stop = async () => {
    try {
      process.kill(-server.pid, 'SIGTERM');
    } catch {}
    await ended;
    rmSync(folder, { recursive: true, force: true });
  };
  let driver;
  for (let tries = 0; !driver; ++tries) {
    try {
      driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({ browserName: 'MiniBrowser' }).build();
    } catch (error) {
      if (tries === 50) {
        await stop();
        throw error;
      }
      await pause(200);
    }
  }
  await driver.manage().window().setRect(viewport);
  const find = (host, inner) => driver.executeScript((h, i) => (i ? document.querySelector(h).shadowRoot.querySelector(i) : document.querySelector(h)), host, inner);
  const keys = Object.fromEntries(Object.entries(specials).map(([key, name]) => [key, Key[{ Backspace: 'BACK_SPACE', ArrowLeft: 'ARROW_LEFT', ArrowRight: 'ARROW_RIGHT' }[name] ?? name.toUpperCase()]]));
  return {
    // No network in WebDriver's view; what the page loaded, it lists itself.
    requests: () => driver.executeScript(() => performance.getEntriesByType('resource').map((entry) => entry.name)),
    // WebDriver shows no console.
    errors: async () => [],
    open: async (address) => {
      await driver.switchTo().defaultContent();
      await driver.get('about:blank');
      await driver.get(address);
    },
    evaluate: (fn, ...args) => driver.executeScript(fn, ...args),
    // WebDriver enters the frame for every call that follows, until it leaves or the next open.
    leaveFrame: () => driver.switchTo().defaultContent(),
    async inFrame(...selectors) {
      for (const selector of selectors) await driver.switchTo().frame(await driver.findElement(By.css(selector)));
      return this;
    },
    // A click at the element's place, as WebDriver's own click refuses elements in a shadow
    // root, once the element is there to take it: a page that lays out or scrolls anew moves
    // it away from the place it was scrolled to.
    async click(host, inner) {
      const element = await find(host, inner);
      await driver.executeScript((target) => target.scrollIntoView({ block: 'center' }), element);
      await waitFor(this, (target) => {
        const { x, y, width, height } = target.getBoundingClientRect();
        const hit = target.getRootNode().elementFromPoint(x + width / 2, y + height / 2);
        return width > 0 && height > 0 && (hit === target || target.contains(hit));
      }, element);
      await driver.actions().move({ origin: element }).click().perform();
    },
    async type(typed) {
      for (const key of typed) {
        const actions = driver.actions();
        if (control(key)) await actions.keyDown(Key.CONTROL).sendKeys(control(key)).keyUp(Key.CONTROL).perform();
        else if (key === '⇧') await actions.keyDown(Key.SHIFT).sendKeys(Key.ENTER).keyUp(Key.SHIFT).perform();
        else await actions.sendKeys(keys[key] ?? key).perform();
      }
    },
    close: async () => {
      await driver.quit();
      await stop();
    },
  };
}

// A web server on 127.0.0.1 for `routes`, each path's { body, type }, every answer with
// `headers`; gzip-compressed if asked.
export async function serve(routes, headers = {}, gzip = false) {
  const server = createHttpServer((request, response) => {
    const route = routes[request.url];
    // Browsers ask every origin for an icon; a 404 would be an error in the page's console.
    if (request.url === '/favicon.ico') return response.writeHead(204).end();
    if (!route) return response.writeHead(404).end();
    const body = gzip ? gzipSync(route.body) : route.body;
    response.writeHead(200, { ...headers, 'Content-Type': route.type, ...(gzip ? { 'Content-Encoding': 'gzip' } : {}) }).end(body);
  });
  await new Promise((ready) => server.listen(0, '127.0.0.1', ready));
  return { origin: `http://127.0.0.1:${server.address().port}`, close: () => server.close() };
}

// A session in `engine`, its window `viewport` wide and high.
export async function launch(engine, packages, viewport = { width: 1000, height: 800 }) {
  const missing = engine.needs.filter((path) => !existsSync(path));
  if (missing.length > 0) throw new Error(`${engine.name} is not installed (Debian: ${engine.packages}): ${missing.join(', ')} missing`);
  return engine.family === 'puppeteer' ? puppeteerSession(engine, packages, viewport) : webdriverSession(engine, packages, viewport);
}

// Where the focus is, through shadow roots: the elements' tags and first classes.
const focused = () => {
  const path = [];
  for (let at = document.activeElement; at; at = at.shadowRoot?.activeElement) path.push(`${at.localName}${typeof at.className === 'string' && at.className ? `.${at.className.split(' ')[0]}` : ''}`);
  return path.join(' > ');
};

// Polls `fn` in the page until it returns something true, and returns that; timed out,
// it tells where the focus was.
export async function waitFor(session, fn, arg, timeout = 20000) {
  for (const until = Date.now() + timeout; ; await pause(20)) {
    const result = await session.evaluate(fn, arg);
    if (result) return result;
    if (Date.now() > until) throw new Error(`timed out waiting for ${fn.name || 'the page'}(${JSON.stringify(arg)}), the focus on ${await session.evaluate(focused).catch(() => 'an unknown element')}`);
  }
}
