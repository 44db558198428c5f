// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturedamagecheckers.h"

#include <QtEndian>

namespace {

// GIF layout: a 6-byte signature, a 7-byte screen descriptor whose packed
// byte may announce a colour table, then blocks: extensions (0x21), images
// (0x2C) and the trailer (0x3B). Extensions and image data are runs of
// sub-blocks, each a length byte and that many bytes, ended by a zero length.
constexpr qsizetype SignatureSize = 6;
constexpr qsizetype ScreenDescriptorSize = 7;
constexpr qsizetype ImageDescriptorSize = 9; // after its 0x2C
constexpr char ExtensionIntroducer = 0x21;
constexpr char ImageSeparator = 0x2C;
constexpr char Trailer = 0x3B;

// A colour table follows when the packed byte's top bit is set; its low
// three bits give 2^(n+1) entries of three bytes.
qsizetype ColourTableSize(char packed)
{
    const auto bits = static_cast<unsigned char>(packed);
    return (bits & 0x80) != 0 ? 3 * (qsizetype(2) << (bits & 0x07)) : 0;
}

// Moves `at` past a run of sub-blocks; false when the file ends first.
bool SkipSubBlocks(QByteArrayView file, qsizetype &at)
{
    while (at < file.size()) {
        const auto length = static_cast<unsigned char>(file[at]);
        ++at;
        if (length == 0)
            return true;
        if (file.size() - at < length)
            return false;
        at += length;
    }
    return false;
}

} // namespace

// The reader fills whatever a cut file lacks with made-up pixels. Walking the
// blocks finds a file that ends inside one; one that only lacks its trailer
// after a whole image is a common writer's slip that every viewer accepts.
// The compressed pixels themselves are left to the reader.
bool IsDamagedGif(QByteArrayView file)
{
    if (file.size() < SignatureSize + ScreenDescriptorSize)
        return true;
    qsizetype at = SignatureSize + ScreenDescriptorSize;
    at += ColourTableSize(file[SignatureSize + 4]);
    bool imageRead = false;
    while (at < file.size()) {
        const char introducer = file[at++];
        if (introducer == Trailer)
            return false;
        if (introducer == ExtensionIntroducer) {
            if (at >= file.size())
                return true;
            ++at; // the extension's label
            if (!SkipSubBlocks(file, at))
                return true;
        } else if (introducer == ImageSeparator) {
            if (file.size() - at < ImageDescriptorSize + 1)
                return true;
            at += ImageDescriptorSize + ColourTableSize(file[at + ImageDescriptorSize - 1]);
            ++at; // the smallest code size of the compressed pixels
            if (at > file.size() || !SkipSubBlocks(file, at))
                return true;
            imageRead = true;
        } else {
            // Not a block: stray bytes after the pictures, for the reader to judge.
            return false;
        }
    }
    return !imageRead;
}
