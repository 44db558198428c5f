// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop editor's words, looked up by the desktop's own contexts and
// source texts, so the page says the same sentences in the same language:
// the captions, the capacity line, the message boxes and the picture
// dialog's choices; and the page's own words (context Page), kept in the
// same translation files. The desktop's translation tool reads this file
// (see src/language/CMakeLists.txt): every text is a literal in a
// qsTranslate() or QT_TRANSLATE_NOOP() call, so the files stay current.

import { arg, Translation } from './language.js';

let translation = new Translation('en');

// A text marked for the translation tool and translated later, when shown.
function QT_TRANSLATE_NOOP(context, source, disambiguation = '') {
  return { context, source, disambiguation };
}

function qsTranslate(context, source, disambiguation = '', count = undefined) {
  return translation.translate(context, source, disambiguation, count);
}

export function translated(text) {
  return qsTranslate(text.context, text.source, text.disambiguation);
}

export function languageCode() {
  return translation.code;
}

export const AlbumSizeLimit = 81920;
export const CompressedImageCapacity = 4318;
export const MaxImagesPerRead = 10000;
export const MaxPicturePixels = 120000000;
export const MaxPictureFileBytes = MaxPicturePixels * 6 + 64 * 1024 * 1024;
export const RecordHeaderSize = 4;

// The captions and sentences that do not change with a count: set anew for
// each language by useTranslation(); importers see the new value at once.
export let AlbumEditorCaption;
export let NotAnAlbumCaption;
export let NotAnAlbumMessage;
export let DiscardQuestion;
export let LeftOutFull;
export let LeftOutNotCompressible;
export let Fits;
export let Greys;
export let Gravities;
export let SmoothingText;
export let SmoothingTip;
export let TurnLeftTip;
export let TurnRightTip;
export let SquareSizeTip;
export let SquareFrameTip;
export let PreviewCaption;
export let EmptyPreviewText;
export let DeviceViewCaption;
export let LoadingCaption;
export let AlbumFileType;

export const WarningSign = '\u26A0 ';
export const DefaultAlbumName = 'album.valbum';
export const BestFitValue = 'best-fit';
// The renderings best fit chooses among, in the core's order.
export const BestFitRenderings = ['none', 'compact', 'compact-diffusion', 'floyd-steinberg'];

export function number(value) {
  return translation.number(value);
}

export function windowTitle(modified, fileName) {
  return (modified ? qsTranslate('MainWindow', 'Vemo ZidarUzura editor* - ')
    : qsTranslate('MainWindow', 'Vemo ZidarUzura editor - ')) + (fileName || '');
}

export function imageLabel(index) {
  return String(index).padStart(3, '0');
}

export function imageName(index) {
  return arg(qsTranslate('MainWindow', 'Image %1'), imageLabel(index));
}

// The capacity line's count, with the thousands separator its bytes have.
function capacityImages(count) {
  return arg(qsTranslate('CapacityLine', '%1 image(s)', '', count), number(count));
}

function imagesReadClause(count) {
  return qsTranslate('SharedMessages', '%n image(s) were read', '', count);
}

export function readStopReason(stop) {
  switch (stop) {
    case 'RecordPastEnd': return qsTranslate('SharedMessages', 'a record runs past the end of the file');
    case 'RecordTooShort': return qsTranslate('SharedMessages', 'a record is too short to hold an image');
    case 'PayloadTooLarge':
      return arg(qsTranslate('SharedMessages', 'a record is larger than %1 bytes'), number(CompressedImageCapacity));
    case 'NotDecompressible': return qsTranslate('SharedMessages', 'a record does not decompress');
    case 'BytesLeftOver': return qsTranslate('SharedMessages', 'bytes are left over after the last image');
    case 'ImageCap':
      return arg(qsTranslate('SharedMessages', 'no more than %1 images are read from one file'), number(MaxImagesPerRead));
    default: return '';
  }
}

// The warning a partly read album calls for.
export function damagedAlbumMessage(name, imagesRead, stop) {
  const damage = arg(qsTranslate('SharedMessages', 'damaged: %1, and the rest of the file could not be read (%2%3)'),
    imagesReadClause(imagesRead), readStopReason(stop), '');
  return arg(qsTranslate('EditorMessages', 'The album "%1" is %2. Saving writes only the images shown.'), name, damage);
}

export function withClosingPeriod(text) {
  const period = qsTranslate('SharedMessages', '.');
  return text && text[text.length - 1] > '.' && !text.endsWith(period) ? `${text}${period}` : text;
}

