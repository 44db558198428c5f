// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tests' pictures: real photos (the sample photos Debian ships with
// scikit-image and matplotlib) in every format the page reads, made with the
// encoders the native suite uses, and native `valbum` to compare with.

import { execFileSync } from 'node:child_process';
import { existsSync, readFileSync } from 'node:fs';
import { join } from 'node:path';

const PhotoDirectory = '/usr/lib/python3/dist-packages/skimage/data';
const HopperPhoto = '/usr/share/matplotlib/mpl-data/sample_data/grace_hopper.jpg';

export function photosAvailable() {
  return existsSync(join(PhotoDirectory, 'astronaut.png')) && existsSync(HopperPhoto);
}

function run(program, args) {
  execFileSync(program, args, { stdio: ['ignore', 'ignore', 'pipe'] });
}

// Each format from a different photo, so that a picture in the wrong place
// shows in the album's bytes.
const Formats = [
  { name: 'astronaut.png', from: 'astronaut.png', make: (src, out) => run('convert', [src, '-resize', '60%', out]) },
  { name: 'hopper.jpg', from: HopperPhoto, make: (src, out) => run('convert', [src, '-quality', '85', out]) },
  { name: 'coffee.bmp', from: 'coffee.png', make: (src, out) => run('convert', [src, `BMP3:${out}`]) },
  { name: 'chelsea.gif', from: 'chelsea.png', make: (src, out) => run('convert', [src, out]) },
  { name: 'camera.ico', from: 'camera.png', make: (src, out) => run('convert', [src, '-resize', '256x256', out]) },
  { name: 'coins.webp', from: 'coins.png', make: (src, out) => run('cwebp', ['-quiet', src, '-o', out]) },
  { name: 'rocket.tif', from: 'rocket.jpg', make: (src, out) => run('convert', [src, out]) },
  { name: 'coffee.heic', from: 'coffee.png', make: (src, out) => run('heif-enc', [src, '-o', out]) },
  { name: 'astronaut.avif', from: 'astronaut.png', make: (src, out) => run('avifenc', ['-s', '10', src, out]) },
];

// Writes one photo in each format into `folder`: [{ name, path, bytes }].
export function photosInEveryFormat(folder) {
  return Formats.map(({ name, from, make }) => {
    const source = from.startsWith('/') ? from : join(PhotoDirectory, from);
    const path = join(folder, name);
    make(source, path);
    return { name, path, bytes: readFileSync(path) };
  });
}

// A phone camera's 48-megapixel JPEG (8000 x 6000), enlarged from a photo.
export function bigPhoto(folder) {
  const path = join(folder, 'big.jpg');
  run('convert', [HopperPhoto, '-resize', '8000x6000!', '-quality', '80', path]);
  return { name: 'big.jpg', path, bytes: readFileSync(path) };
}

// 92 x 92 noise: each record close to the largest an image can have.
export function noisePictures(folder, count) {
  return Array.from({ length: count }, (_, index) => {
    const path = join(folder, `noise${index}.png`);
    run('convert', ['-size', '92x92', 'xc:gray', '-seed', String(index + 1), '+noise', 'Random', path]);
    return { name: `noise${index}.png`, path, bytes: readFileSync(path) };
  });
}

export function nativeValbum() {
  const candidates = [process.env.VALBUM, new URL('../../../build/src/cli/valbum', import.meta.url).pathname, '/work/main/build/src/cli/valbum'];
  return candidates.find((path) => path && existsSync(path));
}

// What `valbum create` writes for the pictures; its exit status 3 (images
// left out) still writes the album.
export function valbumCreate(valbum, out, paths, args) {
  try {
    return execFileSync(valbum, ['create', '--force', ...args, out, ...paths], { encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] });
  } catch (error) {
    if (error.status === 3) return error.stdout;
    throw error;
  }
}
