// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// A zip archive of files given as { name: bytes }, in that order, each deflated. Nothing
// in it comes from the machine or the time it was made: every file is dated 1980-01-01
// and has no owner or mode, so that the same files give the same bytes.
import { deflateRawSync } from 'node:zlib';

const table = Array.from({ length: 256 }, (_, byte) => {
  let crc = byte;
  for (let bit = 0; bit < 8; ++bit) crc = crc & 1 ? 0xedb88320 ^ (crc >>> 1) : crc >>> 1;
  return crc >>> 0;
});
const crc32 = (bytes) => ~bytes.reduce((crc, byte) => table[(crc ^ byte) & 0xff] ^ (crc >>> 8), ~0) >>> 0;

// Little-endian fields of 16 and 32 bits, as the format lays them out.
const fields = (...pairs) => {
  const buffer = Buffer.alloc(pairs.reduce((size, [bits]) => size + bits / 8, 0));
  let at = 0;
  for (const [bits, value] of pairs) at = bits === 16 ? buffer.writeUInt16LE(value, at) : buffer.writeUInt32LE(value, at);
  return buffer;
};

export function zip(files) {
  const entries = [];
  const central = [];
  let offset = 0;
  const DATE = (0 << 9) | (1 << 5) | 1;
  for (const [name, data] of Object.entries(files)) {
    const path = Buffer.from(name, 'ascii');
    const packed = deflateRawSync(data, { level: 9 });
    // version needed 2.0, no flags, deflated, time 00:00, the date, CRC, sizes, name's length
    const common = [[16, 20], [16, 0], [16, 8], [16, 0], [16, DATE], [32, crc32(data)], [32, packed.length], [32, data.length], [16, path.length]];
    const local = Buffer.concat([fields([32, 0x04034b50], ...common, [16, 0]), path, packed]);
    central.push(fields([32, 0x02014b50], [16, 20], ...common, [16, 0], [16, 0], [16, 0], [16, 0], [32, 0], [32, offset]), path);
    entries.push(local);
    offset += local.length;
  }
  const directory = Buffer.concat(central);
  const count = entries.length;
  return Buffer.concat([...entries, directory, fields([32, 0x06054b50], [16, 0], [16, 0], [16, count], [16, count], [32, directory.length], [32, offset], [16, 0])]);
}
