// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop editor's words, copied once here so the page says the same
// sentences: the captions, the capacity line, the message boxes and the
// picture dialog's choices. Numbers are written in US English, as there.

const englishNumber = new Intl.NumberFormat('en-US');

export const AlbumSizeLimit = 81920;
export const CompressedImageCapacity = 4318;
export const MaxImagesPerRead = 10000;
export const MaxPicturePixels = 120000000;
export const MaxPictureFileBytes = MaxPicturePixels * 6 + 64 * 1024 * 1024;
export const RecordHeaderSize = 4;

export const AlbumEditorCaption = 'Vemo ZidarUzura editor';
export const NotAnAlbumCaption = 'Vemo ZidarUzura';
export const NotAnAlbumMessage = 'This file is not a Vemo ZidarUzura';
export const DiscardQuestion = 'Discard unsaved information?';
export const WarningSign = '\u26A0 ';
export const DefaultAlbumName = 'album.valbum';

export function number(value) {
  return englishNumber.format(value);
}

export function windowTitle(modified, fileName) {
  return (modified ? 'Vemo ZidarUzura editor* - ' : 'Vemo ZidarUzura editor - ') + (fileName || '');
}

export function imageLabel(index) {
  return String(index).padStart(3, '0');
}

export function imageCount(count) {
  return count === 1 ? '1 image' : `${count} images`;
}

// The capacity line's count, with the thousands separator its bytes have.
function capacityImages(count) {
  return count === 1 ? '1 image' : `${number(count)} images`;
}

function imagesReadClause(count) {
  return count === 1 ? '1 image was read' : `${count} images were read`;
}

const ReadStopReasons = {
  RecordPastEnd: 'a record runs past the end of the file',
  RecordTooShort: 'a record is too short to hold an image',
  PayloadTooLarge: `a record is larger than ${number(CompressedImageCapacity)} bytes`,
  NotDecompressible: 'a record does not decompress',
  BytesLeftOver: 'bytes are left over after the last image',
  ImageCap: `no more than ${number(MaxImagesPerRead)} images are read from one file`,
};

export function readStopReason(stop) {
  return ReadStopReasons[stop] ?? '';
}

// The warning a partly read album calls for.
export function damagedAlbumMessage(name, imagesRead, stop) {
  return `The album "${name}" is damaged: ${imagesReadClause(imagesRead)}, and the rest of the file could not be ` +
    `read (${readStopReason(stop)}). Saving writes only the images shown.`;
}

export function withClosingPeriod(text) {
  return text && text[text.length - 1] > '.' ? `${text}.` : text;
}

export function cannotOpenMessage(name, reason) {
  const trimmed = String(reason).replace(/[.\s]+$/u, '');
  return `Cannot open file "${name}". ${trimmed}`;
}

export function cannotSaveMessage(name, reason) {
  return withClosingPeriod(`Cannot save file "${name}". ${reason}`);
}

export function albumFullMessage(leftOut, imageCount, firstLeftOut) {
  return `The album is full: ${leftOut} of ${imageCount} images did not fit into ${number(AlbumSizeLimit)} bytes ` +
    `and were not saved, from image ${imageLabel(firstLeftOut)} on.`;
}

export function writeFailureReason(failure, failedImage, errorText) {
  if (failure === 'ImageNotAlbumSized') return `Image ${imageLabel(failedImage)} is not 92 x 92 pixels`;
  if (failure === 'ImageNotCompressible') return `Image ${imageLabel(failedImage)} cannot be compressed`;
  return errorText ?? '';
}

// --- pictures that cannot be brought in ---

export const PictureTypesText = 'BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF and AVIF';

const UnsupportedJpegTexts = {
  Lossless: 'Lossless JPEG is not supported.',
  Hierarchical: 'Hierarchical JPEG is not supported.',
  ArithmeticCoded: 'Arithmetic-coded JPEG is not supported.',
  TwelveBit: '12-bit JPEG is not supported.',
  FractionalSampling: 'JPEG with fractional colour sampling is not supported.',
};

const PictureFaultTexts = {
  Header: "The picture's header holds a value outside its range.",
  Dimensions: "The picture's width or height is zero, out of range or too large for the file.",
  Depth: 'The picture has a number of bits a pixel that its format does not define.',
  Palette: "The picture's colour table is longer than its depth allows, or cut short.",
  BitFields: "The bitmap's colour masks are missing.",
  Compression: 'The bitmap is compressed in a way that is not read at its number of bits a pixel.',
  PixelOffset: "The picture's pixels are said to start outside the file.",
  IconDirectory: "The icon file's directory holds no picture, or its entry lies outside the file.",
};

// The reason for a refusal, from the core's problem record.
export function pictureProblemText(problem) {
  const detail = problem.detail ?? '';
  switch (problem.kind) {
    case 'CannotOpen':
    case 'Unreadable':
      return detail;
    case 'UnsupportedFormat':
      return detail
        ? `Unsupported image format: this is ${detail}. Pictures are read from ${PictureTypesText} files.`
        : `Unsupported image format. Pictures are read from ${PictureTypesText} files.`;
    case 'Empty':
      return 'The file is empty.';
    case 'Damaged':
      return 'The file is damaged or incomplete.';
    case 'TooLarge':
      if (!(problem.width > 0 && problem.height > 0))
        return `The file is too large: more than ${Math.floor(MaxPictureFileBytes / 1000000)} MB, more than a ` +
          `picture of ${MaxPicturePixels / 1000000} megapixels needs.`;
      return `The picture is too large: ${problem.width} x ${problem.height} pixels, more than ` +
        `${MaxPicturePixels / 1000000} megapixels`;
    case 'HeaderCutShort':
      return "The bitmap's header is cut short";
    case 'UnsupportedJpeg':
      return UnsupportedJpegTexts[problem.jpegKind] ?? 'This kind of JPEG is not supported.';
    case 'Malformed':
      return PictureFaultTexts[problem.fault] ?? '';
    case 'UnsupportedVariant':
      return `${detail} is not supported.`;
    default:
      return detail;
  }
}

