// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>

// Real JPEG files made for tests, and the byte edits that turn them into the
// odd but whole, damaged or unsupported files found in the wild.

// Qt's JPEG at quality 90: baseline with the standard Huffman tables, or
// progressive.
QByteArray QtJpeg(const QImage &picture, bool progressive = false);

// A baseline JPEG with a restart marker after every row of blocks, as
// cameras write them; libjpeg's encoder, as Qt's writer has no such option.
QByteArray JpegWithRestarts(const QImage &picture);

// A JPEG of `components` stored colour channels of the given colour space
// (JCS_CMYK or JCS_YCCK from four, JCS_UNKNOWN from two), each channel a byte
// of the picture's pixels in turn (blue, green, red, alpha as memory holds
// an ARGB32 word): Adobe's inverted CMYK as libjpeg writes it, with its marker.
QByteArray JpegOfChannels(const QImage &picture, int components, int colourSpace);

// Where the `occurrence`th marker 0xFF `marker` starts (from 0), -1 if none.
// Markers inside the compressed data are found too.
qsizetype MarkerAt(const QByteArray &jpeg, unsigned char marker, int occurrence = 0);

// `jpeg` without every segment of `marker` before the first scan.
QByteArray WithoutSegments(const QByteArray &jpeg, unsigned char marker);

// An 8 x 8 lossless (SOF3) JPEG of one grey, whole and valid.
QByteArray LosslessJpeg();
