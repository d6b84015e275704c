// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// usage: node bench/web.mjs NPM_PACKAGES PAGE
// What the web console costs a user: the page's bytes, Lighthouse's scores for a phone,
// and in each engine the time from opening countdown-ask to its first prompt and from
// pasting a million digits (then Enter, "10" and Enter) to its result. Prints; asserts
// nothing, as times depend on the machine.
import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import { argv } from 'node:process';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';
import { HOST, paste, showing } from '../web/tests/browser.mjs';
import { engines, launch } from '../web/tests/engines.mjs';
import { audit } from '../web/tests/lighthouse.mjs';

const [packages, page] = argv.slice(2, 4).map((path) => resolve(path));
const html = readFileSync(page);
const row = (what, value) => console.log(`${what.padEnd(28)}${value}`);

row('page', `${html.length} bytes, ${gzipSync(html).length} gzip-compressed`);
const { scores, blocking, interactive } = await audit(packages, html);
row('Lighthouse, mobile', Object.entries(scores).map(([id, score]) => `${id} ${Math.round(score * 100)}`).join(', '));
row('', `total blocking time ${Math.round(blocking)} ms, time to interactive ${Math.round(interactive)} ms`);

for (const engine of engines) {
  const session = await launch(engine, packages);
  try {
    let started = Date.now();
    await session.open(`${pathToFileURL(page).href}#countdown-ask`);
    const prompt = await showing(session, 1);
    const opened = Date.now() - started;
    await session.click(HOST, '.screen');
    started = Date.now();
    await paste(session, '9'.repeat(1e6));
    await session.type('\n');
    await showing(session, prompt.length + 1e6 + 2);
    await session.type('10\n');
    await showing(session, Infinity);
    row(engine.name, `first prompt ${opened} ms, a million digits pasted to the result ${Date.now() - started} ms`);
  } finally {
    await session.close();
  }
}
