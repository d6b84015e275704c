// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// usage: node build-page.mjs NPM_PACKAGES PAGE MODULE VERSION PROGRAM.wasm...
// The web console as one HTML file, PAGE: console.html with the bundled script, the
// programs in base64 inside it, and a Content-Security-Policy that allows this very script
// and style alone. And the console alone as one script, MODULE, that any page loads as a
// module or a classic script.
import { createHash } from 'node:crypto';
import { readFile, writeFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { basename, join } from 'node:path';
import { argv, exit } from 'node:process';

const LIMIT = 300 * 1024;
const [packages, pagePath, modulePath, version, ...programs] = argv.slice(2);
const here = new URL('.', import.meta.url).pathname;
const esbuild = createRequire(join(packages, 'package.json'))('esbuild');

const encoded = {};
for (const program of programs) encoded[basename(program, '.wasm')] = (await readFile(program)).toString('base64');
// The programs are the module 'programs', made here.
const embed = {
  name: 'programs',
  setup(build) {
    build.onResolve({ filter: /^programs$/ }, () => ({ path: 'programs', namespace: 'programs' }));
    build.onLoad({ filter: /.*/, namespace: 'programs' }, () => ({ contents: JSON.stringify(encoded), loader: 'json' }));
  },
};
const bundle = async (entry) => {
  const built = await esbuild.build({
    entryPoints: [join(here, entry)],
    plugins: [embed],
    bundle: true,
    minify: true,
    // Run as a module or a classic script alike, its names its own.
    format: 'iife',
    target: 'es2022',
    write: false,
    logLevel: 'warning',
    banner: { js: `/*! uebungsprogramme ${version}, MIT licence */` },
  });
  return built.outputFiles[0].text;
};
const script = await bundle('page.js');
if (/<\/script/i.test(script)) {
  console.error('build-page: the bundle would end its own element early');
  exit(1);
}

const hash = (text) => `sha256-${createHash('sha256').update(text).digest('base64')}`;
const template = await readFile(join(here, 'console.html'), 'utf8');
const style = template.match(/<style>(.*?)<\/style>/s)[1];
const parts = { SCRIPT_HASH: hash(script), STYLE_HASH: hash(style), VERSION: version, SCRIPT: script };
const page = template.replace(/@([A-Z_]+)@/g, (_, name) => parts[name]);

for (const [path, text] of [[pagePath, page], [modulePath, await bundle('console.js')]]) {
  const size = Buffer.byteLength(text);
  if (size > LIMIT) {
    console.error(`build-page: ${path} would have ${size} bytes, more than ${LIMIT}`);
    exit(1);
  }
  await writeFile(path, text);
  console.log(`${path}: ${size} bytes`);
}
