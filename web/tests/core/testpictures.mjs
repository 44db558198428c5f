// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Real photos in every format the album takes, made at test time from the
// golden corpus's decoded pixels with the same tools as the native tests
// (ImageMagick, cwebp, heif-enc, avifenc).
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { repositoryRoot } from './corenode.mjs';

// A PNG of one corpus picture.
function corpusPng(name, folder) {
  const file = readFileSync(`${repositoryRoot}tests/data/golden/${name}.argb`);
  const view = new DataView(file.buffer, file.byteOffset, file.byteLength);
  const width = view.getUint32(4, true);
  const height = view.getUint32(8, true);
  const hasAlpha = (view.getUint32(12, true) & 1) !== 0;
  const rgba = Buffer.alloc(width * height * 4);
  for (let index = 0; index < width * height; ++index) {
    const word = view.getUint32(16 + 4 * index, true);
    rgba.writeUInt32BE(((word << 8) | (word >>> 24)) >>> 0, index * 4);
  }
  const raw = join(folder, `${name}.rgba`);
  writeFileSync(raw, rgba);
  const png = join(folder, `${name}.png`);
  execFileSync('convert', ['-size', `${width}x${height}`, '-depth', '8', `rgba:${raw}`,
    ...(hasAlpha ? [] : ['-alpha', 'off']), png]);
  return png;
}

// How each format is made from a PNG.
const Makers = {
  bmp: (png, out) => ['convert', [png, `BMP3:${out}`]],
  png: (png, out) => ['cp', [png, out]],
  jpeg: (png, out) => ['convert', [png, '-quality', '88', out]],
  gif: (png, out) => ['convert', [png, out]],
  ico: (png, out) => ['convert', [png, out]],
  webp: (png, out) => ['cwebp', ['-quiet', png, '-o', out]],
  'tiff-lzw': (png, out) => ['convert', [png, '-compress', 'lzw', out]],
  'tiff-jpeg': (png, out) => ['convert', [png, '-alpha', 'off', '-compress', 'jpeg', out]],
  'tiff-deflate': (png, out) => ['convert', [png, '-compress', 'zip', out]],
  heic: (png, out) => ['heif-enc', ['-q', '80', png, '-o', out]],
  avif: (png, out) => ['avifenc', ['-s', '10', png, out]],
};
const Suffixes = { jpeg: 'jpg', 'tiff-lzw': 'tif', 'tiff-jpeg': 'tif', 'tiff-deflate': 'tif' };

export const PictureFormats = Object.keys(Makers);

// A folder of the photos in every format: { folder, byFormat: { bmp: [paths] }, remove() }.
// The colour photos, a 3:2 one, and one with real transparency; and a JPEG
// large enough that smoothing decodes it reduced.
export function makeTestPictures(names = ['astronaut', 'chelsea', 'trash']) {
  const folder = mkdtempSync(join(tmpdir(), 'valbum-core-'));
  const byFormat = {};
  const pngs = names.map((name) => corpusPng(name, folder));
  for (const [format, make] of Object.entries(Makers)) {
    byFormat[format] = pngs.map((png, index) => {
      const out = join(folder, `${names[index]}-${format}.${Suffixes[format] ?? format}`);
      const [program, args] = make(png, out);
      execFileSync(program, args, { stdio: ['ignore', 'ignore', 'pipe'] });
      return out;
    });
  }
  const large = join(folder, 'astronaut-large.jpg');
  execFileSync('convert', [pngs[0], '-filter', 'Triangle', '-resize', '1100x1100', '-quality', '90', large]);
  byFormat['jpeg-large'] = [large];
  return { folder, byFormat, remove: () => rmSync(folder, { recursive: true, force: true }) };
}
