// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// The first step of a picture's way into an album: reading the file, with
// the checks that keep a damaged or hostile file out.

// Picture types a user can bring into an album that Qt's image readers
// read, as Qt image format names.
QStringList ImportablePictureFormats();

// Every type a user can bring into an album, as a user names them.
QString ReadPictureTypesText();

// The largest picture brought in, in pixels: a 100-megapixel camera's and
// more, with the decoded picture's memory bounded all the same.
inline constexpr qint64 MaxPicturePixels = 120'000'000;

// The largest picture file read, in bytes: a picture at the pixel limit
// stored uncompressed at 16 bits for each of red, green and blue (a
// scanner's deepest TIFF), with room for its headers. A stream is read up to
// this and no further, so an endless pipe cannot fill the memory.
inline constexpr qint64 MaxPictureFileBytes = MaxPicturePixels * 6 + 64 * 1024 * 1024;

// How many times smaller (1, 2, 4 or 8) a JPEG of the given full size may be
// decoded: the decoder then averages as it shrinks and does far less work.
using DecodeReduction = std::function<int(QSize fullSize)>;

// Kinds of JPEG the decoder cannot decode, though the file may be whole.
enum class UnsupportedJpeg {
    Lossless,           // SOF3 or SOF11
    Hierarchical,       // SOF5 to SOF7, SOF13 to SOF15
    ArithmeticCoded,    // SOF9 or SOF10 where the decoder has no arithmetic decoding
    TwelveBit,          // 12 bits a sample
    FractionalSampling, // colour sampling factors that are not whole multiples of each other
    Other,              // another process (the reserved SOF8)
};

// Why a picture was refused. The front ends word it.
struct PictureProblem
{
    enum class Kind {
        None,
        CannotOpen,         // detail: the system's reason
        UnsupportedFormat,  // not a type read here; detail: what the file is ("a PDF document"), if known
        Empty,              // no bytes at all
        Damaged,            // data ends early or does not decode cleanly
        TooLarge,           // size: more than MaxPicturePixels; no size: a file of more than MaxPictureFileBytes
        HeaderCutShort,     // a bitmap whose info header is cut short
        Unreadable,         // detail: the image reader's reason
        UnsupportedJpeg,    // jpegKind: a kind of JPEG that is never decoded
        UnsupportedVariant, // detail: a variant of a type read here that is not, named ("Uncompressed HEIF")
    };
    Kind kind = Kind::None;
    QString detail;
    QSize size;
    UnsupportedJpeg jpegKind = UnsupportedJpeg::Other;
};

struct PictureFileContents
{
    bool ok = false;
    QImage picture;
    PictureProblem problem;
    // What the decoding libraries said without refusing the picture, or
    // before they did: for a front end to show when asked to be verbose.
    QStringList warnings;
};

// Reads a picture file (BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF or
// AVIF), whatever its name says: its contents decide the type. The file is
// read whole once, and a stream gets the same verdict as a regular file. A
// zero-byte file is refused as empty. With a `reduction`, a JPEG may
// arrive decoded at a reduced size.
PictureFileContents ReadPictureFile(const QString &path, const DecodeReduction &reduction = {});

// The same from an open device, read from its current position.
PictureFileContents ReadPictureFile(QIODevice &device, const DecodeReduction &reduction = {});

// The same from a whole file's bytes.
PictureFileContents ReadPictureBytes(const QByteArray &file, const DecodeReduction &reduction = {});
