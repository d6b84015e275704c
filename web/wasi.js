// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// The few WASI calls the programs make, for one run of one program in the page. Standard
// input comes from read(capacity), a promise of at most that many bytes (none at the end of
// input); standard output and error go to write(bytes). The page cannot block, so a read
// suspends the program with binaryen's asyncify and resumes it once the bytes are there.

const BADF = 8;
const SPIPE = 70;
const CHARACTER_DEVICE = 2;
const RIGHT_TO_READ = 1n << 1n;
const RIGHT_TO_WRITE = 1n << 6n;
const UNWINDING = 1;
const REWINDING = 2;
const PAGE = 65536;

class Exit {
  constructor(status) {
    this.status = status;
  }
}

// Runs `module` to its end; resolves to its exit status.
export async function run(module, { read, write }) {
  let exports;
  let pending;
  let result;
  const view = () => new DataView(exports.memory.buffer);
  const bytes = (at, length) => new Uint8Array(exports.memory.buffer, at, length);
  const buffers = (at, count) =>
    Array.from({ length: count }, (_, i) => bytes(view().getUint32(at + 8 * i, true), view().getUint32(at + 8 * i + 4, true)));

  const calls = {
    fd_write(fd, at, count, written) {
      if (fd !== 1 && fd !== 2) return BADF;
      let total = 0;
      for (const buffer of buffers(at, count)) {
        write(buffer.slice());
        total += buffer.length;
      }
      view().setUint32(written, total, true);
      return 0;
    },
    fd_read(fd, at, count, got) {
      if (fd !== 0) return BADF;
      if (exports.asyncify_get_state() === REWINDING) {
        exports.asyncify_stop_rewind();
        let total = 0;
        for (const buffer of buffers(at, count)) {
          const part = result.subarray(total, total + buffer.length);
          buffer.set(part);
          total += part.length;
        }
        view().setUint32(got, total, true);
        return 0;
      }
      pending = read(buffers(at, count).reduce((sum, buffer) => sum + buffer.length, 0));
      exports.asyncify_start_unwind(stack);
      return 0;
    },
    // A terminal: no seeking, so the C library buffers standard output by lines.
    fd_fdstat_get(fd, at) {
      if (fd > 2) return BADF;
      view().setUint8(at, CHARACTER_DEVICE);
      view().setUint16(at + 2, 0, true);
      view().setBigUint64(at + 8, fd === 0 ? RIGHT_TO_READ : RIGHT_TO_WRITE, true);
      view().setBigUint64(at + 16, 0n, true);
      return 0;
    },
    fd_seek: () => SPIPE,
    fd_close: () => 0,
    random_get(at, length) {
      for (let done = 0; done < length; done += PAGE) crypto.getRandomValues(bytes(at + done, Math.min(PAGE, length - done)));
      return 0;
    },
    proc_exit(status) {
      throw new Exit(status);
    },
  };

  ({ exports } = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: calls }));
  // Asyncify keeps the suspended calls in a page of its own, past the program's memory.
  const stack = exports.memory.grow(1) * PAGE;
  new Uint32Array(exports.memory.buffer, stack, 2).set([stack + 8, stack + PAGE]);
  try {
    exports._start();
    while (exports.asyncify_get_state() === UNWINDING) {
      exports.asyncify_stop_unwind();
      result = await pending;
      exports.asyncify_start_rewind(stack);
      exports._start();
    }
    return 0;
  } catch (error) {
    if (error instanceof Exit) return error.status;
    throw error;
  }
}

export { Exit };
