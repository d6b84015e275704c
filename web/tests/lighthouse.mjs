// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// usage: node lighthouse.mjs NPM_PACKAGES PAGE [--canary]
// Lighthouse's audit of PAGE as a phone loads it (the mobile preset, in Chromium), served
// gzip-compressed from 127.0.0.1, with countdown-ask's console waiting for input. Prints the four scores, total blocking time and time to
// interactive; fails unless accessibility, best practices and SEO are 100. Performance
// and the times vary with the machine and are printed only. The canary serves the page
// without its description, which SEO must catch.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { resolve } from 'node:path';
import { argv, exit } from 'node:process';
import { pathToFileURL } from 'node:url';
import { engines, serve } from './engines.mjs';

export async function audit(packages, html) {
  const load = (name) => import(pathToFileURL(createRequire(`${packages}/package.json`).resolve(name)));
  const { default: lighthouse } = await load('lighthouse');
  const launcher = await load('chrome-launcher');
  const server = await serve({ '/': { body: html, type: 'text/html; charset=utf-8' } }, {}, true);
  const chromium = engines.find(({ name }) => name === 'Chromium').options;
  const browser = await launcher.launch({ chromePath: chromium.executablePath, chromeFlags: ['--headless=new', ...chromium.args] });
  try {
    const { lhr } = await lighthouse(`${server.origin}/#countdown-ask`, { port: browser.port, output: 'json', logLevel: 'error' });
    const failed = (category) => category.auditRefs.filter((ref) => lhr.audits[ref.id].score !== null && lhr.audits[ref.id].score < 1 && ref.weight > 0).map((ref) => ref.id);
    return {
      scores: Object.fromEntries(Object.entries(lhr.categories).map(([id, category]) => [id, category.score])),
      failed: Object.fromEntries(Object.entries(lhr.categories).map(([id, category]) => [id, failed(category)])),
      blocking: lhr.audits['total-blocking-time'].numericValue,
      interactive: lhr.audits.interactive.numericValue,
    };
  } finally {
    await browser.kill();
    server.close();
  }
}

if (import.meta.url === pathToFileURL(argv[1]).href) {
  const [packages, page] = argv.slice(2, 4).map((path) => resolve(path));
  let html = readFileSync(page, 'utf8');
  if (argv[4] === '--canary') html = html.replace(/<meta name="description"[^>]*>/, '');
  const { scores, failed, blocking, interactive } = await audit(packages, html);
  const percent = (score) => Math.round(score * 100);
  console.log(Object.entries(scores).map(([id, score]) => `${id} ${percent(score)}`).join(', '));
  console.log(`total blocking time ${Math.round(blocking)} ms, time to interactive ${Math.round(interactive)} ms`);
  const short = ['accessibility', 'best-practices', 'seo'].filter((id) => scores[id] !== 1);
  for (const id of short) console.error(`${id} ${percent(scores[id])}, wanted 100; failing: ${failed[id].join(', ')}`);
  exit(short.length === 0 ? 0 : 1);
}
