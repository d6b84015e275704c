// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// usage: node build-page.mjs NPM_PACKAGES PAGE MODULE SCORM VERSION PROGRAM.wasm...
// The web console as one HTML file, PAGE: console.html with the bundled script, the
// programs gzip-compressed in base64 inside it, and a Content-Security-Policy that allows
// this very script and style alone. The console alone as one script, MODULE, that any page loads as a
// module or a classic script. And SCORM, a SCORM 1.2 package for learning platforms: the
// same page with the platform's record of each run, once, and an item for each program
// that launches it.
import { createHash } from 'node:crypto';
import { readFile, writeFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { basename, join } from 'node:path';
import { argv, exit } from 'node:process';
import { gzipSync } from 'node:zlib';
import about from './about.js';
import { zip } from './zip.mjs';

const LIMIT = 150 * 1024;
const [packages, pagePath, modulePath, scormPath, version, ...programs] = argv.slice(2);
const here = new URL('.', import.meta.url).pathname;
const esbuild = createRequire(join(packages, 'package.json'))('esbuild');

const encoded = {};
for (const program of programs) encoded[basename(program, '.wasm')] = gzipSync(await readFile(program), { level: 9 }).toString('base64');
// The programs are the module 'programs', made here.
const embed = {
  name: 'programs',
  setup(build) {
    build.onResolve({ filter: /^programs$/ }, () => ({ path: 'programs', namespace: 'programs' }));
    build.onLoad({ filter: /.*/, namespace: 'programs' }, () => ({ contents: JSON.stringify(encoded), loader: 'json' }));
  },
};
const bundle = async (...entries) => {
  const built = await esbuild.build({
    stdin: { contents: entries.map((entry) => `import './${entry}';`).join('\n'), resolveDir: here },
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
const hash = (text) => `sha256-${createHash('sha256').update(text).digest('base64')}`;
const template = await readFile(join(here, 'console.html'), 'utf8');
const style = template.match(/<style>(.*?)<\/style>/s)[1];
const page = async (...entries) => {
  const script = await bundle(...entries);
  if (/<\/script/i.test(script)) {
    console.error('build-page: the bundle would end its own element early');
    exit(1);
  }
  const parts = { SCRIPT_HASH: hash(script), STYLE_HASH: hash(style), VERSION: version, SCRIPT: script };
  return template.replace(/@([A-Z_]+)@/g, (_, name) => parts[name]);
};

// The package: its manifest, and the page it launches, named in ASCII without spaces as
// every platform's unzip takes them.
const SCO = 'uebungsprogramme.html';
const xml = (text) => text.replace(/[&<>"]/g, (char) => `&${{ '&': 'amp', '<': 'lt', '>': 'gt', '"': 'quot' }[char]};`);
const names = Object.keys(encoded);
const manifest = `<?xml version="1.0" encoding="UTF-8"?>
<manifest identifier="uebungsprogramme-${version}" version="${version}" xmlns="http://www.imsproject.org/xsd/imscp_rootv1p1p2" xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_rootv1p2">
  <metadata>
    <schema>ADL SCORM</schema>
    <schemaversion>1.2</schemaversion>
  </metadata>
  <organizations default="uebungsprogramme">
    <organization identifier="uebungsprogramme">
      <title>Übungsprogramme ${version}</title>
${names.map((name) => `      <item identifier="item-${name}" identifierref="sco-${name}">
        <title>${xml(`${name} – ${about[name].title}`)}</title>
      </item>`).join('\n')}
    </organization>
  </organizations>
  <resources>
${names.map((name) => `    <resource identifier="sco-${name}" type="webcontent" adlcp:scormtype="sco" href="${SCO}#${name}">
      <file href="${SCO}"/>
    </resource>`).join('\n')}
  </resources>
</manifest>
`;
const scorm = zip({ 'imsmanifest.xml': Buffer.from(manifest), [SCO]: Buffer.from(await page('page.js', 'scorm.js')) });

for (const [path, text] of [[pagePath, await page('page.js')], [modulePath, await bundle('console.js')], [scormPath, scorm]]) {
  const size = Buffer.byteLength(text);
  if (size > LIMIT) {
    console.error(`build-page: ${path} would have ${size} bytes, more than ${LIMIT}`);
    exit(1);
  }
  await writeFile(path, text);
  console.log(`${path}: ${size} bytes`);
}