export function cannotOpenMessage(name, reason) {
  const trimmed = String(reason).replace(/[.\s]+$/u, '');
  return arg(qsTranslate('SharedMessages', 'Cannot open file "%1". %2'), name, trimmed);
}

export function cannotSaveMessage(name, reason) {
  return withClosingPeriod(arg(qsTranslate('EditorMessages', 'Cannot save file "%1". %2'), name, reason));
}

export function albumFullMessage(leftOut, imageCount, firstLeftOut) {
  return arg(qsTranslate('EditorMessages',
    'The album is full: %n of %2 images did not fit into %3 bytes and were not saved, from image %4 on.', '', leftOut),
  imageCount, number(AlbumSizeLimit), imageLabel(firstLeftOut));
}

export function writeFailureReason(failure, failedImage, errorText) {
  if (failure === 'ImageNotAlbumSized') return arg(qsTranslate('SharedMessages', 'Image %1 is not 92 x 92 pixels'), imageLabel(failedImage));
  if (failure === 'ImageNotCompressible') return arg(qsTranslate('SharedMessages', 'Image %1 cannot be compressed'), imageLabel(failedImage));
  return errorText ?? '';
}

// --- pictures that cannot be brought in ---

export const PictureTypesText = 'BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF and AVIF';

function unsupportedJpegText(kind) {
  switch (kind) {
    case 'Lossless': return qsTranslate('SharedMessages', 'Lossless JPEG is not supported.');
    case 'Hierarchical': return qsTranslate('SharedMessages', 'Hierarchical JPEG is not supported.');
    case 'ArithmeticCoded': return qsTranslate('SharedMessages', 'Arithmetic-coded JPEG is not supported.');
    case 'TwelveBit': return qsTranslate('SharedMessages', '12-bit JPEG is not supported.');
    case 'FractionalSampling': return qsTranslate('SharedMessages', 'JPEG with fractional colour sampling is not supported.');
    default: return qsTranslate('SharedMessages', 'This kind of JPEG is not supported.');
  }
}

function pictureFaultText(fault) {
  switch (fault) {
    case 'Header': return qsTranslate('SharedMessages', "The picture's header holds a value outside its range.");
    case 'Dimensions':
      return qsTranslate('SharedMessages', "The picture's width or height is zero, out of range or too large for the file.");
    case 'Depth': return qsTranslate('SharedMessages', 'The picture has a number of bits a pixel that its format does not define.');
    case 'Palette': return qsTranslate('SharedMessages', "The picture's colour table is longer than its depth allows, or cut short.");
    case 'BitFields': return qsTranslate('SharedMessages', "The bitmap's colour masks are missing.");
    case 'Compression':
      return qsTranslate('SharedMessages', 'The bitmap is compressed in a way that is not read at its number of bits a pixel.');
    case 'PixelOffset': return qsTranslate('SharedMessages', "The picture's pixels are said to start outside the file.");
    case 'IconDirectory':
      return qsTranslate('SharedMessages', "The icon file's directory holds no picture, or its entry lies outside the file.");
    default: return '';
  }
}

// The reason for a refusal, from the core's problem record.
export function pictureProblemText(problem) {
  const detail = problem.detail ?? '';
  switch (problem.kind) {
    case 'CannotOpen':
    case 'Unreadable':
      return detail;
    case 'UnsupportedFormat':
      return detail
        ? arg(qsTranslate('SharedMessages', 'Unsupported image format: this is %1. Pictures are read from %2 files.'),
          detail, PictureTypesText)
        : arg(qsTranslate('SharedMessages', 'Unsupported image format. Pictures are read from %1 files.'), PictureTypesText);
    case 'Empty':
      return qsTranslate('SharedMessages', 'The file is empty.');
    case 'Damaged':
      return qsTranslate('SharedMessages', 'The file is damaged or incomplete.');
    case 'TooLarge':
      if (!(problem.width > 0 && problem.height > 0))
        return arg(qsTranslate('SharedMessages',
          'The file is too large: more than %1 MB, more than a picture of %2 megapixels needs.'),
        Math.floor(MaxPictureFileBytes / 1000000), MaxPicturePixels / 1000000);
      return arg(qsTranslate('SharedMessages', 'The picture is too large: %1 x %2 pixels, more than %3 megapixels'),
        problem.width, problem.height, MaxPicturePixels / 1000000);
    case 'HeaderCutShort':
      return qsTranslate('SharedMessages', "The bitmap's header is cut short");
    case 'UnsupportedJpeg':
      return unsupportedJpegText(problem.jpegKind);
    case 'Malformed':
      return pictureFaultText(problem.fault);
    case 'UnsupportedVariant':
      return arg(qsTranslate('SharedMessages', '%1 is not supported.'), detail);
    default:
      return detail;
  }
}

