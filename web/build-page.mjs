// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// usage: node build-page.mjs NPM_PACKAGES OUTPUT VERSION PROGRAM.wasm...
// The web console as one HTML file: console.html with the bundled script and styles, the
// programs in base64 and a Content-Security-Policy that allows this very script alone.
import { createHash } from 'node:crypto';
import { readFile, writeFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { basename, join } from 'node:path';
import { argv, exit } from 'node:process';

const LIMIT = 1 << 20;
const [packages, output, version, ...programs] = argv.slice(2);
const here = new URL('.', import.meta.url).pathname;
const esbuild = createRequire(join(packages, 'package.json'))('esbuild');

const bundle = await esbuild.build({
  entryPoints: [join(here, 'console.js')],
  nodePaths: [join(packages, 'node_modules')],
  bundle: true,
  minify: true,
  format: 'esm',
  target: 'es2022',
  outdir: 'bundle',
  write: false,
  logLevel: 'warning',
});
const text = (extension) => bundle.outputFiles.find((file) => file.path.endsWith(extension)).text;
const script = text('.js');
const style = text('.css');
if (/<\/script/i.test(script) || /<\/style/i.test(style)) {
  console.error('build-page: the bundle would end its own element early');
  exit(1);
}

const encoded = {};
for (const program of programs) encoded[basename(program, '.wasm')] = (await readFile(program)).toString('base64');
const hash = `sha256-${createHash('sha256').update(script).digest('base64')}`;
const parts = { SCRIPT_HASH: hash, VERSION: version, STYLE: style, PROGRAMS: JSON.stringify(encoded), SCRIPT: script };
const page = (await readFile(join(here, 'console.html'), 'utf8')).replace(/@([A-Z_]+)@/g, (_, name) => parts[name]);

const size = Buffer.byteLength(page);
if (size > LIMIT) {
  console.error(`build-page: ${output} would have ${size} bytes, more than ${LIMIT}`);
  exit(1);
}
await writeFile(output, page);
console.log(`${output}: ${size} bytes`);