export function cannotImportMessage(name, reason) {
  return withClosingPeriod(`Cannot import picture "${name}". ${reason}`);
}

// --- the capacity line and the list's marks ---

export const LeftOutFull = 'will not be saved: the album is full';
export const LeftOutNotCompressible = 'will not be saved: it cannot be compressed';

export function leftOutTooltip(index, reason) {
  return `Image ${imageLabel(index)} ${reason}.`;
}

function leftOutNames(first, count) {
  const mostNamed = 8;
  if (count - first > mostNamed) return `images ${imageLabel(first)} to ${imageLabel(count - 1)}`;
  const labels = [];
  for (let index = first; index < count; ++index) labels.push(imageLabel(index));
  return (count - first === 1 ? 'image ' : 'images ') + labels.join(', ');
}

// The one line under the buttons: `layout` is null while measuring.
export function capacitySummary(count, layout, hasBestFit) {
  if (!layout) return `${capacityImages(count)}, measuring...`;
  if (!layout.ok) return `${WarningSign}Cannot save image ${imageLabel(layout.failedImage)}`;
  // Over the limit the limit itself goes: the count that fits and the
  // bytes they take are what the line is for.
  if (layout.imagesWritten < count)
    return `${WarningSign}${number(layout.imagesWritten)} of ${number(count)} fit, ${number(layout.size)} B`;
  const bytes = `${number(layout.size)}/${number(AlbumSizeLimit)} B`;
  if (hasBestFit) return `${number(count)} best fit, ${bytes}`;
  return `${capacityImages(count)}, ${bytes}`;
}

// The same at length, for the line's tooltip.
export function capacityDetails(count, layout, hasBestFit) {
  if (!layout)
    return `Measuring how much of the album's ${number(AlbumSizeLimit)} bytes the ${capacityImages(count)} take.`;
  if (!layout.ok)
    return `Image ${imageLabel(layout.failedImage)} cannot be compressed: the album cannot be saved with it.`;
  let text = `Saved now, the album takes ${number(layout.size)} of its ${number(AlbumSizeLimit)} bytes.`;
  if (layout.imagesWritten < count)
    text += ` Only the first ${number(layout.imagesWritten)} of the ${number(count)} fit; saving leaves out the ` +
      `rest, from image ${imageLabel(layout.imagesWritten)} on: ${leftOutNames(layout.imagesWritten, count)}.`;
  if (hasBestFit) {
    const counts = BestFitRenderings.map((greys, step) => `${number(layout.renderingCounts?.[step] ?? 0)} ${greys}`);
    text += ` Best fit renders: ${counts.join(', ')}.`;
  }
  return text;
}

// --- the picture dialog ---

export const Fits = [
  { value: 'stretch', text: 'Stretch', tip: 'The whole picture over the whole square; the aspect ratio is not kept.' },
  { value: 'crop', text: 'Crop', tip: 'Keep the aspect ratio and fill the square; the overflow is cut off.' },
  { value: 'pad', text: 'Pad', tip: 'Keep the aspect ratio and show all of it, centred on white.' },
];

export const BestFitValue = 'best-fit';

export const Greys = [
  { value: 'none', text: 'None', tip: 'Plain thresholds: flat areas and drawings stay clean; gradients become bands.' },
  { value: 'floyd-steinberg', text: 'Floyd-Steinberg', tip: 'Error diffusion: the finest shading for photos, but large records.' },
  { value: 'atkinson', text: 'Atkinson', tip: 'Error diffusion with more contrast: crisp photos and line art.' },
  { value: 'ordered', text: 'Ordered', tip: 'A regular pattern: smooth shading that compresses far better than diffusion.' },
  { value: 'compact', text: 'Compact', tip: 'A fine pattern on a light blur: shading for photos in records as small as no dither.' },
  { value: 'compact-diffusion', text: 'Compact diffusion', tip: 'A finer pattern that hands on part of its error: nearer to diffusion, in records about as small.' },
  { value: BestFitValue, text: 'Best fit', tip: 'Colours kept; on saving, each picture gets the rendering that lets the whole album fit with the best look.' },
];

// The renderings best fit chooses among, in the core's order.
export const BestFitRenderings = ['none', 'compact', 'compact-diffusion', 'floyd-steinberg'];

export const Gravities = ['center', 'north', 'south', 'east', 'west', 'northeast', 'northwest', 'southeast', 'southwest'];

export const SmoothingText = 'Smoothing';
export const SmoothingTip = 'Average the pixels when shrinking, so thin lines and small text survive.';
export const TurnLeftTip = 'Turn the picture left';
export const TurnRightTip = 'Turn the picture right';
export const SquareSizeTip = 'The size of the square kept';
export const SquareFrameTip = 'Drag or use the arrow keys to choose the square; the wheel, + and - change its size.';
export const PreviewCaption = 'Picture:';
export const EmptyPreviewText = '(None)';
export const DeviceViewCaption = 'On the device:';
export const LoadingCaption = 'Loading…';
export function chosenCountText(count) {
  return `${count} pictures chosen`;
}

export function movedAnnouncement(index, position, count) {
  return `Image ${imageLabel(index)} moved to position ${position} of ${count}.`;
}