export function cannotImportMessage(name, reason) {
  return withClosingPeriod(arg(qsTranslate('EditorMessages', 'Cannot import picture "%1". %2'), name, reason));
}

// --- the capacity line and the list's marks ---

export function leftOutTooltip(index, reason) {
  return arg(qsTranslate('MainWindow', 'Image %1 %2.'), imageLabel(index), reason);
}

function leftOutNames(first, count) {
  const mostNamed = 8;
  if (count - first > mostNamed)
    return arg(qsTranslate('CapacityLine', 'images %1 to %2'), imageLabel(first), imageLabel(count - 1));
  const labels = [];
  for (let index = first; index < count; ++index) labels.push(imageLabel(index));
  return arg(qsTranslate('CapacityLine', 'image(s) %1', '', count - first), labels.join(qsTranslate('CapacityLine', ', ')));
}

function renderingName(greys) {
  switch (greys) {
    case 'none': return qsTranslate('CapacityLine', 'none');
    case 'floyd-steinberg': return qsTranslate('CapacityLine', 'floyd-steinberg');
    case 'atkinson': return qsTranslate('CapacityLine', 'atkinson');
    case 'ordered': return qsTranslate('CapacityLine', 'ordered');
    case 'compact': return qsTranslate('CapacityLine', 'compact');
    case 'compact-diffusion': return qsTranslate('CapacityLine', 'compact-diffusion');
    default: return greys;
  }
}

// The one line under the buttons: `layout` is null while measuring.
export function capacitySummary(count, layout, hasBestFit) {
  if (!layout) return arg(qsTranslate('CapacityLine', '%1, measuring...'), capacityImages(count));
  if (!layout.ok) return WarningSign + arg(qsTranslate('CapacityLine', 'Cannot save image %1'), imageLabel(layout.failedImage));
  // Over the limit the limit itself goes: the count that fits and the
  // bytes they take are what the line is for.
  if (layout.imagesWritten < count)
    return WarningSign + arg(qsTranslate('CapacityLine', '%1 of %2 fit, %3 B'),
      number(layout.imagesWritten), number(count), number(layout.size));
  const bytes = arg(qsTranslate('CapacityLine', '%1/%2 B'), number(layout.size), number(AlbumSizeLimit));
  if (hasBestFit) return arg(qsTranslate('CapacityLine', '%1 best fit, %2', '', count), number(count), bytes);
  return arg(qsTranslate('CapacityLine', '%1, %2'), capacityImages(count), bytes);
}

// The same at length, for the line's tooltip.
export function capacityDetails(count, layout, hasBestFit) {
  if (!layout)
    return arg(qsTranslate('CapacityLine', "Measuring how much of the album's %1 bytes the %2 take."),
      number(AlbumSizeLimit), capacityImages(count));
  if (!layout.ok)
    return arg(qsTranslate('CapacityLine', 'Image %1 cannot be compressed: the album cannot be saved with it.'),
      imageLabel(layout.failedImage));
  let text = arg(qsTranslate('CapacityLine', 'Saved now, the album takes %1 of its %2 bytes.'),
    number(layout.size), number(AlbumSizeLimit));
  if (layout.imagesWritten < count)
    text += arg(qsTranslate('CapacityLine', ' Only the first %1 of the %2 fit; saving leaves out the rest, from image %3 on: %4.'),
      number(layout.imagesWritten), number(count), imageLabel(layout.imagesWritten), leftOutNames(layout.imagesWritten, count));
  if (hasBestFit) {
    const counts = BestFitRenderings.map((greys, step) =>
      arg(qsTranslate('CapacityLine', '%1 %2'), number(layout.renderingCounts?.[step] ?? 0), renderingName(greys)));
    text += arg(qsTranslate('CapacityLine', ' Best fit renders: %1.'), counts.join(qsTranslate('CapacityLine', ', ')));
  }
  return text;
}

// --- the picture dialog ---

export const GravityValues = ['center', 'north', 'south', 'east', 'west', 'northeast', 'northwest', 'southeast', 'southwest'];

export function chosenCountText(count) {
  return qsTranslate('PictureDialog', '%n pictures chosen', '', count);
}

export function movedAnnouncement(index, position, count) {
  return arg(qsTranslate('Page', 'Image %1 moved to position %2 of %3.'), imageLabel(index), position, count);
}

// --- the page's fixed words: [element id, attribute or 'text', text] ---

