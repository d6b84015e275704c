// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// usage: node --no-warnings wasi-run.mjs PROGRAM.wasm [ARGUMENT...]
// Runs a WASI program with this process's standard streams and the current folder, and
// exits with its status.
import { readFile } from 'node:fs/promises';
import { argv, exit } from 'node:process';
import { WASI } from 'node:wasi';

const wasi = new WASI({ version: 'preview1', args: argv.slice(2), preopens: { '.': '.' }, returnOnExit: true });
const program = await WebAssembly.compile(await readFile(argv[2]));
exit(wasi.start(await WebAssembly.instantiate(program, wasi.getImportObject())));
