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

// Picture types a user can bring into an album, as Qt image format names.
QStringList ImportablePictureFormats();

// The largest picture brought in, in pixels: a 100-megapixel camera's and
// more, with the decoded picture's memory bounded all the same.
inline constexpr qint64 MaxPicturePixels = 120'000'000;

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
        CannotOpen,        // detail: the system's reason
        UnsupportedFormat, // not a type in ImportablePictureFormats()
        Empty,             // no bytes at all
        Damaged,           // data ends early or does not decode cleanly
        TooLarge,          // size: more than MaxPicturePixels
        HeaderCutShort,    // a bitmap whose info header is cut short
        Unreadable,        // detail: the image reader's reason
        UnsupportedJpeg,   // jpegKind: a kind of JPEG that is never decoded
    };
    Kind kind = Kind::None;
    QString detail;
    QSize size;
    UnsupportedJpeg jpegKind = UnsupportedJpeg::Other;
};

struct LoadedPicture
{
    bool ok = false;
    QImage picture;
    PictureProblem problem;
};

// Loads a picture file (BMP, PNG, JPEG, GIF or ICO), whatever its name says:
// its contents decide the type. A zero-byte file is refused as empty.
// With a `reduction`, a JPEG may arrive decoded at a reduced size.
LoadedPicture LoadPicture(const QString &path, const DecodeReduction &reduction = {});

// The same from an open device, read from its current position.
LoadedPicture LoadPicture(QIODevice &device, const DecodeReduction &reduction = {});