export const PageTexts = [
  ['page-title', 'text', QT_TRANSLATE_NOOP('MainWindow', 'Vemo ZidarUzura editor')],
  ['page-description', 'content', QT_TRANSLATE_NOOP('Page', 'Fill a Vemo ZidarUzura album with your pictures, in the browser.')],
  ['language-label', 'text', QT_TRANSLATE_NOOP('Page', 'Language:')],
  ['album-section', 'aria-label', QT_TRANSLATE_NOOP('Page', 'Album')],
  ['album-list', 'aria-label', QT_TRANSLATE_NOOP('MainWindow', 'Album images')],
  ['controls-section', 'aria-label', QT_TRANSLATE_NOOP('Page', 'Album commands')],
  ['load-album', 'text', QT_TRANSLATE_NOOP('MainWindow', 'Load Album...')],
  ['save-album', 'text', QT_TRANSLATE_NOOP('MainWindow', 'Save Album')],
  ['save-album-as', 'text', QT_TRANSLATE_NOOP('MainWindow', 'Save Album As...')],
  ['password-label', 'text', QT_TRANSLATE_NOOP('MainWindow', 'Album password:')],
  ['add-image', 'text', QT_TRANSLATE_NOOP('MainWindow', 'Add Image...')],
  ['insert-image', 'text', QT_TRANSLATE_NOOP('MainWindow', 'Insert Image...')],
  ['append-album', 'text', QT_TRANSLATE_NOOP('MainWindow', 'Append Album...')],
  ['delete-image', 'text', QT_TRANSLATE_NOOP('MainWindow', 'Delete Image')],
  ['move-up', 'text', QT_TRANSLATE_NOOP('MainWindow', 'Move Up')],
  ['move-down', 'text', QT_TRANSLATE_NOOP('MainWindow', 'Move Down')],
  ['version', 'text', QT_TRANSLATE_NOOP('MainWindow', 'ver. 1.00')],
  ['page-hint', 'text', QT_TRANSLATE_NOOP('Page',
    'Drop albums or pictures anywhere on the page, or paste pictures. In the list, Alt+Up and Alt+Down move the chosen image.')],
  ['message-ok', 'text', QT_TRANSLATE_NOOP('Page', 'OK')],
  ['message-yes', 'text', QT_TRANSLATE_NOOP('Page', 'Yes')],
  ['message-no', 'text', QT_TRANSLATE_NOOP('Page', 'No')],
  ['picture-dialog-title', 'text', QT_TRANSLATE_NOOP('Page', 'Open Image')],
  ['picture-choose', 'text', QT_TRANSLATE_NOOP('Page', 'Choose pictures...')],
  ['picture-files', 'aria-label', QT_TRANSLATE_NOOP('Page', 'Pictures chosen')],
  ['picture-view', 'aria-label', QT_TRANSLATE_NOOP('Page', 'The picture, with the square that is kept')],
  ['turn-left', 'title', QT_TRANSLATE_NOOP('PictureDialog', 'Turn the picture left')],
  ['turn-left', 'aria-label', QT_TRANSLATE_NOOP('PictureDialog', 'Turn the picture left')],
  ['turn-right', 'title', QT_TRANSLATE_NOOP('PictureDialog', 'Turn the picture right')],
  ['turn-right', 'aria-label', QT_TRANSLATE_NOOP('PictureDialog', 'Turn the picture right')],
  ['crop-size-label', 'text', QT_TRANSLATE_NOOP('PictureDialog', 'Size:')],
  ['crop-smaller', 'aria-label', QT_TRANSLATE_NOOP('Page', 'Smaller square')],
  ['crop-size', 'title', QT_TRANSLATE_NOOP('PictureDialog', 'The size of the square kept')],
  ['crop-bigger', 'aria-label', QT_TRANSLATE_NOOP('Page', 'Larger square')],
  ['device-caption', 'text', QT_TRANSLATE_NOOP('PictureDialog', 'On the device:')],
  ['device-view', 'aria-label', QT_TRANSLATE_NOOP('Page', 'What the device will show')],
  ['fit-label', 'text', QT_TRANSLATE_NOOP('PictureDialog', 'Fit:')],
  ['gravity-label', 'text', QT_TRANSLATE_NOOP('Page', 'Gravity:')],
  ['greys-label', 'text', QT_TRANSLATE_NOOP('PictureDialog', 'Greys:')],
  ['brightness-label', 'text', QT_TRANSLATE_NOOP('PictureDialog', 'Brightness:')],
  ['contrast-label', 'text', QT_TRANSLATE_NOOP('PictureDialog', 'Contrast:')],
  ['picture-open', 'text', QT_TRANSLATE_NOOP('Page', 'Open')],
  ['picture-cancel', 'text', QT_TRANSLATE_NOOP('Page', 'Cancel')],
];

