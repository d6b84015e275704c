# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# usage: python3 wasmtime-run.py PROGRAM.wasm [ARGUMENT...]
# Runs a WASI program under wasmtime's engine and WASI, with this process's standard
# streams and the current folder, and exits with its status. The wasmtime package is
# found on PYTHONPATH, where the build installed it.
import sys

from wasmtime import Engine, ExitTrap, Linker, Module, Store, WasiConfig

engine = Engine()
linker = Linker(engine)
linker.define_wasi()
wasi = WasiConfig()
wasi.argv = sys.argv[1:]
wasi.inherit_stdin()
wasi.inherit_stdout()
wasi.inherit_stderr()
wasi.preopen_dir(".", ".")
store = Store(engine)
store.set_wasi(wasi)
program = linker.instantiate(store, Module.from_file(engine, sys.argv[1]))
try:
    program.exports(store)["_start"](store)
except ExitTrap as exit_trap:
    sys.exit(exit_trap.code)