export const LicencesLinkText = QT_TRANSLATE_NOOP('Page', 'Licences');

// Makes `next` the language every text is looked up in.
export function useTranslation(next) {
  translation = next;
  AlbumEditorCaption = qsTranslate('EditorMessages', 'Vemo ZidarUzura editor');
  NotAnAlbumCaption = qsTranslate('EditorMessages', 'Vemo ZidarUzura');
  NotAnAlbumMessage = qsTranslate('SharedMessages', 'This file is not a Vemo ZidarUzura');
  DiscardQuestion = qsTranslate('EditorMessages', 'Discard unsaved information?');
  LeftOutFull = qsTranslate('MainWindow', 'will not be saved: the album is full');
  LeftOutNotCompressible = qsTranslate('MainWindow', 'will not be saved: it cannot be compressed');
  Fits = [
    { value: 'stretch', text: qsTranslate('PictureDialog', 'Stretch'),
      tip: qsTranslate('PictureDialog', 'The whole picture over the whole square; the aspect ratio is not kept.') },
    { value: 'crop', text: qsTranslate('PictureDialog', 'Crop'),
      tip: qsTranslate('PictureDialog', 'Keep the aspect ratio and fill the square; the overflow is cut off.') },
    { value: 'pad', text: qsTranslate('PictureDialog', 'Pad'),
      tip: qsTranslate('PictureDialog', 'Keep the aspect ratio and show all of it, centred on white.') },
  ];
  Greys = [
    { value: 'none', text: qsTranslate('PictureDialog', 'None', 'greys'),
      tip: qsTranslate('PictureDialog', 'Plain thresholds: flat areas and drawings stay clean; gradients become bands.') },
    { value: 'floyd-steinberg', text: qsTranslate('PictureDialog', 'Floyd-Steinberg'),
      tip: qsTranslate('PictureDialog', 'Error diffusion: the finest shading for photos, but large records.') },
    { value: 'atkinson', text: qsTranslate('PictureDialog', 'Atkinson'),
      tip: qsTranslate('PictureDialog', 'Error diffusion with more contrast: crisp photos and line art.') },
    { value: 'ordered', text: qsTranslate('PictureDialog', 'Ordered'),
      tip: qsTranslate('PictureDialog', 'A regular pattern: smooth shading that compresses far better than diffusion.') },
    { value: 'compact', text: qsTranslate('PictureDialog', 'Compact'),
      tip: qsTranslate('PictureDialog', 'A fine pattern on a light blur: shading for photos in records as small as no dither.') },
    { value: 'compact-diffusion', text: qsTranslate('PictureDialog', 'Compact diffusion'),
      tip: qsTranslate('PictureDialog',
        'A finer pattern that hands on part of its error: nearer to diffusion, in records about as small.') },
    { value: BestFitValue, text: qsTranslate('PictureDialog', 'Best fit'),
      tip: qsTranslate('PictureDialog',
        'Colours kept; on saving, each picture gets the rendering that lets the whole album fit with the best look.') },
  ];
  const gravityNames = [
    qsTranslate('Page', 'center'), qsTranslate('Page', 'north'), qsTranslate('Page', 'south'),
    qsTranslate('Page', 'east'), qsTranslate('Page', 'west'), qsTranslate('Page', 'northeast'),
    qsTranslate('Page', 'northwest'), qsTranslate('Page', 'southeast'), qsTranslate('Page', 'southwest'),
  ];
  Gravities = GravityValues.map((value, index) => ({ value, text: gravityNames[index] }));
  SmoothingText = qsTranslate('PictureDialog', 'Smoothing');
  SmoothingTip = qsTranslate('PictureDialog', 'Average the pixels when shrinking, so thin lines and small text survive.');
  TurnLeftTip = qsTranslate('PictureDialog', 'Turn the picture left');
  TurnRightTip = qsTranslate('PictureDialog', 'Turn the picture right');
  SquareSizeTip = qsTranslate('PictureDialog', 'The size of the square kept');
  SquareFrameTip = qsTranslate('PictureDialog',
    'Drag or use the arrow keys to choose the square; the wheel, + and - change its size.');
  PreviewCaption = qsTranslate('PictureDialog', 'Picture:');
  EmptyPreviewText = qsTranslate('PictureDialog', '(None)');
  DeviceViewCaption = qsTranslate('PictureDialog', 'On the device:');
  LoadingCaption = qsTranslate('PictureDialog', 'Loading…');
  AlbumFileType = qsTranslate('Page', 'Vemo ZidarUzura album');
}

useTranslation(translation);
